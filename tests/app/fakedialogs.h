#pragma once

// Dialogs answered by the test: each input box takes the next scripted
// answer (or, for a cancel, its default text); messages are recorded.

#include "dialogservice.h"

#include <QStringList>

#include <optional>
#include <queue>

class FakeDialogs : public DialogService {
public:
    struct Asked {
        QString caption, prompt, defaultText;
    };

    // std::nullopt stands for cancelling the box.
    std::queue<std::optional<QString>> Answers;
    QList<Asked> Boxes;
    QStringList Messages;

    QString InputBox(QWidget*, const QString& caption, const QString& prompt, const QString& defaultText) override
    {
        Boxes.append({caption, prompt, defaultText});
        if (Answers.empty())
            return defaultText;
        const std::optional<QString> a = Answers.front();
        Answers.pop();
        return a ? *a : defaultText;
    }

    void Message(QWidget*, const QString& text) override { Messages.append(text); }
};

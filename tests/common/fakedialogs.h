// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Dialogs answered by the test: each input box, colour or font picker takes
// the next scripted answer (std::nullopt for a cancel; an empty queue also
// cancels); messages and errors are recorded.

#include "widgets/dialogservice.h"

#include <QStringList>

#include <optional>
#include <queue>

class FakeDialogs : public DialogService {
public:
    struct Asked {
        QString caption, prompt, defaultText;
    };

    std::queue<std::optional<QString>> Answers;
    std::queue<std::optional<QColor>> Colours;
    std::queue<std::optional<QFont>> Fonts;
    QList<Asked> Boxes;
    QStringList Messages;
    QStringList Errors;
    QList<QColor> ColourPickersOpenedAt;
    QList<QFont> FontPickersOpenedAt;
    // File pickers and questions: the next scripted answer; an empty
    // queue cancels (a question then answers Cancel).
    std::queue<std::optional<QString>> FileNames;
    std::queue<int> Replies;
    QStringList FilePickers; // their captions
    QStringList Questions;

    std::optional<QString> InputBox(QWidget*, const QString& caption, const QString& prompt,
                                    const QString& defaultText) override
    {
        Boxes.append({caption, prompt, defaultText});
        return Next(Answers);
    }

    // Long texts: written ones take the next answer of Answers, like the
    // input boxes; shown ones are recorded as "caption: text".
    QStringList Texts;
    std::optional<QString> EditText(QWidget*, const QString& caption, const QString& prompt,
                                    const QString& initial) override
    {
        Boxes.append({caption, prompt, initial});
        return Next(Answers);
    }
    void ShowText(QWidget*, const QString& caption, const QString&, const QString& text) override
    {
        Texts.append(caption + QStringLiteral(": ") + text);
    }

    void Message(QWidget*, const QString& text) override { Messages.append(text); }
    void Error(QWidget*, const QString& text) override { Errors.append(text); }

    std::optional<QColor> ChooseColour(QWidget*, const QColor& initial) override
    {
        ColourPickersOpenedAt.append(initial);
        return Next(Colours);
    }

    std::optional<QFont> ChooseFont(QWidget*, const QFont& initial) override
    {
        FontPickersOpenedAt.append(initial);
        return Next(Fonts);
    }

    std::optional<QString> OpenFileName(QWidget*, const QString& caption, const QString&, const QString&) override
    {
        FilePickers.append(caption);
        return Next(FileNames);
    }

    std::optional<QString> SaveFileName(QWidget*, const QString& caption, const QString&, const QString&) override
    {
        FilePickers.append(caption);
        return Next(FileNames);
    }

    // Print dialogs are cancelled unless the test says to print.
    bool Prints = false;
    bool ChoosePrinter(QWidget*, const QString& caption, QPrinter&) override
    {
        FilePickers.append(caption);
        return Prints;
    }

    int Question(QWidget*, const QString& text, int, int) override
    {
        Questions.append(text);
        if (Replies.empty())
            return 0x00400000; // QMessageBox::Cancel
        const int r = Replies.front();
        Replies.pop();
        return r;
    }

private:
    template <typename T>
    static std::optional<T> Next(std::queue<std::optional<T>>& q)
    {
        std::optional<T> a;
        if (!q.empty()) {
            a.swap(q.front());
            q.pop();
        }
        return a;
    }
};

#pragma once

// The modal dialogs of the windows, behind an interface that tests answer.

#include <QString>

class QWidget;

class DialogService {
public:
    virtual ~DialogService() = default;

    // A one-line input box. A cancelled box gives back its default text,
    // which the caller then reads like an answer.
    virtual QString InputBox(QWidget* parent, const QString& caption, const QString& prompt,
                             const QString& defaultText) = 0;

    // A message box with one fixed text and an OK button.
    virtual void Message(QWidget* parent, const QString& text) = 0;
};

// The real dialogs.
class QtDialogService : public DialogService {
public:
    QString InputBox(QWidget* parent, const QString& caption, const QString& prompt,
                     const QString& defaultText) override;
    void Message(QWidget* parent, const QString& text) override;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The modal dialogs of the windows, behind an interface that tests answer.

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

class QWidget;

class DialogService {
public:
    virtual ~DialogService() = default;

    // A one-line input box showing `defaultText`. Gives the text confirmed
    // with OK, or nothing when the user cancelled the box.
    virtual std::optional<QString> InputBox(QWidget* parent, const QString& caption, const QString& prompt,
                                            const QString& defaultText) = 0;

    // A message box with one fixed text and an OK button.
    virtual void Message(QWidget* parent, const QString& text) = 0;

    // An error box with one fixed text and an OK button.
    virtual void Error(QWidget* parent, const QString& text) = 0;

    // The colour picker, opened at `initial`. Nothing when cancelled.
    virtual std::optional<QColor> ChooseColour(QWidget* parent, const QColor& initial) = 0;

    // The font picker, opened at `initial`. Nothing when cancelled.
    virtual std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) = 0;
};

// The real dialogs. Message and error boxes carry `title` as their caption.
class QtDialogService : public DialogService {
public:
    explicit QtDialogService(const QString& title = QString()) : m_title(title) {}

    std::optional<QString> InputBox(QWidget* parent, const QString& caption, const QString& prompt,
                                    const QString& defaultText) override;
    void Message(QWidget* parent, const QString& text) override;
    void Error(QWidget* parent, const QString& text) override;
    std::optional<QColor> ChooseColour(QWidget* parent, const QColor& initial) override;
    std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) override;

private:
    QString m_title;
};

// Installs Qt's own French translations (the qtbase catalogue found where
// QLibraryInfo says Qt keeps its translations), so that the standard dialogs
// speak French: "Annuler", ... Returns false when the catalogue is missing;
// the dialogs then stay in English.
bool InstallQtFrench();

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The modal dialogs of the windows, behind an interface that tests answer.

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

class QPrinter;
class QWidget;

class DialogService {
public:
    virtual ~DialogService() = default;

    // A one-line input box showing `defaultText`. Gives the text confirmed
    // with OK, or nothing when the user cancelled the box.
    virtual std::optional<QString> InputBox(QWidget* parent, const QString& caption, const QString& prompt,
                                            const QString& defaultText) = 0;

    // A text of several lines written in a box of its own, opened on
    // `initial`. Gives the text confirmed with OK, or nothing when cancelled.
    virtual std::optional<QString> EditText(QWidget* parent, const QString& caption, const QString& prompt,
                                            const QString& initial) = 0;

    // A text of any length shown to be read, scrolled when long.
    virtual void ShowText(QWidget* parent, const QString& caption, const QString& prompt, const QString& text) = 0;

    // A message box with one fixed text and an OK button.
    virtual void Message(QWidget* parent, const QString& text) = 0;

    // An error box with one fixed text and an OK button.
    virtual void Error(QWidget* parent, const QString& text) = 0;

    // The colour picker, opened at `initial`. Nothing when cancelled.
    virtual std::optional<QColor> ChooseColour(QWidget* parent, const QColor& initial) = 0;

    // The font picker, opened at `initial`. Nothing when cancelled.
    virtual std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) = 0;

    // The file picker for reading, opened at `folder`, showing the files of
    // `filter` (Qt's "Séances (*.fourier)" form). Nothing when cancelled.
    virtual std::optional<QString> OpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                                                const QString& filter) = 0;

    // The file picker for writing, prefilled with `suggested`; it asks
    // before replacing a file. Nothing when cancelled.
    virtual std::optional<QString> SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                                const QString& filter) = 0;

    // A question with its buttons (QMessageBox::StandardButtons, e.g. Save,
    // Discard and Cancel); gives the button chosen, Cancel when the box
    // was closed.
    virtual int Question(QWidget* parent, const QString& text, int buttons, int defaultButton) = 0;

    // The desktop's print dialog for `printer`, captioned `caption`. True
    // when the user chose to print.
    virtual bool ChoosePrinter(QWidget* parent, const QString& caption, QPrinter& printer) = 0;
};

// The real dialogs. Message and error boxes carry `title` as their caption.
class QtDialogService : public DialogService {
public:
    explicit QtDialogService(const QString& title = QString()) : m_title(title) {}

    std::optional<QString> InputBox(QWidget* parent, const QString& caption, const QString& prompt,
                                    const QString& defaultText) override;
    std::optional<QString> EditText(QWidget* parent, const QString& caption, const QString& prompt,
                                    const QString& initial) override;
    void ShowText(QWidget* parent, const QString& caption, const QString& prompt, const QString& text) override;
    void Message(QWidget* parent, const QString& text) override;
    void Error(QWidget* parent, const QString& text) override;
    std::optional<QColor> ChooseColour(QWidget* parent, const QColor& initial) override;
    std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) override;
    std::optional<QString> OpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                                        const QString& filter) override;
    std::optional<QString> SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                        const QString& filter) override;
    int Question(QWidget* parent, const QString& text, int buttons, int defaultButton) override;
    bool ChoosePrinter(QWidget* parent, const QString& caption, QPrinter& printer) override;

private:
    QString m_title;
};

// Installs Qt's own French translations (the qtbase catalogue found where
// QLibraryInfo says Qt keeps its translations), so that the standard dialogs
// speak French: "Annuler", ... Returns false when the catalogue is missing;
// the dialogs then stay in English.
bool InstallQtFrench();

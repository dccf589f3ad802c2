// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/dialogservice.h"

#include "widgets/textdialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTranslator>

std::optional<QString> QtDialogService::InputBox(QWidget* parent, const QString& caption, const QString& prompt,
                                                 const QString& defaultText)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

std::optional<QString> QtDialogService::EditText(QWidget* parent, const QString& caption, const QString& prompt,
                                                 const QString& initial)
{
    return EditLongText(parent, caption, prompt, initial);
}

void QtDialogService::ShowText(QWidget* parent, const QString& caption, const QString& prompt, const QString& text)
{
    ShowLongText(parent, caption, prompt, text);
}

void QtDialogService::Message(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, m_title.isEmpty() ? QApplication::applicationName() : m_title, text, QMessageBox::Ok, parent);
    box.exec();
}

void QtDialogService::Error(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, m_title.isEmpty() ? QApplication::applicationName() : m_title, text, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<QColor> QtDialogService::ChooseColour(QWidget* parent, const QColor& initial)
{
    const QColor c = QColorDialog::getColor(initial, parent);
    if (!c.isValid())
        return std::nullopt;
    return c;
}

std::optional<QFont> QtDialogService::ChooseFont(QWidget* parent, const QFont& initial)
{
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, initial, parent);
    if (!ok)
        return std::nullopt;
    return f;
}

std::optional<QString> QtDialogService::OpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                                                     const QString& filter)
{
    const QString name = QFileDialog::getOpenFileName(parent, caption, folder, filter);
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

std::optional<QString> QtDialogService::SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                                     const QString& filter)
{
    const QString name = QFileDialog::getSaveFileName(parent, caption, suggested, filter);
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

int QtDialogService::Question(QWidget* parent, const QString& text, int buttons, int defaultButton)
{
    QMessageBox box(QMessageBox::Question, m_title.isEmpty() ? QApplication::applicationName() : m_title, text,
                    QMessageBox::StandardButtons(buttons), parent);
    box.setDefaultButton(QMessageBox::StandardButton(defaultButton));
    const int chosen = box.exec();
    return chosen == 0 ? int(QMessageBox::Cancel) : chosen;
}

bool QtDialogService::ChoosePrinter(QWidget* parent, const QString& caption, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(caption);
    return dialog.exec() == QDialog::Accepted;
}

bool InstallQtFrench()
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

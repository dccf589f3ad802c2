// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/textdialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

struct TextDialog {
    QDialog dialog;
    QPlainTextEdit* edit = nullptr;
    QDialogButtonBox* buttons = nullptr;

    TextDialog(QWidget* parent, const QString& caption, const QString& prompt, const QString& text, bool editable)
        : dialog(parent)
    {
        dialog.setObjectName(QStringLiteral("DialogueTexte"));
        dialog.setWindowTitle(caption);
        auto* label = new QLabel(prompt, &dialog);
        label->setObjectName(QStringLiteral("LegendeTexte"));
        label->setTextFormat(Qt::PlainText); // a name taken from a file is never markup
        label->setWordWrap(true);
        edit = new QPlainTextEdit(&dialog);
        edit->setObjectName(QStringLiteral("Texte"));
        edit->setPlainText(text);
        edit->setReadOnly(!editable);
        if (!editable)
            edit->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        edit->setTabChangesFocus(true);
        edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        edit->setAccessibleName(caption);
        edit->setAccessibleDescription(prompt);
        label->setBuddy(edit);
        buttons = new QDialogButtonBox(
            editable ? QDialogButtonBox::Ok | QDialogButtonBox::Cancel : QDialogButtonBox::Close, &dialog);
        buttons->setObjectName(QStringLiteral("BoutonsTexte"));
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        // Entrée closes a text shown to be read, as in a message box.
        if (!editable)
            buttons->button(QDialogButtonBox::Close)->setDefault(true);
        if (editable) {
            auto* confirm = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return), &dialog);
            QObject::connect(confirm, &QShortcut::activated, &dialog, &QDialog::accept);
            auto* confirmPad = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Enter), &dialog);
            QObject::connect(confirmPad, &QShortcut::activated, &dialog, &QDialog::accept);
        }
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(label);
        layout->addWidget(edit, 1);
        layout->addWidget(buttons);
        // Some thirty lines of some sixty characters, never more than the
        // screen: a longer text scrolls.
        const QFontMetrics metrics(edit->font());
        QSize wanted(metrics.averageCharWidth() * 64, metrics.lineSpacing() * 16);
        const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
        if (screen) {
            const QSize room = screen->availableGeometry().size() * 3 / 4;
            wanted = wanted.boundedTo(room);
        }
        edit->setMinimumSize(wanted.boundedTo(QSize(metrics.averageCharWidth() * 24, metrics.lineSpacing() * 4)));
        dialog.resize(dialog.sizeHint().expandedTo(wanted + QSize(24, label->sizeHint().height() + 60)));
        edit->setFocus();
    }
};

} // namespace

std::optional<QString> EditLongText(QWidget* parent, const QString& caption, const QString& prompt,
                                    const QString& initial)
{
    TextDialog d(parent, caption, prompt, initial, true);
    if (d.dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return d.edit->toPlainText();
}

void ShowLongText(QWidget* parent, const QString& caption, const QString& prompt, const QString& text)
{
    TextDialog d(parent, caption, prompt, text, false);
    d.dialog.exec();
}

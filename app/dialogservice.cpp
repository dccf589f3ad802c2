#include "dialogservice.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

QString QtDialogService::InputBox(QWidget* parent, const QString& caption, const QString& prompt,
                                  const QString& defaultText)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? answer : defaultText;
}

void QtDialogService::Message(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    box.exec();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

// A one-line text field. When ValidKeys is not empty, only the characters it
// holds can be typed (editing keys keep their usual meaning).
class TVrStrEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit TVrStrEdit(QWidget* parent = nullptr);

    QString Text() const { return text(); }

    QString ValidKeys() const { return m_validKeys; }
    void setValidKeys(const QString& keys) { m_validKeys = keys; }

    void setTextColor(const QColor& color);

    QSize sizeHint() const override;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QString m_validKeys;
};

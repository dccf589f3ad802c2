// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <QLocale>

// A one-line field for a number, read and written in the widget's locale.
// Typing accepts only digits, the locale's decimal separator and the minus
// sign (editing keys keep their usual meaning). The decimal separator is
// refused when Decimals is 0 or when the text already holds one; the minus
// sign toggles a leading minus on the whole number wherever the caret is,
// and the caret stays by the same character. With RestoreOnEsc, Escape puts
// back the text the field held before editing. On leaving, a value within
// MinValue … MaxValue is rewritten with exactly Decimals decimals; one out
// of range (or not a number) is left as typed and signalled through OnError.
class TVrNumEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit TVrNumEdit(QWidget* parent = nullptr);

    // The number in the field: MinValue when the field is empty. A text that
    // is not a number sets *ok to false and gives MinValue; conversionError()
    // then holds the message to show.
    double Value(bool* ok = nullptr) const;
    // Writes v as text (shortest exact form); a value that is not finite is ignored.
    void setValue(double v);

    // The message for a text that is not a number, empty when the text reads fine.
    QString conversionError() const;

    double MinValue() const { return m_min; }
    void setMinValue(double v) { m_min = v; }
    double MaxValue() const { return m_max; }
    void setMaxValue(double v) { m_max = v; }
    int Decimals() const { return m_decimals; }
    void setDecimals(int decimals);  // 0 … 15
    bool RestoreOnEsc() const { return m_restoreOnEsc; }
    void setRestoreOnEsc(bool restore) { m_restoreOnEsc = restore; }

    void setTextColor(const QColor& color);

    QSize sizeHint() const override;

signals:
    void OnError(TVrNumEdit* sender);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QLocale numberLocale() const;
    void toggleMinus();

    double m_min = 0;
    double m_max = 10000;
    int m_decimals = 0;
    bool m_restoreOnEsc = false;
    QString m_savedText;
};

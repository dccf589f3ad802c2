// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The screen reader's view of each kind of control of the set (see
// accessibility.h for the rules they share).

#include <QAccessibleWidget>
#include <QString>

class QWidget;

// A control's name: the name its window gave it, else its caption.
QString AccessibleNameOr(const QWidget* w, const QString& caption);

// The text a read-out shows, for the controls that read like text: the
// text interface hands it out whole and never lets it be selected.
class SpokenTextInterface : public QAccessibleTextInterface
{
public:
    virtual QString spokenText() const = 0;

    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override { return int(spokenText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override;
};

// Sliders, track bars, the knob and the slide switch: a settable value in a
// range, with increase and decrease actions of one key step.
class AccessibleRange : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    AccessibleRange(QWidget* w, QAccessible::Role role);

    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType t) override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;
};

// The seven-segment read-outs (integer and real): static text whose text is
// the value as spoken, with a read-only value; a clickable one can be pressed.
class AccessibleReadout : public QAccessibleWidget, public QAccessibleValueInterface, public SpokenTextInterface
{
public:
    explicit AccessibleReadout(QWidget* w);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

    QString spokenText() const override;
};

// The lamps with a caption: a check box, or a radio button in a group.
class AccessibleCheckLed : public QAccessibleWidget
{
public:
    explicit AccessibleCheckLed(QWidget* w);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;
};

// The push buttons of the set (with a lamp, a caption, a value to click, a
// clickable caption or picture): press, and toggle for the lamp buttons. A
// button that shows a value under a name of its own (the static gain, a
// duration) gives that value as its text.
class AccessibleButton : public QAccessibleWidget, public SpokenTextInterface
{
public:
    AccessibleButton(QWidget* w, QAccessible::Role role = QAccessible::Button);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;

    QString spokenText() const override;

private:
    bool pressable() const;
    bool showsValue() const;
};

// The bevelled panels that group controls, named after their caption.
class AccessibleGroup : public QAccessibleWidget
{
public:
    explicit AccessibleGroup(QWidget* w);
    QString text(QAccessible::Text t) const override;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/accessiblecontrols.h"

#include "widgets/accessibility.h"
#include "widgets/tclickablelabel.h"
#include "widgets/tvrbitmapimage.h"
#include "widgets/tvrbitmaplist.h"
#include "widgets/tvrbuttonbase.h"
#include "widgets/tvrcheckled.h"
#include "widgets/tvrclickvalue.h"
#include "widgets/tvrdigitgroup.h"
#include "widgets/tvrnum.h"
#include "widgets/tvrpowerbutton.h"
#include "widgets/tvrrangecontrol.h"

#include <QLabel>

#include <algorithm>
#include <cmath>
#include <limits>

// The ranged controls' value, bounds and steps as their keys use them.
struct RangeAccess {
    static int value(const TVrRangeControl* c) { return c->rangeValue(); }
    static int min(const TVrRangeControl* c) { return c->rangeMin(); }
    static int max(const TVrRangeControl* c) { return c->rangeMax(); }
    static void set(TVrRangeControl* c, qint64 v) { c->setRangeValue(v); }
    // One step: the smallest move an arrow key makes (one position for a
    // kind without arrow keys).
    static int step(const TVrRangeControl* c)
    {
        int best = 0;
        for (const TVrRangeControl::KeyStep& k : c->keySteps())
            if (k.action == TVrRangeControl::KeyAction::Add && k.amount != 0) {
                const qint64 a = k.amount < 0 ? -k.amount : k.amount;
                if (best == 0 || a < best)
                    best = int(std::min<qint64>(a, std::numeric_limits<int>::max()));
            }
        return best == 0 ? 1 : best;
    }
    static void stepBy(TVrRangeControl* c, int direction) { c->stepValue(qint64(direction) * step(c)); }
};

namespace {

TVrRangeControl* Range(QObject* o)
{
    return static_cast<TVrRangeControl*>(o);
}

// A number asked for by a screen reader, as a whole position (anything that
// is not a finite number asks for nothing).
std::optional<qint64> WholeValue(const QVariant& v)
{
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    const double limit = 9.0e15;
    return qint64(std::llround(std::clamp(d, -limit, limit)));
}

} // namespace

QString AccessibleNameOr(const QWidget* w, const QString& caption)
{
    const QString given = w->accessibleName();
    return given.isEmpty() ? caption.simplified() : given;
}

QString SpokenTextInterface::text(int startOffset, int endOffset) const
{
    const QString all = spokenText();
    startOffset = std::clamp(startOffset, 0, int(all.size()));
    if (endOffset < 0 || endOffset > all.size())
        endOffset = int(all.size());
    return endOffset <= startOffset ? QString() : all.mid(startOffset, endOffset - startOffset);
}

QString SpokenTextInterface::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

// ---------------------------------------------------------------- ranges

AccessibleRange::AccessibleRange(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role)
{
}

QString AccessibleRange::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return Range(object())->spokenValue();
    return QAccessibleWidget::text(t);
}

void* AccessibleRange::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QStringList AccessibleRange::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (widget()->isEnabled())
        names << increaseAction() << decreaseAction();
    return names;
}

void AccessibleRange::doAction(const QString& action)
{
    if (!widget()->isEnabled())
        return;
    if (action == increaseAction())
        RangeAccess::stepBy(Range(object()), 1);
    else if (action == decreaseAction())
        RangeAccess::stepBy(Range(object()), -1);
    else
        QAccessibleWidget::doAction(action);
}

QVariant AccessibleRange::currentValue() const
{
    return RangeAccess::value(Range(object()));
}

void AccessibleRange::setCurrentValue(const QVariant& value)
{
    if (!widget()->isEnabled())
        return;
    if (const std::optional<qint64> v = WholeValue(value))
        RangeAccess::set(Range(object()), *v);
}

QVariant AccessibleRange::maximumValue() const
{
    return RangeAccess::max(Range(object()));
}

QVariant AccessibleRange::minimumValue() const
{
    return RangeAccess::min(Range(object()));
}

QVariant AccessibleRange::minimumStepSize() const
{
    return RangeAccess::step(Range(object()));
}

// ---------------------------------------------------------------- read-outs

AccessibleReadout::AccessibleReadout(QWidget* w) : QAccessibleWidget(w, QAccessible::StaticText)
{
}

QString AccessibleReadout::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return spokenText();
    return QAccessibleWidget::text(t);
}

QAccessible::State AccessibleReadout::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    return s;
}

void* AccessibleReadout::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QStringList AccessibleReadout::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    auto* num = qobject_cast<TVrNum*>(object());
    if (num && num->Clickable() && num->isEnabled())
        names << pressAction();
    return names;
}

void AccessibleReadout::doAction(const QString& action)
{
    auto* num = qobject_cast<TVrNum*>(object());
    if (action == pressAction()) {
        if (num && num->Clickable() && num->isEnabled())
            emit num->OnClick(num);
        return;
    }
    QAccessibleWidget::doAction(action);
}

QVariant AccessibleReadout::currentValue() const
{
    if (auto* digits = qobject_cast<TVrDigitGroup*>(object()))
        return digits->Value();
    return RangeAccess::value(Range(object()));
}

QVariant AccessibleReadout::maximumValue() const
{
    if (auto* digits = qobject_cast<TVrDigitGroup*>(object()))
        return digits->Value();
    return RangeAccess::max(Range(object()));
}

QVariant AccessibleReadout::minimumValue() const
{
    if (auto* digits = qobject_cast<TVrDigitGroup*>(object()))
        return digits->Value();
    return RangeAccess::min(Range(object()));
}

QVariant AccessibleReadout::minimumStepSize() const
{
    if (auto* digits = qobject_cast<TVrDigitGroup*>(object()))
        return std::pow(10.0, -digits->Decimals());
    return 1;
}

QString AccessibleReadout::spokenText() const
{
    if (auto* digits = qobject_cast<TVrDigitGroup*>(object())) {
        QString shown = digits->displayText();
        shown.remove(QLatin1Char(' '));
        shown.replace(QLatin1Char('.'), QLatin1Char(','));
        return shown;
    }
    return Range(object())->spokenValue();
}

// ---------------------------------------------------------------- lamps

AccessibleCheckLed::AccessibleCheckLed(QWidget* w) : QAccessibleWidget(w, QAccessible::CheckBox)
{
}

QAccessible::Role AccessibleCheckLed::role() const
{
    return static_cast<TVrCheckLed*>(object())->CheckStyle() == TVrCheckLed::csRadioButton
               ? QAccessible::RadioButton
               : QAccessible::CheckBox;
}

QString AccessibleCheckLed::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return AccessibleNameOr(widget(), static_cast<TVrCheckLed*>(object())->Caption());
    return QAccessibleWidget::text(t);
}

QAccessible::State AccessibleCheckLed::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = true;
    s.checked = static_cast<TVrCheckLed*>(object())->Checked();
    return s;
}

QStringList AccessibleCheckLed::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (widget()->isEnabled())
        names << toggleAction() << pressAction();
    return names;
}

void AccessibleCheckLed::doAction(const QString& action)
{
    auto* led = static_cast<TVrCheckLed*>(object());
    if (action == toggleAction() || action == pressAction()) {
        // As a click: a lit LED that clicks cannot put out stays lit.
        if (led->isEnabled() && (!led->Checked() || led->ClickUnchecks()))
            led->setChecked(!led->Checked());
        return;
    }
    QAccessibleWidget::doAction(action);
}

// ---------------------------------------------------------------- buttons

AccessibleButton::AccessibleButton(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role)
{
}

bool AccessibleButton::pressable() const
{
    if (auto* image = qobject_cast<TVrBitmapImage*>(object()))
        return image->Clickable();
    return true;
}

QAccessible::Role AccessibleButton::role() const
{
    return pressable() ? QAccessible::Button : QAccessible::Graphic;
}

bool AccessibleButton::showsValue() const
{
    return qobject_cast<TVrClickValue*>(object()) ||
           (qobject_cast<QLabel*>(object()) && !widget()->accessibleName().isEmpty());
}

QString AccessibleButton::spokenText() const
{
    if (auto* valueBox = qobject_cast<TVrClickValue*>(object()))
        return SpokenNumberText(valueBox->Caption());
    if (auto* label = qobject_cast<QLabel*>(object()); label && showsValue())
        return SpokenNumberText(label->text());
    return {};
}

QString AccessibleButton::text(QAccessible::Text t) const
{
    QObject* o = object();
    if (t == QAccessible::Name) {
        if (auto* button = qobject_cast<TVrButtonBase*>(o))
            return AccessibleNameOr(widget(), button->Caption());
        if (auto* label = qobject_cast<QLabel*>(o))
            return AccessibleNameOr(widget(), label->text());
    }
    if (t == QAccessible::Value && showsValue())
        return spokenText();
    return QAccessibleWidget::text(t);
}

void* AccessibleButton::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface && showsValue())
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QAccessible::State AccessibleButton::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    if (auto* power = qobject_cast<TVrPowerButton*>(object())) {
        s.checkable = true;
        s.checked = power->Active();
    }
    if (auto* button = qobject_cast<TVrButtonBase*>(object()))
        s.pressed = button->isDown();
    return s;
}

QStringList AccessibleButton::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (pressable() && widget()->isEnabled()) {
        names << pressAction();
        if (qobject_cast<TVrPowerButton*>(object()))
            names << toggleAction();
    }
    return names;
}

void AccessibleButton::doAction(const QString& action)
{
    if (action != pressAction() && action != toggleAction()) {
        QAccessibleWidget::doAction(action);
        return;
    }
    QObject* o = object();
    if (!pressable() || !widget()->isEnabled())
        return;
    if (auto* button = qobject_cast<TVrButtonBase*>(o))
        button->click();
    else if (auto* image = qobject_cast<TVrBitmapImage*>(o))
        emit image->OnClick(image);
    else if (auto* label = qobject_cast<TClickableLabel*>(o))
        emit label->OnClick(label);
}

// ---------------------------------------------------------------- panels

AccessibleGroup::AccessibleGroup(QWidget* w) : QAccessibleWidget(w, QAccessible::Grouping)
{
}

QString AccessibleGroup::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
        // The caption a panel carries in its top left corner.
        for (QLabel* l : widget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            if (l->y() < 10 && !l->text().trimmed().isEmpty())
                return l->text().simplified();
    }
    return QAccessibleWidget::text(t);
}

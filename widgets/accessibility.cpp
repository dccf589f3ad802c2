// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/accessibility.h"

#include "widgets/accessiblecontrols.h"

#include <QAccessible>
#include <QDialog>
#include <QLocale>
#include <QString>
#include <QWidget>

#include <cmath>

namespace {

// The kinds of the set by class name. Qt asks for each class of a widget
// from the most derived up, so a window's own subclass of one of these
// kinds is described as that kind.
QAccessibleInterface* DescribeControl(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* w = static_cast<QWidget*>(object);
    if (className == QLatin1String("TVrSlider") || className == QLatin1String("TVrTrackBar") ||
        className == QLatin1String("TVrSwitch"))
        return new AccessibleRange(w, QAccessible::Slider);
    if (className == QLatin1String("TVrWheel"))
        return new AccessibleRange(w, QAccessible::Dial);
    if (className == QLatin1String("TVrNum") || className == QLatin1String("TVrDigitGroup"))
        return new AccessibleReadout(w);
    if (className == QLatin1String("TVrCheckLed"))
        return new AccessibleCheckLed(w);
    if (className == QLatin1String("TVrPowerButton") || className == QLatin1String("TVrDemoButton") ||
        className == QLatin1String("TXiButton") || className == QLatin1String("TVrClickValue") ||
        className == QLatin1String("TClickableLabel") || className == QLatin1String("TVrBitmapImage"))
        return new AccessibleButton(w);
    if (className == QLatin1String("TVrDisplay"))
        return new AccessibleGroup(w);
    if (className == QLatin1String("TVrScale"))
        return new QAccessibleWidget(w, QAccessible::StaticText);
    if (className == QLatin1String("PictureView"))
        return new QAccessibleWidget(w, QAccessible::Graphic);
    // The program's own windows, met under their own class name (a
    // window of Qt's classes is Qt's to describe).
    if (w->isWindow() && className == QLatin1String(w->metaObject()->className()) &&
        !className.startsWith(QLatin1Char('Q')))
        return new QAccessibleWidget(w, qobject_cast<QDialog*>(w) ? QAccessible::Dialog : QAccessible::Window);
    return nullptr;
}

} // namespace

void InstallAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(DescribeControl);
        return true;
    }();
    Q_UNUSED(installed);
}

QString SpokenNumber(double value, int significant)
{
    if (!std::isfinite(value))
        return QStringLiteral("indéfini");
    QLocale french(QLocale::French, QLocale::France);
    french.setNumberOptions(QLocale::OmitGroupSeparator);
    return french.toString(value == 0.0 ? 0.0 : value, 'g', significant);
}

QString SpokenNumberText(const QString& shown)
{
    QString spoken = shown.simplified();
    spoken.replace(QLatin1Char('.'), QLatin1Char(','));
    // ".5" is read "0,5".
    if (spoken.startsWith(QLatin1Char(',')))
        spoken.prepend(QLatin1Char('0'));
    else if (spoken.startsWith(QLatin1String("-,")))
        spoken.insert(1, QLatin1Char('0'));
    return spoken;
}

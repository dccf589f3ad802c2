// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/accessibility.h"

#include "widgets/accessiblecontrols.h"

#include <QAccessible>
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
        return new QAccessibleWidget(w, QAccessible::Indicator);
    if (className == QLatin1String("PictureView"))
        return new QAccessibleWidget(w, QAccessible::Graphic);
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

QString SpokenNumber(double value, int decimals)
{
    if (!std::isfinite(value))
        return QStringLiteral("indéfini");
    QLocale french(QLocale::French, QLocale::France);
    french.setNumberOptions(QLocale::OmitGroupSeparator);
    if (decimals >= 0)
        return french.toString(value, 'f', decimals);
    return french.toString(value, 'g', QLocale::FloatingPointShortest);
}

QString SpokenNumberText(const QString& shown)
{
    QString spoken = shown.simplified();
    spoken.replace(QLatin1Char('.'), QLatin1Char(','));
    return spoken;
}

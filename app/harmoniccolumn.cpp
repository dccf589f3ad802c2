// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/harmoniccolumn.h"

#include "app/panelparts.h"
#include "signal/presets.h"
#include "widgets/tvrcheckled.h"
#include "widgets/tvrslider.h"
#include "widgets/tvrswitch.h"
#include "widgets/vrpanel.h"

#include <QLabel>

using VrPanel::Place;

namespace {

QByteArray Name(const char* stem, int k)
{
    return QByteArray(stem) + QByteArray::number(k);
}

QString Spoken(const char* what, int k)
{
    return QString::fromUtf8(what) + QStringLiteral(" harmonique ") + QString::number(k);
}

QString Percent(int v)
{
    return QString::number(v) + QStringLiteral(" %");
}

QString Degrees(int v)
{
    return QString::number(v) + QStringLiteral("°");
}

} // namespace

HarmonicColumn BuildHarmonicColumn(QWidget* window, int k)
{
    const int x = 104 + 32 * (k - 1);
    HarmonicColumn c;
    c.VrCheckLed = Place(new TVrCheckLed(window), Name("VrCheckLed", k), x + 7, 88, 18, 18);
    c.VrCheckLed->setToolTip(QStringLiteral("Cocher pour visualiser cet harmonique"));
    c.VrNumamp = Readout(window, Name("VrNumamp", k), 2, 0, 100, x + 1, 110, 30, 22, TVrNum::ns5x7);
    c.Vramp = Place(new TVrSlider(window), Name("Vramp", k), x + 2, 136, 28, 185);
    c.Vramp->setMinValue(0);
    c.Vramp->setMaxValue(100);
    c.VrSwitch = Place(new TVrSwitch(window), Name("VrSwitch", k), x + 3, 328, 26, 50);
    c.VrSwitch->setPositions(4);
    c.VrSwitch->setOffset(1);
    c.VrNumph = Readout(window, Name("VrNumph", k), 3, -200, 999, x, 384, 32, 20, TVrNum::ns5x7);
    // What a screen reader says of each control of the column.
    c.VrCheckLed->setAccessibleName(Spoken("Voir", k));
    c.VrNumamp->setAccessibleName(Spoken("Affichage amplitude", k));
    c.VrNumamp->setValueSpeech(Percent);
    c.Vramp->setAccessibleName(Spoken("Amplitude", k));
    c.Vramp->setValueSpeech(Percent);
    c.VrSwitch->setAccessibleName(Spoken("Phase", k));
    c.VrSwitch->setValueSpeech([](int offset) { return Degrees(SwitchDegrees(offset)); });
    c.VrNumph->setAccessibleName(Spoken("Affichage phase", k));
    c.VrNumph->setValueSpeech(Degrees);
    QLabel* number = VrPanel::Text(window, QString::number(k), 0, 408, 13, true);
    number->move(x + 16 - number->width() / 2, 408);
    return c;
}

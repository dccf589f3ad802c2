// SPDX-License-Identifier: GPL-3.0-or-later
#include "signal/rappcyclique.h"

#include "numeric/numbers.h"
#include "numeric/rounding.h"
#include "widgets/dialogservice.h"
#include "widgets/tvrnum.h"
#include "widgets/tvrscale.h"
#include "widgets/tvrtrackbar.h"
#include "widgets/vrpanel.h"

#include <QLabel>

using VrPanel::Named;
using VrPanel::Place;

Trappcycl::Trappcycl(SharedState& state, DialogService& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_state(state), m_dialogs(dialogs)
{
    setWindowTitle(QStringLiteral("Signal carré rapport cyclique variable"));
    setFixedSize(371, 145);
    VrPanel::Silver(this);

    Label1 = Named(VrPanel::Text(this, QStringLiteral("Rapport cyclique en %"), 12, 8, 12, true,
                                 palette().color(QPalette::WindowText)),
                   "Label1");

    VrScale1 = Place(new TVrScale(this), "VrScale1", 8, 32, 270, 50);
    VrScale1->setMinValue(0);
    VrScale1->setMaxValue(100);
    VrScale1->setTicks(20);
    VrScale1->setTicksHeight(8);
    VrScale1->setTickMarks(TVrScale::tmBoth);
    VrScale1->setShowSign(false);
    VrScale1->setTextColor(QColor(0x00, 0x80, 0x00));

    delta = Place(new TVrTrackBar(this), "delta", 8, 84, 270, 44);
    delta->setMinValue(0);
    delta->setMaxValue(100);
    delta->setFrequency(1);
    delta->setPosition(50);

    VrNum1 = Place(new TVrNum(this), "VrNum1", 292, 60, 68, 40);
    VrNum1->setDigits(3);
    VrNum1->setMin(0);
    VrNum1->setMax(100);
    VrNum1->setValue(50);
    VrNum1->setStyle(TVrNum::ns11x20);
    VrNum1->setClickable(true);
    VrNum1->setToolTip(QStringLiteral("Cliquer pour entrer une valeur "));

    // What a screen reader says of them.
    delta->setAccessibleName(QStringLiteral("Rapport cyclique"));
    VrNum1->setAccessibleName(QStringLiteral("Affichage rapport cyclique"));
    VrScale1->setAccessibleName(QStringLiteral("Graduation du rapport cyclique, de 0 à 100 %"));
    for (TVrRangeControl* c : std::initializer_list<TVrRangeControl*>{delta, VrNum1})
        c->setValueSpeech([](int v) { return QString::number(v) + QStringLiteral(" %"); });

    connect(delta, &TVrTrackBar::OnChange, this, &Trappcycl::deltaChange);
    connect(VrNum1, &TVrNum::OnClick, this, &Trappcycl::VrNum1Click);
}

void Trappcycl::deltaChange(TVrTrackBar* sender)
{
    VrNum1->setValue(sender->Position());
    m_state.Signal.DutyCycle = static_cast<double>(sender->Position()) / sender->MaxValue();
    emit DutyCycleChanged();
}

void Trappcycl::ShowDutyCycle(int percent)
{
    delta->setPosition(percent);
}

void Trappcycl::VrNum1Click()
{
    const std::optional<QString> answer =
        m_dialogs.InputBox(this, QStringLiteral("Rapport cyclique"), QStringLiteral("Entrer une valeur de 0 à 100 %"),
                           QString::number(delta->Position()));
    if (!answer)
        return; // a cancelled box changes nothing
    double percent = 0;
    // A text that is not a number from 0 to 100 is ignored, as click-to-change values do.
    if (!TryParseTypedNumber(answer->toStdString(), percent) || percent < 0 || percent > 100)
        return;
    delta->setPosition(Round(percent)); // the bar's own handler does the rest
}

#include "rappcyclique.h"

#include "tvrnum.h"
#include "tvrscale.h"
#include "tvrtrackbar.h"
#include "vrlook.h"

#include <QLabel>

Trappcycl::Trappcycl(SharedState& state, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_state(state)
{
    setWindowTitle(QStringLiteral("Signal carré rapport cyclique variable"));
    setFixedSize(371, 145);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, VrLook::Silver);
    setPalette(pal);

    Label1 = new QLabel(QStringLiteral("Rapport cyclique en %"), this);
    Label1->setFont(VrLook::font(12, true));
    Label1->move(12, 8);
    Label1->adjustSize();

    VrScale1 = new TVrScale(this);
    VrScale1->setMinValue(0);
    VrScale1->setMaxValue(100);
    VrScale1->setTicks(20);
    VrScale1->setTicksHeight(8);
    VrScale1->setTickMarks(TVrScale::tmBoth);
    VrScale1->setShowSign(false);
    VrScale1->setTextColor(QColor(0x00, 0x80, 0x00));
    VrScale1->setGeometry(8, 32, 270, 50);

    delta = new TVrTrackBar(this);
    delta->setMinValue(0);
    delta->setMaxValue(100);
    delta->setFrequency(1);
    delta->setPosition(50);
    delta->setGeometry(8, 84, 270, 44);

    VrNum1 = new TVrNum(this);
    VrNum1->setDigits(3);
    VrNum1->setMin(0);
    VrNum1->setMax(100);
    VrNum1->setValue(50);
    VrNum1->setStyle(TVrNum::ns11x20);
    VrNum1->setGeometry(292, 60, 68, 40);

    connect(delta, &TVrTrackBar::OnChange, this, &Trappcycl::deltaChange);
}

void Trappcycl::deltaChange(TVrTrackBar* sender)
{
    VrNum1->setValue(sender->Position());
    m_state.Signal.DutyCycle = static_cast<double>(sender->Position()) / sender->MaxValue();
    if (ApplyPreset)
        ApplyPreset();
    if (RecomputeAndRedraw)
        RecomputeAndRedraw(true);
}

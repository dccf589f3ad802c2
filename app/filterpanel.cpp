// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/filterpanel.h"

#include "app/panelparts.h"
#include "app/redrawcycle.h"
#include "filter/filtercontrols.h"
#include "numeric/numbers.h"
#include "numeric/rounding.h"
#include "plot/plottext.h"
#include "widgets/accessibility.h"
#include "widgets/artwork.h"
#include "widgets/dialogservice.h"
#include "widgets/tvrbitmapimage.h"
#include "widgets/tvrbitmaplist.h"
#include "widgets/tvrcheckled.h"
#include "widgets/tvrclickvalue.h"
#include "widgets/tvrdigitgroup.h"
#include "widgets/tvrdisplay.h"
#include "widgets/tvrnum.h"
#include "widgets/tvrtrackbar.h"
#include "widgets/tvrwheel.h"
#include "widgets/vrlook.h"
#include "widgets/vrpanel.h"

#include <QLabel>
#include <QSignalBlocker>

using VrPanel::Named;
using VrPanel::Place;
using VrPanel::SetText;
using VrPanel::Text;

namespace {

struct FilterRow {
    const char* name;
    const char* caption;
    FilterKind kind;
    bool frequency, damping, bandwidth;
};

// Picture i shows model i; the controls each model shows.
const FilterRow FilterRows[7] = {
    {"VrCheckLed14", "Amplificateur", FilterKind::Amplifier, false, false, false},
    {"VrCheckLed15", "Passe-bas  ordre2 ", FilterKind::LowPass2, true, true, false},
    {"VrCheckLed16", "Passe-haut ordre2", FilterKind::HighPass2, true, true, false},
    {"VrCheckLed17", "Passe-bande ", FilterKind::BandPass, true, true, true},
    {"VrCheckLed18", "Coupe-bande", FilterKind::BandStop, true, true, false},
    {"VrCheckLed22", "Passe-bas   ", FilterKind::LowPass1, true, false, false},
    {"VrCheckLed23", "Passe-haut ", FilterKind::HighPass1, true, false, false},
};

} // namespace

FilterPanel::FilterPanel(QWidget* window, SharedState& state, DialogService& dialogs, RedrawCycle& cycle)
    : QObject(window), m_window(window), m_state(state), m_dialogs(dialogs), m_cycle(cycle)
{
    GroupBox1 = VrPanel::Group(window, "GroupBox1", QStringLiteral("Type de filtre "), 520, 8, 321, 105);
    for (int r = 0; r < 7; ++r) {
        const int column = r < 4 ? 0 : 1;
        const int line = r < 4 ? r : r - 4;
        TVrCheckLed* led = Place(new TVrCheckLed(QString::fromUtf8(FilterRows[r].caption), GroupBox1),
                                 FilterRows[r].name, 10 + 160 * column, 24 + 19 * line, 150, 18);
        led->setCheckStyle(TVrCheckLed::csRadioButton);
        led->setClickUnchecks(false); // the model in force stays lit
        led->setLedColor(VrLook::LedRed);
        m_filterLed[r] = led;
    }
    m_filterLed[0]->setChecked(true);

    VrBitmapList1 = Named(new TVrBitmapList(window), "VrBitmapList1");
    for (int i = 0; i < FilterPictureCount; ++i)
        VrBitmapList1->add(FilterPicture(i, QSize(161, 73), ArtworkRatio()));
    VrBitmapImage1 = Place(new TVrBitmapImage(window), "VrBitmapImage1", 512, 120, 161, 73);
    VrBitmapImage1->setBitmaps(VrBitmapList1);
    VrBitmapImage1->setBitmapIndex(0);
    VrBitmapImage1->setToolTip(QStringLiteral("Cliquer pour voir la réponse du filtre"));
    VrBitmapImage1->setAccessibleName(QStringLiteral("Schéma du filtre"));
    VrBitmapImage1->setCursor(Qt::PointingHandCursor);
    VrBitmapImage1->setClickable(true);

    Label16 = Named(Text(window, QStringLiteral(" Ao ="), 680, 124, 14, true), "Label16");
    Label17 = Place(new TVrClickValue(QStringLiteral("1"), window), "Label17", 678, 148, 62, 30);
    Label17->setToolTip(QStringLiteral("Cliquer pour entrer une valeur "));

    GroupBox3 = VrPanel::Group(window, "GroupBox3", QStringLiteral("Bande pass -3dB"), 744, 120, 97, 65, 10);
    VrNum3 = Readout(GroupBox3, "VrNum3", 3, 0, 999, 8, 28, 52, 28);
    Label13 = Named(Text(GroupBox3, QStringLiteral("Hz"), 64, 34, 13, true), "Label13");

    Label9 = Named(Text(window, QStringLiteral("f0="), 504, 205, 16, true), "Label9");
    VrNum1 = Readout(window, "VrNum1", 3, 0, 999, 540, 198, 62, 30);
    VrNum1->setToolTip(QStringLiteral("Cliquer pour entrer une valeur "));
    VrNum1->setClickable(true);
    Label11 = Named(Text(window, QStringLiteral(" Hz"), 604, 207, 13, true), "Label11");
    Label12 = Place(new TVrClickValue(window), "Label12", 540, 198, 110, 30);
    Label12->setToolTip(QStringLiteral("Cliquer pour entrer une valeur "));
    Label10 = Named(Text(window, QStringLiteral(" m="), 656, 205, 16, true), "Label10");
    VrDigitGroup1 = Place(new TVrDigitGroup(window), "VrDigitGroup1", 700, 198, 69, 30);
    VrDigitGroup1->setDigits(3);
    VrDigitGroup1->setDecimals(2);
    VrWheel1 = Place(new TVrWheel(window), "VrWheel1", 536, 256, 85, 85);
    VrWheel1->setMaxValue(1000);
    VrWheel1->setMinValue(100);
    VrWheel1->setPosition(100);
    VrTrackBar1 = Place(new TVrTrackBar(window), "VrTrackBar1", 696, 248, 49, 97);
    VrTrackBar1->setOrientation(Qt::Vertical);
    VrTrackBar1->setMaxValue(1000);
    VrTrackBar1->setMinValue(0);
    VrTrackBar1->setFrequency(2);
    VrTrackBar1->setPosition(0);
    // What a screen reader says of the controls without a caption.
    Label17->setAccessibleName(QStringLiteral("Amplification statique"));
    VrNum3->setAccessibleName(QStringLiteral("Bande passante à -3 dB"));
    VrNum3->setValueSpeech([this](int v) { return QString::number(v) + QLatin1Char(' ') + Label13->text().trimmed(); });
    VrNum1->setAccessibleName(QStringLiteral("Affichage fréquence de coupure"));
    VrNum1->setValueSpeech([this](int v) { return QString::number(v) + QLatin1Char(' ') + Label11->text().trimmed(); });
    Label12->setAccessibleName(QStringLiteral("Fréquence de coupure saisie"));
    VrDigitGroup1->setAccessibleName(QStringLiteral("Affichage amortissement"));
    VrWheel1->setAccessibleName(QStringLiteral("Fréquence de coupure"));
    VrWheel1->setValueSpeech([this](int) { return VrNum1->spokenValue(); });
    VrTrackBar1->setAccessibleName(QStringLiteral("Amortissement"));
    VrTrackBar1->setValueSpeech([](int v) { return SpokenNumber(DampingForPosition(v)); });
    for (QWidget* w : std::initializer_list<QWidget*>{Label9, VrNum1, Label11, Label12, VrWheel1, Label10,
                                                      VrDigitGroup1, VrTrackBar1})
        w->hide();

    m_hiddenNotice = Place(new QLabel(QStringLiteral("Filtre caché : à vous de le trouver"), GroupBox1),
                           "FiltreCache", 10, 30, 300, 24);
    m_hiddenHint = Place(new QLabel(QStringLiteral("d'après les spectres et le son."), GroupBox1),
                         "FiltreCacheIndice", 10, 58, 300, 24);
    for (QLabel* l : {m_hiddenNotice, m_hiddenHint}) {
        l->setFont(VrLook::font(13, true));
        l->setAlignment(Qt::AlignCenter);
        l->hide();
    }
    m_hiddenNotice->setAccessibleName(QStringLiteral("Filtre caché"));
    m_hiddenNotice->setAccessibleDescription(QStringLiteral("À vous de le trouver d'après les spectres et le son."));

    for (int r = 0; r < 7; ++r)
        connect(m_filterLed[r], &TVrCheckLed::OnChange, this, [this, r] { FilterLedChange(r); });
    connect(VrWheel1, &TVrWheel::OnChange, this, &FilterPanel::VrWheel1Change);
    connect(VrTrackBar1, &TVrTrackBar::OnChange, this, &FilterPanel::VrTrackBar1Change);
    connect(VrNum1, &TVrNum::OnClick, this, &FilterPanel::entrefrqmanu);
    connect(Label12, &TVrClickValue::OnClick, this, &FilterPanel::entrefrqmanu);
    connect(Label17, &TVrClickValue::OnClick, this, &FilterPanel::Label17Click);
}

void FilterPanel::StartUp()
{
    FilterState& f = m_state.Filter;
    m_wheelDecade = 1;
    m_wheelLastPercent = 0;
    // The read-outs and the track bar from the state's start-up values; the
    // bar's handler makes the damping 141 / 200.
    VrNum1->setValue(Round(f.CutoffHz));
    VrDigitGroup1->setValue(f.Damping);
    VrTrackBar1->setPosition(Round(static_cast<long double>(f.Damping) * 200));
    ShowBandwidth();
    GroupBox3->hide();
}

QList<QWidget*> FilterPanel::TabOrder() const
{
    QList<QWidget*> order(m_filterLed.begin(), m_filterLed.end());
    order << VrBitmapImage1 << Label17 << VrNum1 << Label12 << VrWheel1 << VrTrackBar1;
    return order;
}

void FilterPanel::ShowCutoff(bool shown)
{
    Label9->setVisible(shown);
    VrNum1->setVisible(shown && !m_cutoffTyped);
    Label11->setVisible(shown && !m_cutoffTyped);
    Label12->setVisible(shown && m_cutoffTyped);
}

void FilterPanel::ShowRow(int row)
{
    const FilterRow& r = FilterRows[row];
    const bool shown = !m_hidden;
    ShowCutoff(shown && r.frequency);
    VrWheel1->setVisible(shown && r.frequency);
    for (QWidget* w : std::initializer_list<QWidget*>{Label10, VrDigitGroup1, VrTrackBar1})
        w->setVisible(shown && r.damping);
    GroupBox3->setVisible(shown && r.bandwidth);
    VrBitmapImage1->setBitmapIndex(row);
}

void FilterPanel::SetHidden(bool hidden)
{
    m_hidden = hidden;
    for (QWidget* w : std::initializer_list<QWidget*>{VrBitmapImage1, Label16, Label17})
        w->setVisible(!hidden);
    for (TVrCheckLed* led : m_filterLed)
        led->setVisible(!hidden);
    m_hiddenNotice->setVisible(hidden);
    m_hiddenHint->setVisible(hidden);
    for (int r = 0; r < 7; ++r)
        if (FilterRows[r].kind == m_state.Filter.Kind)
            ShowRow(r);
}

void FilterPanel::Restore(FilterKind kind, double cutoffHz, bool cutoffTyped, double damping, double staticGain)
{
    FilterState& f = m_state.Filter;
    f.StaticGain = staticGain;
    Label17->setCaption(NumberText(staticGain));
    f.CutoffHz = cutoffHz;
    m_cutoffTyped = cutoffTyped;
    if (cutoffTyped) {
        SetText(Label11, QStringLiteral("Hz"));
        Label12->setCaption(NumberText(cutoffHz) + QStringLiteral("Hz"));
    } else {
        // The wheel in the decade whose turn holds the cut-off, at the
        // position nearest to it; the read-out as the wheel shows it.
        const WheelSetting wheel = WheelFor(cutoffHz);
        m_wheelDecade = wheel.Decade;
        m_wheelLastPercent = WheelPercent(wheel.Position);
        {
            const QSignalBlocker quiet(VrWheel1);
            VrWheel1->setPosition(wheel.Position);
        }
        const FrequencyReadout r = CutoffReadout(cutoffHz);
        if (r.Shown) {
            SetText(Label11, QString::fromStdString(r.Unit));
            VrNum1->setValue(r.Value);
        }
    }
    f.Damping = damping;
    VrDigitGroup1->setValue(damping);
    {
        const QSignalBlocker quiet(VrTrackBar1);
        VrTrackBar1->setPosition(Round(static_cast<long double>(damping) * 200));
    }
    ShowBandwidth();
    for (int r = 0; r < 7; ++r) {
        if (FilterRows[r].kind != kind)
            continue;
        m_filterLed[r]->setChecked(true); // its handler shows the controls and redraws when it changes
        f.Kind = kind;
        ShowRow(r);
    }
}

void FilterPanel::FilterLedChange(int row)
{
    if (!m_filterLed[row]->Checked())
        return;
    ShowRow(row);
    m_state.Filter.Kind = FilterRows[row].kind;
    m_cycle.Redraw();
}

void FilterPanel::ShowBandwidth()
{
    const FrequencyReadout r = ::ShowBandwidth(m_state.Filter);
    SetText(Label13, QString::fromStdString(r.Unit));
    VrNum3->setValue(r.Value);
}

void FilterPanel::VrWheel1Change()
{
    m_cutoffTyped = false;
    ShowCutoff(true);
    FrequencyReadout r;
    const int percent = TurnWheel(VrWheel1->Position(), m_wheelDecade, m_wheelLastPercent, m_state.Filter, r);
    SetText(Label11, QString::fromStdString(r.Unit));
    VrNum1->setValue(r.Value);
    ShowBandwidth();
    m_wheelLastPercent = percent;
    if (IsFilterCode(m_state.Filter.Kind))
        m_cycle.Redraw();
}

void FilterPanel::VrTrackBar1Change()
{
    m_state.Filter.Damping = DampingForPosition(VrTrackBar1->Position());
    VrDigitGroup1->setValue(m_state.Filter.Damping);
    ShowBandwidth();
    if (IsFilterCode(m_state.Filter.Kind))
        m_cycle.Redraw();
}

void FilterPanel::entrefrqmanu()
{
    const std::optional<QString> answer =
        m_dialogs.InputBox(m_window, QStringLiteral("Fréquence particulière"),
                           QStringLiteral("Entrer une 1e6>frequence >0 "), NumberText(m_state.Filter.CutoffHz));
    if (!answer)
        return; // a cancelled box changes nothing
    if (!AcceptTypedFrequency(answer->toStdString(), m_state.Filter)) {
        m_dialogs.Message(m_window, QStringLiteral("Mauvaise entrée"));
        return;
    }
    SetText(Label11, QStringLiteral("Hz"));
    Label12->setCaption(NumberText(m_state.Filter.CutoffHz) + QStringLiteral("Hz"));
    m_cutoffTyped = true;
    ShowCutoff(true);
    ShowBandwidth(); // the bandwidth follows the typed cut-off as it follows the wheel
    m_cycle.Redraw();
}

// A typed static gain: a number the filters can take (0 and negative gains
// included), or "Mauvaise entrée" and the gain stays.
void FilterPanel::Label17Click()
{
    const std::optional<QString> answer =
        m_dialogs.InputBox(m_window, QStringLiteral("Entrée de l amplification statique"),
                           QStringLiteral("valeur numérique:"), QStringLiteral("1"));
    if (!answer)
        return; // a cancelled box changes nothing
    if (!AcceptTypedStaticGain(answer->toStdString(), m_state.Filter)) {
        m_dialogs.Message(m_window, QStringLiteral("Mauvaise entrée"));
        return;
    }
    Label17->setCaption(NumberText(m_state.Filter.StaticGain));
    m_cycle.Redraw();
}

#include "simplefour.h"

#include "artwork.h"
#include "dialogservice.h"
#include "fenetspectres.h"
#include "filterresponse.h"
#include "numbers.h"
#include "presets.h"
#include "rappcyclique.h"
#include "repres.h"
#include "rounding.h"
#include "sampling.h"
#include "spectrumdrawing.h"
#include "timegraph.h"
#include "tvrbitmapimage.h"
#include "tvrbitmaplist.h"
#include "tvrcheckled.h"
#include "tvrclickvalue.h"
#include "tvrdemobutton.h"
#include "tvrdigitgroup.h"
#include "tvrdisplay.h"
#include "tvrnum.h"
#include "tvrpowerbutton.h"
#include "tvrslider.h"
#include "tvrswitch.h"
#include "tvrtrackbar.h"
#include "tvrwheel.h"
#include "vrlook.h"
#include "vrpanel.h"

#include <QCloseEvent>
#include <QIcon>
#include <QPushButton>

#include <numbers>

using VrPanel::Place;
using VrPanel::SetText;
using VrPanel::Text;

namespace {

const QColor Teal(0x00, 0x80, 0x80);

struct FilterRow {
    const char* caption;
    FilterKind kind;
    bool frequency, damping, bandwidth;
};

// Picture i shows model i; the controls each model shows.
const FilterRow FilterRows[7] = {
    {"Amplificateur", FilterKind::Amplifier, false, false, false},
    {"Passe-bas  ordre2 ", FilterKind::LowPass2, true, true, false},
    {"Passe-haut ordre2", FilterKind::HighPass2, true, true, false},
    {"Passe-bande ", FilterKind::BandPass, true, true, true},
    {"Coupe-bande", FilterKind::BandStop, true, true, false},
    {"Passe-bas   ", FilterKind::LowPass1, true, false, false},
    {"Passe-haut ", FilterKind::HighPass1, true, false, false},
};

const char* const PresetCaptions[7] = {"",          "Synth libre", "Carré       ", "Triangle  ",
                                       "Monoalt   ", "Bialt        ", "Red tri     "};
const PresetKind PresetCodes[7] = {PresetKind::None,     PresetKind::Free,     PresetKind::Square,
                                   PresetKind::Triangle, PresetKind::HalfWave, PresetKind::FullWave,
                                   PresetKind::ThreePulse};

TVrNum* Readout(QWidget* parent, int digits, int min, int max, int x, int y, int w, int h,
                TVrNum::TVrNumStyle style = TVrNum::ns7x13)
{
    auto* n = new TVrNum(parent);
    n->setDigits(digits);
    n->setMax(max);
    n->setMin(min);
    n->setStyle(style);
    n->setValue(0);
    return Place(n, x, y, w, h);
}

QString Fmt(double v)
{
    return QString::fromStdString(FormatNumber(v));
}

} // namespace

QString ProgramTitle()
{
    return QStringLiteral("Fourier et filtres");
}

TVrDisplay* GroupPanel(QWidget* parent, const QString& caption, int x, int y, int w, int h, int captionPx)
{
    auto* panel = Place(new TVrDisplay(parent), x, y, w, h);
    Text(panel, caption, 8, 4, captionPx, true);
    return panel;
}

Tfensynth::Tfensynth(SharedState& state, DialogService& dialogs, QWidget* parent)
    : QWidget(parent), m_state(state), m_dialogs(dialogs)
{
    setWindowTitle(ProgramTitle());
    setFixedSize(854, 459);
    VrPanel::Silver(this);
    BuildControls();
    Connect();
    depart();
}

void Tfensynth::BuildControls()
{
    for (int i = 1; i <= 6; ++i) {
        VrPowerButton[i] = Place(new TVrPowerButton(QString::fromUtf8(PresetCaptions[i]), this), 16 + 80 * (i - 1), 0, 81, 33);
        QFont font = VrLook::font(12, true);
        font.setStretch(QFont::SemiCondensed);
        VrPowerButton[i]->setFont(font);
    }
    VrPowerButton[1]->setActive(true);

    VrDisplay2 = Place(new TVrDisplay(this), 8, 40, 385, 49);
    Text(VrDisplay2, QStringLiteral("Fréquence:"), 12, 15, 13, true);
    Label6 = Text(VrDisplay2, QStringLiteral("100"), 100, 13, 16, true, QColor(0x00, 0x00, 0xA0));
    Label2 = Text(VrDisplay2, QStringLiteral("Hz"), 170, 15, 13, true);
    Text(VrDisplay2, QStringLiteral("Val pour 100%:"), 220, 15, 13, true);
    Label5 = Text(VrDisplay2, QStringLiteral("1"), 330, 13, 16, true, QColor(0x00, 0x00, 0xA0));

    VrCheckLed13 = Place(new TVrCheckLed(QStringLiteral("voir signal"), this), 400, 40, 104, 20);
    VrDemoButton2 = Place(new TVrDemoButton(QStringLiteral("Parametres"), this), 408, 64, 96, 24);

    // The mean column.
    VrNummoy = Readout(this, 3, -999, 999, 14, 100, 62, 26);
    VrSlidermoy = Place(new TVrSlider(this), 24, 136, 33, 185);
    VrSlidermoy->setMaxValue(400);
    VrSlidermoy->setMinValue(-400);
    VrSlidermoy->setPosition(0);
    VrSlidermoy->setOptions(VrSlidermoy->Options() | TVrSlider::soActiveClick | TVrSlider::soMouseClip);
    Text(this, QStringLiteral("Val moyenne"), 8, 324, 12);
    VrDemoButton1 = Place(new TVrDemoButton(QStringLiteral("Quitter"), this), 16, 344, 65, 65);
    BitBtn1 = Place(new QPushButton(this), 16, 416, 65, 41);
    BitBtn1->setIcon(QIcon(ButtonGlyph(GlyphKind::Sound, 32, 2.0)));
    BitBtn1->setIconSize(QSize(32, 32));
    BitBtn1->setToolTip(QStringLiteral("Etude sonore"));

    // The twelve harmonic columns.
    for (int k = 1; k <= HarmonicCount; ++k) {
        const int x = 104 + 32 * (k - 1);
        VrCheckLed[k] = Place(new TVrCheckLed(this), x + 7, 88, 18, 18);
        VrCheckLed[k]->setToolTip(QStringLiteral("Cocher pour visualiser cet harmonique"));
        VrNumamp[k] = Readout(this, 2, 0, 100, x + 1, 110, 30, 22, TVrNum::ns5x7);
        Vramp[k] = Place(new TVrSlider(this), x + 2, 136, 28, 185);
        Vramp[k]->setMinValue(0);
        Vramp[k]->setMaxValue(100);
        VrSwitch[k] = Place(new TVrSwitch(this), x + 3, 328, 26, 50);
        VrSwitch[k]->setPositions(4);
        VrSwitch[k]->setOffset(1);
        VrNumph[k] = Readout(this, 3, -200, 999, x, 384, 32, 20, TVrNum::ns5x7);
        auto* number = Text(this, QString::number(k), 0, 408, 13, true);
        number->move(x + 16 - number->width() / 2, 408);
    }
    Vramp[1]->setToolTip(QStringLiteral("Amplitude du fondamental"));
    Vramp[2]->setToolTip(QStringLiteral("amplitude harmonique rang 2"));
    Text(this, QStringLiteral(" %"), 488, 112, 13, true);
    Text(this, QStringLiteral(" d° "), 486, 386, 13, true);
    Text(this, QStringLiteral("Définition du signal à l'entrée du filtre"), 104, 430, 14, true, Teal);

    // The filter.
    GroupBox1 = GroupPanel(this, QStringLiteral("Type de filtre "), 520, 8, 321, 105);
    for (int r = 0; r < 7; ++r) {
        const int column = r < 4 ? 0 : 1;
        const int line = r < 4 ? r : r - 4;
        FilterLed[r] = Place(new TVrCheckLed(QString::fromUtf8(FilterRows[r].caption), GroupBox1),
                             10 + 160 * column, 24 + 19 * line, 150, 18);
        FilterLed[r]->setCheckStyle(TVrCheckLed::csRadioButton);
        FilterLed[r]->setClickUnchecks(false); // the model in force stays lit
        FilterLed[r]->setLedColor(VrLook::LedRed);
    }
    FilterLed[0]->setChecked(true);

    VrBitmapList1 = new TVrBitmapList(this);
    for (int i = 0; i < FilterPictureCount; ++i)
        VrBitmapList1->add(FilterPicture(i, QSize(161, 73), 2.0));
    VrBitmapImage1 = Place(new TVrBitmapImage(this), 512, 120, 161, 73);
    VrBitmapImage1->setBitmaps(VrBitmapList1);
    VrBitmapImage1->setBitmapIndex(0);
    VrBitmapImage1->setToolTip(QStringLiteral("Cliquer pour voir la réponse du filtre"));
    VrBitmapImage1->setCursor(Qt::PointingHandCursor);

    Label16 = Text(this, QStringLiteral(" Ao ="), 680, 124, 14, true);
    Label17 = Place(new TVrClickValue(QStringLiteral("1"), this), 678, 148, 62, 30);
    Label17->setToolTip(QStringLiteral("Cliquer pour entrer une valeur "));

    GroupBox3 = GroupPanel(this, QStringLiteral("Bande pass -3dB"), 744, 120, 97, 65, 10);
    VrNum3 = Readout(GroupBox3, 3, 0, 999, 8, 28, 52, 28);
    Label13 = Text(GroupBox3, QStringLiteral("Hz"), 64, 34, 13, true);

    Label9 = Text(this, QStringLiteral("f0="), 504, 205, 16, true);
    VrNum1 = Readout(this, 3, 0, 999, 540, 198, 62, 30);
    VrNum1->setToolTip(QStringLiteral("Cliquer pour entrer une valeur "));
    VrNum1->setClickable(true);
    Label11 = Text(this, QStringLiteral(" Hz"), 604, 207, 13, true);
    Label12 = Place(new TVrClickValue(this), 540, 198, 110, 30);
    Label12->setToolTip(QStringLiteral("Cliquer pour entrer une valeur "));
    Label10 = Text(this, QStringLiteral(" m="), 656, 205, 16, true);
    VrDigitGroup1 = Place(new TVrDigitGroup(this), 700, 198, 69, 30);
    VrDigitGroup1->setDigits(3);
    VrDigitGroup1->setDecimals(2);
    VrWheel1 = Place(new TVrWheel(this), 536, 256, 85, 85);
    VrWheel1->setMaxValue(1000);
    VrWheel1->setMinValue(100);
    VrWheel1->setPosition(100);
    VrTrackBar1 = Place(new TVrTrackBar(this), 696, 248, 49, 97);
    VrTrackBar1->setOrientation(Qt::Vertical);
    VrTrackBar1->setMaxValue(1000);
    VrTrackBar1->setMinValue(0);
    VrTrackBar1->setFrequency(2);
    VrTrackBar1->setPosition(0);

    GroupBox2 = GroupPanel(this, QStringLiteral("Sortie du filtre"), 520, 347, 249, 105);
    VrCheckLed19 = Place(new TVrCheckLed(QStringLiteral("Superposer sortie et entrée en f (t) "), GroupBox2), 10, 26, 235, 20);
    VrCheckLed20 = Place(new TVrCheckLed(QStringLiteral("Spectre entrée                    "), GroupBox2), 10, 50, 235, 20);
    VrCheckLed21 = Place(new TVrCheckLed(QStringLiteral("Spectre sortie                      "), GroupBox2), 10, 74, 235, 20);
    VrCheckLed19->setChecked(true);
    VrCheckLed21->setLedColor(VrLook::LedYellow);

    for (QWidget* w : {static_cast<QWidget*>(Label9), static_cast<QWidget*>(VrNum1), static_cast<QWidget*>(Label11),
                       static_cast<QWidget*>(Label12), static_cast<QWidget*>(VrWheel1), static_cast<QWidget*>(Label10),
                       static_cast<QWidget*>(VrDigitGroup1), static_cast<QWidget*>(VrTrackBar1)})
        w->hide();
    SetTabOrder();
}

// Tab runs over the panel as it reads: presets, the f0 area, the mean
// column, the harmonic columns left to right, the filter group, the filter
// controls, the output group.
void Tfensynth::SetTabOrder()
{
    QList<QWidget*> order;
    for (int i = 1; i <= 6; ++i)
        order << VrPowerButton[i];
    order << VrCheckLed13 << VrDemoButton2 << VrSlidermoy << VrDemoButton1 << BitBtn1;
    for (int k = 1; k <= HarmonicCount; ++k)
        order << VrCheckLed[k] << Vramp[k] << VrSwitch[k];
    for (TVrCheckLed* led : FilterLed)
        order << led;
    order << Label17 << VrNum1 << Label12 << VrWheel1 << VrTrackBar1 << VrCheckLed19 << VrCheckLed20 << VrCheckLed21;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Tfensynth::Connect()
{
    for (int i = 1; i <= 6; ++i) {
        connect(VrPowerButton[i], &TVrPowerButton::OnClick, this, [this, i] { VrPowerButtonClick(i); });
        connect(VrPowerButton[i], &TVrPowerButton::OnKeyDown, this,
                [this, i](TVrPowerButton*, int key, Qt::KeyboardModifiers) { entre(i, key); });
    }
    for (int k = 1; k <= HarmonicCount; ++k) {
        connect(Vramp[k], &TVrSlider::OnChange, this, [this, k] { VrampChange(k); });
        connect(VrSwitch[k], &TVrSwitch::OnChange, this, [this, k] { VrSwitchChange(k); });
        connect(VrCheckLed[k], &TVrCheckLed::OnChange, this, [this, k] { VrCheckLedChange(k); });
    }
    connect(VrSlidermoy, &TVrSlider::OnChange, this, &Tfensynth::VrSlidermoyChange);
    connect(VrCheckLed13, &TVrCheckLed::OnChange, this, &Tfensynth::VrCheckLed13Change);
    connect(VrCheckLed19, &TVrCheckLed::OnChange, this, &Tfensynth::VrCheckLed19Change);
    connect(VrCheckLed20, &TVrCheckLed::OnChange, this, [this] { SpectrumLedChange(true); });
    connect(VrCheckLed21, &TVrCheckLed::OnChange, this, [this] { SpectrumLedChange(false); });
    connect(VrDemoButton1, &TVrDemoButton::OnClick, this, &QWidget::close);
    for (int r = 0; r < 7; ++r)
        connect(FilterLed[r], &TVrCheckLed::OnChange, this, [this, r] { FilterLedChange(r); });
    connect(VrWheel1, &TVrWheel::OnChange, this, &Tfensynth::VrWheel1Change);
    connect(VrTrackBar1, &TVrTrackBar::OnChange, this, &Tfensynth::VrTrackBar1Change);
    connect(VrNum1, &TVrNum::OnClick, this, &Tfensynth::entrefrqmanu);
    connect(Label12, &TVrClickValue::OnClick, this, &Tfensynth::entrefrqmanu);
    connect(Label17, &TVrClickValue::OnClick, this, &Tfensynth::Label17Click);
}

// Gives the state its start-up values, before the other windows exist:
// nothing here may draw.
void Tfensynth::depart()
{
    SignalState& sig = m_state.Signal;
    DisplaySettings& d = m_state.Display;
    FilterState& f = m_state.Filter;
    sig.MeanValue = 0.0;
    sig.FundamentalHz = 100;
    sig.FullScaleValue = 1.0;
    f.StaticGain = 1.0;
    d.OutputScaleFactor = 1;
    d.Plot = param{};
    d.SynthesisColour = 0xFFFF00;
    d.SignalColour = 0x808080;
    d.OutputColour = 0xFF00FF;
    for (int k = 0; k < RowCount; ++k) {
        sig.Harmonics.Shown[k] = false;
        sig.Harmonics.AmplitudePercent[k] = 0.0;
        sig.Harmonics.PhaseRad[k] = 0.0;
    }
    sig.Preset = PresetKind::Free;
    ApplyPreset();
    VrCheckLed13->hide();
    m_state.View.PeriodsShown = 1.0;
    SetText(Label5, Fmt(sig.FullScaleValue));
    d.CopyWidthPx = 567;
    d.CopyHeightPx = 416;
    d.BlackBackground = true;
    ShowFundamental();
    ResetTimeRange(m_state);
    ComputeTimeGraphExtents(m_state);
    WheelDecade = 1;
    WheelLastPercent = 0;
    f.CutoffHz = 1.0;
    VrNum1->setValue(1);
    f.Damping = 0.707;
    VrDigitGroup1->setValue(f.Damping);
    VrTrackBar1->setPosition(Round(0.707L * 200)); // its handler makes the damping 141 / 200
    ShowBandwidth();
    GroupBox3->hide();
    f.Kind = FilterKind::Amplifier;
    d.SuperposeOutput = true;
    d.ShowInputSpectrum = false;
    d.ShowOutputSpectrum = false;
    d.SpectrumMode = SpectrumMode::Percent;
    d.InputSpectrumColour = 0xFFFF00;
    d.OutputSpectrumColour = 0xFF0000;
    d.ShowLineValues = false;
}

void Tfensynth::SetWindows(TForm2* form2, Tfengraphe* fengraphe, Tfenspectres* fenspectres, Trappcycl* rappcycl,
                           Tfenetson* fenetson)
{
    m_form2 = form2;
    m_fengraphe = fengraphe;
    m_fenspectres = fenspectres;
    m_rappcycl = rappcycl;
    m_fenetson = fenetson;
}

bool Tfensynth::TimeGraphLargeEnough() const
{
    return m_fengraphe && m_fengraphe->width() - 30 > 50 && m_fengraphe->height() - 110 > 50;
}

void Tfensynth::RecomputeAndRedraw(bool rescale, int graphWidth, int graphHeight)
{
    ++m_redrawCount;
    ApplyFilter(m_state);
    if (rescale)
        ComputeTimeGraphExtents(m_state);
    if (TimeGraphLargeEnough()) {
        QImage picture = m_fengraphe->Picture();
        DrawTimeGraph(picture, m_state, graphWidth, graphHeight);
        m_fengraphe->ShowPicture(picture);
    }
    if (m_state.Display.ShowInputSpectrum || m_state.Display.ShowOutputSpectrum)
        DrawSpectraNow();
    emit Redrawn();
}

void Tfensynth::DrawSpectraNow()
{
    if (!m_fenspectres)
        return;
    QImage picture = m_fenspectres->Picture();
    DrawSpectra(picture, m_state, m_fenspectres->width() - 50, m_fenspectres->height() - 100);
    m_fenspectres->ShowPicture(picture);
}

void Tfensynth::Redraw()
{
    if (!m_fengraphe)
        return;
    m_state.View.PointCount = PointCountForWidth(m_fengraphe->width());
    RecomputeAndRedraw(true, m_fengraphe->width() - 30, m_fengraphe->height() - 110);
}

void Tfensynth::ShowFundamental()
{
    const std::int32_t f0 = m_state.Signal.FundamentalHz;
    if (f0 > 1000) {
        SetText(Label2, QStringLiteral("kHz"));
        SetText(Label6, Fmt(f0 / 1000.0));
    } else {
        SetText(Label2, QStringLiteral("Hz"));
        SetText(Label6, Fmt(f0));
    }
}

void Tfensynth::ApplyPreset()
{
    VrSlidermoy->setMaxValue(400);
    VrSlidermoy->setMinValue(-400);
    PresetPositions p;
    if (!PresetPositionsFor(m_state.Signal, p))
        return;
    auto amplitudes = [&] {
        for (int k = 1; k <= HarmonicCount; ++k)
            Vramp[k]->setPosition(p.Amplitude[k]);
    };
    auto switches = [&] {
        for (int k = 1; k <= HarmonicCount; ++k)
            VrSwitch[k]->setOffset(p.Phase[k]);
    };
    auto mean = [&] {
        if (p.ResetsMean)
            m_state.Signal.MeanValue = 0.0;
        VrSlidermoy->setPosition(p.MeanPosition);
    };
    switch (m_state.Signal.Preset) {
    case PresetKind::Free:
        amplitudes();
        mean();
        switches();
        break;
    case PresetKind::Triangle:
        m_state.Signal.MeanValue = 0.0;
        amplitudes();
        switches();
        mean();
        break;
    default:
        mean();
        amplitudes();
        switches();
        break;
    }
}

void Tfensynth::SetPresetButtons(int n)
{
    for (int i = 1; i <= 6; ++i)
        VrPowerButton[i]->setActive(i == n);
}

void Tfensynth::VrPowerButtonClick(int i)
{
    if (i < 1 || i > 6)
        return;
    if (i == 2) {
        if (m_rappcycl)
            m_rappcycl->show();
        m_state.Signal.DutyCycle = 0.5;
        SetPresetButtons(2);
        VrCheckLed13->show();
        m_state.Signal.Preset = PresetKind::Square;
    } else {
        if (m_rappcycl)
            m_rappcycl->hide();
        SetPresetButtons(i);
        m_state.Signal.Preset = PresetCodes[i];
        VrCheckLed13->setVisible(i != 1);
    }
    ApplyPreset();
    ResetTimeRange(m_state);
    Redraw();
}

void Tfensynth::entre(int k, int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return;
    VrPowerButton[k]->setActive(true);
    SetPresetButtons(k);
}

void Tfensynth::VrampChange(int k)
{
    const int position = Vramp[k]->Position();
    VrNumamp[k]->setValue(position);
    m_state.Signal.Harmonics.AmplitudePercent[k] = position;
    Redraw();
}

void Tfensynth::VrSwitchChange(int k)
{
    const int degrees = SwitchDegrees(VrSwitch[k]->Offset());
    VrNumph[k]->setValue(degrees);
    m_state.Signal.Harmonics.PhaseRad[k] = degrees * std::numbers::pi / 180;
    Redraw();
}

void Tfensynth::VrSlidermoyChange()
{
    const int position = VrSlidermoy->Position();
    VrNummoy->setValue(position);
    m_state.Signal.MeanPercent = position;
    if (IsPresetCode(m_state.Signal.Preset))
        m_state.Signal.MeanValue = SaturateToDouble(position / 100.0L * m_state.Signal.FullScaleValue);
    if (TimeGraphLargeEnough())
        Redraw();
}

void Tfensynth::VrCheckLedChange(int k)
{
    m_state.Signal.Harmonics.Shown[k] = VrCheckLed[k]->Checked();
    Redraw();
}

void Tfensynth::VrCheckLed13Change()
{
    m_state.Display.ShowIdealSignal = VrCheckLed13->Checked();
    Redraw();
}

void Tfensynth::VrCheckLed19Change()
{
    m_state.Display.SuperposeOutput = VrCheckLed19->Checked();
    Redraw();
}

void Tfensynth::SpectrumLedChange(bool input)
{
    DisplaySettings& d = m_state.Display;
    bool& own = input ? d.ShowInputSpectrum : d.ShowOutputSpectrum;
    const bool other = input ? d.ShowOutputSpectrum : d.ShowInputSpectrum;
    const bool checked = (input ? VrCheckLed20 : VrCheckLed21)->Checked();
    if (m_fenspectres)
        m_fenspectres->show();
    own = checked;
    if (checked || other)
        DrawSpectraNow();
    else if (m_fenspectres)
        m_fenspectres->hide();
}

void Tfensynth::ShowCutoff(bool shown)
{
    Label9->setVisible(shown);
    VrNum1->setVisible(shown && !m_cutoffTyped);
    Label11->setVisible(shown && !m_cutoffTyped);
    Label12->setVisible(shown && m_cutoffTyped);
}

void Tfensynth::ShowFilterControls(bool frequency, bool damping, bool bandwidth)
{
    ShowCutoff(frequency);
    VrWheel1->setVisible(frequency);
    for (QWidget* w : {static_cast<QWidget*>(Label10), static_cast<QWidget*>(VrDigitGroup1),
                       static_cast<QWidget*>(VrTrackBar1)})
        w->setVisible(damping);
    GroupBox3->setVisible(bandwidth);
}

void Tfensynth::FilterLedChange(int row)
{
    if (!FilterLed[row]->Checked())
        return;
    const FilterRow& r = FilterRows[row];
    ShowFilterControls(r.frequency, r.damping, r.bandwidth);
    VrBitmapImage1->setBitmapIndex(row);
    m_state.Filter.Kind = r.kind;
    Redraw();
}

void Tfensynth::ShowBandwidth()
{
    const FrequencyReadout r = ::ShowBandwidth(m_state.Filter);
    SetText(Label13, QString::fromStdString(r.Unit));
    VrNum3->setValue(r.Value);
}

void Tfensynth::VrWheel1Change()
{
    m_cutoffTyped = false;
    ShowCutoff(true);
    FrequencyReadout r;
    const int percent = TurnWheel(VrWheel1->Position(), WheelDecade, WheelLastPercent, m_state.Filter, r);
    SetText(Label11, QString::fromStdString(r.Unit));
    VrNum1->setValue(r.Value);
    ShowBandwidth();
    WheelLastPercent = percent;
    if (IsFilterCode(m_state.Filter.Kind))
        Redraw();
}

void Tfensynth::VrTrackBar1Change()
{
    m_state.Filter.Damping = DampingForPosition(VrTrackBar1->Position());
    VrDigitGroup1->setValue(m_state.Filter.Damping);
    ShowBandwidth();
    if (IsFilterCode(m_state.Filter.Kind))
        Redraw();
}

void Tfensynth::entrefrqmanu()
{
    const std::optional<QString> answer = m_dialogs.InputBox(this, QStringLiteral("Fréquence particulière"),
                                                             QStringLiteral("Entrer une 1e6>frequence >0 "),
                                                             Fmt(m_state.Filter.CutoffHz));
    if (!answer)
        return;
    if (!AcceptTypedFrequency(answer->toStdString(), m_state.Filter)) {
        m_dialogs.Message(this, QStringLiteral("Mauvaise entrée"));
        return;
    }
    SetText(Label11, QStringLiteral("Hz"));
    Label12->setCaption(Fmt(m_state.Filter.CutoffHz) + QStringLiteral("Hz"));
    m_cutoffTyped = true;
    ShowCutoff(true);
    ShowBandwidth(); // the bandwidth follows the typed cut-off as it follows the wheel
    Redraw();
}

void Tfensynth::Label17Click()
{
    const std::optional<QString> answer = m_dialogs.InputBox(
        this, QStringLiteral("Entrée de l amplification statique"), QStringLiteral("valeur numérique:"),
        QStringLiteral("1"));
    if (!answer)
        return; // a cancelled box changes nothing
    m_state.Filter.StaticGain = ParseNumber(answer->toStdString());
    Label17->setCaption(Fmt(m_state.Filter.StaticGain));
    Redraw();
}

void Tfensynth::closeEvent(QCloseEvent* e)
{
    QWidget::closeEvent(e);
    emit Closed();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/simplefour.h"

#include "app/filterpanel.h"
#include "app/panelparts.h"
#include "app/redrawcycle.h"
#include "numeric/rounding.h"
#include "plot/plottext.h"
#include "plot/sampling.h"
#include "signal/presets.h"
#include "widgets/accessibility.h"
#include "signal/signallimits.h"
#include "widgets/artwork.h"
#include "widgets/tvrbitmapimage.h"
#include "widgets/tvrbitmaplist.h"
#include "widgets/tvrcheckled.h"
#include "widgets/tvrdemobutton.h"
#include "widgets/tvrdisplay.h"
#include "widgets/tvrnum.h"
#include "widgets/tvrpowerbutton.h"
#include "widgets/tvrslider.h"
#include "widgets/tvrswitch.h"
#include "widgets/vrlook.h"
#include "widgets/vrpanel.h"

#include "lesson/lesson.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>
#include <numbers>

using VrPanel::Named;
using VrPanel::Place;
using VrPanel::SetText;
using VrPanel::Text;

namespace {

const QColor Teal(0x00, 0x80, 0x80);

const char* const PresetCaptions[7] = {"",          "Synth libre", "Carré       ", "Triangle  ",
                                       "Monoalt   ", "Bialt        ", "Red tri     "};
const PresetKind PresetCodes[7] = {PresetKind::None,     PresetKind::Free,     PresetKind::Square,
                                   PresetKind::Triangle, PresetKind::HalfWave, PresetKind::FullWave,
                                   PresetKind::ThreePulse};

} // namespace

QString ProgramTitle()
{
    return QStringLiteral("Fourier et filtres");
}

Tfensynth::Tfensynth(SharedState& state, DialogService& dialogs, RedrawCycle& cycle, QWidget* parent)
    : QWidget(parent), m_state(state), m_dialogs(dialogs), m_cycle(cycle)
{
    setWindowTitle(ProgramTitle());
    setFixedSize(854, 459);
    VrPanel::Silver(this);
    BuildControls();
    Connect();
    SetTabOrder();
    depart();
    VrPowerButton[1]->setFocus(); // the keyboard starts on the first preset
}

void Tfensynth::BuildControls()
{
    for (int i = 1; i <= 6; ++i) {
        const QByteArray name = "VrPowerButton" + QByteArray::number(i);
        VrPowerButton[i] =
            Place(new TVrPowerButton(QString::fromUtf8(PresetCaptions[i]), this), name, 16 + 80 * (i - 1), 0, 81, 33);
        QFont font = VrLook::font(12, true);
        font.setStretch(QFont::SemiCondensed);
        VrPowerButton[i]->setFont(font);
    }
    VrPowerButton[1]->setActive(true);

    VrDisplay2 = Place(new TVrDisplay(this), "VrDisplay2", 8, 40, 385, 49);
    Text(VrDisplay2, QStringLiteral("Fréquence:"), 12, 15, 13, true);
    Label6 = Named(Text(VrDisplay2, QStringLiteral("100"), 100, 13, 16, true, QColor(0x00, 0x00, 0xA0)), "Label6");
    Label2 = Named(Text(VrDisplay2, QStringLiteral("Hz"), 170, 15, 13, true), "Label2");
    // The full scale's read-out has room for its longest text, " 1.23E-100"
    // (80 pixels), before the panel's edge.
    Text(VrDisplay2, QStringLiteral("Val pour 100%:"), 202, 15, 13, true);
    Label5 = Named(Text(VrDisplay2, QStringLiteral("1"), 298, 13, 16, true, QColor(0x00, 0x00, 0xA0)), "Label5");

    VrCheckLed13 = Place(new TVrCheckLed(QStringLiteral("voir signal"), this), "VrCheckLed13", 400, 40, 104, 20);
    VrDemoButton2 = Place(new TVrDemoButton(QStringLiteral("Parametres"), this), "VrDemoButton2", 408, 64, 96, 24);

    // The mean column.
    VrNummoy = Readout(this, "VrNummoy", 3, -999, 999, 14, 100, 62, 26);
    VrSlidermoy = Place(new TVrSlider(this), "VrSlidermoy", 24, 136, 33, 185);
    VrSlidermoy->setMaxValue(400);
    VrSlidermoy->setMinValue(-400);
    VrSlidermoy->setPosition(0);
    VrSlidermoy->setOptions(VrSlidermoy->Options() | TVrSlider::soActiveClick | TVrSlider::soMouseClip);
    Text(this, QStringLiteral("Val moyenne"), 8, 324, 12);
    VrDemoButton1 = Place(new TVrDemoButton(QStringLiteral("Quitter"), this), "VrDemoButton1", 16, 344, 65, 65);
    BitBtn1 = Place(new QPushButton(this), "BitBtn1", 16, 416, 65, 41);
    BitBtn1->setIcon(QIcon(ButtonGlyph(GlyphKind::Sound, 32, ArtworkRatio())));
    BitBtn1->setIconSize(QSize(32, 32));
    BitBtn1->setToolTip(QStringLiteral("Etude sonore"));
    BitBtn1->setAccessibleName(QStringLiteral("Etude sonore"));
    VrSlidermoy->setAccessibleName(QStringLiteral("Valeur moyenne"));
    VrNummoy->setAccessibleName(QStringLiteral("Affichage valeur moyenne"));
    for (TVrRangeControl* c : std::initializer_list<TVrRangeControl*>{VrSlidermoy, VrNummoy})
        c->setValueSpeech([](int v) { return QString::number(v) + QStringLiteral(" %"); });
    // Right of the output group, under the lesson files' place.
    BitBtnAnalyse = Place(new QPushButton(QStringLiteral("Analyse\nd'un son"), this), "BitBtnAnalyse", 776, 390, 72, 62);
    BitBtnAnalyse->setFont(VrLook::font(12));
    BitBtnAnalyse->setToolTip(QStringLiteral("Analyser un son enregistré ou un fichier son"));
    BitBtnAnalyse->setAccessibleName(QStringLiteral("Analyse d'un son"));

    for (int k = 1; k <= HarmonicCount; ++k)
        m_columns[k] = BuildHarmonicColumn(this, k);
    m_columns[1].Vramp->setToolTip(QStringLiteral("Amplitude du fondamental"));
    m_columns[2].Vramp->setToolTip(QStringLiteral("amplitude harmonique rang 2"));
    Text(this, QStringLiteral(" %"), 488, 112, 13, true);
    Text(this, QStringLiteral(" d° "), 486, 386, 13, true);
    Text(this, QStringLiteral("Définition du signal à l'entrée du filtre"), 104, 430, 14, true, Teal);

    m_filter = new FilterPanel(this, m_state, m_dialogs, m_cycle);

    GroupBox2 = VrPanel::Group(this, "GroupBox2", QStringLiteral("Sortie du filtre"), 520, 347, 249, 105);
    VrCheckLed19 = Place(new TVrCheckLed(QStringLiteral("Superposer sortie et entrée en f (t) "), GroupBox2),
                         "VrCheckLed19", 10, 26, 235, 20);
    VrCheckLed20 = Place(new TVrCheckLed(QStringLiteral("Spectre entrée                    "), GroupBox2),
                         "VrCheckLed20", 10, 50, 235, 20);
    VrCheckLed21 = Place(new TVrCheckLed(QStringLiteral("Spectre sortie                      "), GroupBox2),
                         "VrCheckLed21", 10, 74, 235, 20);
    VrCheckLed19->setChecked(m_state.Display.SuperposeOutput);
    VrCheckLed21->setLedColor(VrLook::LedYellow);

    // Lesson files, the note, the mystery filter and the exports, right of
    // the output group.
    BoutonFichier = Place(new QToolButton(this), "BoutonFichier", 776, 349, 72, 30);
    BoutonFichier->setText(QStringLiteral("Fichier"));
    BoutonFichier->setFont(VrLook::font(12, true));
    BoutonFichier->setPopupMode(QToolButton::InstantPopup);
    BoutonFichier->setToolButtonStyle(Qt::ToolButtonTextOnly);
    BoutonFichier->setFocusPolicy(Qt::StrongFocus);
    BoutonFichier->setToolTip(QStringLiteral("Ouvrir, enregistrer, exporter, imprimer"));
    BoutonFichier->setAccessibleName(QStringLiteral("Menu Fichier"));
}

void Tfensynth::Connect()
{
    for (int i = 1; i <= 6; ++i) {
        connect(VrPowerButton[i], &TVrPowerButton::OnClick, this, [this, i] { VrPowerButtonClick(i); });
        connect(VrPowerButton[i], &TVrPowerButton::OnKeyDown, this,
                [this, i](TVrPowerButton*, int key, Qt::KeyboardModifiers) { entre(i, key); });
    }
    for (int k = 1; k <= HarmonicCount; ++k) {
        connect(m_columns[k].Vramp, &TVrSlider::OnChange, this, [this, k] { VrampChange(k); });
        connect(m_columns[k].VrSwitch, &TVrSwitch::OnChange, this, [this, k] { VrSwitchChange(k); });
        connect(m_columns[k].VrCheckLed, &TVrCheckLed::OnChange, this, [this, k] { VrCheckLedChange(k); });
    }
    connect(VrSlidermoy, &TVrSlider::OnChange, this, &Tfensynth::VrSlidermoyChange);
    connect(VrCheckLed13, &TVrCheckLed::OnChange, this, &Tfensynth::VrCheckLed13Change);
    connect(VrCheckLed19, &TVrCheckLed::OnChange, this, &Tfensynth::VrCheckLed19Change);
    connect(VrCheckLed20, &TVrCheckLed::OnChange, this, [this] { SpectrumLedChange(true); });
    connect(VrCheckLed21, &TVrCheckLed::OnChange, this, [this] { SpectrumLedChange(false); });
    connect(VrDemoButton1, &TVrDemoButton::OnClick, this, &QWidget::close);
    connect(VrDemoButton2, &TVrDemoButton::OnClick, this, &Tfensynth::SettingsRequested);
    connect(BitBtn1, &QPushButton::clicked, this, &Tfensynth::SoundRequested);
    connect(BitBtnAnalyse, &QPushButton::clicked, this, &Tfensynth::AnalysisRequested);
    connect(findChild<TVrBitmapImage*>(QStringLiteral("VrBitmapImage1")), &TVrBitmapImage::OnClick, this,
            &Tfensynth::ResponseRequested);
}

// Tab runs over the panel as it reads: presets, the f0 area, the mean
// column, the harmonic columns left to right, the filter group, the filter
// controls, "Fichier", the output group.
void Tfensynth::SetTabOrder()
{
    QList<QWidget*> order;
    for (int i = 1; i <= 6; ++i)
        order << VrPowerButton[i];
    order << VrCheckLed13 << VrDemoButton2 << VrSlidermoy << VrDemoButton1 << BitBtn1;
    for (int k = 1; k <= HarmonicCount; ++k)
        order << m_columns[k].VrCheckLed << m_columns[k].Vramp << m_columns[k].VrSwitch;
    // "Fichier", below the filter controls, comes before the output group so
    // that the output LEDs stay last; the sound analysis' opener ends the tour.
    order << m_filter->TabOrder() << BoutonFichier << VrCheckLed19 << VrCheckLed20 << VrCheckLed21 << BitBtnAnalyse;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// Start-up, before the other windows exist: nothing here may draw. The
// state comes with its start-up values (its records' defaults); what is left
// is to set the controls and read-outs from it and to derive the rest: the
// time graph's frame, the filter panel's cut-off, damping and bandwidth, and
// last the filter kind, which stays none until the panel's start-up is over
// so that its track bar's handler does not redraw.
void Tfensynth::depart()
{
    ApplyPreset(); // the controls already stand where "Synth libre" puts them: no handler runs
    VrCheckLed13->hide();
    ShowFullScale(NumberText(m_state.Signal.FullScaleValue));
    ShowFundamental();
    ResetTimeRange(m_state);
    ComputeTimeGraphExtents(m_state);
    m_filter->StartUp(); // wheel, cut-off 1 Hz, damping, bandwidth, its box hidden
    m_state.Filter.Kind = FilterKind::Amplifier;
}

void Tfensynth::ShowFullScale(const QString& text)
{
    SetText(Label5, text);
    Label5->setAccessibleName(QStringLiteral("Valeur pour 100 % : ") + SpokenNumberText(text));
}

void Tfensynth::SetMeanRange(int maxValue)
{
    VrSlidermoy->setMaxValue(maxValue);
    VrSlidermoy->setMinValue(-maxValue);
}

int Tfensynth::MeanRangeMax() const
{
    return VrSlidermoy->MaxValue();
}

void Tfensynth::SetKeyIncrement(int step)
{
    VrSlidermoy->KeyIncrement = step;
    for (int k = 1; k <= HarmonicCount; ++k)
        m_columns[k].Vramp->KeyIncrement = step;
}

int Tfensynth::KeyIncrement() const
{
    return m_columns[1].Vramp->KeyIncrement;
}

void Tfensynth::ShowFundamental()
{
    const std::int32_t f0 = m_state.Signal.FundamentalHz;
    if (f0 > 1000) {
        SetText(Label2, QStringLiteral("kHz"));
        SetText(Label6, NumberText(f0 / 1000.0));
    } else {
        SetText(Label2, QStringLiteral("Hz"));
        SetText(Label6, NumberText(f0));
    }
    Label6->setAccessibleName(QStringLiteral("Fréquence : ") + SpokenNumberText(Label6->text()) + QLatin1Char(' ') +
                              Label2->text());
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
            m_columns[k].Vramp->setPosition(p.Amplitude[k]);
    };
    auto switches = [&] {
        for (int k = 1; k <= HarmonicCount; ++k)
            m_columns[k].VrSwitch->setOffset(p.Phase[k]);
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
    emit DutyCycleDialogShown(i == 2);
    if (i == 2)
        m_state.Signal.DutyCycle = 0.5;
    SetPresetButtons(i);
    VrCheckLed13->setVisible(i != 1);
    m_state.Signal.Preset = PresetCodes[i];
    ApplyPreset();
    ResetTimeRange(m_state);
    m_cycle.Redraw();
}

void Tfensynth::entre(int i, int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return;
    VrPowerButton[i]->setActive(true);
    SetPresetButtons(i);
}

void Tfensynth::VrampChange(int k)
{
    const int position = m_columns[k].Vramp->Position();
    m_columns[k].VrNumamp->setValue(position);
    m_state.Signal.Harmonics.AmplitudePercent[k] = position;
    m_cycle.Redraw();
}

void Tfensynth::VrSwitchChange(int k)
{
    const int degrees = SwitchDegrees(m_columns[k].VrSwitch->Offset());
    m_columns[k].VrNumph->setValue(degrees);
    m_state.Signal.Harmonics.PhaseRad[k] = degrees * std::numbers::pi / 180;
    m_cycle.Redraw();
}

void Tfensynth::VrSlidermoyChange()
{
    const int position = VrSlidermoy->Position();
    VrNummoy->setValue(position);
    m_state.Signal.MeanPercent = position;
    if (IsPresetCode(m_state.Signal.Preset))
        m_state.Signal.MeanValue = SaturateToDouble(position / 100.0L * m_state.Signal.FullScaleValue);
    if (m_cycle.TimeGraphLargeEnough())
        m_cycle.Redraw();
}

void Tfensynth::VrCheckLedChange(int k)
{
    m_state.Signal.Harmonics.Shown[k] = m_columns[k].VrCheckLed->Checked();
    m_cycle.Redraw();
}

void Tfensynth::VrCheckLed13Change()
{
    m_state.Display.ShowIdealSignal = VrCheckLed13->Checked();
    m_cycle.Redraw();
}

void Tfensynth::VrCheckLed19Change()
{
    m_state.Display.SuperposeOutput = VrCheckLed19->Checked();
    m_cycle.Redraw();
}

void Tfensynth::SpectrumLedChange(bool input)
{
    DisplaySettings& d = m_state.Display;
    bool& own = input ? d.ShowInputSpectrum : d.ShowOutputSpectrum;
    const bool other = input ? d.ShowOutputSpectrum : d.ShowInputSpectrum;
    const bool checked = (input ? VrCheckLed20 : VrCheckLed21)->Checked();
    emit SpectrumWindowShown(true);
    own = checked;
    if (checked || other)
        m_cycle.DrawSpectra();
    else
        emit SpectrumWindowShown(false);
}

void Tfensynth::SpectrumWindowClosed()
{
    VrCheckLed20->setChecked(false);
    VrCheckLed21->setChecked(false);
}

void Tfensynth::RestorePreset(PresetKind preset)
{
    for (int i = 1; i <= 6; ++i) {
        if (PresetCodes[i] != preset)
            continue;
        emit DutyCycleDialogShown(i == 2);
        SetPresetButtons(i);
        VrCheckLed13->setVisible(i != 1);
        m_state.Signal.Preset = preset;
    }
}

void Tfensynth::RestoreControls(const Lesson& l)
{
    for (int k = 1; k <= HarmonicCount; ++k) {
        m_columns[k].Vramp->setPosition(l.AmplitudePercent[k]);
        const int phase = l.PhaseDegrees[k];
        m_columns[k].VrSwitch->setOffset(phase == -90  ? SwitchMinus90
                                         : phase == 90 ? SwitchPlus90
                                         : phase == 180 ? Switch180
                                                        : Switch0);
        m_columns[k].VrCheckLed->setChecked(l.Shown[k]);
    }
    VrSlidermoy->setPosition(l.MeanPercent);
    VrCheckLed13->setChecked(l.Display.ShowIdealSignal);
    VrCheckLed19->setChecked(l.Display.SuperposeOutput);
    VrCheckLed20->setChecked(l.Display.ShowInputSpectrum);
    VrCheckLed21->setChecked(l.Display.ShowOutputSpectrum);
    emit SpectrumWindowShown(l.Display.ShowInputSpectrum || l.Display.ShowOutputSpectrum);
}

void Tfensynth::RestoreFilter(const Lesson& l)
{
    m_filter->Restore(l.Filter, l.CutoffHz, l.CutoffTyped, l.Damping, l.StaticGain);
}

bool Tfensynth::CutoffTyped() const
{
    return m_filter->CutoffTyped();
}

void Tfensynth::SetFilterHidden(bool hidden)
{
    m_filter->SetHidden(hidden);
}

bool Tfensynth::FilterHidden() const
{
    return m_filter->Hidden();
}

void Tfensynth::SetFileMenu(QMenu* menu)
{
    BoutonFichier->setMenu(menu);
    addActions(menu->actions());
}

void Tfensynth::TakeSynthesis(const SynthesisSettings& settings)
{
    if (m_state.Signal.Preset != PresetKind::Free) {
        emit DutyCycleDialogShown(false);
        SetPresetButtons(1);
        VrCheckLed13->setVisible(false);
        m_state.Signal.Preset = PresetKind::Free;
    }
    m_state.Signal.FundamentalHz = std::clamp(settings.FundamentalHz, MinFundamentalHz, MaxFundamentalHz);
    if (IsFullScaleAllowed(settings.FullScaleValue))
        m_state.Signal.FullScaleValue = settings.FullScaleValue;
    ShowFundamental();
    SetText(Label5, NumberText(m_state.Signal.FullScaleValue));
    const int mean = std::clamp(settings.MeanPercent, VrSlidermoy->MinValue(), VrSlidermoy->MaxValue());
    VrSlidermoy->setPosition(mean);
    // The slider may already stand there while the full scale has changed.
    m_state.Signal.MeanPercent = mean;
    m_state.Signal.MeanValue = SaturateToDouble(mean / 100.0L * m_state.Signal.FullScaleValue);
    for (int k = 1; k <= HarmonicCount; ++k) {
        m_columns[k].Vramp->setPosition(std::clamp(settings.AmplitudePercent[k], 0, 100));
        m_columns[k].VrSwitch->setOffset(std::clamp(settings.SwitchPosition[k], 0, 3));
    }
    ResetTimeRange(m_state);
    m_cycle.Redraw();
}

void Tfensynth::closeEvent(QCloseEvent* e)
{
    if (m_closeGuard && !m_closeGuard()) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
    emit Closed();
}

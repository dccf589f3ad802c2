// SPDX-License-Identifier: GPL-3.0-or-later
// The checks after each action of the random user: the shared state, the
// controls, the pictures, the messages, the texts on screen and the copies.
#include "tests/app/randomuser.h"

#include "filter/filtercontrols.h"
#include "numeric/rounding.h"
#include "plot/sampling.h"
#include "settings/settingsrules.h"
#include "signal/presets.h"
#include "signal/signallimits.h"

#include <QClipboard>
#include <QMimeData>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

using namespace RandomUser;

// Everything a handler may leave in the state, field by field, to tell
// whether an action changed anything at all.
QByteArray RandomUser::StateBytes(const SharedState& s)
{
    QByteArray b;
    auto add = [&b](const auto& x) { b.append(reinterpret_cast<const char*>(&x), sizeof x); };
    const SignalState& g = s.Signal;
    add(g.FundamentalHz), add(g.FullScaleValue), add(g.MeanPercent), add(g.MeanValue), add(g.Preset),
        add(g.DutyCycle), add(g.Harmonics.AmplitudePercent), add(g.Harmonics.PhaseRad), add(g.Harmonics.Shown);
    const FilterState& f = s.Filter;
    add(f.Kind), add(f.CutoffHz), add(f.Damping), add(f.StaticGain), add(f.BandwidthHz);
    const DisplaySettings& d = s.Display;
    add(d.Plot.AxesAtOrigin), add(d.Plot.GridOn), add(d.Plot.GridDotted), add(d.Plot.AxisColour),
        add(d.Plot.HarmonicColour), add(d.Plot.FontSize), add(d.Plot.GraduationLength);
    b.append(d.Plot.FontName.data(), qsizetype(d.Plot.FontName.size()));
    add(d.SynthesisColour), add(d.SignalColour), add(d.OutputColour), add(d.InputSpectrumColour),
        add(d.OutputSpectrumColour), add(d.BlackBackground), add(d.CopyWidthPx), add(d.CopyHeightPx),
        add(d.SpectrumMode), add(d.ShowLineValues), add(d.OutputScaleFactor), add(d.ShowIdealSignal),
        add(d.SuperposeOutput), add(d.ShowInputSpectrum), add(d.ShowOutputSpectrum);
    const TimeGraphView& v = s.View;
    add(v.TimeStart), add(v.TimeEnd), add(v.TimeStep), add(v.PeriodsShown);
    return b;
}

namespace {

bool Finite(double x)
{
    return std::isfinite(x);
}

// Some pixel of the picture differs from `background`.
bool HasInk(const QImage& picture, QRgb background)
{
    const QImage img = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if ((line[x] & 0xFFFFFF) != (background & 0xFFFFFF))
                return true;
    }
    return false;
}

} // namespace

void RandomUserTest::CheckState(QStringList& bad)
{
    const SharedState& s = m_program->State();
    const SignalState& g = s.Signal;
    const HarmonicTable& h = g.Harmonics;
    const FilterState& f = s.Filter;
    const DisplaySettings& d = s.Display;
    const TimeGraphView& v = s.View;
    auto expect = [&bad](bool ok, const QString& what) {
        if (!ok)
            bad << what;
    };

    // Every real of the state is finite.
    const std::pair<double, const char*> reals[] = {
        {g.FullScaleValue, "FullScaleValue"}, {g.MeanValue, "MeanValue"},       {g.DutyCycle, "DutyCycle"},
        {f.CutoffHz, "CutoffHz"},             {f.Damping, "Damping"},           {f.StaticGain, "StaticGain"},
        {f.BandwidthHz, "BandwidthHz"},       {v.TimeStart, "TimeStart"},       {v.TimeEnd, "TimeEnd"},
        {v.ValueMin, "ValueMin"},             {v.ValueMax, "ValueMax"},         {v.TimeStep, "TimeStep"},
        {v.ValueStep, "ValueStep"},           {v.PeriodsShown, "PeriodsShown"}, {s.Spectra.SpectrumMax, "SpectrumMax"},
    };
    for (const auto& [x, name] : reals)
        expect(Finite(x), QStringLiteral("%1 = %2 is not finite").arg(name).arg(x));
    const std::pair<const std::array<double, RowCount>*, const char*> columns[] = {
        {&h.AmplitudePercent, "AmplitudePercent"},
        {&h.PhaseRad, "PhaseRad"},
        {&h.FilterGain, "FilterGain"},
        {&h.FilterPhaseRad, "FilterPhaseRad"},
        {&h.OutputAmplitudePercent, "OutputAmplitudePercent"},
        {&h.OutputPhaseRad, "OutputPhaseRad"},
    };
    for (const auto& [column, name] : columns)
        for (int k = 0; k < RowCount; ++k)
            expect(Finite((*column)[k]), QStringLiteral("%1[%2] = %3 is not finite").arg(name).arg(k).arg((*column)[k]));

    // The signal.
    expect(g.FundamentalHz >= 1 && g.FundamentalHz <= 999999, QStringLiteral("FundamentalHz %1 outside 1 … 999999").arg(g.FundamentalHz));
    expect(IsFullScaleAllowed(g.FullScaleValue), QStringLiteral("FullScaleValue %1 outside 1e-100 … 1e100").arg(g.FullScaleValue));
    expect(IsPresetCode(g.Preset), QStringLiteral("Preset %1 is no preset").arg(int(g.Preset)));
    expect(g.DutyCycle >= 0 && g.DutyCycle <= 1, QStringLiteral("DutyCycle %1 outside 0 … 1").arg(g.DutyCycle));
    expect(g.MeanPercent >= -999 && g.MeanPercent <= 999, QStringLiteral("MeanPercent %1 outside -999 … 999").arg(g.MeanPercent));
    // MeanValue = MeanPercent / 100 x FullScaleValue, up to the rounding of
    // the full-scale ratio (and saturated at the largest double).
    const double mean = SaturateToDouble(g.MeanPercent / 100.0L * g.FullScaleValue);
    expect(std::fabs(g.MeanValue - mean) <= 1e-9 * std::fabs(mean) + 1e-300,
           QStringLiteral("MeanValue %1 is not MeanPercent %2 / 100 x FullScaleValue %3")
               .arg(g.MeanValue, 0, 'g', 17)
               .arg(g.MeanPercent)
               .arg(g.FullScaleValue, 0, 'g', 17));
    expect(h.AmplitudePercent[0] == 0, QStringLiteral("AmplitudePercent[0] = %1").arg(h.AmplitudePercent[0]));
    for (int k = 1; k < RowCount; ++k) {
        const double a = h.AmplitudePercent[k];
        expect(a >= 0 && a <= 100 && a == std::round(a), QStringLiteral("AmplitudePercent[%1] = %2").arg(k).arg(a));
    }

    // The filter.
    expect(IsFilterCode(f.Kind), QStringLiteral("Kind %1 is no filter").arg(int(f.Kind)));
    expect(f.CutoffHz >= MinFrequencyHz && f.CutoffHz <= MaxFrequencyHz, QStringLiteral("CutoffHz %1 outside 0.001 … 999999").arg(f.CutoffHz));
    expect(f.Damping > 0 && f.Damping <= 5, QStringLiteral("Damping %1 outside (0, 5]").arg(f.Damping));
    expect(f.BandwidthHz >= MinFrequencyHz && f.BandwidthHz <= MaxFrequencyHz, QStringLiteral("BandwidthHz %1 outside 0.001 … 999999").arg(f.BandwidthHz));
    expect(IsStaticGainAllowed(f.StaticGain), QStringLiteral("StaticGain %1 neither 0 nor of magnitude 1e-100 … 1e100").arg(f.StaticGain));

    // The display.
    const std::int32_t factor = d.OutputScaleFactor;
    expect(factor == 1 || factor == 10 || factor == 100 || factor == 1000 || factor == 10000,
           QStringLiteral("OutputScaleFactor %1 is not a power of ten up to 10000").arg(factor));
    // Copy sizes: more than 50 pixels, less than 30 cm.
    for (std::int32_t px : {d.CopyWidthPx, d.CopyHeightPx})
        expect(px >= MinCopySizePx && px <= MaxCopySizePx, QStringLiteral("copy size %1 pixels outside 51 … 1135").arg(px));
    expect(IsGraduationLengthAllowed(d.Plot.GraduationLength), QStringLiteral("GraduationLength %1 outside 1 … 30").arg(d.Plot.GraduationLength));
    expect(IsGraduationFontSizeAllowed(d.Plot.FontSize), QStringLiteral("FontSize %1 outside 6 … 16").arg(d.Plot.FontSize));
    expect(d.SpectrumMode == SpectrumMode::Percent || d.SpectrumMode == SpectrumMode::Amplitude || d.SpectrumMode == SpectrumMode::Rms,
           QStringLiteral("SpectrumMode %1").arg(int(d.SpectrumMode)));

    // The time graph's frame.
    expect(v.TimeStart == 0, QStringLiteral("TimeStart %1 is not 0").arg(v.TimeStart));
    expect(v.TimeEnd > v.TimeStart && v.TimeStep > 0, QStringLiteral("time axis %1 … %2 step %3").arg(v.TimeStart).arg(v.TimeEnd).arg(v.TimeStep));
    expect(v.ValueMin < v.ValueMax && v.ValueStep > 0, QStringLiteral("value axis %1 … %2 step %3").arg(v.ValueMin).arg(v.ValueMax).arg(v.ValueStep));
    expect(IsPeriodsShownAllowed(v.PeriodsShown), QStringLiteral("PeriodsShown %1 outside 1e-290 … 10").arg(v.PeriodsShown));
    const std::int32_t points = PointCountForWidth(m_program->fengraphe().width());
    expect(v.PointCount == points, QStringLiteral("PointCount %1, the time-graph window's width gives %2").arg(v.PointCount).arg(points));
    expect(s.Spectra.SpectrumMax >= 0, QStringLiteral("SpectrumMax %1").arg(s.Spectra.SpectrumMax));

    // The sound study.
    const SoundStudyState& study = m_program->fenetson().Study();
    expect(study.DurationSeconds >= 0 && study.DurationSeconds <= 10, QStringLiteral("DurationSeconds %1 outside 0 … 10").arg(study.DurationSeconds));
    expect(!study.PlayInput && !study.PlayOutput, QStringLiteral("a play flag left set"));
    for (std::size_t i = m_soundCallsBefore; i < m_sound.Calls.size(); ++i) {
        const FakeSoundPort::Call& c = m_sound.Calls[i];
        if (c.name == "SOUNDOUT")
            expect(c.value >= 0 && c.value <= 440000 && c.value == Round(44000.0L * study.DurationSeconds),
                   QStringLiteral("SOUNDOUT of %1 samples for %2 s").arg(c.value).arg(study.DurationSeconds));
        if (c.name == "SOUNDSETRATE")
            expect(c.value == 44000, QStringLiteral("SOUNDSETRATE %1").arg(c.value));
    }
}

// The controls agree with the state, and every ranged control holds a value
// within its range.
void RandomUserTest::CheckControls(QStringList& bad)
{
    auto expect = [&bad](bool ok, const QString& what) {
        if (!ok)
            bad << what;
    };
    for (QWidget* window : Windows()) {
        for (QWidget* c : window->findChildren<QWidget*>()) {
            const QString name = WindowName(window) + QLatin1Char(' ') + c->objectName();
            if (auto* x = qobject_cast<TVrSlider*>(c))
                expect(x->MinValue() <= x->Position() && x->Position() <= x->MaxValue(),
                       QStringLiteral("%1 at %2 outside %3 … %4").arg(name).arg(x->Position()).arg(x->MinValue()).arg(x->MaxValue()));
            else if (auto* x = qobject_cast<TVrTrackBar*>(c))
                expect(x->MinValue() <= x->Position() && x->Position() <= x->MaxValue(),
                       QStringLiteral("%1 at %2 outside %3 … %4").arg(name).arg(x->Position()).arg(x->MinValue()).arg(x->MaxValue()));
            else if (auto* x = qobject_cast<TVrWheel*>(c))
                expect(x->MinValue() <= x->Position() && x->Position() <= x->MaxValue(),
                       QStringLiteral("%1 at %2 outside %3 … %4").arg(name).arg(x->Position()).arg(x->MinValue()).arg(x->MaxValue()));
            else if (auto* x = qobject_cast<TVrSwitch*>(c))
                expect(x->Offset() >= 0 && x->Offset() < x->Positions(), QStringLiteral("%1 at %2 of %3 positions").arg(name).arg(x->Offset()).arg(x->Positions()));
            else if (auto* x = qobject_cast<TVrNum*>(c))
                expect(x->Min() <= x->Value() && x->Value() <= x->Max(),
                       QStringLiteral("%1 shows %2 outside %3 … %4").arg(name).arg(x->Value()).arg(x->Min()).arg(x->Max()));
            else if (auto* x = qobject_cast<TVrDigitGroup*>(c))
                expect(Finite(x->Value()), QStringLiteral("%1 shows %2").arg(name).arg(x->Value()));
        }
    }

    const SharedState& s = m_program->State();
    const HarmonicTable& h = s.Signal.Harmonics;
    const Ui& u = *m_ui;
    for (int k = 1; k <= HarmonicCount; ++k) {
        expect(u.Vramp[k]->Position() == h.AmplitudePercent[k] && u.VrNumamp[k]->Value() == u.Vramp[k]->Position(),
               QStringLiteral("harmonic %1: slider %2, read-out %3, state %4").arg(k).arg(u.Vramp[k]->Position()).arg(u.VrNumamp[k]->Value()).arg(h.AmplitudePercent[k]));
        const int degrees = SwitchDegrees(u.VrSwitch[k]->Offset());
        expect(std::fabs(h.PhaseRad[k] - degrees * std::numbers::pi / 180) < 1e-12 && u.VrNumph[k]->Value() == degrees,
               QStringLiteral("phase %1: switch %2, read-out %3, state %4").arg(k).arg(u.VrSwitch[k]->Offset()).arg(u.VrNumph[k]->Value()).arg(h.PhaseRad[k]));
        expect(u.VrCheckLed[k]->Checked() == h.Shown[k], QStringLiteral("harmonic %1 shown %2, LED %3").arg(k).arg(h.Shown[k]).arg(u.VrCheckLed[k]->Checked()));
    }
    const TVrSlider* mean = u.VrSlidermoy;
    expect(mean->Position() == s.Signal.MeanPercent && u.VrNummoy->Value() == s.Signal.MeanPercent,
           QStringLiteral("mean slider %1, read-out %2, MeanPercent %3").arg(mean->Position()).arg(u.VrNummoy->Value()).arg(s.Signal.MeanPercent));
    expect(mean->MinValue() == -mean->MaxValue() && mean->MaxValue() >= 1 && mean->MaxValue() <= 999,
           QStringLiteral("mean slider range %1 … %2").arg(mean->MinValue()).arg(mean->MaxValue()));
    const int step = u.Vramp[1]->KeyIncrement;
    expect(step >= 1 && step <= 10 && mean->KeyIncrement == step, QStringLiteral("arrow-key steps %1 and %2").arg(step).arg(mean->KeyIncrement));

    int lit = 0;
    for (int i = 1; i <= 6; ++i)
        lit += u.VrPowerButton[i]->Active();
    expect(lit == 1, QStringLiteral("%1 preset buttons lit").arg(lit));
    static const FilterKind Kinds[7] = {FilterKind::Amplifier, FilterKind::LowPass2, FilterKind::HighPass2, FilterKind::BandPass,
                                        FilterKind::BandStop,  FilterKind::LowPass1, FilterKind::HighPass1};
    int filters = 0;
    for (int r = 0; r < 7; ++r)
        if (u.FilterLed[r]->Checked()) {
            ++filters;
            expect(s.Filter.Kind == Kinds[r], QStringLiteral("filter LED %1 lit, Kind %2").arg(r).arg(QChar(char(s.Filter.Kind))));
        }
    expect(filters == 1, QStringLiteral("%1 filter LEDs lit").arg(filters));
    expect(s.Filter.Damping == DampingForPosition(u.VrTrackBar1->Position()),
           QStringLiteral("Damping %1, track bar at %2").arg(s.Filter.Damping).arg(u.VrTrackBar1->Position()));
    const DisplaySettings& d = s.Display;
    expect(u.VrCheckLed13->Checked() == d.ShowIdealSignal && u.VrCheckLed19->Checked() == d.SuperposeOutput
               && u.VrCheckLed20->Checked() == d.ShowInputSpectrum && u.VrCheckLed21->Checked() == d.ShowOutputSpectrum,
           QStringLiteral("an LED of the main window disagrees with the state"));

    // Which windows are on screen.
    Program& p = *m_program;
    if (p.fensynth().isVisible())
        expect(u.VrCheckLed13->isVisible() == (s.Signal.Preset != PresetKind::Free),
               QStringLiteral("\"voir signal\" %1 with preset %2").arg(u.VrCheckLed13->isVisible() ? "shown" : "hidden").arg(QChar(char(s.Signal.Preset))));
    expect(s.Signal.Preset == PresetKind::Square || !p.rappcycl().isVisible(), QStringLiteral("the duty-cycle dialog is on screen without the square wave"));
    expect(d.ShowInputSpectrum || d.ShowOutputSpectrum || !p.fenspectres().isVisible(), QStringLiteral("the spectrum window is on screen with no spectrum selected"));
}

// Each picture has the size its window gives it, and is drawn.
void RandomUserTest::CheckPictures(QStringList& bad)
{
    const SharedState& s = m_program->State();
    const QRgb background = s.Display.BlackBackground ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    const bool axesShow = (s.Display.Plot.AxisColour & 0xFFFFFF) != (background & 0xFFFFFF);

    // Whether `picture` has the size `window` gives it.
    auto sized = [&](const char* what, const QWidget& window, const QImage& picture, QSize expected) {
        const QSize drawn = LogicalSize(picture);
        if (drawn == expected)
            return true;
        bad << QStringLiteral("%1 picture %2x%3 in a window %4x%5 that gives %6x%7")
                   .arg(QLatin1String(what)).arg(drawn.width()).arg(drawn.height()).arg(window.width())
                   .arg(window.height()).arg(expected.width()).arg(expected.height());
        return false;
    };

    const Tfengraphe& g = m_program->fengraphe();
    const GraphSize size = g.PictureSize();
    if (size.Drawable() && sized("time graph", g, g.Picture(), QSize(size.Width, size.Height)) && axesShow &&
        !HasInk(g.Picture(), background))
        bad << QStringLiteral("time graph picture blank");

    const Tfenspectres& sp = m_program->fenspectres();
    const QSize spSize = sp.PictureSize();
    if (sp.isVisible() && spSize.width() > 150 && spSize.height() > 150 && sized("spectra", sp, sp.Picture(), spSize) &&
        axesShow && sp.Layout().Drawn && !HasInk(sp.Picture(), background))
        bad << QStringLiteral("spectra picture blank");
    const SpectrumLayout& layout = sp.Layout();
    if (layout.Drawn) {
        if (!(layout.Step > 0 && layout.YMin < 0 && layout.YMax > 0 && Finite(layout.YMax) && Finite(layout.SpectrumMax)))
            bad << QStringLiteral("spectrum scale %1 … %2 step %3").arg(layout.YMin).arg(layout.YMax).arg(layout.Step);
        for (int k = 0; k < RowCount; ++k)
            if (!(layout.BarIn[k] >= 0 && layout.BarOut[k] >= 0 && Finite(layout.BarIn[k]) && Finite(layout.BarOut[k])
                  && Finite(layout.LabelIn[k]) && Finite(layout.LabelOut[k])))
                bad << QStringLiteral("spectrum bar %1: in %2 out %3").arg(k).arg(layout.BarIn[k]).arg(layout.BarOut[k]);
    }

    const Tfenreponse& r = m_program->fenreponse();
    const QSize rSize = r.PictureSize();
    if (r.isVisible() && rSize.width() > 50 && rSize.height() > 50) {
        sized("response", r, r.Picture(), rSize);
        const ResponseView& view = r.View();
        for (const ValueAxis& a : {view.Db, view.Deg})
            if (!(Finite(a.Min) && Finite(a.Max) && a.Min < a.Max && a.Step > 0))
                bad << QStringLiteral("response axis %1 … %2 step %3").arg(a.Min).arg(a.Max).arg(a.Step);
        if (view.Span.FirstDecade >= view.Span.LastDecade)
            bad << QStringLiteral("response span %1 … %2").arg(view.Span.FirstDecade).arg(view.Span.LastDecade);
        for (const ResponseSample& p : view.Curve)
            if (!Finite(p.Log10Hz) || !Finite(p.PhaseDeg) || std::isnan(p.GainDb)) {
                bad << QStringLiteral("response point at %1 Hz: %2 dB %3 degrees").arg(p.Hz).arg(p.GainDb).arg(p.PhaseDeg);
                break;
            }
    }
}

// A message or an error only where the program promises one.
void RandomUserTest::CheckDialogs(const Before& before, QStringList& bad)
{
    const SharedState& s = m_program->State();
    bad << m_dialogs.Problems;
    bool asked = false, played = false;
    for (std::size_t i = m_soundCallsBefore; i < m_sound.Calls.size(); ++i) {
        asked |= m_sound.Calls[i].name == "SOUNDIS";
        played |= m_sound.Calls[i].name == "SOUNDOUT";
    }
    for (qsizetype i = before.Messages; i < m_dialogs.Messages.size(); ++i) {
        const QString& m = m_dialogs.Messages[i];
        if (m == QStringLiteral("Mauvaise entrée")) {
            // judged box by box, as it was shown
        } else if (m == QStringLiteral("Attention :Carte son non détectée")) {
            if (!asked || m_sound.HasCard)
                bad << QStringLiteral("no-sound-card message with %1").arg(m_sound.HasCard ? "a card" : "no question asked");
        } else if (m == QStringLiteral("Ces signaux peuvent contenir des fréquences inaudibles")) {
            if (!played || 12 * s.Signal.FundamentalHz <= 20000)
                bad << QStringLiteral("inaudible-frequency warning at f0 = %1 Hz").arg(s.Signal.FundamentalHz);
        } else {
            bad << QStringLiteral("unexpected message '%1'").arg(m);
        }
    }
    static const QStringList SettingsErrors = {
        QStringLiteral("Entrer à nouveau la fréquence"),
        QStringLiteral("Entrer à nouveau l amplitude"),
        QStringLiteral("Entrer à nouveau le nombre de périodes"),
        QStringLiteral("Entrer à nouveau le coeff max de la valeur moyenne"),
        QStringLiteral("Entrer à nouveau le % incrémental"),
    };
    // The font message answers a font picked at a size the graphs are not
    // laid out for, which changes nothing.
    const bool fontPicked = std::any_of(m_dialogs.ThisAction.cbegin(), m_dialogs.ThisAction.cend(),
                                        [](const RandomDialogs::Interaction& i) {
                                            return i.Caption == QStringLiteral("font picker") && !i.Cancelled;
                                        });
    for (qsizetype i = before.Errors; i < m_dialogs.Errors.size(); ++i) {
        const QString& e = m_dialogs.Errors[i];
        const bool font = e == QString::fromUtf8(FontSizeMessage.data(), qsizetype(FontSizeMessage.size()));
        const bool known = SettingsErrors.contains(e) || (e.startsWith(QStringLiteral("« ")) && e.endsWith(QStringLiteral(" » n'est pas un nombre valide")))
                           || (font && fontPicked);
        if (!known || m_actedOn != &m_program->Form2())
            bad << QStringLiteral("unexpected error '%1'").arg(e);
        else if (!m_program->Form2().isVisible())
            bad << QStringLiteral("error '%1', yet the settings dialog went").arg(e);
        else if (font && StateBytes(s) != before.State)
            bad << QStringLiteral("font refused, yet the state changed");
    }
    // "Annuler" changes nothing.
    if (m_dialogs.ThisAction.size() == 1 && m_dialogs.ThisAction[0].Cancelled && StateBytes(s) != before.State)
        bad << QStringLiteral("the state changed although the %1 was cancelled").arg(m_dialogs.ThisAction[0].Caption);
}

// No text the program wrote on screen reads as a number gone wrong (the
// fields hold what the user typed).
void RandomUserTest::CheckTexts(QStringList& bad)
{
    static const QRegularExpression Wrong(QStringLiteral("\\b(nan|inf|infinity)\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    for (QWidget* window : Windows()) {
        for (QWidget* c : window->findChildren<QWidget*>()) {
            if (!c->isVisible())
                continue;
            QString text;
            if (auto* l = qobject_cast<QLabel*>(c))
                text = l->text();
            else if (auto* b = qobject_cast<TVrButtonBase*>(c))
                text = b->Caption();
            if (text.contains(Wrong))
                bad << QStringLiteral("%1 %2 reads '%3'").arg(WindowName(window), c->objectName(), text);
        }
    }
}

// A copy the program put on the clipboard is a picture of the copy size,
// with something drawn on it, and its SVG reads as XML of that size.
void RandomUserTest::CheckCopy(QStringList& bad)
{
    if (!m_clipboardChanged)
        return;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    // A field's own copy or cut (Ctrl+C, Shift+Delete...) puts its text there.
    if (data && data->formats() == QStringList{QStringLiteral("text/plain")}
        && qobject_cast<QLineEdit*>(QApplication::focusWidget()))
        return;
    if (!data || !data->hasFormat(QStringLiteral("image/svg+xml"))) {
        bad << QStringLiteral("the clipboard changed, but holds no vector copy");
        return;
    }
    const DisplaySettings& d = m_program->State().Display;
    const QImage png = qvariant_cast<QImage>(data->imageData());
    if (png.size() != QSize(d.CopyWidthPx, d.CopyHeightPx))
        bad << QStringLiteral("copy picture %1x%2, copy size %3x%4").arg(png.width()).arg(png.height()).arg(d.CopyWidthPx).arg(d.CopyHeightPx);
    else if (!HasInk(png, 0))
        bad << QStringLiteral("copy picture blank");
    QXmlStreamReader svg(data->data(QStringLiteral("image/svg+xml")));
    bool sized = false;
    while (!svg.atEnd()) {
        svg.readNext();
        if (svg.isStartElement() && svg.name() == QStringLiteral("svg"))
            sized = svg.attributes().value(QStringLiteral("width")) == QString::number(d.CopyWidthPx)
                    && svg.attributes().value(QStringLiteral("height")) == QString::number(d.CopyHeightPx);
    }
    if (svg.hasError())
        bad << QStringLiteral("copy SVG unreadable: %1").arg(svg.errorString());
    else if (!sized)
        bad << QStringLiteral("copy SVG not of the copy size %1x%2").arg(d.CopyWidthPx).arg(d.CopyHeightPx);
}

QStringList RandomUserTest::Check(const Before& before)
{
    QStringList bad;
    CheckState(bad);
    CheckControls(bad);
    CheckPictures(bad);
    CheckDialogs(before, bad);
    CheckTexts(bad);
    CheckCopy(bad);
    return bad;
}

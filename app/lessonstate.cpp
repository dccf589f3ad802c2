// SPDX-License-Identifier: GPL-3.0-or-later
// A lesson taken from the running program and set back into it.

#include "app/lessonsession.h"

#include "app/program.h"
#include "app/simplefour.h"
#include "filter/responsewindow.h"
#include "numeric/rounding.h"
#include "plot/plottext.h"
#include "plot/repres.h"
#include "plot/sampling.h"
#include "settings/parsignalsimple.h"
#include "signal/rappcyclique.h"
#include "sound/etudson.h"
#include "widgets/windowshow.h"

Lesson LessonSession::Capture() const
{
    Program& p = m_program;
    Lesson l;
    TakeFromState(p.State(), l);
    l.MeanBound = p.fensynth().MeanRangeMax();
    l.KeyStep = p.fensynth().KeyIncrement();
    l.CutoffTyped = p.fensynth().CutoffTyped();
    l.SettingsOpen = p.Form2().isVisible();
    l.SoundOpen = p.fenetson().isVisible();
    l.ResponseOpen = p.fenreponse().isVisible();
    l.Consigne = m_consigne.toStdString();
    l.FilterHidden = p.fensynth().FilterHidden();
    return l;
}

// The order matters: the full scale before the mean slider (whose handler
// scales the mean by it), the preset before the controls it moves, the
// controls before the filter, whose LED redraws everything once.
void LessonSession::Restore(const Lesson& l)
{
    Program& p = m_program;
    SharedState& s = p.State();
    Tfensynth& main = p.fensynth();
    const DisplaySettings before = s.Display;
    // Each control moved would redraw everything: one redraw at the end.
    p.Cycle().Hold();

    // While a hidden filter is set, nothing may show it.
    if (l.FilterHidden)
        p.fenreponse().hide();
    main.SetFilterHidden(l.FilterHidden);

    s.Signal.FundamentalHz = l.FundamentalHz;
    s.Signal.FullScaleValue = l.FullScaleValue;
    s.View.PeriodsShown = l.PeriodsShown;
    s.Display = l.Display;
    s.Display.Plot.AxesAtOrigin = before.Plot.AxesAtOrigin;
    main.ShowFundamental();
    main.ShowFullScale(NumberText(l.FullScaleValue));

    main.RestorePreset(l.Preset);
    if (l.Preset == PresetKind::Square)
        p.rappcycl().ShowDutyCycle(Round(l.DutyCycle * 100.0L));
    s.Signal.DutyCycle = l.DutyCycle;
    main.ApplyPreset();
    main.SetMeanRange(l.MeanBound);
    main.SetKeyIncrement(l.KeyStep);
    main.RestoreControls(l);
    s.Signal.MeanPercent = l.MeanPercent;
    s.Signal.MeanValue = SaturateToDouble(l.MeanPercent / 100.0L * l.FullScaleValue);
    main.RestoreFilter(l);

    p.Form2().ShowDisplay(before);
    p.fengraphe().ShowOutputScaleFactor();
    ResetTimeRange(s);
    p.Cycle().Redraw(); // the one redraw, made by the release
    p.Cycle().Release();

    // The windows the lesson names open and close, unless the program
    // keeps them all hidden (exports from the command line).
    if (!p.WindowsHidden()) {
        p.Form2().setVisible(l.SettingsOpen);
        if (l.SoundOpen)
            ShowWithoutActivating(&p.fenetson());
        else
            p.fenetson().hide();
        if (l.ResponseOpen && !l.FilterHidden)
            p.fenreponse().Open();
        else
            p.fenreponse().hide();
    }
    m_consigne = QString::fromStdString(l.Consigne);
    main.SetFilterHidden(l.FilterHidden);
    Refresh();
}

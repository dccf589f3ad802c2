// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program.h"

#include "app/lessonsession.h"
#include "analysis/analysewindow.h"
#include "app/simplefour.h"
#include "filter/responsewindow.h"
#include "plot/repres.h"
#include "settings/parsignalsimple.h"
#include "signal/rappcyclique.h"
#include "sound/etudson.h"
#include "sound/qtsoundport.h"
#include "spectrum/fenetspectres.h"
#include "widgets/windowshow.h"

#include <QCoreApplication>

namespace {

// The main window's sliders as the settings dialog reads them.
class MainSliders : public MainSliderSettings {
public:
    explicit MainSliders(const Tfensynth& w) : m_w(w) {}
    int MeanSliderMax() const override { return m_w.MeanRangeMax(); }
    int KeyIncrement() const override { return m_w.KeyIncrement(); }

private:
    const Tfensynth& m_w;
};

} // namespace

Program::Program(DialogService& dialogs, SoundPort* soundPort)
    : m_cycle(m_state),
      m_fensynth(std::make_unique<Tfensynth>(m_state, dialogs, m_cycle)),
      m_form2(std::make_unique<TForm2>(m_state, dialogs)),
      m_fengraphe(std::make_unique<Tfengraphe>(m_state)),
      m_fenspectres(std::make_unique<Tfenspectres>(m_state)),
      m_rappcycl(std::make_unique<Trappcycl>(m_state, dialogs)),
      m_ownSoundPort(soundPort ? nullptr : std::make_unique<QtSoundPort>()),
      m_fenetson(std::make_unique<Tfenetson>(m_state, dialogs, soundPort ? *soundPort : *m_ownSoundPort)),
      m_fenreponse(std::make_unique<Tfenreponse>(m_state)),
      m_fenanalyse(std::make_unique<Tfenanalyse>(m_state, dialogs, soundPort ? *soundPort : *m_ownSoundPort))
{
    m_cycle.Attach(m_fengraphe.get(), m_fenspectres.get(), m_fenreponse.get());
    QObject::connect(m_fensynth.get(), &Tfensynth::ResponseRequested, m_fenreponse.get(), &Tfenreponse::Open);

    Tfensynth* fensynth = m_fensynth.get();
    Tfengraphe* fengraphe = m_fengraphe.get();
    QObject::connect(fengraphe, &Tfengraphe::RecomputeRequested, fensynth,
                     [this](bool rescale) { m_cycle.RecomputeAndRedraw(rescale); });
    QObject::connect(m_rappcycl.get(), &Trappcycl::DutyCycleChanged, fensynth, [this, fensynth] {
        fensynth->ApplyPreset();
        m_cycle.Redraw();
    });
    // The windows that a preset button or a spectrum LED shows leave the
    // keyboard on that control; the spectrum window's close box puts its LEDs
    // out.
    auto showOrHide = [this](QWidget* window) {
        return [this, window](bool shown) {
            if (shown && !m_windowsHidden)
                ShowWithoutActivating(window);
            else
                window->hide();
        };
    };
    QObject::connect(fensynth, &Tfensynth::DutyCycleDialogShown, m_rappcycl.get(), showOrHide(m_rappcycl.get()));
    QObject::connect(fensynth, &Tfensynth::SpectrumWindowShown, m_fenspectres.get(),
                     showOrHide(m_fenspectres.get()));
    QObject::connect(m_fenspectres.get(), &Tfenspectres::Closed, fensynth, &Tfensynth::SpectrumWindowClosed);

    // The settings dialog acts on the main window's controls and on the
    // pictures, at the points of its sequence where it emits.
    TForm2* form2 = m_form2.get();
    m_mainSliders = std::make_unique<MainSliders>(*fensynth);
    form2->SetMainSliders(m_mainSliders.get());
    QObject::connect(fensynth, &Tfensynth::SettingsRequested, form2, [form2] {
        if (form2->isVisible())
            form2->raise();
        else
            form2->show();
        form2->activateWindow();
    });
    QObject::connect(form2, &TForm2::FundamentalChanged, fensynth, &Tfensynth::ShowFundamental);
    QObject::connect(form2, &TForm2::FullScaleChanged, fensynth, &Tfensynth::ShowFullScale);
    QObject::connect(form2, &TForm2::MeanRangeChanged, fensynth, &Tfensynth::SetMeanRange);
    QObject::connect(form2, &TForm2::KeyIncrementChanged, fensynth, &Tfensynth::SetKeyIncrement);
    QObject::connect(form2, &TForm2::PointCountResetRequested, fengraphe, [this] { m_cycle.SetPointCount(); });
    QObject::connect(form2, &TForm2::RedrawRequested, fensynth, [this] { m_cycle.Redraw(); });
    QObject::connect(form2, &TForm2::SpectraRedrawRequested, m_fenspectres.get(), &Tfenspectres::Redraw);

    // The sound study; a sound still playing stops with the program.
    Tfenetson* fenetson = m_fenetson.get();
    QObject::connect(fensynth, &Tfensynth::SoundRequested, fenetson, &Tfenetson::SoundButtonClick);
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, fenetson, &Tfenetson::StopSound);

    m_session = new LessonSession(*this, dialogs);
    // The analysis of a sound; its settings go into the main window's controls.
    Tfenanalyse* fenanalyse = m_fenanalyse.get();
    fenanalyse->SetMeanLimit([fensynth] { return fensynth->MeanRangeMax(); });
    QObject::connect(fensynth, &Tfensynth::AnalysisRequested, fenanalyse, &Tfenanalyse::Open);
    QObject::connect(fenanalyse, &Tfenanalyse::SynthesisRequested, fensynth, &Tfensynth::TakeSynthesis);
}

Program::~Program()
{
    delete m_session; // before the windows it reads
    m_session = nullptr;
    m_cycle.Attach(nullptr, nullptr, nullptr);
}

void Program::Show()
{
    m_fensynth->move(560, 8);
    m_rappcycl->move(560, 500); // below the main window, clear of the graphs
    m_fensynth->show();
    m_fengraphe->setAttribute(Qt::WA_ShowWithoutActivating, true);
    m_fengraphe->show();
    // The user starts in the main window, whichever window the window
    // system would give the keyboard to.
    m_fensynth->activateWindow();
}

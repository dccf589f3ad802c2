#include "program.h"

#include "etudson.h"
#include "fenetspectres.h"
#include "parsignalsimple.h"
#include "rappcyclique.h"
#include "repres.h"
#include "simplefour.h"

Program::Program(DialogService& dialogs)
    : m_cycle(m_state),
      m_fensynth(std::make_unique<Tfensynth>(m_state, dialogs, m_cycle)),
      m_form2(std::make_unique<TForm2>()),
      m_fengraphe(std::make_unique<Tfengraphe>(m_state)),
      m_fenspectres(std::make_unique<Tfenspectres>(m_state)),
      m_rappcycl(std::make_unique<Trappcycl>(m_state, dialogs)),
      m_fenetson(std::make_unique<Tfenetson>())
{
    m_cycle.Attach(m_fengraphe.get(), m_fenspectres.get());

    Tfensynth* fensynth = m_fensynth.get();
    Tfengraphe* fengraphe = m_fengraphe.get();
    QObject::connect(fengraphe, &Tfengraphe::RecomputeRequested, fensynth,
                     [this](bool rescale, int w, int h) { m_cycle.RecomputeAndRedraw(rescale, w, h); });
    QObject::connect(m_rappcycl.get(), &Trappcycl::DutyCycleChanged, fensynth, [this, fensynth, fengraphe] {
        fensynth->ApplyPreset();
        const GraphSize size = fengraphe->PictureSize();
        m_cycle.RecomputeAndRedraw(true, size.Width, size.Height);
    });
    QObject::connect(fensynth, &Tfensynth::DutyCycleDialogShown, m_rappcycl.get(), &QWidget::setVisible);
    QObject::connect(fensynth, &Tfensynth::SpectrumWindowShown, m_fenspectres.get(), &QWidget::setVisible);
}

Program::~Program()
{
    m_cycle.Attach(nullptr, nullptr);
}

void Program::Show()
{
    m_fensynth->move(560, 8);
    m_rappcycl->move(560, 500); // below the main window, clear of the graphs
    m_fensynth->show();
    m_fengraphe->show();
}

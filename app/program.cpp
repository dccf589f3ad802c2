#include "program.h"

#include "etudson.h"
#include "fenetspectres.h"
#include "parsignalsimple.h"
#include "rappcyclique.h"
#include "repres.h"
#include "simplefour.h"

Program::Program(DialogService& dialogs)
{
    fensynth = new Tfensynth(m_state, dialogs);
    Form2 = new TForm2();
    fengraphe = new Tfengraphe(m_state);
    fenspectres = new Tfenspectres();
    rappcycl = new Trappcycl(m_state, dialogs);
    fenetson = new Tfenetson();
    fensynth->SetWindows(Form2, fengraphe, fenspectres, rappcycl, fenetson);

    fengraphe->RecomputeAndRedraw = [this](bool rescale, int w, int h) { fensynth->RecomputeAndRedraw(rescale, w, h); };
    rappcycl->ApplyPreset = [this] { fensynth->ApplyPreset(); };
    rappcycl->RecomputeAndRedraw = [this](bool rescale) {
        fensynth->RecomputeAndRedraw(rescale, fengraphe->width() - 30, fengraphe->height() - 110);
    };
}

Program::~Program()
{
    delete fenetson;
    delete rappcycl;
    delete fenspectres;
    delete fengraphe;
    delete Form2;
    delete fensynth;
}

void Program::Show()
{
    fensynth->move(560, 8);
    rappcycl->move(560, 500); // below the main window, clear of the graphs
    fensynth->show();
    fengraphe->show();
}

#include "program.h"

#include "etudson.h"
#include "fenetspectres.h"
#include "parsignalsimple.h"
#include "qtsoundport.h"
#include "rappcyclique.h"
#include "repres.h"
#include "responsewindow.h"
#include "sampling.h"
#include "simplefour.h"
#include "spectrumdrawing.h"
#include "tvrbitmapimage.h"
#include "tvrbitmaplist.h"
#include "tvrdemobutton.h"
#include "tvrslider.h"
#include "vrpanel.h"

namespace {

// The main window's sliders as the settings dialog reads them.
class MainSliders : public MainSliderSettings {
public:
    explicit MainSliders(const Tfensynth& w) : m_w(w) {}
    int MeanSliderMax() const override { return m_w.VrSlidermoy->MaxValue(); }
    int KeyIncrement() const override { return m_w.Vramp[1]->KeyIncrement; }

private:
    const Tfensynth& m_w;
};

} // namespace

#include <QCoreApplication>
#include <QPushButton>

Program::Program(DialogService& dialogs)
{
    fensynth = new Tfensynth(m_state, dialogs);
    Form2 = new TForm2(m_state, dialogs);
    fengraphe = new Tfengraphe(m_state);
    fenspectres = new Tfenspectres();
    rappcycl = new Trappcycl(m_state, dialogs);
    m_soundPort = std::make_unique<QtSoundPort>();
    fenetson = new Tfenetson(m_state, dialogs, *m_soundPort);
    fensynth->SetWindows(Form2, fengraphe, fenspectres, rappcycl, fenetson);
    fenreponse = new Tfenreponse(m_state);
    QObject::connect(fensynth->VrBitmapImage1, &TVrBitmapImage::OnClick, fenreponse, &Tfenreponse::Open);
    QObject::connect(fensynth, &Tfensynth::Redrawn, fenreponse, &Tfenreponse::Redraw);

    fengraphe->RecomputeAndRedraw = [this](bool rescale, int w, int h) { fensynth->RecomputeAndRedraw(rescale, w, h); };
    m_mainSliders = std::make_unique<MainSliders>(*fensynth);
    Form2->SetMainSliders(m_mainSliders.get());
    QObject::connect(fensynth->VrDemoButton2, &TVrDemoButton::OnClick, Form2, [this] {
        if (Form2->isVisible())
            Form2->raise();
        else
            Form2->show();
        Form2->activateWindow();
    });
    QObject::connect(Form2, &TForm2::FundamentalChanged, fensynth, &Tfensynth::ShowFundamental);
    QObject::connect(Form2, &TForm2::FullScaleChanged, fensynth,
                     [this](const QString& text) { VrPanel::SetText(fensynth->Label5, text); });
    QObject::connect(Form2, &TForm2::MeanRangeChanged, fensynth, [this](int maxValue) {
        fensynth->VrSlidermoy->setMaxValue(maxValue);
        fensynth->VrSlidermoy->setMinValue(-maxValue);
    });
    QObject::connect(Form2, &TForm2::KeyIncrementChanged, fensynth, [this](int step) {
        fensynth->VrSlidermoy->KeyIncrement = step;
        for (int k = 1; k <= HarmonicCount; ++k)
            fensynth->Vramp[k]->KeyIncrement = step;
    });
    QObject::connect(Form2, &TForm2::PointCountResetRequested, fengraphe,
                     [this] { m_state.View.PointCount = PointCountForWidth(fengraphe->width()); });
    QObject::connect(Form2, &TForm2::RedrawRequested, fensynth, &Tfensynth::Redraw);
    QObject::connect(Form2, &TForm2::SpectraRedrawRequested, fenspectres, [this] {
        QImage picture = fenspectres->Picture();
        DrawSpectra(picture, m_state, fenspectres->width() - 50, fenspectres->height() - 100);
        fenspectres->ShowPicture(picture);
    });

    rappcycl->ApplyPreset = [this] { fensynth->ApplyPreset(); };
    rappcycl->RecomputeAndRedraw = [this](bool rescale) {
        fensynth->RecomputeAndRedraw(rescale, fengraphe->width() - 30, fengraphe->height() - 110);
    };
    QObject::connect(fensynth->BitBtn1, &QPushButton::clicked, fenetson, &Tfenetson::SoundButtonClick);
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, fenetson, &Tfenetson::StopSound);
}

Program::~Program()
{
    delete fenreponse;
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

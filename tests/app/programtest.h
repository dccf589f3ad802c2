// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The running program for a window test: a Program answered by FakeDialogs,
// shown off screen, and its controls found by their names.

#include "tests/common/fakedialogs.h"

#include "app/program.h"
#include "app/simplefour.h"
#include "plot/repres.h"
#include "settings/parsignalsimple.h"
#include "signal/rappcyclique.h"
#include "sound/etudson.h"
#include "spectrum/fenetspectres.h"
#include "widgets/pictureview.h"
#include "widgets/tclickablelabel.h"
#include "widgets/tvrbitmapimage.h"
#include "widgets/tvrbitmaplist.h"
#include "widgets/tvrcheckled.h"
#include "widgets/tvrclickvalue.h"
#include "widgets/tvrdemobutton.h"
#include "widgets/tvrdigitgroup.h"
#include "widgets/tvrdisplay.h"
#include "widgets/tvrnum.h"
#include "widgets/tvrnumedit.h"
#include "widgets/tvrpowerbutton.h"
#include "widgets/tvrscale.h"
#include "widgets/tvrslider.h"
#include "widgets/tvrstredit.h"
#include "widgets/tvrswitch.h"
#include "widgets/tvrtrackbar.h"
#include "widgets/tvrwheel.h"
#include "widgets/txibutton.h"

#include "app/filterpanel.h"
#include "numeric/numbers.h"

#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include <memory>
#include <numbers>


// The controls of the windows, found by their names.
struct Ui {
    std::array<TVrPowerButton*, 7> VrPowerButton{};
    std::array<TVrCheckLed*, 13> VrCheckLed{};
    std::array<TVrNum*, 13> VrNumamp{};
    std::array<TVrSlider*, 13> Vramp{};
    std::array<TVrSwitch*, 13> VrSwitch{};
    std::array<TVrNum*, 13> VrNumph{};
    // The model selector in the order "Amplificateur", "Passe-bas  ordre2 ",
    // "Passe-haut ordre2", "Passe-bande ", "Coupe-bande", "Passe-bas   ",
    // "Passe-haut " (VrCheckLed14 .. 18, 22, 23).
    std::array<TVrCheckLed*, 7> FilterLed{};
    QLabel *Label6, *Label2, *Label5, *Label13, *Label9, *Label11;
    TVrCheckLed *VrCheckLed13, *VrCheckLed19, *VrCheckLed20, *VrCheckLed21;
    TVrDemoButton *VrDemoButton1, *VrDemoButton2;
    QPushButton* BitBtn1;
    TVrNum *VrNummoy, *VrNum1, *VrNum3;
    TVrSlider* VrSlidermoy;
    TVrBitmapImage* VrBitmapImage1;
    TVrClickValue *Label17, *Label12;
    TVrDisplay* GroupBox3;
    TVrWheel* VrWheel1;
    TVrDigitGroup* VrDigitGroup1;
    TVrTrackBar* VrTrackBar1;
    // The time-graph window.
    TXiButton *XiButton1, *XiButton2, *XiButton3;
    TUpDown* UpDown1;
    QLabel* FactorLabel1;
    PictureView* Image1;
    // The duty-cycle dialog.
    TVrTrackBar* delta;
    TVrNum* DutyVrNum1;
    // The settings dialog.
    struct SettingsControls {
        TVrNumEdit *VrNumEdit1, *VrNumEdit2, *VrNumEdit3;
        TVrStrEdit *VrStrEdit1, *VrStrEdit2;
        TVrCheckLed* CheckBox1;
        TClickableLabel *Label6, *Label25, *Label27;
        TVrDemoButton *VrDemoButton2, *OKbutt;
        std::array<TVrCheckLed*, 4> RadioButton{}; // 1 "% amp", 2 "Ampl", 3 "RMS"
    } Form2;

    template <typename T>
    static T* Get(QWidget& window, const QString& name)
    {
        T* c = window.findChild<T*>(name);
        if (!c)
            qFatal("no control %s in %s", qPrintable(name), qPrintable(window.windowTitle()));
        return c;
    }

    explicit Ui(Program& p)
    {
        QWidget& w = p.fensynth();
        for (int i = 1; i <= 6; ++i)
            VrPowerButton[i] = Get<TVrPowerButton>(w, QStringLiteral("VrPowerButton%1").arg(i));
        for (int k = 1; k <= 12; ++k) {
            VrCheckLed[k] = Get<TVrCheckLed>(w, QStringLiteral("VrCheckLed%1").arg(k));
            VrNumamp[k] = Get<TVrNum>(w, QStringLiteral("VrNumamp%1").arg(k));
            Vramp[k] = Get<TVrSlider>(w, QStringLiteral("Vramp%1").arg(k));
            VrSwitch[k] = Get<TVrSwitch>(w, QStringLiteral("VrSwitch%1").arg(k));
            VrNumph[k] = Get<TVrNum>(w, QStringLiteral("VrNumph%1").arg(k));
        }
        const int filterLeds[] = {14, 15, 16, 17, 18, 22, 23};
        for (int r = 0; r < 7; ++r)
            FilterLed[r] = Get<TVrCheckLed>(w, QStringLiteral("VrCheckLed%1").arg(filterLeds[r]));
        Label6 = Get<QLabel>(w, "Label6");
        Label2 = Get<QLabel>(w, "Label2");
        Label5 = Get<QLabel>(w, "Label5");
        Label13 = Get<QLabel>(w, "Label13");
        Label9 = Get<QLabel>(w, "Label9");
        Label11 = Get<QLabel>(w, "Label11");
        VrCheckLed13 = Get<TVrCheckLed>(w, "VrCheckLed13");
        VrCheckLed19 = Get<TVrCheckLed>(w, "VrCheckLed19");
        VrCheckLed20 = Get<TVrCheckLed>(w, "VrCheckLed20");
        VrCheckLed21 = Get<TVrCheckLed>(w, "VrCheckLed21");
        VrDemoButton1 = Get<TVrDemoButton>(w, "VrDemoButton1");
        VrDemoButton2 = Get<TVrDemoButton>(w, "VrDemoButton2");
        BitBtn1 = Get<QPushButton>(w, "BitBtn1");
        VrNummoy = Get<TVrNum>(w, "VrNummoy");
        VrNum1 = Get<TVrNum>(w, "VrNum1");
        VrNum3 = Get<TVrNum>(w, "VrNum3");
        VrSlidermoy = Get<TVrSlider>(w, "VrSlidermoy");
        VrBitmapImage1 = Get<TVrBitmapImage>(w, "VrBitmapImage1");
        Label17 = Get<TVrClickValue>(w, "Label17");
        Label12 = Get<TVrClickValue>(w, "Label12");
        GroupBox3 = Get<TVrDisplay>(w, "GroupBox3");
        VrWheel1 = Get<TVrWheel>(w, "VrWheel1");
        VrDigitGroup1 = Get<TVrDigitGroup>(w, "VrDigitGroup1");
        VrTrackBar1 = Get<TVrTrackBar>(w, "VrTrackBar1");
        QWidget& g = p.fengraphe();
        XiButton1 = Get<TXiButton>(g, "XiButton1");
        XiButton2 = Get<TXiButton>(g, "XiButton2");
        XiButton3 = Get<TXiButton>(g, "XiButton3");
        UpDown1 = Get<TUpDown>(g, "UpDown1");
        FactorLabel1 = Get<QLabel>(g, "Label1");
        Image1 = Get<PictureView>(g, "Image1");
        QWidget& d = p.rappcycl();
        delta = Get<TVrTrackBar>(d, "delta");
        DutyVrNum1 = Get<TVrNum>(d, "VrNum1");
        QWidget& f = p.Form2();
        Form2.VrNumEdit1 = Get<TVrNumEdit>(f, "VrNumEdit1");
        Form2.VrNumEdit2 = Get<TVrNumEdit>(f, "VrNumEdit2");
        Form2.VrNumEdit3 = Get<TVrNumEdit>(f, "VrNumEdit3");
        Form2.VrStrEdit1 = Get<TVrStrEdit>(f, "VrStrEdit1");
        Form2.VrStrEdit2 = Get<TVrStrEdit>(f, "VrStrEdit2");
        Form2.CheckBox1 = Get<TVrCheckLed>(f, "CheckBox1");
        Form2.Label6 = Get<TClickableLabel>(f, "Label6");
        Form2.Label25 = Get<TClickableLabel>(f, "Label25");
        Form2.Label27 = Get<TClickableLabel>(f, "Label27");
        Form2.VrDemoButton2 = Get<TVrDemoButton>(f, "VrDemoButton2");
        Form2.OKbutt = Get<TVrDemoButton>(f, "OKbutt");
        for (int n = 1; n <= 3; ++n)
            Form2.RadioButton[n] = Get<TVrCheckLed>(f, QStringLiteral("RadioButton%1").arg(n));
    }
};

class ProgramTest : public QObject {
protected:
    // A fresh program for each test function.
    void StartProgram()
    {
        m_dialogs = FakeDialogs();
        m_program = std::make_unique<Program>(m_dialogs);
        m_ui = std::make_unique<Ui>(*m_program);
        m_program->Show();
        QVERIFY(QTest::qWaitForWindowExposed(&G()));
    }
    void StopProgram()
    {
        m_ui.reset();
        m_program.reset();
    }

    Tfensynth& W() { return m_program->fensynth(); }
    Ui& U() { return *m_ui; }
    SharedState& S() { return m_program->State(); }
    Tfengraphe& G() { return m_program->fengraphe(); }
    Trappcycl& D() { return m_program->rappcycl(); }
    int RedrawCount() { return m_program->Cycle().RedrawCount(); }
    int WheelDecade() { return W().findChild<FilterPanel*>()->WheelDecade(); }
    static void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
    // Type a cut-off in the box of the f0 read-out.
    void TypeCutoff(const QString& text)
    {
        m_dialogs.Answers.push(text);
        Click(U().VrNum1->isVisible() ? static_cast<QWidget*>(U().VrNum1) : U().Label12);
    }
    // Which of the cut-off's displays are on screen: the read-out with its
    // unit, the typed value.
    QString CutoffShown()
    {
        QStringList shown;
        if (U().VrNum1->isVisible() && U().Label11->isVisible())
            shown << "read-out";
        if (U().Label12->isVisible())
            shown << "typed";
        return shown.join(',');
    }

    FakeDialogs m_dialogs;
    std::unique_ptr<Program> m_program;
    std::unique_ptr<Ui> m_ui;
};

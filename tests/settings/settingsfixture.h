// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The settings dialog under test: shown, with the dialogs answered by the
// test, its controls found by their names, and a stand-in for the main
// window that records, in order, what the dialog asks of the other windows.

#include "tests/common/fakedialogs.h"

#include "plot/sampling.h"
#include "settings/parsignalsimple.h"
#include "widgets/tclickablelabel.h"
#include "widgets/tradiogroup.h"
#include "widgets/tvrcheckled.h"
#include "widgets/tvrdemobutton.h"
#include "widgets/tvrnumedit.h"
#include "widgets/tvrslider.h"
#include "widgets/tvrstredit.h"

#include <QDir>
#include <QtTest>

#include <array>
#include <cmath>
#include <memory>

// The main window as the dialog sees it: the mean slider, the twelve
// amplitude sliders, and the read-outs and redraws it is asked for.
class MainStandIn : public QWidget, public MainSliderSettings {
public:
    MainStandIn(SharedState& s, TForm2& form) : m_s(s)
    {
        setWindowTitle(QStringLiteral("main"));
        resize(200, 100);
        Mean = new TVrSlider(this);
        Mean->setMaxValue(400);
        Mean->setMinValue(-400);
        for (int k = 1; k <= HarmonicCount; ++k)
            Amp[k] = new TVrSlider(this);
        // The mean slider's own change handling.
        connect(Mean, &TVrSlider::OnChange, this, [this](TVrSlider* slider) {
            m_s.Signal.MeanPercent = slider->Position();
            m_s.Signal.MeanValue = slider->Position() / 100.0 * m_s.Signal.FullScaleValue;
            Log << QStringLiteral("mean %1").arg(slider->Position()) << QStringLiteral("redraw");
        });
        connect(&form, &TForm2::FundamentalChanged, this,
                [this] { Log << QStringLiteral("fundamental %1").arg(m_s.Signal.FundamentalHz); });
        connect(&form, &TForm2::FullScaleChanged, this,
                [this](const QString& text) { Log << QStringLiteral("fullscale ") + text; });
        connect(&form, &TForm2::MeanRangeChanged, this, [this](int maxValue) {
            Log << QStringLiteral("range %1").arg(maxValue);
            Mean->setMaxValue(maxValue);
            Mean->setMinValue(-maxValue);
        });
        connect(&form, &TForm2::KeyIncrementChanged, this, [this](int step) {
            Log << QStringLiteral("key %1").arg(step);
            Mean->KeyIncrement = step;
            for (int k = 1; k <= HarmonicCount; ++k)
                Amp[k]->KeyIncrement = step;
        });
        connect(&form, &TForm2::PointCountResetRequested, this, [this] { Log << QStringLiteral("points"); });
        connect(&form, &TForm2::RedrawRequested, this, [this] { Log << QStringLiteral("redraw"); });
        connect(&form, &TForm2::SpectraRedrawRequested, this, [this] { Log << QStringLiteral("spectra"); });
        form.SetMainSliders(this);
    }

    int MeanSliderMax() const override { return Mean->MaxValue(); }
    int KeyIncrement() const override { return Amp[1]->KeyIncrement; }

    TVrSlider* Mean;
    std::array<TVrSlider*, 13> Amp{};
    QStringList Log;

private:
    SharedState& m_s;
};

inline void Click(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

inline bool Finite(const SharedState& s)
{
    const TimeGraphView& v = s.View;
    return std::isfinite(s.Signal.FullScaleValue) && std::isfinite(s.Signal.MeanValue) &&
           std::isfinite(v.PeriodsShown) && std::isfinite(v.TimeStart) && std::isfinite(v.TimeEnd) &&
           std::isfinite(v.TimeStep) && s.Signal.FundamentalHz >= 1 && s.Signal.FullScaleValue > 0 &&
           v.PeriodsShown > 0 && v.PeriodsShown < 10 && v.TimeEnd > v.TimeStart && v.TimeStep > 0;
}

// The dialog's colour labels and the colour fields they edit, in the same
// order: axes, signal, synthesis, output, harmonics 1 to 12, input and
// output spectra.
inline constexpr const char* ColourLabelNames[18] = {
    "Label3",  "Label24", "Label17", "Label29", "Label7",  "Label8",  "Label5",  "Label9",  "Label10",
    "Label11", "Label12", "Label13", "Label23", "Label14", "Label15", "Label16", "Label30", "Label31"};

inline std::array<Colour*, 18> ColourFields(DisplaySettings& d)
{
    std::array<Colour*, 18> f{&d.Plot.AxisColour, &d.SignalColour, &d.SynthesisColour, &d.OutputColour};
    for (int k = 1; k <= 12; ++k)
        f[3 + k] = &d.Plot.HarmonicColour[k];
    f[16] = &d.InputSpectrumColour;
    f[17] = &d.OutputSpectrumColour;
    return f;
}

// The dialog's controls, found by their names.
struct DialogControls {
    TVrNumEdit *VrNumEdit1, *VrNumEdit2, *VrNumEdit3;
    TVrStrEdit *VrStrEdit1, *VrStrEdit2;
    TVrCheckLed *choixquad, *CheckBox1;
    TRadioGroup* RadioGroup1;
    TClickableLabel *Label6, *Label25, *Label27;
    TVrDemoButton *VrDemoButton2, *OKbutt;
    std::array<TVrCheckLed*, 4> RadioButton{}; // 1 "% amp", 2 "Ampl", 3 "RMS"
    std::array<TClickableLabel*, 18> ColourLabel{}; // in the order of ColourLabelNames
};

class SettingsFixture {
protected:
    // A control of the dialog, by its name; the test stops when there is none.
    template <typename T>
    T* Control(const QString& name) const
    {
        T* c = m_form->findChild<T*>(name);
        if (!c)
            qFatal("the settings dialog has no control %s", qPrintable(name));
        return c;
    }

    // Once for the test program: numbers typed in the numeric fields use
    // the period, and the pictures have their folder.
    static void PrepareSuite()
    {
        QLocale::setDefault(QLocale::c());
        QDir().mkpath(PICTURE_DIR);
    }

    void StartDialog()
    {
        m_s = SharedState();
        m_s.Filter.Kind = FilterKind::Amplifier;
        ResetTimeRange(m_s);
        m_dialogs = FakeDialogs();
        m_form = std::make_unique<TForm2>(m_s, m_dialogs);
        m_main = std::make_unique<MainStandIn>(m_s, *m_form);
        DialogControls& c = C;
        c.VrNumEdit1 = Control<TVrNumEdit>("VrNumEdit1");
        c.VrNumEdit2 = Control<TVrNumEdit>("VrNumEdit2");
        c.VrNumEdit3 = Control<TVrNumEdit>("VrNumEdit3");
        c.VrStrEdit1 = Control<TVrStrEdit>("VrStrEdit1");
        c.VrStrEdit2 = Control<TVrStrEdit>("VrStrEdit2");
        c.choixquad = Control<TVrCheckLed>("choixquad");
        c.CheckBox1 = Control<TVrCheckLed>("CheckBox1");
        c.RadioGroup1 = Control<TRadioGroup>("RadioGroup1");
        c.Label6 = Control<TClickableLabel>("Label6");
        c.Label25 = Control<TClickableLabel>("Label25");
        c.Label27 = Control<TClickableLabel>("Label27");
        c.VrDemoButton2 = Control<TVrDemoButton>("VrDemoButton2");
        c.OKbutt = Control<TVrDemoButton>("OKbutt");
        for (int n = 1; n <= 3; ++n)
            c.RadioButton[n] = Control<TVrCheckLed>(QStringLiteral("RadioButton%1").arg(n));
        for (int i = 0; i < 18; ++i)
            c.ColourLabel[i] = Control<TClickableLabel>(QString::fromLatin1(ColourLabelNames[i]));
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }

    void StopDialog()
    {
        m_form.reset();
        m_main.reset();
    }

    // Types into the five fields. The focus waits on OK, so that the numeric
    // fields keep the text as typed rather than as they rewrite it on leaving.
    void Fill(const QString& f, const QString& a, const QString& p, const QString& c, const QString& k)
    {
        C.OKbutt->setFocus();
        C.VrNumEdit1->setText(f);
        C.VrStrEdit1->setText(a);
        C.VrStrEdit2->setText(p);
        C.VrNumEdit2->setText(c);
        C.VrNumEdit3->setText(k);
    }

    SharedState m_s;
    FakeDialogs m_dialogs;
    std::unique_ptr<TForm2> m_form;
    std::unique_ptr<MainStandIn> m_main;
    DialogControls C{};
};

// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog's construction: its controls, where they stand, how
// they are wired to the handlers and the order Tab takes them in.
#include "settings/parsignalsimple.h"

#include "widgets/tclickablelabel.h"
#include "widgets/tradiogroup.h"
#include "widgets/tvrcheckled.h"
#include "widgets/tvrdemobutton.h"
#include "widgets/tvrdisplay.h"
#include "widgets/tvrnumedit.h"
#include "widgets/tvrstredit.h"
#include "widgets/vrlook.h"
#include "widgets/vrpanel.h"

#include <QGuiApplication>
#include <QPainter>
#include <QWindow>

#include <iterator>

// The build passes the project's version.
#ifndef PROGRAM_VERSION
#define PROGRAM_VERSION "0"
#endif

using VrPanel::Group;
using VrPanel::Named;
using VrPanel::Place;
using VrPanel::Text;

namespace {

struct ColourLabelRow {
    const char* name;
    const char* caption;
};

// Indexed by TForm2's ColourIndex.
const ColourLabelRow ColourLabels[] = {
    {"Label3", "Couleur axes"},
    {"Label24", "Couleur signal"},
    {"Label17", "Couleur synthèse"},
    {"Label29", "Couleur sortie"},
    {"Label7", "Couleur harmo 1"},
    {"Label8", "Couleur harmo 2"},
    {"Label5", "Couleur harmo 3"},
    {"Label9", "Couleur harmo 4"},
    {"Label10", "Couleur harmo 5"},
    {"Label11", "Couleur harmo 6"},
    {"Label12", "Couleur harmo 7"},
    {"Label13", "Couleur harmo 8"},
    {"Label23", "Couleur harmo 9"},
    {"Label14", "Couleur harmo 10"},
    {"Label15", "Couleur harmo11"},
    {"Label16", "Couleur harmo 12"},
    {"Label30", "Couleur spectre Entrée"},
    {"Label31", "Couleur spectre Sortie"},
};

// A sunken well behind the colour labels, filled with the graphs'
// background colour (the palette's window colour), so the labels read as a
// legend of the graphs.
class ColourWell : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        VrLook::sunkenWell(p, rect(), palette().color(QPalette::Window));
    }
};

} // namespace

TForm2::TForm2(SharedState& state, DialogService& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_state(state),
      m_dialogs(dialogs), m_pickerFont(QStringLiteral("MS Sans Serif"), 8)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Parametres"));
    setFixedSize(458, 394);
    VrPanel::Silver(this);
    BuildControls();
    Connect();
    SetTabOrder();
}

void TForm2::BuildControls()
{
    static_assert(std::size(ColourLabels) == ColourCount);
    auto field = [](auto* edit, const char* name, int y) {
        Place(edit, name, 8, y, 96, 20);
        edit->setTextColor(VrLook::SegmentHigh);
        return edit;
    };

    // Left column: what OK commits, and the spectrum mode.
    TVrDisplay* signal = Group(this, "GroupBox1", QStringLiteral("Parametres du signal"), 6, 4, 194, 142);
    QLabel* VrNumEdit1Caption = Text(signal, QStringLiteral("Fréquence: (<1MHz)"), 8, 22, 12);
    VrNumEdit1 = field(new TVrNumEdit(signal), "VrNumEdit1", 38);
    VrNumEdit1Caption->setBuddy(VrNumEdit1); // each field is named after its caption
    VrNumEdit1->setMaxValue(1000000);
    QLabel* VrStrEdit1Caption = Text(signal, QStringLiteral("Amplitude max des harmoniques"), 8, 62, 12);
    VrStrEdit1 = field(new TVrStrEdit(signal), "VrStrEdit1", 78);
    VrStrEdit1Caption->setBuddy(VrStrEdit1);
    QLabel* VrStrEdit2Caption = Text(signal, QStringLiteral("Nb de périodes visualisées<10"), 8, 102, 12);
    VrStrEdit2 = field(new TVrStrEdit(signal), "VrStrEdit2", 118);
    VrStrEdit2Caption->setBuddy(VrStrEdit2);

    TVrDisplay* synth = Group(this, "GroupBox2", QStringLiteral("Synthetiseur"), 6, 150, 194, 102);
    QLabel* VrNumEdit2Caption = Text(synth, QStringLiteral("Coeff max valmoy<=10"), 8, 22, 12);
    VrNumEdit2 = field(new TVrNumEdit(synth), "VrNumEdit2", 38);
    VrNumEdit2Caption->setBuddy(VrNumEdit2);
    VrNumEdit2->setMaxValue(10);
    VrNumEdit2->setValue(4);
    QLabel* VrNumEdit3Caption = Text(synth, QStringLiteral("Incrément (%) avec touches"), 8, 62, 12);
    VrNumEdit3 = field(new TVrNumEdit(synth), "VrNumEdit3", 78);
    VrNumEdit3Caption->setBuddy(VrNumEdit3);
    VrNumEdit3->setMinValue(1);
    VrNumEdit3->setMaxValue(10);
    VrNumEdit3->setValue(5);

    auto* spectra = Place(new TRadioGroup(QStringLiteral("Type spectres"),
                                          {QStringLiteral("% amp"), QStringLiteral("Ampl"), QStringLiteral("RMS")},
                                          true, this),
                          "GroupBox5", 6, 256, 194, 46);
    for (int n = 1; n <= 3; ++n) {
        RadioButton[n] = spectra->Item(n - 1);
        RadioButton[n]->setObjectName(QStringLiteral("RadioButton%1").arg(n));
    }
    RadioButton[1]->setChecked(true);
    connect(spectra, &TRadioGroup::OnClick, this,
            [this](TRadioGroup* group) { RadioButtonClick(group->ItemIndex() + 1); });

    // Right: the look of the graphs, acting at once.
    TVrDisplay* graphs = Group(this, "GroupBox3", QStringLiteral("Parametres graphiques"), 206, 4, 246, 302);
    choixquad = Place(new TVrCheckLed(QStringLiteral("Quadrillage"), graphs), "choixquad", 8, 24, 86, 16);
    CheckBox1 = Place(new TVrCheckLed(QStringLiteral("Fond noir"), graphs), "CheckBox1", 8, 44, 86, 16);
    CheckBox1->setChecked(true);
    RadioGroup1 = Place(new TRadioGroup(QStringLiteral("Type de quadrillage"),
                                        {QStringLiteral("Plein"), QStringLiteral("Pointillés")}, false, graphs),
                        "RadioGroup1", 98, 20, 140, 46);
    RadioGroup1->setItemIndex(1);
    for (QWidget* w : {static_cast<QWidget*>(choixquad), static_cast<QWidget*>(CheckBox1)})
        w->setCursor(Qt::PointingHandCursor);

    Label6 = Named(new TClickableLabel(QStringLiteral("Longueur graduations:  3"), graphs), "Label6");
    Label6->setFont(VrLook::font(12));
    Label6->setCursor(Qt::PointingHandCursor);
    Label6->move(8, 70);
    Label6->adjustSize();

    VrDemoButton2 =
        Place(new TVrDemoButton(QStringLiteral("Type graduations"), graphs), "VrDemoButton2", 8, 88, 112, 26);

    // Beside the font button: the palette of copies, files and reports.
    CheckBoxPapier =
        Place(new TVrCheckLed(QStringLiteral("Palette papier"), graphs), "CheckBoxPapier", 126, 93, 112, 16);
    CheckBoxPapier->setCursor(Qt::PointingHandCursor);
    CheckBoxPapier->setToolTip(QStringLiteral("Palette papier pour copies et rapports : courbes foncées sur blanc, "
                                              "titre et légende"));
    CheckBoxPapier->setAccessibleName(QStringLiteral("Palette papier pour copies et rapports"));

    Label4 = Named(Text(graphs, QStringLiteral("Couleurs des courbes:"), 8, 118, 12, true), "Label4");
    m_colourWell = Place(new ColourWell(graphs), "ColourWell", 6, 134, 234, 163);
    ShowBackground();
    auto colourLabel = [&](int index, int x, int row) {
        auto* l = Named(new TClickableLabel(QString::fromUtf8(ColourLabels[index].caption), m_colourWell),
                        ColourLabels[index].name);
        l->setFont(VrLook::font(11));
        l->setCursor(Qt::PointingHandCursor);
        l->move(x, 3 + 13 * row);
        l->adjustSize();
        ColourLabel[index] = l;
    };
    colourLabel(AxisColourIndex, 8, 0);
    colourLabel(SignalColourIndex, 8, 2);
    colourLabel(SynthesisColourIndex, 8, 3);
    colourLabel(OutputColourIndex, 8, 4);
    colourLabel(InputSpectrumColourIndex, 8, 6);
    colourLabel(OutputSpectrumColourIndex, 8, 7);
    for (int k = 1; k <= HarmonicCount; ++k)
        colourLabel(FirstHarmonicColourIndex + k - 1, 136, k - 1);
    for (int i = 0; i < ColourCount; ++i)
        ShowColour(i);

    // Along the bottom.
    OKbutt = Place(new TVrDemoButton(QStringLiteral("OK"), this), "OKbutt", 14, 318, 70, 64);
    OKbutt->setFontLeave(VrLook::font(16, true));
    OKbutt->setFontEnter(VrLook::font(16));
    OKbutt->setColorLeave(Qt::black);
    OKbutt->setColorEnter(Qt::red);

    TVrDisplay* copy = Group(this, "GroupBox4", QStringLiteral("Taille graphe copié"), 96, 310, 170, 78);
    auto sizeLabel = [&](const char* name, const QString& caption, const QString& unit, int y) {
        auto* l = Place(new TClickableLabel(caption, copy), name, 10, y, 58, 18);
        l->setAutoFillBackground(true);
        QPalette pal = l->palette();
        pal.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
        pal.setColor(QPalette::WindowText, Qt::white);
        l->setPalette(pal);
        l->setFont(VrLook::font(12, true));
        l->setAlignment(Qt::AlignCenter);
        l->setCursor(Qt::PointingHandCursor);
        l->setToolTip(QStringLiteral("Cliquer pour changer"));
        Text(copy, unit, 74, y + 2, 12);
        l->setAccessibleName(QStringLiteral("Taille graphe copié ") + unit);
        return l;
    };
    Label25 = sizeLabel("Label25", QStringLiteral("14,9"), QStringLiteral("horiz (cm)"), 26);
    Label27 = sizeLabel("Label27", QStringLiteral("11"), QStringLiteral("vertic (cm)"), 50);

    TVrDisplay* about = Group(this, "GroupBox6", QStringLiteral("A propos"), 272, 310, 180, 78);
    Text(about, QStringLiteral("Fourier et filtres"), 10, 26, 12, true, QColor(0x00, 0x80, 0x80));
    Text(about, QStringLiteral("Version " PROGRAM_VERSION), 10, 48, 12);
}

void TForm2::Connect()
{
    connect(OKbutt, &TVrDemoButton::OnClick, this, &TForm2::OKbuttClick);
    connect(choixquad, &TVrCheckLed::OnChange, this, &TForm2::choixquadClick);
    connect(RadioGroup1, &TRadioGroup::OnClick, this, &TForm2::RadioGroup1Click);
    connect(CheckBox1, &TVrCheckLed::OnChange, this, &TForm2::CheckBox1Click);
    connect(CheckBoxPapier, &TVrCheckLed::OnChange, this, &TForm2::CheckBoxPapierClick);
    connect(Label6, &TClickableLabel::OnClick, this, &TForm2::Label6Click);
    connect(VrDemoButton2, &TVrDemoButton::OnClick, this, &TForm2::VrDemoButton2Click);
    for (int i = 0; i < ColourCount; ++i)
        connect(ColourLabel[i], &TClickableLabel::OnClick, this, [this, i] { ColourLabelClick(i); });
    connect(Label25, &TClickableLabel::OnClick, this, [this] { CopySizeClick(false); });
    connect(Label27, &TClickableLabel::OnClick, this, [this] { CopySizeClick(true); });
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &TForm2::FocusWindowChanged);
}

// Tab runs as the dialog reads: down the left column (signal, synthesiser,
// spectrum type), down the graphs group (the colour legend a column at a
// time), then along the bottom (OK, copy width, copy height).
void TForm2::SetTabOrder()
{
    QList<QWidget*> order{VrNumEdit1, VrStrEdit1, VrStrEdit2, VrNumEdit2, VrNumEdit3,
                          RadioButton[1], RadioButton[2], RadioButton[3], choixquad, CheckBox1,
                          RadioGroup1->Item(0), RadioGroup1->Item(1), Label6, VrDemoButton2, CheckBoxPapier};
    for (int i : {AxisColourIndex, SignalColourIndex, SynthesisColourIndex, OutputColourIndex,
                  InputSpectrumColourIndex, OutputSpectrumColourIndex})
        order << ColourLabel[i];
    for (int k = 1; k <= HarmonicCount; ++k)
        order << ColourLabel[FirstHarmonicColourIndex + k - 1];
    order << OKbutt << Label25 << Label27;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

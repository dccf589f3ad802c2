// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/parsignalsimple.h"

#include "numeric/numbers.h"
#include "settings/settingsrules.h"
#include "widgets/dialogservice.h"
#include "widgets/tvrcheckled.h"
#include "widgets/tvrdemobutton.h"
#include "widgets/tvrnumedit.h"
#include "widgets/tvrstredit.h"
#include "widgets/vrlook.h"
#include "widgets/vrpanel.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QWindow>

#include <algorithm>

// The build passes the project's version.
#ifndef PROGRAM_VERSION
#define PROGRAM_VERSION "0"
#endif

using VrPanel::Place;
using VrPanel::Text;

namespace {

struct ColourLabelRow {
    const char* name;
    const char* caption;
};

// Indexed by TForm2::ColourIndex.
const ColourLabelRow ColourLabels[TForm2::ColourCount] = {
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

const SpectrumMode SpectrumModes[4] = {SpectrumMode::Percent, SpectrumMode::Percent, SpectrumMode::Amplitude,
                                       SpectrumMode::Rms};

QString Fmt(double v)
{
    return QString::fromStdString(FormatNumber(v));
}

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A whole-number field as OK reads it, in the field's own locale.
NumberField Read(const TVrNumEdit* edit)
{
    bool ok = false;
    const double v = edit->Value(&ok);
    return {edit->text().toStdString(), ok ? std::optional<double>(v) : std::nullopt};
}

QColor ToQColor(Colour c)
{
    return QColor(QRgb(c & 0xFFFFFF));
}

QString CopySize(std::int32_t px)
{
    return QString::fromStdString(CopySizeText(px));
}

template <typename T>
T* Named(T* w, const char* name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

TVrDisplay* Group(QWidget* parent, const char* name, const QString& caption, int x, int y, int w, int h)
{
    auto* panel = Named(Place(new TVrDisplay(parent), x, y, w, h), name);
    Text(panel, caption, 8, 4, 12, true);
    return panel;
}

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

TClickableLabel::TClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void TClickableLabel::setTextColour(const QColor& colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, colour);
    setPalette(pal);
}

QColor TClickableLabel::textColour() const
{
    return palette().color(QPalette::WindowText);
}

void TClickableLabel::mouseReleaseEvent(QMouseEvent* e)
{
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit OnClick(this);
}

void TClickableLabel::keyPressEvent(QKeyEvent* e)
{
    if (VrLook::isActivationKey(e) && !e->isAutoRepeat()) {
        emit OnClick(this);
        return;
    }
    QLabel::keyPressEvent(e);
}

void TClickableLabel::paintEvent(QPaintEvent* e)
{
    QLabel::paintEvent(e);
    if (!hasFocus())
        return;
    QPainter p(this);
    const QWidget* under = autoFillBackground() || !parentWidget() ? this : parentWidget();
    const bool dark = under->palette().color(QPalette::Window).lightness() <= 128;
    VrLook::focusMark(p, rect(), dark ? VrLook::Highlight : VrLook::Focus);
}

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, bool boldCaption, QWidget* parent)
    : TVrDisplay(parent)
{
    Text(this, caption, boldCaption ? 8 : 6, boldCaption ? 4 : 5, 12, boldCaption);
    int x = 8;
    for (const QString& item : items) {
        auto* led = new TVrCheckLed(item, this);
        led->setCheckStyle(TVrCheckLed::csRadioButton);
        led->setCursor(Qt::PointingHandCursor);
        led->setGeometry(x, 23, led->sizeHint().width(), led->sizeHint().height());
        x += led->width() + 10;
        m_items.append(led);
        connect(led, &TVrCheckLed::OnChange, this, [this](TVrCheckLed* sender) {
            if (sender->Checked()) {
                emit OnClick(this);
            } else if (ItemIndex() < 0) {
                const QSignalBlocker quiet(sender);
                sender->setChecked(true);
            }
        });
    }
}

int TRadioGroup::ItemIndex() const
{
    for (int i = 0; i < m_items.size(); ++i)
        if (m_items[i]->Checked())
            return i;
    return -1;
}

void TRadioGroup::setItemIndex(int index)
{
    if (TVrCheckLed* led = m_items.value(index))
        led->setChecked(true);
}

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
    auto field = [](auto* edit, const char* name, int y) {
        Named(Place(edit, 8, y, 96, 20), name);
        edit->setTextColor(VrLook::SegmentHigh);
        return edit;
    };

    // Left column: what OK commits, and the spectrum mode.
    TVrDisplay* signal = Group(this, "GroupBox1", QStringLiteral("Parametres du signal"), 6, 4, 194, 142);
    Text(signal, QStringLiteral("Fréquence: (<1MHz)"), 8, 22, 12);
    VrNumEdit1 = field(new TVrNumEdit(signal), "VrNumEdit1", 38);
    VrNumEdit1->setMaxValue(1000000);
    Text(signal, QStringLiteral("Amplitude max des harmoniques"), 8, 62, 12);
    VrStrEdit1 = field(new TVrStrEdit(signal), "VrStrEdit1", 78);
    Text(signal, QStringLiteral("Nb de périodes visualisées<10"), 8, 102, 12);
    VrStrEdit2 = field(new TVrStrEdit(signal), "VrStrEdit2", 118);

    TVrDisplay* synth = Group(this, "GroupBox2", QStringLiteral("Synthetiseur"), 6, 150, 194, 102);
    Text(synth, QStringLiteral("Coeff max valmoy<=10"), 8, 22, 12);
    VrNumEdit2 = field(new TVrNumEdit(synth), "VrNumEdit2", 38);
    VrNumEdit2->setMaxValue(10);
    VrNumEdit2->setValue(4);
    Text(synth, QStringLiteral("Incrément (%) avec touches"), 8, 62, 12);
    VrNumEdit3 = field(new TVrNumEdit(synth), "VrNumEdit3", 78);
    VrNumEdit3->setMinValue(1);
    VrNumEdit3->setMaxValue(10);
    VrNumEdit3->setValue(5);

    auto* spectra = Named(Place(new TRadioGroup(QStringLiteral("Type spectres"),
                                                {QStringLiteral("% amp"), QStringLiteral("Ampl"), QStringLiteral("RMS")},
                                                true, this),
                                6, 256, 194, 46),
                          "GroupBox5");
    for (int n = 1; n <= 3; ++n) {
        RadioButton[n] = spectra->Item(n - 1);
        RadioButton[n]->setObjectName(QStringLiteral("RadioButton%1").arg(n));
    }
    RadioButton[1]->setChecked(true);
    connect(spectra, &TRadioGroup::OnClick, this,
            [this](TRadioGroup* group) { RadioButtonClick(group->ItemIndex() + 1); });

    // Right: the look of the graphs, acting at once.
    TVrDisplay* graphs = Group(this, "GroupBox3", QStringLiteral("Parametres graphiques"), 206, 4, 246, 302);
    choixquad = Named(Place(new TVrCheckLed(QStringLiteral("Quadrillage"), graphs), 8, 24, 86, 16), "choixquad");
    CheckBox1 = Named(Place(new TVrCheckLed(QStringLiteral("Fond noir"), graphs), 8, 44, 86, 16), "CheckBox1");
    CheckBox1->setChecked(true);
    RadioGroup1 = Named(Place(new TRadioGroup(QStringLiteral("Type de quadrillage"),
                                              {QStringLiteral("Plein"), QStringLiteral("Pointillés")}, false, graphs),
                              98, 20, 140, 46),
                        "RadioGroup1");
    RadioGroup1->setItemIndex(1);
    for (QWidget* w : {static_cast<QWidget*>(choixquad), static_cast<QWidget*>(CheckBox1)})
        w->setCursor(Qt::PointingHandCursor);

    Label6 = Named(new TClickableLabel(QStringLiteral("Longueur graduations:  3"), graphs), "Label6");
    Label6->setFont(VrLook::font(12));
    Label6->setCursor(Qt::PointingHandCursor);
    Label6->move(8, 70);
    Label6->adjustSize();

    VrDemoButton2 = Named(Place(new TVrDemoButton(QStringLiteral("Type graduations"), graphs), 8, 88, 112, 26),
                          "VrDemoButton2");

    Label4 = Named(Text(graphs, QStringLiteral("Couleurs des courbes:"), 8, 118, 12, true), "Label4");
    m_colourWell = Named(Place(new ColourWell(graphs), 6, 134, 234, 163), "ColourWell");
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
    OKbutt = Named(Place(new TVrDemoButton(QStringLiteral("OK"), this), 14, 318, 70, 64), "OKbutt");
    OKbutt->setFontLeave(VrLook::font(16, true));
    OKbutt->setFontEnter(VrLook::font(16));
    OKbutt->setColorLeave(Qt::black);
    OKbutt->setColorEnter(Qt::red);

    TVrDisplay* copy = Group(this, "GroupBox4", QStringLiteral("Taille graphe copié"), 96, 310, 170, 78);
    auto sizeLabel = [&](const char* name, const QString& caption, const QString& unit, int y) {
        auto* l = Named(Place(new TClickableLabel(caption, copy), 10, y, 58, 18), name);
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
                          RadioGroup1->Item(0), RadioGroup1->Item(1), Label6, VrDemoButton2};
    for (int i : {AxisColourIndex, SignalColourIndex, SynthesisColourIndex, OutputColourIndex,
                  InputSpectrumColourIndex, OutputSpectrumColourIndex})
        order << ColourLabel[i];
    for (int k = 1; k <= HarmonicCount; ++k)
        order << ColourLabel[FirstHarmonicColourIndex + k - 1];
    order << OKbutt << Label25 << Label27;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

Colour& TForm2::ColourField(int index)
{
    DisplaySettings& d = m_state.Display;
    switch (index) {
    case AxisColourIndex:
        return d.Plot.AxisColour;
    case SignalColourIndex:
        return d.SignalColour;
    case SynthesisColourIndex:
        return d.SynthesisColour;
    case OutputColourIndex:
        return d.OutputColour;
    case InputSpectrumColourIndex:
        return d.InputSpectrumColour;
    case OutputSpectrumColourIndex:
        return d.OutputSpectrumColour;
    default:
        return d.Plot.HarmonicColour[std::clamp(index - FirstHarmonicColourIndex + 1, 1, HarmonicCount)];
    }
}

void TForm2::ShowColour(int index)
{
    ColourLabel[index]->setTextColour(ToQColor(ColourField(index)));
}

// Loads the fields from the state, replacing whatever was typed and not
// committed.
void TForm2::initparamsignal()
{
    VrNumEdit1->setValue(m_state.Signal.FundamentalHz);
    VrStrEdit1->setText(Fmt(m_state.Signal.FullScaleValue));
    VrStrEdit2->setText(Fmt(m_state.View.PeriodsShown));
    if (m_sliders) {
        VrNumEdit2->setValue(m_sliders->MeanSliderMax() / 100.0);
        VrNumEdit3->setValue(m_sliders->KeyIncrement());
    }
    for (int i = 0; i < ColourCount; ++i)
        ShowColour(i);
}

// Checks and commits the five fields in turn; the first refused one shows
// its message and ends the handler, leaving the fields before it committed.
void TForm2::OKbuttClick()
{
    const SignalFields fields{Read(VrNumEdit1), VrStrEdit1->text().toStdString(), VrStrEdit2->text().toStdString(),
                              Read(VrNumEdit2), Read(VrNumEdit3)};
    const SignalCommit commit = CommitSignalFields(m_state, fields);
    if (commit.MeanBound)
        emit MeanRangeChanged(*commit.MeanBound);
    if (commit.KeyStep)
        emit KeyIncrementChanged(*commit.KeyStep);
    if (!commit.Accepted())
        return m_dialogs.Error(this, FromUtf8(commit.Message));

    hide();
    emit FundamentalChanged();
    emit FullScaleChanged(Fmt(m_state.Signal.FullScaleValue));
    emit RedrawRequested();
}

void TForm2::choixquadClick()
{
    m_state.Display.Plot.GridOn = choixquad->Checked();
    emit PointCountResetRequested();
}

void TForm2::RadioGroup1Click()
{
    m_state.Display.Plot.GridDotted = RadioGroup1->ItemIndex() != 0;
    emit PointCountResetRequested();
}

void TForm2::CheckBox1Click()
{
    m_state.Display.BlackBackground = CheckBox1->Checked();
    ShowBackground();
}

void TForm2::ShowBackground()
{
    QPalette pal = m_colourWell->palette();
    pal.setColor(QPalette::Window, m_state.Display.BlackBackground ? Qt::black : Qt::white);
    m_colourWell->setPalette(pal);
}

// The tick length, 1 to 30 pixels; another whole number is ignored, a text
// that is no whole number is refused with a message.
void TForm2::Label6Click()
{
    const std::optional<QString> answer =
        m_dialogs.InputBox(this, QStringLiteral("Longueur des graduations"),
                           QStringLiteral("Entrer la longueur des graduations < 30"),
                           QString::number(m_state.Display.Plot.GraduationLength));
    if (!answer)
        return;
    const std::optional<std::int32_t> n = ReadWholeNumber(answer->toStdString());
    if (!n)
        return m_dialogs.Error(this, FromUtf8(NotANumberMessage(answer->toStdString())));
    if (IsGraduationLengthAllowed(*n))
        m_state.Display.Plot.GraduationLength = *n;
    emit PointCountResetRequested();
}

// The graduation font, taken from the font picker when confirmed and of a
// size the graphs are laid out for; another size is refused with a message
// and the font in force stays, in the state and in the picker.
void TForm2::VrDemoButton2Click()
{
    const std::optional<QFont> font = m_dialogs.ChooseFont(this, m_pickerFont);
    if (!font)
        return;
    const std::int32_t points = FontPoints(font->pointSize(), font->pixelSize());
    if (!IsGraduationFontSizeAllowed(points))
        return m_dialogs.Error(this, FromUtf8(FontSizeMessage));
    m_pickerFont = *font;
    m_state.Display.Plot.FontName = font->family().toStdString();
    m_state.Display.Plot.FontSize = points;
    emit PointCountResetRequested();
}

// A colour label: the colour picker opens at the colour last taken from it;
// a confirmed colour goes to the field the label edits and to the label.
void TForm2::ColourLabelClick(int index)
{
    if (index < 0 || index >= ColourCount)
        return;
    const std::optional<QColor> colour = m_dialogs.ChooseColour(this, m_pickerColour);
    if (!colour || !colour->isValid())
        return;
    m_pickerColour = colour->toRgb();
    ColourField(index) = m_pickerColour.rgb() & 0xFFFFFF;
    ShowColour(index);
    if (index != InputSpectrumColourIndex && index != OutputSpectrumColourIndex)
        emit PointCountResetRequested();
}

// The copy width or height, typed in centimetres: a size of more than 50
// whole pixels and less than 30 cm is taken, anything else ignored.
void TForm2::CopySizeClick(bool height)
{
    std::int32_t& px = height ? m_state.Display.CopyHeightPx : m_state.Display.CopyWidthPx;
    const std::optional<QString> answer =
        m_dialogs.InputBox(this, height ? QStringLiteral("Entrer la hauteur") : QStringLiteral("Entrer la largeur"),
                           height ? QStringLiteral("Hauteur en cm < 30") : QStringLiteral("Largeur en cm < 30"),
                           CopySize(px));
    if (!answer)
        return;
    if (const std::optional<std::int32_t> taken = CopySizeFromText(answer->toStdString()))
        px = *taken;
    (height ? Label27 : Label25)->setText(CopySize(px) + QStringLiteral(" cm"));
}

void TForm2::RadioButtonClick(int n)
{
    if (n < 1 || n > 3 || !RadioButton[n]->Checked())
        return;
    m_state.Display.SpectrumMode = SpectrumModes[n];
    emit SpectraRedrawRequested();
}

bool TForm2::IsOwnWindow(const QWindow* w) const
{
    const QWindow* mine = windowHandle();
    for (; w; w = w->transientParent())
        if (w == mine)
            return true;
    return false;
}

// Remembers that another window of the program took over, so that coming
// back reloads the fields; the dialog's own boxes and pickers do not count,
// nor does leaving for another program.
void TForm2::FocusWindowChanged(QWindow* w)
{
    if (w && !IsOwnWindow(w))
        m_cameFromOtherWindow = true;
}

bool TForm2::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate && m_cameFromOtherWindow) {
        m_cameFromOtherWindow = false;
        initparamsignal();
    }
    return QWidget::event(e);
}

void TForm2::showEvent(QShowEvent* e)
{
    m_cameFromOtherWindow = false;
    initparamsignal();
    QWidget::showEvent(e);
}

// The dialog closes only through OK.
void TForm2::closeEvent(QCloseEvent* e)
{
    e->ignore();
}

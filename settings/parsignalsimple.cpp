// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog's handlers: it loads its fields from the state, hands
// what is typed to the settings rules, shows their messages and applies what
// they take.
#include "settings/parsignalsimple.h"

#include "numeric/numbers.h"
#include "plot/plottext.h"
#include "settings/settingsrules.h"
#include "widgets/dialogservice.h"
#include "widgets/tclickablelabel.h"
#include "widgets/tradiogroup.h"
#include "widgets/tvrcheckled.h"
#include "widgets/tvrnumedit.h"
#include "widgets/tvrstredit.h"

#include <QCloseEvent>
#include <QWindow>

#include <algorithm>

namespace {

const SpectrumMode SpectrumModes[4] = {SpectrumMode::Percent, SpectrumMode::Percent, SpectrumMode::Amplitude,
                                       SpectrumMode::Rms};

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

QString CopySize(std::int32_t px)
{
    return QString::fromStdString(CopySizeText(px));
}

} // namespace

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
    VrStrEdit1->setText(NumberText(m_state.Signal.FullScaleValue));
    VrStrEdit2->setText(NumberText(m_state.View.PeriodsShown));
    if (m_sliders) {
        VrNumEdit2->setValue(MeanCoefficientForBound(m_sliders->MeanSliderMax()));
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
    emit FullScaleChanged(NumberText(m_state.Signal.FullScaleValue));
    emit RedrawRequested();
}

void TForm2::choixquadClick()
{
    m_state.Display.Plot.GridOn = choixquad->Checked();
    emit PointCountResetRequested();
}

void TForm2::CheckBoxPapierClick()
{
    m_state.Display.PaperPalette = CheckBoxPapier->Checked();
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

void TForm2::ShowDisplay(const DisplaySettings& before)
{
    const DisplaySettings& d = m_state.Display;
    choixquad->setChecked(d.Plot.GridOn);
    RadioGroup1->setItemIndex(d.Plot.GridDotted ? 1 : 0);
    CheckBox1->setChecked(d.BlackBackground);
    CheckBoxPapier->setChecked(d.PaperPalette);
    ShowBackground();
    for (int n = 1; n <= 3; ++n)
        if (SpectrumModes[n] == d.SpectrumMode)
            RadioButton[n]->setChecked(true);
    if (d.CopyWidthPx != before.CopyWidthPx)
        Label25->setText(CopySize(d.CopyWidthPx) + QStringLiteral(" cm"));
    if (d.CopyHeightPx != before.CopyHeightPx)
        Label27->setText(CopySize(d.CopyHeightPx) + QStringLiteral(" cm"));
    for (int i = 0; i < ColourCount; ++i)
        ShowColour(i);
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

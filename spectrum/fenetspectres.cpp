// SPDX-License-Identifier: GPL-3.0-or-later
#include "spectrum/fenetspectres.h"

#include "plot/plottext.h"
#include "report/reportcore.h"
#include "spectrum/spectrumdrawing.h"
#include "widgets/artwork.h"
#include "widgets/pictureview.h"
#include "widgets/txibutton.h"
#include "widgets/vrpanel.h"

#include "plot/cursorcore.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>

Tfenspectres::Tfenspectres(SharedState& state, QWidget* parent)
    : GraphWindow(state, QStringLiteral("Spectre(s)"), parent)
{
    XiButton2 = VrPanel::CaptionButton(this, "XiButton2", QStringLiteral("Valeurs"), QStringLiteral("Valeurs des raies"),
                                       ButtonGlyph(GlyphKind::Values, 32, ArtworkRatio()), 120);
    connect(XiButton2, &TXiButton::OnClick, this, &Tfenspectres::XiButton2Click);

    LectureRaie = new QLabel(this);
    LectureRaie->setObjectName(QStringLiteral("LectureRaie"));
    LectureRaie->setAccessibleName(QStringLiteral("Lecture de la raie"));
    LectureRaie->setWordWrap(true);
    LectureRaie->hide();
    PictureWidget()->setMouseTracking(true);
    PictureWidget()->setFocusPolicy(Qt::StrongFocus);
    PictureWidget()->setAccessibleName(QStringLiteral("Spectres"));
    PictureWidget()->setAccessibleDescription(QStringLiteral("Flèches gauche et droite : raie précédente ou suivante"));
    PictureWidget()->installEventFilter(this);
    setGeometry(3, 454, 565, 288);
}

void Tfenspectres::ReadLine(int rank)
{
    m_rank = std::clamp(rank, -1, HarmonicCount);
    ShowLine();
}

void Tfenspectres::ShowLine()
{
    if (m_rank < 0 || !m_layout.Drawn) {
        LectureRaie->hide();
        return;
    }
    const int k = m_rank;
    auto text = [](double v) { return QString::fromStdString(ReadoutNumber(v)); };
    QString mode;
    switch (m_state.Display.SpectrumMode) {
    case SpectrumMode::Percent: mode = QStringLiteral("en % de la pleine échelle"); break;
    case SpectrumMode::Amplitude: mode = QStringLiteral("valeurs crête"); break;
    case SpectrumMode::Rms: mode = QStringLiteral("valeurs efficaces"); break;
    }
    const double hz = static_cast<double>(k) * m_state.Signal.FundamentalHz;
    const QString line = QStringLiteral("Rang %1%2 : %3 Hz — %4 : entrée %5, sortie %6")
                             .arg(k)
                             .arg(k == 0 ? QStringLiteral(" (valeur moyenne)") : QString())
                             .arg(text(hz), mode, text(m_layout.LabelIn[k]), text(m_layout.LabelOut[k]));
    LectureRaie->setText(line);
    LectureRaie->setAccessibleName(QStringLiteral("Raie : ") + line);
    // Under the picture, across the window, on two lines when one is too
    // narrow for it.
    const QSize picture = PictureSize();
    const int width = std::max(1, this->width() - 2 * PictureLeft);
    LectureRaie->setGeometry(PictureLeft, PictureTop + std::max(0, picture.height()) + 2, width,
                             LectureRaie->heightForWidth(width));
    LectureRaie->show();
}

bool Tfenspectres::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != PictureWidget())
        return false;
    if (event->type() == QEvent::MouseMove) {
        const PlotFrame f = SpectrumRankFrame(m_state.Display, m_pictureWidth, 0);
        const int x = static_cast<QMouseEvent*>(event)->position().toPoint().x();
        const double rank = ColumnToValue(f.Left(), f.Right(), std::clamp(x, f.Left(), f.Right()), f.xMin, f.xMax);
        ReadLine(std::clamp(static_cast<int>(std::lround(rank)), 0, HarmonicCount));
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Right || key == Qt::Key_Left) {
            const int step = key == Qt::Key_Right ? 1 : -1;
            ReadLine(m_rank < 0 ? 0 : std::clamp(m_rank + step, 0, HarmonicCount));
            return true;
        }
        if (key == Qt::Key_Escape && m_rank >= 0) {
            ReadLine(-1);
            return true;
        }
    }
    return false;
}

QSize Tfenspectres::PictureSize() const
{
    return QSize(width() - 50, height() - 100);
}

void Tfenspectres::Redraw()
{
    const QSize size = PictureSize();
    ShowPicture(size.width(), size.height());
}

void Tfenspectres::PaintPicture(QImage& target, int w, int h, qreal ratio)
{
    m_layout = DrawSpectra(target, m_state, w, h, ratio);
    m_pictureWidth = w;
    ShowLine();
}

void Tfenspectres::PaintVector(QPaintDevice& device, int w, int h)
{
    DrawSpectraVector(device, m_state, m_layout, w, h);
}

GraphFacts Tfenspectres::Facts() const
{
    const DisplaySettings& d = m_state.Display;
    QString mode;
    switch (d.SpectrumMode) {
    case SpectrumMode::Percent: mode = QStringLiteral("en % de l'amplitude"); break;
    case SpectrumMode::Amplitude: mode = QStringLiteral("en amplitude"); break;
    case SpectrumMode::Rms: mode = QStringLiteral("en valeur efficace"); break;
    }
    QStringList shown;
    if (d.ShowInputSpectrum)
        shown << QStringLiteral("entrée");
    if (d.ShowOutputSpectrum)
        shown << QStringLiteral("sortie");
    GraphFacts f;
    f.Description = (shown.isEmpty() ? QStringLiteral("Aucun spectre")
                                     : QStringLiteral("Spectre ") + shown.join(QStringLiteral(" et ")));
    if (m_layout.Drawn)
        f.Description += QLatin1Char(' ') + mode + QStringLiteral(", rangs 0 à 12, échelle de 0 à ") +
                         Spoken(m_layout.YMax);
    f.Description += QLatin1Char('.');
    if (!m_layout.Drawn || shown.isEmpty())
        return f;
    f.Header = QStringList{QStringLiteral("Rang")} + shown;
    f.Header.replaceInStrings(QStringLiteral("entrée"), QStringLiteral("Entrée"));
    f.Header.replaceInStrings(QStringLiteral("sortie"), QStringLiteral("Sortie"));
    for (int k = 0; k < RowCount; ++k) {
        QStringList row{k == 0 ? QStringLiteral("0 (moyenne)") : QString::number(k)};
        if (d.ShowInputSpectrum)
            row << Spoken(m_layout.LabelIn[k]);
        if (d.ShowOutputSpectrum)
            row << Spoken(m_layout.LabelOut[k]);
        f.Rows << row;
    }
    return f;
}

namespace {

// The state with a series to draw: both when none is selected.
SharedState WithSeries(const SharedState& state)
{
    SharedState s = state;
    if (!s.Display.ShowInputSpectrum && !s.Display.ShowOutputSpectrum)
        s.Display.ShowInputSpectrum = s.Display.ShowOutputSpectrum = true;
    return s;
}

} // namespace

void Tfenspectres::PaintGraph(QPainter& painter, const SharedState& state, int w, int h)
{
    const SharedState s = WithSeries(state);
    PaintSpectra(painter, s, SpectrumLayoutFor(s), w, h, VectorSpectrumStyle());
}

std::vector<LegendEntry> Tfenspectres::Legend(const SharedState& state) const
{
    const SharedState s = WithSeries(state);
    std::vector<LegendEntry> legend;
    if (s.Display.ShowInputSpectrum)
        legend.push_back({QStringLiteral("Entrée"), ToQColor(s.Display.InputSpectrumColour)});
    if (s.Display.ShowOutputSpectrum)
        legend.push_back({QStringLiteral("Sortie"), ToQColor(s.Display.OutputSpectrumColour)});
    return legend;
}

void Tfenspectres::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    const QSize size = PictureSize();
    if (size.width() > 150 && size.height() > 150)
        Redraw();
    else
        ShowLine();
}

void Tfenspectres::closeEvent(QCloseEvent* e)
{
    emit Closed();
    QWidget::closeEvent(e);
}

void Tfenspectres::XiButton2Click()
{
    m_state.Display.ShowLineValues = !m_state.Display.ShowLineValues;
    Redraw();
}

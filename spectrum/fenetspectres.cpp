// SPDX-License-Identifier: GPL-3.0-or-later
#include "spectrum/fenetspectres.h"

#include "spectrum/spectrumdrawing.h"
#include "widgets/artwork.h"
#include "widgets/txibutton.h"
#include "widgets/vrpanel.h"

#include <QCloseEvent>
#include <QPixmap>
#include <QResizeEvent>

Tfenspectres::Tfenspectres(SharedState& state, QWidget* parent)
    : GraphWindow(state, QStringLiteral("Spectre(s)"), parent)
{
    XiButton2 = VrPanel::CaptionButton(this, "XiButton2", QStringLiteral("Valeurs"), QStringLiteral("Valeurs des raies"),
                                       ButtonGlyph(GlyphKind::Values, 32, ArtworkRatio()), 120);
    connect(XiButton2, &TXiButton::OnClick, this, &Tfenspectres::XiButton2Click);
    setGeometry(3, 454, 565, 288);
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

void Tfenspectres::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    const QSize size = PictureSize();
    if (size.width() > 150 && size.height() > 150)
        Redraw();
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "spectrum/spectrumdrawing.h"


#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <utility>

namespace {

constexpr int ValueFontPoints = 8;
constexpr int InputValueRow = 0;
constexpr int OutputValueRow = 12;

void LegendLine(QPainter& painter, const QColor& colour, int y)
{
    painter.setPen(LinePen(painter, colour));
    StrokeLine(painter, 15, y, 35, y);
}

// A bar drawn as with a pen 3 pixels wide along column x: columns x - 1 .. x + 1,
// from the zero row up to the row of its value.
void Bar(QPainter& painter, const QColor& colour, int x, int zeroRow, int valueRow)
{
    if (valueRow == zeroRow)
        return;
    const int top = std::min(zeroRow, valueRow);
    const int bottom = std::max(zeroRow, valueRow);
    painter.fillRect(QRect(QPoint(x - 1, top), QPoint(x + 1, bottom)), colour);
}

const char* ModeText(::SpectrumMode mode)
{
    switch (mode) {
    case SpectrumMode::Percent: return "%";
    case SpectrumMode::Amplitude: return "AMP";
    case SpectrumMode::Rms: return "RMS";
    }
    return "";
}

} // namespace

SpectrumStyle RasterSpectrumStyle(const DisplaySettings& display)
{
    return {RasterStyle(display), 28, "Sortx"};
}

SpectrumStyle VectorSpectrumStyle()
{
    return {VectorStyle(), 10, "Sortiex"};
}

void PaintSpectra(QPainter& painter, const SharedState& state, const SpectrumLayout& layout, int w, int h,
                  const SpectrumStyle& style)
{
    const DisplaySettings& d = state.Display;
    const SurfaceStyle& surface = style.Surface;
    const int l = style.LegendBase;
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (surface.FillBackground && d.BlackBackground)
        painter.fillRect(0, 0, w, h, Qt::black);

    // The legend, in the surface's own face at the plot's size.
    painter.setFont(PointFont(QFont().family(), d.Plot.FontSize));
    const QColor inColour = ToQColor(d.InputSpectrumColour);
    const QColor outColour = ToQColor(d.OutputSpectrumColour);
    if (d.ShowInputSpectrum) {
        LegendLine(painter, inColour, l + 5);
        WriteText(painter, 15, l + 10, QStringLiteral("Entree"), inColour, surface);
    }
    if (d.ShowOutputSpectrum) {
        LegendLine(painter, outColour, l + 27);
        WriteText(painter, 15, l + 30, QString::fromLatin1(style.OutputLegend) + NumberText(d.OutputScaleFactor),
                  outColour, surface);
    }

    if (!layout.Drawn)
        return;

    PlotFrame frame;
    frame.xMin = -1;
    frame.xMax = 12;
    frame.xStep = 1;
    frame.yMin = layout.YMin;
    frame.yMax = layout.YMax;
    frame.yStep = layout.Step;
    frame.W = w;
    frame.H = h;
    DrawAxes(painter, d.Plot, frame, surface);

    const QColor axis = ToQColor(d.Plot.AxisColour);
    const int zero = frame.Row(0.0);
    WriteText(painter, frame.Column(11) - 10, zero + 5,
              QStringLiteral("*") + NumberText(state.Signal.FundamentalHz) + QStringLiteral("Hz"), axis, surface);
    WriteText(painter, 15, l + 50, QString::fromLatin1(ModeText(d.SpectrumMode)), axis, surface);

    painter.setFont(PointFont(QString::fromStdString(d.Plot.FontName), ValueFontPoints));
    if (d.ShowInputSpectrum) {
        for (int k = 0; k < RowCount; ++k) {
            const int x = frame.Column(k);
            Bar(painter, inColour, x - 1, zero, frame.Row(layout.BarIn[k]));
            if (d.ShowLineValues)
                WriteText(painter, x, InputValueRow, NumberText(layout.LabelIn[k]), inColour, surface);
        }
    }
    if (d.ShowOutputSpectrum) {
        for (int k = 0; k < RowCount; ++k) {
            const int x = frame.Column(k);
            Bar(painter, outColour, x + 2, zero, frame.Row(layout.BarOut[k]));
            if (d.ShowLineValues)
                WriteText(painter, x, OutputValueRow, NumberText(layout.LabelOut[k]), outColour, surface);
        }
    }
}

SpectrumLayout DrawSpectra(QImage& target, SharedState& state, int w, int h, qreal ratio)
{
    if (w <= 0 || h <= 0)
        return SpectrumLayoutFor(state);
    const SpectrumLayout layout = ComputeSpectrumLayout(state);
    PaintOnRaster(
        target, w, h,
        [&](QPainter& painter) { PaintSpectra(painter, state, layout, w, h, RasterSpectrumStyle(state.Display)); },
        ratio);
    return layout;
}

void DrawSpectraVector(QPaintDevice& metafile, SharedState& state, int w, int h)
{
    if (w <= 0 || h <= 0)
        return;
    DrawSpectraVector(metafile, std::as_const(state), ComputeSpectrumLayout(state), w, h);
}

void DrawSpectraVector(QPaintDevice& metafile, const SharedState& state, const SpectrumLayout& layout, int w, int h)
{
    PaintOnDevice(metafile, w, h, [&](QPainter& painter) { PaintSpectra(painter, state, layout, w, h, VectorSpectrumStyle()); });
}

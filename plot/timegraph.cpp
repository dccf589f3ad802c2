// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/timegraph.h"

#include "plot/axes.h"
#include "plot/graphcursors.h"
#include "plot/pixelline.h"
#include "plot/plottext.h"
#include "plot/sampling.h"
#include "plot/surface.h"
#include "plot/textlayout.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPoint>

#include <optional>
#include <span>
#include <vector>

namespace {

// The frame of the time graph: margins for the label font, and room under
// the time axis for its labels.
PlotFrame TimeFrame(const TimeGraphView& v, const param& p, const FontMeasure& fm, int w, int h)
{
    PlotFrame f;
    f.xMin = v.TimeStart;
    f.xMax = v.TimeEnd;
    f.yMin = v.ValueMin;
    f.yMax = v.ValueMax;
    f.xStep = v.TimeStep;
    f.yStep = v.ValueStep;
    f.W = w;
    f.H = h;
    FitMarginsToFont(f, fm.Font());
    MakeRoomUnderAxis(f, p.AxesAtOrigin ? 0.0 : f.yMin + f.yStep, fm);
    return f;
}

class CurvePainter {
public:
    // `pixels`, when given, is the RGB32 raster picture the painter draws
    // on: the curves are then written into its pixels.
    CurvePainter(QPainter& painter, const TimeGraphView& view, const PlotFrame& frame, QImage* pixels)
        : m_painter(painter), m_view(view), m_frame(frame)
    {
        if (pixels)
            m_pixels.emplace(*pixels);
    }

    template <typename Signal>
    void Draw(Colour colour, const Signal& signal)
    {
        SampleCurve(m_view, m_frame, signal, m_points);
        Stroke(colour, m_points);
    }

    // Several series in turn, the first underneath, sampled together.
    void Draw(std::span<const Colour> colours, std::span<const HarmonicSeries> series)
    {
        SampleSeriesCurves(m_view, m_frame, series, m_curves);
        for (std::size_t i = 0; i < series.size(); ++i)
            Stroke(colours[i], m_curves[i]);
    }

private:
    void Stroke(Colour colour, const std::vector<PixelPoint>& points)
    {
        if (points.size() < 2)
            return;
        if (m_pixels) {
            // Qt's own line rasteriser does not always pass through the
            // vertices, and takes long over a wide pen; the raster picture
            // takes the exact pixels instead.
            m_pixels->Polyline(points, ToQColor(colour).rgb());
            return;
        }
        m_qpoints.clear();
        m_painter.setPen(LinePen(m_painter, ToQColor(colour)));
        for (const PixelPoint& p : points)
            m_qpoints.emplace_back(p.x, p.y);
        StrokePolyline(m_painter, m_qpoints.data(), static_cast<int>(m_qpoints.size()));
    }

    QPainter& m_painter;
    const TimeGraphView& m_view;
    const PlotFrame& m_frame;
    std::vector<PixelPoint> m_points;
    std::vector<std::vector<PixelPoint>> m_curves;
    std::optional<PixelWriter> m_pixels;
    std::vector<QPoint> m_qpoints;
};

} // namespace

PlotFrame TimeGraphFrame(const SharedState& state, int w, int h)
{
    const FontMeasure fm(PlotFont(state.Display.Plot));
    return TimeFrame(state.View, state.Display.Plot, fm, w, h);
}

void PaintTimeGraph(QPainter& painter, const SharedState& state, int w, int h, const SurfaceStyle& style,
                    std::span<const double> cursors)
{
    const DisplaySettings& d = state.Display;
    const TimeGraphView& view = state.View;
    const FontMeasure fm(PlotFont(d.Plot));
    const PlotFrame frame = TimeFrame(view, d.Plot, fm, w, h);
    painter.setRenderHint(QPainter::Antialiasing, false);

    // "t (s)" is placed first, the labels around it.
    TextBoard board(w, h, painter.worldTransform());
    const QString title = QStringLiteral("t (s)");
    const std::optional<QPoint> titleAt =
        PlaceAxisTitle(board, fm, fm.Extent(title), frame.Row(0.0), AxesCrossingOf(d.Plot, frame).Row);
    DrawAxes(painter, d.Plot, frame, style, board);
    if (titleAt)
        WriteText(painter, titleAt->x(), titleAt->y(), title, ToQColor(d.Plot.AxisColour), style);

    CurvePainter curves(painter, view, frame, style.ExactPixels);
    const PresetKind preset = state.Signal.Preset;
    if (d.ShowIdealSignal && IsPresetCode(preset) && preset != PresetKind::Free)
        curves.Draw(d.SignalColour, [&](double t) { return EvaluateIdealSignal(state, t); });
    // The shown harmonics, the input, then the output, over the ideal
    // waveform: series of one fundamental, sampled together.
    std::vector<HarmonicSeries> series;
    std::vector<Colour> colours;
    series.reserve(RowCount + 1);
    colours.reserve(RowCount + 1);
    for (int k = 1; k < RowCount; ++k)
        if (state.Signal.Harmonics.Shown[k]) {
            series.push_back(HarmonicSeries::Harmonic(state, k));
            colours.push_back(d.Plot.HarmonicColour[k]);
        }
    series.push_back(HarmonicSeries::Input(state));
    colours.push_back(d.SynthesisColour);
    if (d.SuperposeOutput) {
        series.push_back(HarmonicSeries::Output(state));
        colours.push_back(d.OutputColour);
    }
    curves.Draw(colours, series);

    for (std::size_t i = 0; i < cursors.size(); ++i) {
        QPen pen(CursorColour(d, style.Raster && d.BlackBackground), 0, i == 0 ? Qt::SolidLine : Qt::DashLine);
        pen.setCosmetic(true);
        painter.setPen(pen);
        const int x = frame.Column(cursors[i]);
        painter.drawLine(x, frame.Top(), x, frame.Bottom());
    }
}

void DrawTimeGraph(QImage& target, const SharedState& state, int w, int h, qreal ratio)
{
    PaintOnRaster(
        target, w, h,
        [&](QPainter& painter, QImage& picture) {
            SurfaceStyle style = RasterStyle(state.Display);
            style.ExactPixels = &picture;
            PaintTimeGraph(painter, state, w, h, style);
        },
        ratio, RasterBackground(state.Display));
}

void DrawTimeGraphVector(QPaintDevice& metafile, const SharedState& state, int w, int h,
                         std::span<const double> cursors)
{
    PaintOnDevice(metafile, w, h,
                  [&](QPainter& painter) { PaintTimeGraph(painter, state, w, h, VectorStyle(), cursors); });
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "filter/responsedrawing.h"

#include "plot/graphcursors.h"

#include "numeric/numbers.h"
#include "numeric/rounding.h"
#include "plot/axes.h"
#include "plot/pixelline.h"
#include "plot/plottext.h"
#include "plot/scale.h"
#include "plot/surface.h"
#include "plot/textlayout.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPoint>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

const QColor GridColour(0xC0, 0xC0, 0xC0); // silver, as the toolkit's grid
constexpr int MaxSamples = 16384;
constexpr int DiscReach = 3;       // a marker covers dx, dy in -3 .. 3
constexpr int DiscRadiusSq = 10;   // with dx^2 + dy^2 <= 10
constexpr double DiscRadius = 3.2; // the same disc on a vector surface
constexpr double DiscCover = 3.5;  // and on a raster picture of a ratio above 1

// Lines, curves and discs. On a raster picture lines and curves are written
// straight into its pixels, which costs a fraction of what the painter's
// rasteriser takes for a long line, and so are the discs at a device pixel
// ratio of 1; on any other surface they go through the painter.
// Coordinates are logical pixels; the painter's transform must be the
// identity while they are drawn.
class Ink {
public:
    Ink(QPainter& painter, const SurfaceStyle& style) : m_painter(painter)
    {
        QPaintDevice* device = painter.device();
        if (style.Raster && device && device->devType() == QInternal::Image) {
            auto* image = static_cast<QImage*>(device);
            if (image->format() == QImage::Format_RGB32 && painter.transform().isIdentity()) {
                m_writer.emplace(*image);
                if (image->devicePixelRatio() == 1.0)
                    m_image = image;
            }
        }
    }

    // A line from (x0, y0) to (x1, y1), both ends included; dotted lines
    // light one pixel in three from the start.
    void Line(int x0, int y0, int x1, int y1, const QColor& c, bool dotted)
    {
        if (!m_writer) {
            m_painter.setPen(LinePen(m_painter, c, dotted));
            StrokeLine(m_painter, x0, y0, x1, y1);
            return;
        }
        m_ends.assign({{x0, y0}, {x1, y1}});
        m_writer->Polyline(m_ends, c.rgb(), dotted ? 3 : 1);
    }

    void Polyline(const std::vector<PixelPoint>& points, const QColor& c)
    {
        if (points.size() < 2)
            return;
        if (!m_writer) {
            m_qpoints.clear();
            for (const PixelPoint& p : points)
                m_qpoints.emplace_back(p.x, p.y);
            m_painter.setPen(LinePen(m_painter, c));
            StrokePolyline(m_painter, m_qpoints.data(), static_cast<int>(m_qpoints.size()));
            return;
        }
        m_writer->Polyline(points, c.rgb());
    }

    void Disc(int x, int y, const QColor& c)
    {
        if (!m_image) {
            m_painter.setPen(Qt::NoPen);
            m_painter.setBrush(c);
            if (SurfaceRatio(m_painter) != 1.0) // round the middle of pixel (x, y)
                m_painter.drawEllipse(QPointF(x + 0.5, y + 0.5), DiscCover, DiscCover);
            else
                m_painter.drawEllipse(QPointF(x, y), DiscRadius, DiscRadius);
            m_painter.setBrush(Qt::NoBrush);
            return;
        }
        m_pixels.clear();
        for (int dy = -DiscReach; dy <= DiscReach; ++dy)
            for (int dx = -DiscReach; dx <= DiscReach; ++dx)
                if (dx * dx + dy * dy <= DiscRadiusSq && Inside(x + dx, y + dy))
                    m_pixels.emplace_back(x + dx, y + dy);
        const QRgb rgb = c.rgb();
        uchar* bits = m_image->bits();
        const qsizetype stride = m_image->bytesPerLine();
        for (const QPoint& p : m_pixels)
            reinterpret_cast<QRgb*>(bits + p.y() * stride)[p.x()] = rgb;
    }

private:
    bool Inside(long long x, long long y) const
    {
        return x >= 0 && y >= 0 && x < m_image->width() && y < m_image->height();
    }

    QPainter& m_painter;
    std::optional<PixelWriter> m_writer; // on a raster picture
    QImage* m_image = nullptr;           // the same at a ratio of 1, for the discs
    std::vector<PixelPoint> m_ends;
    std::vector<QPoint> m_pixels;
    std::vector<QPoint> m_qpoints;
};

QString Text(const std::string& s)
{
    return QString::fromStdString(s);
}

// The level of the frequency axis: 0 when it is shown and the axes go
// through the origin, otherwise one graduation above the bottom.
double AxisLevel(const PlotFrame& f, const param& p)
{
    const bool zeroShown = f.yMin <= 0.0 && 0.0 <= f.yMax;
    return p.AxesAtOrigin && zeroShown ? 0.0 : f.yMin + f.yStep;
}

int AxisRow(const ResponsePanel& panel, const param& p)
{
    return panel.Row(AxisLevel(panel.Frame, p));
}

// The decade labels of a panel's frequency axis, centred on their
// graduations below the axis along `row`, placed on the board.
std::vector<ScaleMark> FrequencyLabels(TextBoard& board, const FontMeasure& fm, const ResponsePanel& panel,
                                       const FrequencySpan& span, int row)
{
    std::vector<ScaleMark> marks;
    const int labelTop = row + fm.HalfHeight();
    for (int d = span.FirstDecade; d <= span.LastDecade; ++d)
        marks.emplace_back(d - span.FirstDecade, d, QPoint(panel.Column(d), labelTop));
    const PlotFrame& f = panel.Frame;
    const double spacing = (static_cast<double>(f.Right()) - f.Left()) / std::max(1, span.LastDecade - span.FirstDecade);
    LayScale(board, fm, marks, Qt::Horizontal, spacing, 1, true,
             [](const ScaleMark& m) { return Text(FormatNumber(NearestPowerOfTen(static_cast<int>(m.Multiple)))); });
    return marks;
}

// Everything below writes in the painter's font, the plot font.

void FrequencyScale(QPainter& painter, Ink& ink, const ResponsePanel& panel, const FrequencySpan& span, int row,
                    const std::vector<ScaleMark>& labels, const param& p, const SurfaceStyle& style)
{
    const QColor axis = ToQColor(p.AxisColour);
    const PlotFrame& f = panel.Frame;
    const int top = panel.Top + f.Top(), bottom = panel.Top + f.Bottom();
    const int minorLength = (p.GraduationLength + 1) / 2;
    for (int d = span.FirstDecade; d <= span.LastDecade; ++d)
        for (int j = 1; j <= (d < span.LastDecade ? 9 : 1); ++j) {
            const int c = panel.Column(d + std::log10(static_cast<double>(j)));
            if (p.GridOn)
                ink.Line(c, top, c, bottom, GridColour, j > 1 || p.GridDotted);
            else
                ink.Line(c, row, c, row + (j == 1 ? p.GraduationLength : minorLength), axis, false);
        }
    for (const ScaleMark& m : labels)
        if (m.Shown)
            WriteText(painter, m.At.x(), m.At.y(), m.Text, axis, style);
    ink.Line(f.Left(), row, f.Right(), row, axis, false);
}

// The value axis along the left margin, by the toolkit, its labels placed
// on the board.
void ValueScale(QPainter& painter, TextBoard& board, const ResponsePanel& panel, const param& p,
                const SurfaceStyle& style)
{
    painter.save();
    painter.translate(0, panel.Top);
    DrawVerticalScale(painter, panel.Frame.Left(), p, panel.Frame, style, board);
    painter.restore();
}

// The gain curve, cut where it runs below the gain axis: each run inside
// is a polyline ending on the bottom of the frame where it leaves.
void GainCurve(Ink& ink, const ResponsePanel& panel, const std::vector<ResponseSample>& curve,
               const QColor& colour, std::vector<PixelPoint>& run)
{
    const double floor = panel.Frame.yMin;
    run.clear();
    for (std::size_t i = 0; i < curve.size(); ++i) {
        const ResponseSample& s = curve[i];
        const bool inside = s.GainDb >= floor;
        if (i > 0 && inside != (curve[i - 1].GainDb >= floor)) {
            const ResponseSample& a = curve[i - 1];
            const double t = (floor - a.GainDb) / (s.GainDb - a.GainDb);
            run.push_back({panel.Column(a.Log10Hz + t * (s.Log10Hz - a.Log10Hz)), panel.Row(floor)});
            if (!inside) {
                ink.Polyline(run, colour);
                run.clear();
            }
        }
        if (inside)
            run.push_back({panel.Column(s.Log10Hz), panel.Row(s.GainDb)});
    }
    ink.Polyline(run, colour);
}

struct MarkerPoint {
    int K = 0;
    int X = 0, Y = 0;
};

struct MarkerNumber {
    int K = 0;
    QPoint At;
};

// The numbers of the markers, centred on their points: above, else below,
// else none, so that no number touches another text.
void PlaceMarkerNumbers(TextBoard& board, const FontMeasure& fm, const std::vector<MarkerPoint>& points,
                        std::vector<MarkerNumber>& out)
{
    for (const MarkerPoint& m : points) {
        const TextExtent e = fm.Extent(QString::number(m.K));
        const int left = m.X - e.Cell.width() / 2;
        const std::optional<QPoint> at = board.Place(
            e, {QPoint(left, m.Y - DiscReach - 1 - fm.Height()), QPoint(left, m.Y + DiscReach + 1)}, false);
        if (at)
            out.push_back({m.K, *at});
    }
}

// Discs on the points, then their numbers.
void Markers(QPainter& painter, Ink& ink, const std::vector<MarkerPoint>& points,
             const std::vector<MarkerNumber>& numbers, const param& p)
{
    for (const MarkerPoint& m : points)
        ink.Disc(m.X, m.Y, ToQColor(p.HarmonicColour[m.K]));
    for (const MarkerNumber& n : numbers)
        WriteBareText(painter, n.At.x(), n.At.y(), QString::number(n.K), ToQColor(p.HarmonicColour[n.K]));
}

} // namespace

int ResponsePanel::Row(double value) const
{
    return Top + Frame.Row(value);
}

ResponsePanels ResponseLayout(const ResponseView& view, int w, int h, const param& plot)
{
    ResponsePanels panels;
    const int gainHeight = h / 2;
    for (ResponsePanel* panel : {&panels.Gain, &panels.Phase}) {
        PlotFrame& f = panel->Frame;
        f.xMin = view.Span.FirstDecade;
        f.xMax = view.Span.LastDecade;
        f.xStep = 1.0;
        f.W = w;
    }
    panels.Gain.Frame.yMin = view.Db.Min;
    panels.Gain.Frame.yMax = view.Db.Max;
    panels.Gain.Frame.yStep = view.Db.Step;
    panels.Gain.Frame.H = gainHeight;
    panels.Phase.Frame.yMin = view.Deg.Min;
    panels.Phase.Frame.yMax = view.Deg.Max;
    panels.Phase.Frame.yStep = view.Deg.Step;
    panels.Phase.Frame.H = h - gainHeight;
    panels.Phase.Top = gainHeight;
    const QFont font = PlotFont(plot);
    const FontMeasure fm(font);
    for (ResponsePanel* panel : {&panels.Gain, &panels.Phase}) {
        FitMarginsToFont(panel->Frame, font);
        MakeRoomUnderAxis(panel->Frame, AxisLevel(panel->Frame, plot), fm);
    }
    return panels;
}

int ResponseSampleCount(int w)
{
    return std::clamp((w - 29 + 1) / 2 + 1, 2, MaxSamples);
}

void PaintFilterResponse(QPainter& painter, const DisplaySettings& display, const ResponseView& view,
                         bool asymptotes, int w, int h, const SurfaceStyle& style)
{
    const param& p = display.Plot;
    const QColor axis = ToQColor(p.AxisColour);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const ResponsePanels panels = ResponseLayout(view, w, h, p);
    Ink ink(painter, style);
    painter.setFont(PlotFont(p));
    const FontMeasure fm(painter.font());

    // The texts placed in order: titles, "fc", "Hz", the frequency labels,
    // the value labels (by DrawVerticalScale), then the markers' numbers,
    // which may go above or below their points.
    TextBoard board(w, h, painter.worldTransform());
    const QString titles[] = {QStringLiteral("Gain (dB)"), QStringLiteral("Phase (\u00B0)")};
    const ResponsePanel* const both[] = {&panels.Gain, &panels.Phase};
    const int titleLeft = panels.Gain.Frame.Left() + Round(fm.Advance(QStringLiteral("W")) / 2.0L);
    std::optional<QPoint> titleAt[2];
    for (int i = 0; i < 2; ++i)
        titleAt[i] = board.Place(fm.Extent(titles[i]), {QPoint(titleLeft, both[i]->Top)});

    const QString fc = QStringLiteral("fc");
    int cutoffColumn = 0;
    std::optional<QPoint> fcAt;
    if (view.HasCutoff) {
        cutoffColumn = panels.Gain.Column(std::log10(view.CutoffHz));
        const TextExtent e = fm.Extent(fc);
        const int x = std::clamp(cutoffColumn + 3, 0, std::max(0, w - e.Cell.width()));
        fcAt = board.Place(e, {QPoint(x, 0), QPoint(x, fm.Height())});
    }

    const QString hz = QStringLiteral("Hz");
    int axisRow[2];
    std::optional<QPoint> hzAt[2];
    for (int i = 0; i < 2; ++i) {
        axisRow[i] = AxisRow(*both[i], p);
        hzAt[i] = PlaceAxisTitle(board, fm, fm.Extent(hz), axisRow[i], axisRow[i]);
    }

    std::vector<ScaleMark> frequencyLabels[2];
    for (int i = 0; i < 2; ++i)
        frequencyLabels[i] = FrequencyLabels(board, fm, *both[i], view.Span, axisRow[i]);

    for (int i = 0; i < 2; ++i) {
        ValueScale(painter, board, *both[i], p, style);
        if (titleAt[i])
            WriteText(painter, titleAt[i]->x(), titleAt[i]->y(), titles[i], axis, style);
    }
    for (int i = 0; i < 2; ++i) {
        FrequencyScale(painter, ink, *both[i], view.Span, axisRow[i], frequencyLabels[i], p, style);
        if (hzAt[i])
            WriteText(painter, hzAt[i]->x(), hzAt[i]->y(), hz, axis, style);
    }

    if (view.HasCutoff) {
        for (const ResponsePanel* panel : both)
            ink.Line(cutoffColumn, panel->Top + panel->Frame.Top(), cutoffColumn, panel->Top + panel->Frame.Bottom(),
                     axis, true);
        if (fcAt)
            WriteText(painter, fcAt->x(), fcAt->y(), fc, axis, style);
    }

    if (asymptotes) {
        const QColor colour = ToQColor(display.SynthesisColour);
        auto draw = [&](const ResponsePanel& panel, const std::vector<WorldSegment>& segments) {
            for (const WorldSegment& s : segments)
                ink.Line(panel.Column(s.X0), panel.Row(s.Y0), panel.Column(s.X1), panel.Row(s.Y1), colour, false);
        };
        draw(panels.Gain, view.GainAsymptotes);
        draw(panels.Phase, view.PhaseAsymptotes);
    }

    const QColor curve = ToQColor(display.OutputColour);
    std::vector<PixelPoint> points;
    points.reserve(view.Curve.size() + 1);
    GainCurve(ink, panels.Gain, view.Curve, curve, points);
    points.clear();
    for (const ResponseSample& s : view.Curve)
        points.push_back({panels.Phase.Column(s.Log10Hz), panels.Phase.Row(s.PhaseDeg)});
    ink.Polyline(points, curve);

    std::vector<MarkerPoint> onGain, onPhase;
    for (const ResponseMarker& m : view.Markers) {
        const int x = panels.Gain.Column(m.Log10Hz);
        onGain.push_back({m.K, x, panels.Gain.Row(m.GainDb)});
        onPhase.push_back({m.K, x, panels.Phase.Row(m.PhaseDeg)});
    }
    std::vector<MarkerNumber> gainNumbers, phaseNumbers;
    PlaceMarkerNumbers(board, fm, onGain, gainNumbers);
    PlaceMarkerNumbers(board, fm, onPhase, phaseNumbers);
    Markers(painter, ink, onGain, gainNumbers, p);
    Markers(painter, ink, onPhase, phaseNumbers, p);
}

void DrawFilterResponse(QImage& target, const SharedState& state, bool asymptotes, int w, int h,
                        ResponseView& view, qreal ratio)
{
    if (w <= 0 || h <= 0)
        return;
    ComputeResponseView(state, ResponseSampleCount(w), view);
    PaintOnRaster(
        target, w, h,
        [&](QPainter& painter) {
            PaintFilterResponse(painter, state.Display, view, asymptotes, w, h, RasterStyle(state.Display));
        },
        ratio, RasterBackground(state.Display));
}

void DrawFilterResponseVector(QPaintDevice& metafile, const SharedState& state, bool asymptotes, int w, int h,
                              std::span<const double> cursors)
{
    if (w <= 0 || h <= 0)
        return;
    ResponseView view;
    ComputeResponseView(state, ResponseSampleCount(w), view);
    PaintOnDevice(metafile, w, h, [&](QPainter& painter) {
        PaintFilterResponse(painter, state.Display, view, asymptotes, w, h, VectorStyle());
        const ResponsePanels panels = ResponseLayout(view, w, h, state.Display.Plot);
        for (std::size_t i = 0; i < cursors.size(); ++i) {
            QPen pen(CursorColour(state.Display, false), 0, i == 0 ? Qt::SolidLine : Qt::DashLine);
            pen.setCosmetic(true);
            painter.setPen(pen);
            const int x = panels.Gain.Column(cursors[i]);
            for (const ResponsePanel* panel : {&panels.Gain, &panels.Phase})
                painter.drawLine(x, panel->Top + panel->Frame.Top(), x, panel->Top + panel->Frame.Bottom());
        }
    });
}

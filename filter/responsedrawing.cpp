// SPDX-License-Identifier: GPL-3.0-or-later
#include "filter/responsedrawing.h"

#include "numeric/numbers.h"
#include "plot/pixelline.h"
#include "plot/scale.h"
#include "numeric/rounding.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPoint>

#include <algorithm>
#include <climits>
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
constexpr int LabelGap = 4;        // pixels between two frequency labels

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
        if (style.FillBackground && device && device->devType() == QInternal::Image) {
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

// The row of the frequency axis: 0 when it is shown and the axes go
// through the origin, otherwise one graduation above the bottom.
int AxisRow(const ResponsePanel& panel, const param& p)
{
    const PlotFrame& f = panel.Frame;
    const bool zeroShown = f.yMin <= 0.0 && 0.0 <= f.yMax;
    return panel.Row(p.AxesAtOrigin && zeroShown ? 0.0 : f.yMin + f.yStep);
}

// Everything below writes in the painter's font, the plot font, measured by `fm`.

void FrequencyScale(QPainter& painter, const QFontMetrics& fm, Ink& ink, const ResponsePanel& panel,
                    const FrequencySpan& span, int row, const param& p, const SurfaceStyle& style)
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

    const int labelTop = row + Round(fm.height() / 2.0L);
    int lastRight = INT_MIN / 2;
    // As on every scale of the program, the first graduation is not labelled.
    for (int d = span.FirstDecade + 1; d <= span.LastDecade; ++d) {
        const QString label = Text(FormatNumber(NearestPowerOfTen(d)));
        const int width = fm.horizontalAdvance(label);
        const int x = std::clamp(panel.Column(d) - width / 2, 0, std::max(0, f.W - width));
        if (x < lastRight + LabelGap)
            continue;
        WriteText(painter, x, labelTop, label, axis, style);
        lastRight = x + width;
    }
    ink.Line(f.Left(), row, f.Right(), row, axis, false);
    WriteText(painter, f.W - 25, row - 16, QStringLiteral("Hz"), axis, style);
}

// The value axis along the left margin, by the toolkit, and the panel's
// title at its top. Returns the right end of the title.
int ValueScale(QPainter& painter, const QFontMetrics& fm, const ResponsePanel& panel, const QString& title,
               const param& p, const SurfaceStyle& style)
{
    painter.save();
    painter.translate(0, panel.Top);
    DrawVerticalScale(painter, panel.Frame.Left(), p, panel.Frame, style);
    painter.restore();
    const int left = panel.Frame.Left() + Round(fm.horizontalAdvance(QStringLiteral("W")) / 2.0L);
    WriteText(painter, left, panel.Top, title, ToQColor(p.AxisColour), style);
    return left + fm.horizontalAdvance(title);
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

// Discs on the points, then their numbers: above, else below, else none,
// so that no two numbers touch.
void Markers(QPainter& painter, const QFontMetrics& fm, Ink& ink, const std::vector<MarkerPoint>& points,
             const param& p)
{
    for (const MarkerPoint& m : points)
        ink.Disc(m.X, m.Y, ToQColor(p.HarmonicColour[m.K]));
    int rightAbove = INT_MIN / 2, rightBelow = INT_MIN / 2;
    for (const MarkerPoint& m : points) {
        const QString number = QString::number(m.K);
        const int width = fm.horizontalAdvance(number);
        const int left = m.X - width / 2;
        int top;
        if (left > rightAbove) {
            top = m.Y - DiscReach - 1 - fm.height();
            rightAbove = left + width;
        } else if (left > rightBelow) {
            top = m.Y + DiscReach + 1;
            rightBelow = left + width;
        } else {
            continue;
        }
        WriteBareText(painter, left, top, number, ToQColor(p.HarmonicColour[m.K]));
    }
}

} // namespace

int ResponsePanel::Row(double value) const
{
    return Top + Frame.Row(value);
}

ResponsePanels ResponseLayout(const ResponseView& view, int w, int h)
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
    if (style.FillBackground && display.BlackBackground)
        painter.fillRect(0, 0, w, h, Qt::black);
    const ResponsePanels panels = ResponseLayout(view, w, h);
    Ink ink(painter, style);
    painter.setFont(PlotFont(p));
    const QFontMetrics fm(painter.font());

    const int titleRight = ValueScale(painter, fm, panels.Gain, QStringLiteral("Gain (dB)"), p, style);
    ValueScale(painter, fm, panels.Phase, QStringLiteral("Phase (\u00B0)"), p, style);
    for (const ResponsePanel* panel : {&panels.Gain, &panels.Phase})
        FrequencyScale(painter, fm, ink, *panel, view.Span, AxisRow(*panel, p), p, style);

    if (view.HasCutoff) {
        const double u = std::log10(view.CutoffHz);
        const int c = panels.Gain.Column(u);
        for (const ResponsePanel* panel : {&panels.Gain, &panels.Phase})
            ink.Line(c, panel->Top + panel->Frame.Top(), c, panel->Top + panel->Frame.Bottom(), axis, true);
        const QString fc = QStringLiteral("fc");
        const int x = std::clamp(c + 3, 0, std::max(0, w - fm.horizontalAdvance(fc)));
        WriteText(painter, x, x < titleRight + LabelGap ? fm.height() : 0, fc, axis, style);
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
    Markers(painter, fm, ink, onGain, p);
    Markers(painter, fm, ink, onPhase, p);
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
        ratio);
}

void DrawFilterResponseVector(QPaintDevice& metafile, const SharedState& state, bool asymptotes, int w, int h)
{
    if (w <= 0 || h <= 0)
        return;
    ResponseView view;
    ComputeResponseView(state, ResponseSampleCount(w), view);
    PaintOnDevice(metafile, w, h, [&](QPainter& painter) {
        PaintFilterResponse(painter, state.Display, view, asymptotes, w, h, VectorStyle());
    });
}

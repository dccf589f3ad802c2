// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/axes.h"

#include "numeric/rounding.h"
#include "plot/plottext.h"
#include "plot/textlayout.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

const QColor GridColour(0xC0, 0xC0, 0xC0); // silver, whatever the settings
constexpr int MaxGraduations = 10000;

void GridLine(QPainter& painter, const param& p, int x1, int y1, int x2, int y2)
{
    painter.setPen(LinePen(painter, GridColour, p.GridDotted));
    StrokeLine(painter, x1, y1, x2, y2);
}

// The label of graduation v: exactly 0 when v only differs from 0 by the
// rounding accumulated along the scale.
QString GraduationText(double v, double step)
{
    return NumberText(std::fabs(v) < step / 100 ? 0.0 : v);
}

bool UsableScale(double from, double to, double step)
{
    return std::isfinite(from) && std::isfinite(to) && std::isfinite(step) && step > 0;
}

// The value of graduation v in steps, held within +-10^15.
long long StepsOf(double v, double step)
{
    const double n = std::round(v / step);
    return std::isfinite(n) ? static_cast<long long>(std::clamp(n, -1e15, 1e15)) : 0;
}

// Where the painter's origin lies in the picture (within a picture, the
// graphs' painters only ever translate).
QPoint Origin(const QPainter& painter, const TextBoard& board)
{
    return board.Origin(painter.worldTransform());
}

// The graduations of a scale from `from` by `step` while `more`, with
// their pixel positions: at most MaxGraduations of them.
struct Graduation {
    double Value;
    int Position;
};

template <typename More, typename Next, typename Place>
void WalkScale(std::vector<Graduation>& out, double from, More more, Next next, Place place)
{
    out.clear();
    out.reserve(64);
    double v = from;
    for (int i = 0; more(v) && i < MaxGraduations; ++i) {
        out.push_back({v, place(v)});
        const double n = next(v);
        if (!(n != v))
            break;
        v = n;
    }
}

} // namespace

void DrawHorizontalScale(QPainter& painter, int row, const param& p, const PlotFrame& frame,
                         const SurfaceStyle& style, TextBoard& board)
{
    const QColor axis = ToQColor(p.AxisColour);
    painter.setFont(PlotFont(p));
    const FontMeasure fm(painter.font());
    const QPoint origin = Origin(painter, board);
    std::vector<Graduation> graduations;
    std::vector<ScaleMark> marks;
    if (UsableScale(frame.xMin, frame.xMax, frame.xStep)) {
        const double step = frame.xStep;
        WalkScale(
            graduations, frame.xMin, [&](double v) { return v <= frame.xMax; }, [&](double v) { return v + step; },
            [&](double v) { return frame.Column(v); });
        const int labelTop = row + fm.HalfHeight();
        marks.reserve(graduations.size());
        for (std::size_t i = 0; i < graduations.size(); ++i)
            marks.emplace_back(static_cast<int>(i), StepsOf(graduations[i].Value, step),
                               QPoint(graduations[i].Position, labelTop) + origin);
        const double spacing = (static_cast<double>(frame.Right()) - frame.Left()) * (step / (frame.xMax - frame.xMin));
        LayScale(board, fm, marks, Qt::Horizontal, spacing, 2, false,
                 [&](const ScaleMark& m) { return GraduationText(graduations[m.Index].Value, step); });
    }
    for (std::size_t i = 0; i < graduations.size(); ++i) {
        const int c = graduations[i].Position;
        if (!p.GridOn) {
            painter.setPen(LinePen(painter, axis));
            StrokeLine(painter, c, row, c, row + p.GraduationLength);
        } else {
            GridLine(painter, p, c, frame.Top(), c, frame.Bottom());
        }
        if (marks[i].Shown) {
            const QPoint at = marks[i].At - origin;
            WriteText(painter, at.x(), at.y(), marks[i].Text, axis, style);
        }
    }
    painter.setPen(LinePen(painter, axis));
    StrokeLine(painter, frame.Left(), row, frame.Right(), row);
}

void DrawVerticalScale(QPainter& painter, int column, const param& p, const PlotFrame& frame,
                       const SurfaceStyle& style, TextBoard& board)
{
    const QColor axis = ToQColor(p.AxisColour);
    painter.setFont(PlotFont(p));
    const FontMeasure fm(painter.font());
    const QPoint origin = Origin(painter, board);
    std::vector<Graduation> graduations;
    std::vector<ScaleMark> marks;
    if (UsableScale(frame.yMin, frame.yMax, frame.yStep)) {
        const double step = frame.yStep;
        WalkScale(
            graduations, frame.yMax, [&](double v) { return v >= frame.yMin; }, [&](double v) { return v - step; },
            [&](double v) { return frame.Row(v); });
        const int gap = Round(fm.Advance(QStringLiteral("W")) / 2.0L);
        const int labelLeft = column + gap;
        const int halfHeight = fm.HalfHeight();
        marks.reserve(graduations.size());
        for (std::size_t i = 0; i < graduations.size(); ++i)
            marks.emplace_back(static_cast<int>(i), StepsOf(graduations[i].Value, step),
                               QPoint(labelLeft, graduations[i].Position - halfHeight) + origin);
        const double spacing = (static_cast<double>(frame.Bottom()) - frame.Top()) * (step / (frame.yMax - frame.yMin));
        LayScale(
            board, fm, marks, Qt::Vertical, spacing, 2, false,
            [&](const ScaleMark& m) { return GraduationText(graduations[m.Index].Value, step); }, 2 * gap);
    }
    for (std::size_t i = 0; i < graduations.size(); ++i) {
        const int r = graduations[i].Position;
        if (!p.GridOn) {
            painter.setPen(LinePen(painter, axis));
            StrokeLine(painter, column, r, column + p.GraduationLength, r);
        } else {
            GridLine(painter, p, frame.Left(), r, frame.Right(), r);
        }
        if (marks[i].Shown) {
            const QPoint at = marks[i].At - origin;
            WriteText(painter, at.x(), at.y(), marks[i].Text, axis, style);
        }
    }
    painter.setPen(LinePen(painter, axis));
    StrokeLine(painter, column, frame.Top(), column, frame.Bottom());
}

void DrawAxes(QPainter& painter, const param& p, const PlotFrame& frame, const SurfaceStyle& style,
              TextBoard& board)
{
    const param own = p;
    const AxesCrossing at = AxesCrossingOf(own, frame);
    DrawHorizontalScale(painter, at.Row, own, frame, style, board);
    DrawVerticalScale(painter, at.Column, own, frame, style, board);
    painter.setPen(LinePen(painter, ToQColor(own.AxisColour)));
    StrokeLine(painter, frame.Left(), at.Row, frame.Right(), at.Row);
}

AxesCrossing AxesCrossingOf(const param& p, const PlotFrame& frame)
{
    if (!p.AxesAtOrigin)
        return {frame.Column(frame.xMin + frame.xStep), frame.Row(frame.yMin + frame.yStep)};
    return {frame.Column(0.0), frame.Row(0.0)};
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "spectrum/spectrumdrawing.h"

#include "plot/axes.h"
#include "plot/plottext.h"
#include "plot/surface.h"
#include "plot/textlayout.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace {

constexpr int ValueFontPoints = 8;
constexpr int InputValueRow = 0;
constexpr int OutputValueRow = 12;
constexpr int ValueLinePitch = 12;
// The value rows reach this row with one line a series, as the frame's top
// margin expects; more lines push the frame down by as much.
constexpr int ValueRowsBottom = OutputValueRow + ValueLinePitch;

// A bar drawn as with a pen 3 pixels wide along column x: columns x - 1 .. x + 1,
// from the zero row up to the row of its value.
QRect BarRect(int x, int zeroRow, int valueRow)
{
    if (valueRow == zeroRow)
        return {};
    return QRect(QPoint(x - 1, std::min(zeroRow, valueRow)), QPoint(x + 1, std::max(zeroRow, valueRow)));
}

void Bar(QPainter& painter, const QColor& colour, int x, int zeroRow, int valueRow)
{
    if (const QRect r = BarRect(x, zeroRow, valueRow); !r.isEmpty())
        painter.fillRect(r, colour);
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

// The distance between two ranks, in pixels.
double RankSpacing(const PlotFrame& f)
{
    return (static_cast<double>(f.Right()) - f.Left()) / 13.0;
}

struct PlacedText {
    QPoint At;
    QString Text;
    QColor Colour;
};

// The values of one series: on one line starting at row `top` when they
// all fit there, each at the column of its rank, apart from its
// neighbours and inside the picture; otherwise the even ranks on that line
// and the odd ranks on the next one. A value that still finds no room is
// left out. Returns the number of lines used.
int LayValues(TextBoard& board, const FontMeasure& fm, const PlotFrame& frame,
              const std::array<double, RowCount>& labels, int top, const QColor& colour, std::vector<PlacedText>& out)
{
    std::array<QString, RowCount> texts;
    std::array<TextExtent, RowCount> extents;
    std::vector<RowText> row;
    row.reserve(RowCount);
    for (int k = 0; k < RowCount; ++k) {
        texts[k] = NumberText(labels[k]);
        extents[k] = fm.Extent(texts[k]);
        row.push_back({QPoint(frame.Column(k), top), extents[k], true});
    }
    const double spacing = RankSpacing(frame);
    int lines = 1;
    if (LayRow(board, row, Qt::Horizontal, spacing, fm.Blank()) &&
        std::all_of(row.begin(), row.end(), [](const RowText& t) { return t.In; })) {
        TakeRow(board, row, fm.Blank());
    } else {
        lines = 2;
        row.clear();
        for (int line = 0; line < 2; ++line) {
            std::vector<RowText> half;
            for (int k = line; k < RowCount; k += 2)
                half.push_back({QPoint(frame.Column(k), top + line * ValueLinePitch), extents[k], true});
            LayRow(board, half, Qt::Horizontal, 2 * spacing, fm.Blank());
            TakeRow(board, half, fm.Blank());
            for (std::size_t j = 0; j < half.size(); ++j)
                if (half[j].In)
                    out.push_back({half[j].At, texts[line + 2 * j], colour});
        }
        return lines;
    }
    for (int k = 0; k < RowCount; ++k)
        if (row[k].In)
            out.push_back({row[k].At, texts[k], colour});
    return lines;
}

// The legend and the mode text: a block of lines and texts at the left of
// the picture, moved where it finds room.
struct LegendBlock {
    struct Line {
        int Y;
        QColor Colour;
    };
    struct Text {
        QPoint At;
        QString String;
        QColor Colour;
        TextExtent Extent;
        bool Label; // in the label font (the mode text), else the legend font
    };
    std::vector<Line> Lines;
    std::vector<Text> Texts;
    QPoint Offset = {};    // where it went
    bool OverBars = false; // no room off the bars: written after them

    static QRect LineRect(int y) { return QRect(15, y, 21, 1); }

    QRect Bounds() const
    {
        QRect r;
        for (const Line& l : Lines)
            r = r.united(LineRect(l.Y));
        for (const Text& t : Texts)
            r = r.united(t.Extent.Cell.translated(t.At)).united(t.Extent.Ink.translated(t.At));
        return r;
    }

    // Places the block moved by `d`, each text pushed left as far as it
    // needs (no further than the picture's edge) when `push`: texts inside
    // and apart from every other, lines inside and on no text, nothing on
    // `avoid`. False, with nothing placed, when some part finds no room.
    bool TryPlace(TextBoard& board, QPoint d, bool push, std::span<const QRect> avoid)
    {
        const QRect picture(0, 0, board.Width(), board.Height());
        auto clear = [&](const QRect& r) {
            return std::none_of(avoid.begin(), avoid.end(), [&](const QRect& a) { return a.intersects(r); });
        };
        for (const Line& l : Lines) {
            const QRect r = LineRect(l.Y).translated(d);
            if (!picture.contains(r) || !board.Clear(r) || !clear(r))
                return false;
        }
        std::vector<QPoint> at(Texts.size());
        for (std::size_t i = 0; i < Texts.size(); ++i) {
            const TextExtent& e = Texts[i].Extent;
            const QPoint start = Texts[i].At + d;
            const int most = push ? start.x() + std::min(e.Cell.left(), e.Ink.isEmpty() ? 0 : e.Ink.left()) : 0;
            bool found = false;
            for (int k = 0; k <= most && !found; ++k) {
                const QPoint p = start - QPoint(k, 0);
                found = board.Fits(e, p) && clear(e.Cell.translated(p)) && clear(e.Ink.translated(p));
                for (std::size_t j = 0; found && j < i; ++j)
                    found = TextBoard::Apart(e, p, true, Texts[j].Extent, at[j], true);
                if (found)
                    at[i] = p;
            }
            if (!found)
                return false;
        }
        Offset = d;
        for (std::size_t i = 0; i < Texts.size(); ++i) {
            Texts[i].At = at[i];
            board.Take(Texts[i].Extent, at[i]);
        }
        for (Line& l : Lines)
            l.Y += d.y();
        return true;
    }
};

} // namespace

SpectrumStyle RasterSpectrumStyle(const DisplaySettings& display)
{
    return {RasterStyle(display), 28, "Sortx"};
}

SpectrumStyle VectorSpectrumStyle()
{
    return {VectorStyle(), 10, "Sortiex"};
}

PlotFrame SpectrumRankFrame(const DisplaySettings& display, int w, int h)
{
    PlotFrame frame;
    frame.xMin = -1;
    frame.xMax = 12;
    frame.xStep = 1;
    frame.W = w;
    frame.H = h;
    FitMarginsToFont(frame, PlotFont(display.Plot));
    return frame;
}

void PaintSpectra(QPainter& painter, const SharedState& state, const SpectrumLayout& layout, int w, int h,
                  const SpectrumStyle& style)
{
    const DisplaySettings& d = state.Display;
    const SurfaceStyle& surface = style.Surface;
    const int l = style.LegendBase;
    painter.setRenderHint(QPainter::Antialiasing, false);

    const QFont legendFont = PointFont(QFont().family(), d.Plot.FontSize);
    const QFont labelFont = PlotFont(d.Plot);
    const QFont valueFont = PointFont(QString::fromStdString(d.Plot.FontName), ValueFontPoints);
    const FontMeasure legendMeasure(legendFont), labelMeasure(labelFont), valueMeasure(valueFont);
    const QColor inColour = ToQColor(d.InputSpectrumColour);
    const QColor outColour = ToQColor(d.OutputSpectrumColour);
    const QColor axis = ToQColor(d.Plot.AxisColour);

    // The frame, and the texts placed in order: the values, the legend, the
    // unit of the ranks, then (by DrawAxes) the labels of both scales.
    PlotFrame frame;
    frame.xMin = -1;
    frame.xMax = 12;
    frame.xStep = 1;
    frame.yMin = layout.YMin;
    frame.yMax = layout.YMax;
    frame.yStep = layout.Step;
    frame.W = w;
    frame.H = h;
    FitMarginsToFont(frame, labelFont);
    TextBoard board(w, h, painter.worldTransform());

    std::vector<PlacedText> values;
    values.reserve(2 * RowCount);
    int valuesBottom = 0;
    if (layout.Drawn && d.ShowLineValues) {
        int next = InputValueRow;
        if (d.ShowInputSpectrum)
            next += ValueLinePitch * LayValues(board, valueMeasure, frame, layout.LabelIn, next, inColour, values);
        if (d.ShowOutputSpectrum) {
            next = std::max(next, OutputValueRow);
            next += ValueLinePitch * LayValues(board, valueMeasure, frame, layout.LabelOut, next, outColour, values);
        }
        valuesBottom = next;
        frame.TopMargin += std::max(0, valuesBottom - ValueRowsBottom);
    }
    MakeRoomUnderAxis(frame, 0.0, labelMeasure);
    const AxesCrossing crossing = AxesCrossingOf(d.Plot, frame);
    const int zero = frame.Row(0.0);

    // The legend keeps off the axes, and off the bars unless there is no
    // other room; the texts placed after it keep off the bars.
    std::vector<QRect> avoid; // the axes, then the bars
    if (layout.Drawn) {
        avoid.reserve(2 + 2 * RowCount);
        avoid.push_back(QRect(QPoint(crossing.Column, frame.Top()), QPoint(crossing.Column, frame.Bottom())));
        avoid.push_back(QRect(QPoint(frame.Left(), crossing.Row), QPoint(frame.Right(), crossing.Row)));
        for (int k = 0; k < RowCount; ++k) {
            const int x = frame.Column(k);
            if (d.ShowInputSpectrum)
                avoid.push_back(BarRect(x - 1, zero, frame.Row(layout.BarIn[k])));
            if (d.ShowOutputSpectrum)
                avoid.push_back(BarRect(x + 2, zero, frame.Row(layout.BarOut[k])));
        }
    }
    const std::span<const QRect> axesAndBars(avoid);
    const std::span<const QRect> axes = axesAndBars.first(std::min<std::size_t>(2, avoid.size()));

    // The legend at its place when it finds room there, its texts pushed
    // left as they need; below the values, or into the top right of the
    // frame otherwise; and where the whole finds no room, each entry alone
    // the same way. Each entry starts 3 pixels below the text above.
    LegendBlock whole;
    auto below = [&](int y) {
        if (whole.Texts.empty())
            return 0;
        const LegendBlock::Text& t = whole.Texts.back();
        return std::max(0, t.At.y() + std::max(t.Extent.Cell.bottom(), t.Extent.Ink.bottom()) + 3 - y);
    };
    int shift = 0;
    if (d.ShowInputSpectrum) {
        const QString text = QStringLiteral("Entree");
        whole.Lines.push_back({l + 5, inColour});
        whole.Texts.push_back({QPoint(15, l + 10), text, inColour, legendMeasure.Extent(text), false});
    }
    if (d.ShowOutputSpectrum) {
        shift = below(l + 27);
        const QString text = QString::fromLatin1(style.OutputLegend) + NumberText(d.OutputScaleFactor);
        whole.Lines.push_back({l + 27 + shift, outColour});
        whole.Texts.push_back({QPoint(15, l + 30 + shift), text, outColour, legendMeasure.Extent(text), false});
    }
    if (layout.Drawn) {
        const QString text = QString::fromLatin1(ModeText(d.SpectrumMode));
        shift += below(l + 50 + shift);
        whole.Texts.push_back({QPoint(15, l + 50 + shift), text, axis, labelMeasure.Extent(text), true});
    }
    auto tryAll = [&](LegendBlock& block, std::span<const QRect> keepOff) {
        const QRect bounds = block.Bounds();
        const int underValues = std::max(0, valuesBottom + 2 - bounds.top());
        if (block.TryPlace(board, {0, 0}, true, keepOff) ||
            (underValues > 0 && block.TryPlace(board, {0, underValues}, true, keepOff)))
            return true;
        const int topRight = std::max(frame.Top(), valuesBottom + 2) - bounds.top();
        const int step = std::max(1, static_cast<int>(RankSpacing(frame) / 2));
        for (int x = w - 2 - bounds.right(); bounds.left() + x >= 0; x -= step)
            if (block.TryPlace(board, {x, topRight}, false, keepOff))
                return true;
        return false;
    };
    std::vector<LegendBlock> legend;
    if (!whole.Texts.empty() && tryAll(whole, axesAndBars)) {
        legend.push_back(std::move(whole));
    } else {
        // Each entry: an entry's text with its line (the legend's two), or
        // the mode text alone; over the bars at last, written after them.
        for (std::size_t i = 0; i < whole.Texts.size(); ++i) {
            LegendBlock entry;
            if (i < whole.Lines.size())
                entry.Lines.push_back(whole.Lines[i]);
            entry.Texts.push_back(whole.Texts[i]);
            entry.OverBars = !tryAll(entry, axesAndBars);
            if (!entry.OverBars || tryAll(entry, axes))
                legend.push_back(std::move(entry));
        }
    }
    for (std::size_t i = axes.size(); i < avoid.size(); ++i)
        board.Block(avoid[i]);

    std::optional<QPoint> unitAt;
    const QString unit = QStringLiteral("*") + NumberText(state.Signal.FundamentalHz) + QStringLiteral("Hz");
    if (layout.Drawn) {
        const TextExtent e = labelMeasure.Extent(unit);
        const QPoint at(frame.Column(11) - 10, zero + 5);
        const int right = std::max(e.Cell.right(), e.Ink.isEmpty() ? 0 : e.Ink.right());
        unitAt = board.Place(e, {at, QPoint(std::min(at.x(), w - 1 - right), at.y())});
    }

    // The drawing, in its order: legend, axes, unit texts, bars, values.
    auto drawLegend = [&](bool overBars) {
        painter.setFont(legendFont);
        for (const LegendBlock& block : legend) {
            if (block.OverBars != overBars)
                continue;
            for (const LegendBlock::Line& line : block.Lines) {
                const QRect r = LegendBlock::LineRect(line.Y).translated(block.Offset.x(), 0);
                painter.setPen(LinePen(painter, line.Colour));
                StrokeLine(painter, r.left(), r.top(), r.right(), r.top());
            }
            for (const LegendBlock::Text& t : block.Texts)
                if (!t.Label)
                    WriteText(painter, t.At.x(), t.At.y(), t.String, t.Colour, surface);
        }
    };
    drawLegend(false);

    if (!layout.Drawn)
        return;

    DrawAxes(painter, d.Plot, frame, surface, board);
    if (unitAt)
        WriteText(painter, unitAt->x(), unitAt->y(), unit, axis, surface);
    painter.setFont(labelFont);
    for (const LegendBlock& block : legend)
        for (const LegendBlock::Text& t : block.Texts)
            if (t.Label && !block.OverBars)
                WriteText(painter, t.At.x(), t.At.y(), t.String, t.Colour, surface);

    for (int k = 0; k < RowCount; ++k) {
        const int x = frame.Column(k);
        if (d.ShowInputSpectrum)
            Bar(painter, inColour, x - 1, zero, frame.Row(layout.BarIn[k]));
    }
    for (int k = 0; k < RowCount; ++k) {
        const int x = frame.Column(k);
        if (d.ShowOutputSpectrum)
            Bar(painter, outColour, x + 2, zero, frame.Row(layout.BarOut[k]));
    }
    drawLegend(true);
    painter.setFont(labelFont);
    for (const LegendBlock& block : legend)
        for (const LegendBlock::Text& t : block.Texts)
            if (t.Label && block.OverBars)
                WriteText(painter, t.At.x(), t.At.y(), t.String, t.Colour, surface);
    painter.setFont(valueFont);
    for (const PlacedText& v : values)
        WriteText(painter, v.At.x(), v.At.y(), v.Text, v.Colour, surface);
}

SpectrumLayout DrawSpectra(QImage& target, SharedState& state, int w, int h, qreal ratio)
{
    if (w <= 0 || h <= 0)
        return SpectrumLayoutFor(state);
    const SpectrumLayout layout = ComputeSpectrumLayout(state);
    PaintOnRaster(
        target, w, h,
        [&](QPainter& painter) { PaintSpectra(painter, state, layout, w, h, RasterSpectrumStyle(state.Display)); },
        ratio, RasterBackground(state.Display));
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/paperpicture.h"

#include "plot/plottext.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int Pad = 6;         // between the parts and from the edges
constexpr int SampleLength = 22; // the stroke of a legend entry
constexpr int EntryGap = 16;   // between two legend entries on a line
const QColor Ink(0x20, 0x20, 0x20);

QFont TitleFont()
{
    QFont f = PointFont(QStringLiteral("Arial"), 9);
    f.setBold(true);
    return f;
}

QFont LegendFont()
{
    return PointFont(QStringLiteral("Arial"), 8);
}

// The legend's entries placed in lines `width` wide: each entry's line number and column.
struct Placed {
    int line = 0, x = 0;
};

std::vector<Placed> FlowLegend(const QFontMetrics& fm, int width, const std::vector<LegendEntry>& legend, int& lines,
                               bool& fits)
{
    std::vector<Placed> placed;
    int x = 0, line = 0;
    fits = true;
    for (const LegendEntry& e : legend) {
        const int w = SampleLength + 4 + fm.horizontalAdvance(e.Name);
        if (w > width)
            fits = false;
        if (x > 0 && x + w > width) {
            ++line;
            x = 0;
        }
        placed.push_back({line, x});
        x += w + EntryGap;
    }
    lines = legend.empty() ? 0 : line + 1;
    return placed;
}

struct Heights {
    int title = 0, legend = 0, table = 0, graph = 0;
    bool fits = true;
};

Heights Measure(QPainter& painter, int w, int h, const PaperParts& parts)
{
    Heights m;
    const int inner = w - 2 * Pad;
    if (inner <= 0) {
        m.fits = false;
        return m;
    }
    painter.save();
    if (!parts.Title.isEmpty()) {
        painter.setFont(TitleFont());
        m.title = PaintWrapped(painter, Pad, Pad, inner, parts.Title, true) + Pad;
    }
    if (!parts.Legend.empty()) {
        painter.setFont(LegendFont());
        const QFontMetrics fm(painter.font(), painter.device());
        int lines = 0;
        bool fits = true;
        FlowLegend(fm, inner, parts.Legend, lines, fits);
        m.fits = m.fits && fits;
        m.legend = lines * (fm.height() + 2) + Pad;
    }
    if (!parts.Table.Empty())
        m.table = PaintPaperTable(painter, Pad, 0, inner, parts.Table, true) + Pad;
    painter.restore();
    m.graph = h - Pad - m.title - m.legend - m.table;
    if (m.graph < MinGraphHeight)
        m.fits = false;
    return m;
}

} // namespace

int PaintWrapped(QPainter& painter, int x, int y, int width, const QString& text, bool dryRun)
{
    const QRect box = painter.boundingRect(QRect(x, y, width, 100000), Qt::TextWordWrap | Qt::AlignLeft, text);
    if (!dryRun)
        painter.drawText(QRect(x, y, width, box.height()), Qt::TextWordWrap | Qt::AlignLeft, text);
    return box.height();
}

int PaperGraphHeight(QPainter& painter, int w, int h, const PaperParts& parts)
{
    const Heights m = Measure(painter, w, h, parts);
    return m.fits ? m.graph : 0;
}

void PaintPaper(QPainter& painter, int w, int h, const PaperParts& parts, const GraphPainting& graph)
{
    if (w <= 0 || h <= 0)
        return;
    painter.save();
    if (parts.WhiteFill)
        painter.fillRect(QRect(0, 0, w, h), Qt::white);
    const Heights m = Measure(painter, w, h, parts);
    if (!m.fits) {
        graph(painter, w, h);
        painter.restore();
        return;
    }
    const int inner = w - 2 * Pad;
    int y = Pad;
    painter.setPen(Ink);
    if (!parts.Title.isEmpty()) {
        painter.setFont(TitleFont());
        PaintWrapped(painter, Pad, y, inner, parts.Title);
        y += m.title;
    }
    painter.save();
    painter.translate(0, y);
    graph(painter, w, m.graph);
    painter.restore();
    y += m.graph;
    if (!parts.Legend.empty()) {
        painter.setFont(LegendFont());
        const QFontMetrics fm(painter.font(), painter.device());
        int lines = 0;
        bool fits = true;
        const std::vector<Placed> placed = FlowLegend(fm, inner, parts.Legend, lines, fits);
        const int lineHeight = fm.height() + 2;
        for (size_t i = 0; i < placed.size(); ++i) {
            const LegendEntry& e = parts.Legend[i];
            const int top = y + placed[i].line * lineHeight;
            const int x = Pad + placed[i].x;
            const int mid = top + fm.height() / 2;
            painter.setPen(QPen(e.Colour, 2));
            painter.drawLine(x, mid, x + SampleLength, mid);
            painter.setPen(Ink);
            painter.drawText(x + SampleLength + 4, top + fm.ascent(), e.Name);
        }
        y += m.legend;
    }
    if (!parts.Table.Empty())
        PaintPaperTable(painter, Pad, y, inner, parts.Table);
    painter.restore();
}

int PaintPaperTable(QPainter& painter, int x, int y, int width, const PaperTable& table, bool dryRun)
{
    if (table.Rows.empty())
        return 0;
    const size_t columns = table.Rows.front().size();
    int total = 0;
    for (size_t c = 0; c < columns; ++c)
        total += c < table.Weights.size() ? table.Weights[c] : 1;
    std::vector<int> left(columns + 1, x);
    int acc = 0;
    for (size_t c = 0; c < columns; ++c) {
        acc += c < table.Weights.size() ? table.Weights[c] : 1;
        left[c + 1] = x + int(qint64(width) * acc / total);
    }
    constexpr int CellPad = 3;
    auto left_aligned = [&](size_t c) { return c < table.Left.size() ? bool(table.Left[c]) : c == 0; };

    // The largest size, 8 points down to 5, at which every body text fits
    // its column on one line and every header word fits too.
    int points = 8;
    for (; points > 5; --points) {
        QFont body = PointFont(QStringLiteral("Arial"), points);
        QFont head = body;
        head.setBold(true);
        const QFontMetrics fb(body, painter.device()), fh(head, painter.device());
        bool fits = true;
        for (size_t r = 0; r < table.Rows.size() && fits; ++r)
            for (size_t c = 0; c < columns && c < size_t(table.Rows[r].size()) && fits; ++c) {
                const int room = left[c + 1] - left[c] - 2 * CellPad;
                if (r == 0) {
                    for (const QString& word : table.Rows[r][c].split(QLatin1Char(' '), Qt::SkipEmptyParts))
                        fits = fits && fh.horizontalAdvance(word) <= room;
                } else {
                    fits = fb.horizontalAdvance(table.Rows[r][c]) <= room;
                }
            }
        if (fits)
            break;
    }
    QFont body = PointFont(QStringLiteral("Arial"), points);
    QFont head = body;
    head.setBold(true);

    painter.save();
    painter.setPen(Ink);
    int top = y;
    for (size_t r = 0; r < table.Rows.size(); ++r) {
        painter.setFont(r == 0 ? head : body);
        const QFontMetrics fm(painter.font(), painter.device());
        int rowHeight = fm.height();
        if (r == 0)
            for (size_t c = 0; c < columns; ++c) {
                const QRect b = painter.boundingRect(QRect(0, 0, left[c + 1] - left[c] - 2 * CellPad, 100000),
                                                     Qt::TextWordWrap, table.Rows[r].value(int(c)));
                rowHeight = std::max(rowHeight, b.height());
            }
        rowHeight += 2;
        if (!dryRun) {
            if (r % 2 == 0 && r > 0)
                painter.fillRect(QRect(x, top, width, rowHeight), QColor(0xEE, 0xEE, 0xEE));
            for (size_t c = 0; c < columns; ++c) {
                const QRect cell(left[c] + CellPad, top + 1, left[c + 1] - left[c] - 2 * CellPad, rowHeight - 2);
                const int align = r == 0 ? (Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignBottom)
                                         : (left_aligned(c) ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
                painter.drawText(cell, align, table.Rows[r].value(int(c)));
            }
            if (r == 0) {
                painter.setPen(QPen(Ink, 1));
                painter.drawLine(x, top + rowHeight, x + width, top + rowHeight);
            }
        }
        top += rowHeight + (r == 0 ? 1 : 0);
    }
    painter.restore();
    return top - y;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A graph laid out for paper: on white, a title line above the graph, a
// legend naming each curve below it and, for the filter's response, the
// measurement table under the legend. Also the plain tables of the report.
// Every text is whole: titles wrap at blanks, legend entries flow onto as
// many lines as they need, table cells wrap their headers and shrink their
// font until each text fits its cell.

#include <QColor>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QPainter;

struct LegendEntry {
    QString Name;
    QColor Colour;
};

// A table: the first row is the header (bold, wrapped at blanks), the
// others are aligned right except the first column.
struct PaperTable {
    std::vector<QStringList> Rows;
    std::vector<int> Weights; // relative column widths, one per column
    std::vector<bool> Left;   // columns aligned left; by default only the first
    bool Empty() const { return Rows.empty(); }
};

struct PaperParts {
    QString Title; // none when empty
    std::vector<LegendEntry> Legend;
    PaperTable Table;
    bool WhiteFill = true; // the paper's white under everything
};

// The graph's painting: laid out in w x h with its top-left corner at the
// painter's origin.
using GraphPainting = std::function<void(QPainter& painter, int w, int h)>;

// The graph area a w x h picture leaves under the parts: its height, or 0
// when the parts leave less than MinGraphHeight pixels.
inline constexpr int MinGraphHeight = 60;
int PaperGraphHeight(QPainter& painter, int w, int h, const PaperParts& parts);

// Paints the parts and the graph into (0, 0, w, h). When the texts leave no
// room for a graph of MinGraphHeight pixels, only the graph is drawn, on
// the whole picture, so that no text is ever cut or laid over another.
void PaintPaper(QPainter& painter, int w, int h, const PaperParts& parts, const GraphPainting& graph);

// Paints a table whose top-left corner is (x, y), `width` pixels wide; gives
// its height. With `dryRun` nothing is painted.
int PaintPaperTable(QPainter& painter, int x, int y, int width, const PaperTable& table, bool dryRun = false);

// Paints text wrapped at blanks into `width` from (x, y) in the painter's
// font; gives its height. With `dryRun` nothing is painted.
int PaintWrapped(QPainter& painter, int x, int y, int width, const QString& text, bool dryRun = false);

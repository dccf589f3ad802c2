// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the texts of a graph go. Every text that a drawing writes is first
// placed on the drawing's TextBoard, which knows the picture's size and the
// texts placed before it; a text that finds no room is left out. The rules,
// the same on every graph:
// - A text is inside when its ink (every pixel its glyphs may cover) and
//   its cell (the background it is written on: its advance wide, the
//   font's height high) lie in the picture. Two texts are apart when a
//   pixel at least lies between their inks and neither one's cell covers
//   the other's ink.
// - A row of texts anchored on marks (graduations, bars), LayRow: a text
//   that would cross the picture's edge is moved inside along the row, by
//   less than half the distance of the marks, and is left out when that is
//   not enough.
// - A scale, LayScale: every second graduation is labelled (every decade
//   on a logarithmic scale) while neighbouring labels stand apart, a
//   blank's width between them side by side; otherwise only the
//   graduations at multiples of 5, 10, 20, 50 ... steps (2, 5, 10, 20 ...
//   decades); the first graduation never.
//   A label that touches a text placed before it is left out alone; on a
//   vertical axis it goes to the left of the axis instead when there is
//   room there.
// - Margins, FitMarginsToFont: the frame's margins grow in proportion to
//   the label font from 8 points (11 pixels) up: 15, 15, 10, 10 at 8
//   points, 29, 29, 19, 19 at 16. MakeRoomUnderAxis raises the frame's
//   bottom further when the labels under the horizontal axis would leave
//   the picture.
// - The title at the right end of a horizontal axis ("t (s)", "Hz"),
//   PlaceAxisTitle: above the axis, as far inside as its ink needs.

#include "plot/scale.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringView>
#include <QTransform>

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

class QPainter;

// Hashes for the keys of the texts and fonts kept between drawings. Qt's
// own string hash costs more than the rest of a lookup where the processor
// lacks its instructions; these texts and face names are short, and FNV-1a
// serves them well. Equal fonts hash alike.
size_t TextHash(QStringView text, size_t seed = 0);
size_t FontHash(const QFont& font, size_t seed = 0);

// A text written with its top-left corner at (0, 0).
struct TextExtent {
    QRect Ink;  // every pixel its glyphs may cover: their tight bounds
    QRect Cell; // (0, 0) to (advance, height)
};

// The measures of texts in one font. Measuring a text lays its glyphs out,
// which takes microseconds; the extents are kept for the next drawing.
class FontMeasure {
public:
    explicit FontMeasure(const QFont& font);

    TextExtent Extent(const QString& text) const;
    int Height() const;
    int Ascent() const;
    int Advance(const QString& text) const { return Extent(text).Cell.width(); }
    // The advance of a blank, at least a pixel: the room between two
    // numbers of a row.
    int Blank() const;
    // Round(height / 2): how far below a horizontal axis its labels begin,
    // and how far above its graduation a label of a vertical one.
    int HalfHeight() const;
    // The lowest row that a number's ink or cell reaches, from its top.
    int NumberBottom() const;
    const QFont& Font() const { return m_font; }

    struct Kept;

private:
    QFont m_font;
    std::shared_ptr<Kept> m_kept;
};

// The texts of one picture, w x h pixels. `base`: the painter's transform
// when the picture begins (a report places its graphs by translating and
// scaling the page); the places on the board are the picture's own.
class TextBoard {
public:
    TextBoard(int w, int h, const QTransform& base = QTransform());

    int Width() const { return m_w; }
    int Height() const { return m_h; }
    // Where a painter that has moved since the picture began has its
    // origin in the picture.
    QPoint Origin(const QTransform& now) const;

    bool Inside(const TextExtent& e, QPoint at) const;
    // Apart from every text placed. `cell`: the text is written on its
    // cell (WriteText), not bare (WriteBareText).
    bool Apart(const TextExtent& e, QPoint at, bool cell = true) const;
    bool Fits(const TextExtent& e, QPoint at, bool cell = true) const { return Inside(e, at) && Apart(e, at, cell); }
    void Take(const TextExtent& e, QPoint at, bool cell = true);
    // Whether no text placed has ink in `r` (a line, say), and `r` is on
    // nothing blocked.
    bool Clear(const QRect& r) const;
    // Keeps the texts placed from now on off `r` (a bar, say): neither
    // their ink nor their cell may cover it.
    void Block(const QRect& r);
    // The first of `candidates` where the text fits, taken; none when it
    // fits nowhere.
    std::optional<QPoint> Place(const TextExtent& e, std::initializer_list<QPoint> candidates, bool cell = true);

    // Whether two texts at these places stand apart, their inks `gap`
    // pixels or more.
    static bool Apart(const TextExtent& a, QPoint atA, bool cellA, const TextExtent& b, QPoint atB, bool cellB,
                      int gap = 1);

private:
    // A text placed, or a blocked area (its Ink).
    struct Item {
        QRect Ink;
        QRect Cell; // empty for a bare text
        int Left, Top, Right, Bottom; // of both: a drawing asks thousands of times whether a place is free
        bool Blocked;
    };

    void Add(const QRect& ink, const QRect& cell, bool blocked);
    // Whether `test` holds for no item whose bounds meet `area`.
    template <typename Test>
    bool NoneMeets(const QRect& area, Test test) const;

    int m_w, m_h;
    QTransform m_fromDevice; // the base's inverse
    std::vector<Item> m_items;
};

// A text of a row, anchored on a mark.
struct RowText {
    QPoint At; // in: where it goes unmoved; out: where it goes
    TextExtent Extent;
    bool In = true; // out: inside the picture, moved if need be
};

// Moves the texts of a row inside the picture along the row, each by less
// than half `spacing` (the distance of the marks in pixels), and marks
// those that cannot be moved in; returns whether every two neighbours left
// in stand apart with `gap` pixels between their inks.
bool LayRow(const TextBoard& board, std::vector<RowText>& row, Qt::Orientation along, double spacing, int gap);

// Takes the places of the texts of a row that LayRow left in, from the
// first: each one that fits on the board and stands `gap` pixels from the
// last one taken; marks the others out. With `mirror` >= 0, a text that
// finds no room goes to the left of where it starts, its cell ending
// `mirror` pixels before, when there is room there.
void TakeRow(TextBoard& board, std::vector<RowText>& row, int gap, int mirror = -1);

// A graduation of a scale.
struct ScaleMark {
    ScaleMark(int index, long long multiple, QPoint at) : Index(index), Multiple(multiple), At(at) {}

    int Index = 0;          // 0 for the first one
    long long Multiple = 0; // its value in steps (in decades on a logarithmic scale)
    QPoint At;              // in: its label's top-left corner; out: where the label goes
    bool Shown = false;     // out: labelled
    QString Text;           // out, when shown
};

// Chooses the labelled graduations of a scale and takes their places on
// the board (the rules above). `firstStride`: 2 on a linear scale (the
// second, fourth ... graduations), 1 on a logarithmic one (every one but
// the first). `centred`: the labels are centred on At.x() rather than
// starting there. `text` gives the label of a graduation; it is asked only
// for those that may be labelled. `mirror`: as for TakeRow, where a label
// that finds no room may go instead (the other side of a vertical axis).
void LayScale(TextBoard& board, const FontMeasure& fm, std::vector<ScaleMark>& marks, Qt::Orientation along,
              double spacing, int firstStride, bool centred, const std::function<QString(const ScaleMark&)>& text,
              int mirror = -1);

// The margins of a frame for labels in `font`: 15, 15, 10, 10 up to 11
// pixels (8 points), scaled by pixels / 11 above, none beyond a quarter of
// the picture's width or height (unless the usual margin is).
void FitMarginsToFont(PlotFrame& f, const QFont& font);

// Raises the frame's bottom until the labels under a horizontal axis at
// world height `axisValue` (written HalfHeight() below it) lie inside the
// picture, by no more than a third of its height.
void MakeRoomUnderAxis(PlotFrame& f, double axisValue, const FontMeasure& fm);

// Places the title of a horizontal axis at its right end: top-left corner
// at column W - 25, or as far left as its ink needs to stay inside, and
// max(16, height + 3) pixels above `row` (16 with the default font); below
// the axis, where its labels go, when there is no room above. `row` first,
// then `fallbackRow` (the axis itself when `row` is another level). None
// when it fits nowhere.
std::optional<QPoint> PlaceAxisTitle(TextBoard& board, const FontMeasure& fm, const TextExtent& title, int row,
                                     int fallbackRow);

// Notes every text written by WriteText and WriteBareText while it exists,
// as its tight glyph bounds and its cell in picture pixels, so that a test
// can see where each text went. The latest recorder made takes the notes;
// user-interface thread only.
class TextRecorder {
public:
    struct Text {
        QString String;
        QRect Ink;  // the glyphs' tight bounds
        QRect Cell; // empty for a bare text
    };

    TextRecorder();
    ~TextRecorder();
    TextRecorder(const TextRecorder&) = delete;
    TextRecorder& operator=(const TextRecorder&) = delete;

    const std::vector<Text>& Texts() const { return m_texts; }
    void Clear() { m_texts.clear(); }

    // Called for every text written, at its top-left corner (x, y) in the
    // painter's coordinates.
    static void Note(const QPainter& painter, int x, int y, const QString& text, bool cell)
    {
        if (s_current)
            s_current->Add(painter, x, y, text, cell);
    }

private:
    void Add(const QPainter& painter, int x, int y, const QString& text, bool cell);

    static TextRecorder* s_current;
    TextRecorder* m_previous;
    std::vector<Text> m_texts;
};

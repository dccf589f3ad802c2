// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Two measuring cursors on a graph's picture, vertical lines at a position
// of the horizontal world axis (a time, the log10 of a frequency), drawn
// over the picture without redrawing it.
//
// Mouse: a click places cursor 1, a Ctrl-click cursor 2; dragging moves
// the cursor; with Shift held the cursor snaps to the place the window
// offers nearest to the click (an extremum, a zero crossing, the cut-off).
// Keyboard, while the picture has the focus: C shows or hides the cursors,
// 1 and 2 choose the cursor the keys move (2 shows cursor 2), Left and
// Right move it by one pixel, Page Up and Page Down by a tenth of the
// width, Home and End to the ends, Shift with Left or Right to the next
// snapping place, Escape hides both. Nothing is shown until asked.

#include "plot/scale.h"
#include "signal/sharedstate.h"

#include <QColor>
#include <QObject>

#include <array>
#include <functional>
#include <optional>

class PictureView;

// The colour of the cursors: dark on the paper palette, light yellow on a
// black background, purple otherwise.
QColor CursorColour(const DisplaySettings& display, bool onBlack);

class GraphCursors : public QObject {
    Q_OBJECT

public:
    explicit GraphCursors(PictureView* view);

    // The frame of the picture shown: the pixel columns left .. right of
    // the world range xMin .. xMax. Cursors outside the new range are
    // brought to its nearer end.
    void SetFrame(const PlotFrame& frame);
    void SetColour(const QColor& colour);

    // Where cursor i (0 or 1) stands, if shown.
    std::optional<double> At(int i) const { return m_at[i]; }
    bool Shown() const { return m_at[0].has_value() || m_at[1].has_value(); }
    int Active() const { return m_active; }
    int Column(int i) const;

    // Places cursor i at world x, held within the frame.
    void Place(int i, double x);
    void HideAll();
    // One pixel step (or `columns` of them) of the active cursor.
    void Step(int columns);

    // The snapping place nearest to world x near pixel row `row`.
    std::function<std::optional<double>(double x, int row)> SnapNear;
    // The next snapping place beyond x in the direction (+1, -1).
    std::function<std::optional<double>(double x, int direction)> SnapNext;

signals:
    // A cursor came, went or moved.
    void Moved();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    double WorldAt(int column) const;
    void Show();
    void Mark();

    PictureView* m_view;
    PlotFrame m_frame;
    QColor m_colour;
    std::array<std::optional<double>, 2> m_at;
    int m_active = 0;
};

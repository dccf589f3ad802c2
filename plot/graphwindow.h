// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The base of the windows that show a graph (the time graph, the spectra,
// the filter's response): the picture and the way a redraw reaches it, the
// "Copier" button with its vector copy, and a fresh picture when the window
// moves to a screen of another pixel density. Each window adds its own
// controls, the size its picture takes and its two drawing routines.

#include "plot/paperpicture.h"
#include "signal/sharedstate.h"

#include <QImage>
#include <QList>
#include <QStringList>
#include <QWidget>

class PictureView;
class QPaintDevice;
class QPainter;
class QTableWidget;
class TXiButton;

// What a screen reader learns of a graph: a sentence on what the picture
// shows (its curves, its axes' ranges) and the numbers behind it as a table.
struct GraphFacts {
    QString Description;
    QStringList Header;
    QList<QStringList> Rows;
};

class GraphWindow : public QWidget {
    Q_OBJECT

public:
    // The last picture drawn.
    const QImage& Picture() const;

    // The numbers of the last picture as a screen reader reads them: a
    // read-only table (objectName "Valeurs") out of sight under the picture,
    // which Tab reaches.
    QTableWidget* ValueTable() const { return m_valueTable; }

    // Draws the picture afresh from the shared state at the size the
    // window's present size gives it, when the window draws at that size.
    virtual void Redraw() = 0;

    // The picture a copy or a file carries, laid out in w x h on `device`:
    // the window's vector copy as it stands; in the paper palette the graph
    // in dark colours on white under a title line with f0 and the filter,
    // over a legend naming each curve. A file (`forFile`) is drawn from the
    // state (PaintGraph), whether or not the window has drawn, and always
    // carries the graph's table (Table()); a copy carries it in the paper
    // palette.
    void PaintDocument(QPaintDevice& device, int w, int h, bool forFile = false);
    // The graph of `state` as the vector copy draws it (no fill, texts on
    // white), laid out in w x h from the painter's origin.
    virtual void PaintGraph(QPainter& painter, const SharedState& state, int w, int h) = 0;
    // The names of the curves PaintGraph draws for `state`, in their colours.
    virtual std::vector<LegendEntry> Legend(const SharedState& state) const = 0;
    // A table that goes with the graph; none unless the window has one.
    virtual PaperTable Table() const { return {}; }

protected:
    // A silver window with the caption `title`, "Copier" (XiButton1) at
    // (0, 0) and the picture (Image1) at (PictureLeft, PictureTop).
    GraphWindow(SharedState& state, const QString& title, QWidget* parent);

    static constexpr int PictureLeft = 8;
    static constexpr int PictureTop = 64;

    // The window's raster drawing: a picture of w x h logical pixels at the
    // device pixel ratio `ratio`, handed to `target`.
    virtual void PaintPicture(QImage& target, int w, int h, qreal ratio) = 0;
    // The same graph laid out in w x h on a vector picture, with no
    // background fill, the painter ended in every case: the copy.
    virtual void PaintVector(QPaintDevice& device, int w, int h) = 0;

    // What the picture just drawn shows, for screen readers.
    virtual GraphFacts Facts() const = 0;

    // PaintPicture at w x h and the screen's pixel ratio; the image shows
    // the new picture and takes its size; its description and its table
    // follow.
    void ShowPicture(int w, int h);

    // A number as the tables and descriptions speak it: five significant
    // digits at most, decimal comma.
    static QString Spoken(double value);

    // A move to a screen of another pixel density: the picture is drawn
    // again for it.
    bool event(QEvent* e) override;

    // The view showing the picture, over which the measuring cursors go.
    PictureView* PictureWidget() const { return Image1; }

    SharedState& m_state;

private:
    // "Copier": the graph at the copy size on the clipboard, from the state
    // of the last redraw; the window's own picture is not touched.
    void XiButton1Click();

    TXiButton* XiButton1;
    PictureView* Image1;
    QTableWidget* m_valueTable;
};

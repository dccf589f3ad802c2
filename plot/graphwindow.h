// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The base of the windows that show a graph (the time graph, the spectra,
// the filter's response): the picture and the way a redraw reaches it, the
// "Copier" button with its vector copy, and a fresh picture when the window
// moves to a screen of another pixel density. Each window adds its own
// controls, the size its picture takes and its two drawing routines.

#include "signal/sharedstate.h"

#include <QImage>
#include <QList>
#include <QStringList>
#include <QWidget>

class PictureView;
class QPaintDevice;
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

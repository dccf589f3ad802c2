// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The base of the windows that show a graph (the time graph, the spectra,
// the filter's response): the picture and the way a redraw reaches it, the
// "Copier" button with its vector copy, and a fresh picture when the window
// moves to a screen of another pixel density. Each window adds its own
// controls, the size its picture takes and its two drawing routines.

#include "signal/sharedstate.h"

#include <QImage>
#include <QWidget>

class PictureView;
class QPaintDevice;
class TXiButton;

class GraphWindow : public QWidget {
    Q_OBJECT

public:
    // The last picture drawn.
    const QImage& Picture() const;

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

    // PaintPicture at w x h and the screen's pixel ratio; the image shows
    // the new picture and takes its size.
    void ShowPicture(int w, int h);

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
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The time-graph window: the picture of the time graph, the time zoom and
// the output scale factor.

#include "plot/cursorcore.h"
#include "plot/graphwindow.h"
#include "plot/sampling.h"
#include "signal/sharedstate.h"

#include <QWidget>

#include <vector>

class CursorReadout;
class GraphCursors;

class QLabel;
class QToolButton;
class TXiButton;

// Two small arrow buttons stacked, stepping a value up or down.
class TUpDown : public QWidget {
    Q_OBJECT

public:
    explicit TUpDown(QWidget* parent = nullptr);
    QToolButton* Up() const { return m_up; }
    QToolButton* Down() const { return m_down; }

signals:
    void OnClick(TUpDown* sender, bool up);

protected:
    void resizeEvent(QResizeEvent*) override;

private:
    QToolButton* m_up;
    QToolButton* m_down;
};

class Tfengraphe : public GraphWindow {
    Q_OBJECT

public:
    explicit Tfengraphe(SharedState& state, QWidget* parent = nullptr);

    // The size of the time graph's picture for the window's present size.
    GraphSize PictureSize() const;

    // Draws the time graph of the state at PictureSize() when that is large
    // enough; smaller, the last picture stays.
    void Redraw() override;
    void PaintGraph(QPainter& painter, const SharedState& state, int w, int h) override;
    std::vector<LegendEntry> Legend(const SharedState& state) const override;

    // The measuring cursors over the picture and their read-out (see
    // plot/graphcursors.h); the instants of those shown, first cursor
    // first, as copies and exports draw them.
    GraphCursors* Cursors() const { return m_cursors; }
    CursorReadout* Readout() const { return m_readout; }
    std::vector<double> CursorTimes() const;

    // The output scale factor's read-out shows the state's factor.
    void ShowOutputScaleFactor();

signals:
    // Every change made here ends in the recompute-and-redraw cycle.
    void RecomputeRequested(bool rescale);

protected:
    void PaintPicture(QImage& target, int w, int h, qreal ratio) override;
    void PaintVector(QPaintDevice& device, int w, int h) override;
    // The curves drawn, the axes' ranges, and the lowest, highest, mean and
    // RMS values of the input and of the output.
    GraphFacts Facts() const override;
    void resizeEvent(QResizeEvent* e) override; // FormResize
    void closeEvent(QCloseEvent* e) override;   // FormClose: minimizes

private:
    void XiButton2Click();
    void XiButton3Click();
    void UpDown1Click(TUpDown* sender, bool up);
    void Zoom(double factor);
    // The read-out follows the cursors and the state.
    void ShowReadout();
    std::optional<double> SnapNear(double t, int row);
    std::optional<double> SnapNext(double t, int direction);

    GraphCursors* m_cursors;
    CursorReadout* m_readout;
    PlotFrame m_frame;
    CurveId m_snapCurve; // the curve the keyboard snaps to: the last one clicked near

    TXiButton* XiButton2; // "/ 2"
    TXiButton* XiButton3; // "x 2"
    TUpDown* UpDown1;
    QLabel* Label2; // "Facteur echelle sortie"
    QLabel* Label1; // the factor
};

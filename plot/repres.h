// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The time-graph window: the picture of the time graph, the time zoom and
// the output scale factor.

#include "plot/sampling.h"
#include "signal/sharedstate.h"
#include "widgets/pictureview.h"

#include <QImage>
#include <QWidget>

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

class Tfengraphe : public QWidget {
    Q_OBJECT

public:
    explicit Tfengraphe(SharedState& state, QWidget* parent = nullptr);

    // The size of the time graph's picture for the window's present size.
    GraphSize PictureSize() const;

    // Draws the time graph of the state into a new picture of `size` and
    // shows it; the image takes the picture's size. A size of zero or less
    // keeps the last picture.
    void Redraw(GraphSize size);
    const QImage& Picture() const { return Image1->Picture(); }

signals:
    // Every change made here ends in the recompute-and-redraw cycle, with
    // the point count already set from the window's width.
    void RecomputeRequested(bool rescale, int graphWidth, int graphHeight);
    // "Copier": the vector copy of the graph is asked for.
    void CopyRequested();

protected:
    // A move to a screen of another pixel density: the picture follows.
    bool event(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override; // FormResize
    void closeEvent(QCloseEvent* e) override;   // FormClose: minimizes

private:
    void XiButton1Click();
    void XiButton2Click();
    void XiButton3Click();
    void UpDown1Click(TUpDown* sender, bool up);
    void Zoom(double factor);
    // The caller rule: PointCount from the width, then the cycle.
    void Recompute(bool rescale);

    SharedState& m_state;
    TXiButton* XiButton1; // "Copier"
    TXiButton* XiButton2; // "/ 2"
    TXiButton* XiButton3; // "x 2"
    TUpDown* UpDown1;
    QLabel* Label2; // "Facteur echelle sortie"
    QLabel* Label1; // the factor
    PictureView* Image1;
};

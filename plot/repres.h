#pragma once

// The time-graph window: the picture of the time graph, the time zoom and
// the output scale factor.

#include "sharedstate.h"

#include <QImage>
#include <QWidget>

#include <functional>

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

    // Set by the application: the recompute-and-redraw cycle and the copy.
    std::function<void(bool rescale, int graphWidth, int graphHeight)> RecomputeAndRedraw;
    std::function<void()> CopyAsVector;

    // Hands a new picture to the image, which takes its size.
    void ShowPicture(const QImage& picture);
    const QImage& Picture() const { return m_picture; }

    TXiButton* XiButton1; // "Copier"
    TXiButton* XiButton2; // "/ 2"
    TXiButton* XiButton3; // "x 2"
    TUpDown* UpDown1;
    QLabel* Label2; // "Facteur echelle sortie"
    QLabel* Label1; // the factor
    QLabel* Image1;

    void XiButton1Click(TXiButton* sender);
    void XiButton2Click(TXiButton* sender);
    void XiButton3Click(TXiButton* sender);
    void UpDown1Click(TUpDown* sender, bool up);

protected:
    void resizeEvent(QResizeEvent* e) override; // FormResize
    void closeEvent(QCloseEvent* e) override;   // FormClose: minimizes

private:
    void Zoom(double factor);
    void Redraw(bool rescale);

    SharedState& m_state;
    QImage m_picture;
};

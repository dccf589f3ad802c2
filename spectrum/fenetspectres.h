// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The spectrum window: the picture of the line spectra.

#include "signal/sharedstate.h"
#include "spectrum/spectrumbars.h"
#include "widgets/pictureview.h"

#include <QImage>
#include <QSize>
#include <QWidget>

class QLabel;
class QResizeEvent;
class TXiButton;

class Tfenspectres : public QWidget {
    Q_OBJECT

public:
    explicit Tfenspectres(SharedState& state, QWidget* parent = nullptr);

    // The size of the spectra's picture for the window's present size:
    // (width - 50) x (height - 100).
    QSize PictureSize() const;

    // Draws the spectra of the state into a new picture of PictureSize()
    // (updating the scale's maximum first, as every drawing does) and shows
    // it; the image takes the picture's size.
    void Redraw();
    const QImage& Picture() const { return Image1->Picture(); }
    // The numbers the picture was drawn from: a copy drawn from them shows
    // the same scale and moves nothing.
    const SpectrumLayout& Layout() const { return m_layout; }

    // "Copier": the spectra of the last drawing, laid out at the copy size,
    // on the clipboard.
    void XiButton1Click();
    // "Valeurs": the values over the lines on or off, redrawn at once.
    void XiButton2Click();

signals:
    // The user closed the window with its close box: the spectra it showed
    // are no longer asked for.
    void Closed();

protected:
    // retaille: redrawn while the picture would be larger than 150 x 150;
    // smaller, the last picture stays.
    // A move to a screen of another pixel density: the picture follows.
    bool event(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    SharedState& m_state;
    SpectrumLayout m_layout;
    PictureView* Image1;
    TXiButton* XiButton1;
    TXiButton* XiButton2;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The spectrum window: the picture of the line spectra, "Copier" and
// "Valeurs".

#include "plot/graphwindow.h"
#include "signal/sharedstate.h"
#include "spectrum/spectrumbars.h"

#include <QSize>

class QLabel;
class TXiButton;

class Tfenspectres : public GraphWindow {
    Q_OBJECT

public:
    explicit Tfenspectres(SharedState& state, QWidget* parent = nullptr);

    // The size of the spectra's picture for the window's present size:
    // (width - 50) x (height - 100).
    QSize PictureSize() const;

    // Draws the spectra of the state into a new picture of PictureSize()
    // (updating the scale's maximum first, as every drawing does) and shows
    // it, whatever its size; the image takes the picture's size.
    void Redraw() override;
    // Both series when the window shows none (it is then hidden), so that a
    // file of the spectra is never empty.
    void PaintGraph(QPainter& painter, const SharedState& state, int w, int h) override;
    std::vector<LegendEntry> Legend(const SharedState& state) const override;
    // The numbers the picture was drawn from: a copy drawn from them shows
    // the same scale and moves nothing.
    const SpectrumLayout& Layout() const { return m_layout; }

    // The line read under the picture: the mouse over a bar, or Left and
    // Right while the picture has the focus, gives its rank, frequency and
    // the input's and output's values in the chosen mode. -1: none.
    int ReadRank() const { return m_rank; }
    QLabel* RankReadout() const { return LectureRaie; }
    void ReadLine(int rank);

signals:
    // The user closed the window with its close box: the spectra it showed
    // are no longer asked for.
    void Closed();

protected:
    void PaintPicture(QImage& target, int w, int h, qreal ratio) override;
    void PaintVector(QPaintDevice& device, int w, int h) override;
    // The spectra shown, the mode and the scale, and each rank's bar.
    GraphFacts Facts() const override;
    // retaille: redrawn while the picture would be larger than 150 x 150;
    // smaller, the last picture stays.
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // "Valeurs": the values over the lines on or off, redrawn at once.
    void XiButton2Click();

    void ShowLine();

    SpectrumLayout m_layout;
    TXiButton* XiButton2;
    QLabel* LectureRaie;
    int m_rank = -1;
    int m_pictureWidth = 0;
};

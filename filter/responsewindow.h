// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window "Réponse du filtre": the gain and phase of the selected filter
// model with the signal's harmonics marked on them, and under the picture
// the measurements of the input and of the output.
//
// Layout (client pixels): "Copier" at (0, 0), 113 x 57, as in the time-graph
// window; the check box "Asymptotes" beside it; the picture at (8, 64),
// (width - 16) wide, down to the measurement table, which keeps its natural
// height at the bottom left, 8 pixels from the edges.
//
// The window draws only while it is visible: Redraw(), called after every
// recompute of the filter tables, does nothing while it is hidden, and
// showing or resizing the window draws it afresh from the state.

#include "filter/responsecurve.h"
#include "plot/graphwindow.h"
#include "plot/scale.h"
#include "signal/sharedstate.h"

#include <array>
#include <optional>
#include <vector>

class CursorReadout;
class GraphCursors;
class QFrame;
class QLabel;
class QTableWidget;
class TVrCheckLed;

// The rows of the measurement table, top to bottom.
enum class MeasureRow { Mean, Rms, AcRms, Distortion, Crest };
inline constexpr int MeasureRowCount = 5;

// The columns of values: the input, the output.
enum class MeasureColumn { Input, Output };

class Tfenreponse : public GraphWindow {
    Q_OBJECT

public:
    explicit Tfenreponse(SharedState& state, QWidget* parent = nullptr);

    // The picture's size for the window's present client size.
    QSize PictureSize() const;

    // The response the last picture shows.
    const ResponseView& View() const { return m_view; }

    // How many times the picture and the measurements have been drawn.
    int RedrawCount() const { return m_redrawCount; }

    // The label holding a measurement's text.
    QLabel* Value(MeasureRow row, MeasureColumn column) const;
    // The measurements as a screen reader reads them (objectName
    // "ValeursMesures"), out of sight under the table the eye reads.
    QTableWidget* MeasureTable() const { return m_measureTable; }

    // The measuring cursors over the picture, at log10 frequencies, and
    // their read-out (plot/graphcursors.h); Shift snaps to the cut-off, the
    // -3 dB points and the resonance peak.
    GraphCursors* Cursors() const { return m_cursors; }
    CursorReadout* Readout() const { return m_readout; }
    std::vector<double> CursorPlaces() const;

    void PaintGraph(QPainter& painter, const SharedState& state, int w, int h) override;
    std::vector<LegendEntry> Legend(const SharedState& state) const override;
    // The measurement table: the captions and the texts of both columns.
    PaperTable Table() const override;

public slots:
    // Draws the picture and the measurements afresh, only while the window
    // is visible. The filter tables must be current (ApplyFilter has run).
    void Redraw() override;
    // Shows the window, restored if it was minimised, in front, leaving the
    // keyboard in the window it was opened from: the user goes on changing the
    // filter and watches the response follow.
    void Open();

protected:
    void PaintPicture(QImage& target, int w, int h, qreal ratio) override;
    void PaintVector(QPaintDevice& device, int w, int h) override;
    // The model, the axes' ranges and the harmonics' markers.
    GraphFacts Facts() const override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void VrCheckLed1Change(TVrCheckLed* sender);
    void BuildTable();
    void PlaceTable();
    void ShowMeasures();
    void ShowReadout();
    std::optional<double> SnapNear(double x);
    std::optional<double> SnapNext(double x, int direction);

    ResponseView m_view;
    TVrCheckLed* VrCheckLed1; // "Asymptotes"
    QFrame* Mesures;          // the measurement table
    QTableWidget* m_measureTable; // the same for screen readers, under it
    std::array<std::array<QLabel*, 2>, MeasureRowCount> m_values{};
    int m_redrawCount = 0;
    GraphCursors* m_cursors;
    CursorReadout* m_readout;
    PlotFrame m_frame; // the frequency axis of the picture shown
};

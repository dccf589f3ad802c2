// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QWidget>

#include <vector>

// The logical size of a picture of any device pixel ratio: its pixels
// divided by its ratio, rounded down (a picture drawn for w x h logical
// pixels at ratio r has ceil(w r) x ceil(h r) pixels).
QSize LogicalSize(const QImage& picture);

// A vertical line drawn over the picture, one pixel wide, through its
// whole height, at a column of logical pixels: a measuring cursor.
struct PictureMark {
    int Column = -1;
    QColor Colour;
    bool Dashed = false;
    bool operator==(const PictureMark&) const = default;
};

// A picture shown at its logical size, pixel for pixel at any device pixel
// ratio. The picture belongs to the view: a window draws into Picture() and
// calls Changed(), and a redraw of the same size paints into the same
// pixels rather than allocating new ones, which matters for the large
// pictures of a high-density screen.
class PictureView : public QWidget {
    Q_OBJECT

public:
    explicit PictureView(QWidget* parent);

    QImage& Picture() { return m_picture; }
    const QImage& Picture() const { return m_picture; }
    // Takes the picture's logical size and shows it.
    void Changed();

    // The lines drawn over the picture, which stays as it is: a change
    // repaints only the columns of the lines that went or came.
    void SetMarks(const std::vector<PictureMark>& marks);
    const std::vector<PictureMark>& Marks() const { return m_marks; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QImage m_picture;
    std::vector<PictureMark> m_marks;
};

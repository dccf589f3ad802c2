// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/surface.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include <cmath>
#include <limits>
#include <utility>

namespace {

// Moves the painter half a logical pixel right and down while a line is
// stroked on a surface whose ratio is not 1: a line as wide as a logical
// pixel, centred on the middle of its pixels, covers them exactly.
class StrokeOffset {
public:
    explicit StrokeOffset(QPainter& painter) : m_painter(painter), m_moved(SurfaceRatio(painter) != 1.0)
    {
        if (m_moved)
            m_painter.translate(0.5, 0.5);
    }
    ~StrokeOffset()
    {
        if (m_moved)
            m_painter.translate(-0.5, -0.5);
    }
    StrokeOffset(const StrokeOffset&) = delete;
    StrokeOffset& operator=(const StrokeOffset&) = delete;

private:
    QPainter& m_painter;
    bool m_moved;
};

} // namespace

qreal SurfaceRatio(const QPainter& painter)
{
    const QPaintDevice* device = painter.device();
    if (!device || device->devType() != QInternal::Image)
        return 1.0;
    return static_cast<const QImage*>(device)->devicePixelRatio();
}

QPen LinePen(const QPainter& painter, const QColor& colour, bool dotted)
{
    QPen pen(colour, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    pen.setCosmetic(true);
    if (const qreal ratio = SurfaceRatio(painter); ratio != 1.0)
        pen.setWidthF(ratio);
    if (dotted)
        pen.setDashPattern({1.0, 2.0});
    return pen;
}

void StrokeLine(QPainter& painter, int x1, int y1, int x2, int y2)
{
    const StrokeOffset offset(painter);
    painter.drawLine(x1, y1, x2, y2);
}

void StrokePolyline(QPainter& painter, const QPoint* points, int count)
{
    const StrokeOffset offset(painter);
    painter.drawPolyline(points, count);
}

bool DrawnForAnotherRatio(const QImage& picture, qreal windowRatio)
{
    return !picture.isNull() && picture.devicePixelRatio() != PictureRatio(windowRatio);
}

qreal PictureRatio(qreal windowRatio)
{
    return std::isfinite(windowRatio) && windowRatio >= 1.0 && windowRatio <= 8.0 ? windowRatio : 1.0;
}

QColor RasterBackground(const DisplaySettings& display)
{
    return display.BlackBackground ? QColor(Qt::black) : QColor(Qt::white);
}

SurfaceStyle RasterStyle(const DisplaySettings& display)
{
    return {true, RasterBackground(display)};
}

SurfaceStyle VectorStyle()
{
    return {false, QColor(Qt::white)};
}

void PaintOnRaster(QImage& target, int w, int h, const std::function<void(QPainter&)>& paint, qreal ratio,
                   const QColor& background)
{
    PaintOnRaster(target, w, h, [&](QPainter& painter, QImage&) { paint(painter); }, ratio, background);
}

void PaintOnRaster(QImage& target, int w, int h, const std::function<void(QPainter&, QImage& picture)>& paint,
                   qreal ratio, const QColor& background)
{
    if (w <= 0 || h <= 0)
        return;
    ratio = PictureRatio(ratio);
    const double pw = std::ceil(w * ratio), ph = std::ceil(h * ratio);
    if (pw > std::numeric_limits<int>::max() || ph > std::numeric_limits<int>::max())
        return;
    const QSize size(static_cast<int>(pw), static_cast<int>(ph));
    // A target of the same kind that nothing else shares is painted over:
    // a new picture of tens of megabytes costs more in fresh memory pages
    // than the whole drawing.
    QImage picture;
    if (target.size() == size && target.format() == QImage::Format_RGB32 && target.devicePixelRatio() == ratio &&
        target.isDetached()) {
        std::swap(picture, target);
    } else {
        picture = QImage(size, QImage::Format_RGB32);
        if (picture.isNull())
            return; // the last picture stays
        picture.setDevicePixelRatio(ratio);
    }
    // The whole picture, up to its last partial device pixel at a
    // fractional ratio, in one pass.
    picture.fill(background);
    QPainter painter(&picture);
    try {
        paint(painter, picture);
    } catch (...) {
        painter.end();
        target = std::move(picture);
        throw;
    }
    painter.end();
    target = std::move(picture);
}

void PaintOnDevice(QPaintDevice& device, int w, int h, const std::function<void(QPainter&)>& paint)
{
    if (w <= 0 || h <= 0)
        return;
    QPainter painter;
    if (!painter.begin(&device))
        return;
    try {
        paint(painter);
    } catch (...) {
        painter.end();
        throw;
    }
    painter.end();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/pixelline.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

// Beyond this distance from the picture a segment is clipped before it is
// walked, so that a saturated coordinate costs no more than a visible one.
constexpr std::int64_t Reach = 4096;

void Walk(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, int w, int h,
          std::vector<QPoint>& pixels)
{
    const std::int64_t dx = std::llabs(x1 - x0);
    const std::int64_t dy = -std::llabs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    std::int64_t err = dx + dy;
    for (;;) {
        if (x0 >= 0 && x0 < w && y0 >= 0 && y0 < h)
            pixels.emplace_back(static_cast<int>(x0), static_cast<int>(y0));
        if (x0 == x1 && y0 == y1)
            break;
        const std::int64_t e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

bool Near(std::int64_t x, std::int64_t y, int w, int h)
{
    return x >= -Reach && x <= w + Reach && y >= -Reach && y <= h + Reach;
}

// Liang-Barsky clipping of the segment to [0, w - 1] x [0, h - 1].
bool Clip(double& x0, double& y0, double& x1, double& y1, int w, int h)
{
    double t0 = 0.0, t1 = 1.0;
    const double dx = x1 - x0, dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0, (w - 1) - x0, y0, (h - 1) - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const double ax = x0 + t0 * dx, ay = y0 + t0 * dy;
    x1 = x0 + t1 * dx;
    y1 = y0 + t1 * dy;
    x0 = ax;
    y0 = ay;
    return true;
}

} // namespace

void PolylinePixels(const std::vector<PixelPoint>& points, int w, int h, std::vector<QPoint>& pixels)
{
    if (w <= 0 || h <= 0)
        return;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const PixelPoint a = points[i - 1];
        const PixelPoint b = points[i];
        if (Near(a.x, a.y, w, h) && Near(b.x, b.y, w, h)) {
            Walk(a.x, a.y, b.x, b.y, w, h, pixels);
            continue;
        }
        double x0 = a.x, y0 = a.y, x1 = b.x, y1 = b.y;
        if (Clip(x0, y0, x1, y1, w, h))
            Walk(std::llround(x0), std::llround(y0), std::llround(x1), std::llround(y1), w, h, pixels);
    }
}

PixelWriter::PixelWriter(QImage& picture)
    : m_picture(picture), m_ratio(picture.devicePixelRatio()),
      m_block(static_cast<int>(std::clamp(std::lround(picture.devicePixelRatio()), 1L, 8L)))
{
}

void PixelWriter::Polyline(const std::vector<PixelPoint>& points, QRgb colour, int every)
{
    if (m_picture.format() != QImage::Format_RGB32 || m_picture.isNull())
        return;
    const int w = m_picture.width(), h = m_picture.height();
    m_pixels.clear();
    if (m_ratio == 1.0) {
        PolylinePixels(points, w, h, m_pixels);
    } else {
        // Far beyond the picture a vertex only needs to stay far beyond it.
        constexpr double Limit = 1 << 30;
        auto device = [&](std::int32_t v) {
            return static_cast<std::int32_t>(std::clamp(std::floor(v * m_ratio), -Limit, Limit));
        };
        m_device.resize(points.size());
        for (std::size_t i = 0; i < points.size(); ++i)
            m_device[i] = {device(points[i].x), device(points[i].y)};
        PolylinePixels(m_device, w, h, m_pixels);
    }
    const int step = std::max(1, every) * m_block;
    uchar* bits = m_picture.bits();
    const qsizetype stride = m_picture.bytesPerLine();
    for (std::size_t i = 0; i < m_pixels.size(); i += static_cast<std::size_t>(step)) {
        const QPoint p = m_pixels[i];
        const int right = std::min(w, p.x() + m_block), bottom = std::min(h, p.y() + m_block);
        for (int y = p.y(); y < bottom; ++y) {
            auto* line = reinterpret_cast<QRgb*>(bits + y * stride);
            for (int x = p.x(); x < right; ++x)
                line[x] = colour;
        }
    }
}

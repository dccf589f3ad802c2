#include "axes.h"

#include "numbers.h"
#include "rounding.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace {

const QColor GridColour(0xC0, 0xC0, 0xC0); // silver, whatever the settings
constexpr int MaxGraduations = 10000;

QPen SolidPen(const QColor& c)
{
    QPen pen(c, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    pen.setCosmetic(true);
    return pen;
}

QPen DottedPen(const QColor& c)
{
    QPen pen = SolidPen(c);
    pen.setDashPattern({1.0, 2.0});
    return pen;
}

void GridLine(QPainter& painter, const param& p, int x1, int y1, int x2, int y2)
{
    painter.setPen(p.GridDotted ? DottedPen(GridColour) : SolidPen(GridColour));
    painter.drawLine(x1, y1, x2, y2);
}

// The label of graduation v: exactly 0 when v only differs from 0 by the
// rounding accumulated along the scale.
QString GraduationText(double v, double step)
{
    return NumberText(std::fabs(v) < step / 100 ? 0.0 : v);
}

bool UsableScale(double from, double to, double step)
{
    return std::isfinite(from) && std::isfinite(to) && std::isfinite(step) && step > 0;
}

} // namespace

SurfaceStyle RasterStyle(const DisplaySettings& display)
{
    return {true, display.BlackBackground ? QColor(Qt::black) : QColor(Qt::white)};
}

SurfaceStyle VectorStyle()
{
    return {false, QColor(Qt::white)};
}

QColor ToQColor(Colour c)
{
    return QColor::fromRgb(0xFF000000u | (c & 0xFFFFFFu));
}

QString NumberText(double x)
{
    return QString::fromStdString(FormatNumber(x));
}

QFont PointFont(const QString& family, int points)
{
    QFont font(family);
    const int pixels = Round(static_cast<long double>(points) * 96 / 72);
    font.setPixelSize(std::clamp(pixels, 1, 500));
    return font;
}

QFont PlotFont(const param& p)
{
    return PointFont(QString::fromStdString(p.FontName), p.FontSize);
}

void WriteText(QPainter& painter, int x, int y, const QString& text, const QColor& colour,
               const SurfaceStyle& style)
{
    const QFontMetrics fm(painter.font());
    painter.fillRect(QRect(x, y, fm.horizontalAdvance(text), fm.height()), style.TextBackground);
    painter.setPen(SolidPen(colour));
    painter.drawText(x, y + fm.ascent(), text);
}

void DrawHorizontalScale(QPainter& painter, int row, const param& p, const PlotFrame& frame,
                         const SurfaceStyle& style)
{
    const QColor axis = ToQColor(p.AxisColour);
    painter.setFont(PlotFont(p));
    const QFontMetrics fm(painter.font());
    const int labelTop = row + Round(fm.height() / 2.0L);
    if (UsableScale(frame.xMin, frame.xMax, frame.xStep)) {
        bool labelNow = false;
        double v = frame.xMin;
        for (int i = 0; v <= frame.xMax && i < MaxGraduations; ++i) {
            const int c = frame.Column(v);
            if (!p.GridOn) {
                painter.setPen(SolidPen(axis));
                painter.drawLine(c, row, c, row + p.GraduationLength);
            } else {
                GridLine(painter, p, c, frame.Top(), c, frame.Bottom());
            }
            if (labelNow)
                WriteText(painter, c, labelTop, GraduationText(v, frame.xStep), axis, style);
            const double next = v + frame.xStep;
            if (!(next > v))
                break;
            v = next;
            labelNow = !labelNow;
        }
    }
    painter.setPen(SolidPen(axis));
    painter.drawLine(frame.Left(), row, frame.Right(), row);
}

void DrawVerticalScale(QPainter& painter, int column, const param& p, const PlotFrame& frame,
                       const SurfaceStyle& style)
{
    const QColor axis = ToQColor(p.AxisColour);
    painter.setFont(PlotFont(p));
    const QFontMetrics fm(painter.font());
    const int labelLeft = column + Round(fm.horizontalAdvance(QStringLiteral("W")) / 2.0L);
    const int halfHeight = Round(fm.height() / 2.0L);
    if (UsableScale(frame.yMin, frame.yMax, frame.yStep)) {
        bool labelNow = false;
        double v = frame.yMax;
        for (int i = 0; v >= frame.yMin && i < MaxGraduations; ++i) {
            const int r = frame.Row(v);
            if (!p.GridOn) {
                painter.setPen(SolidPen(axis));
                painter.drawLine(column, r, column + p.GraduationLength, r);
            } else {
                GridLine(painter, p, frame.Left(), r, frame.Right(), r);
            }
            if (labelNow)
                WriteText(painter, labelLeft, r - halfHeight, GraduationText(v, frame.yStep), axis, style);
            const double next = v - frame.yStep;
            if (!(next < v))
                break;
            v = next;
            labelNow = !labelNow;
        }
    }
    painter.setPen(SolidPen(axis));
    painter.drawLine(column, frame.Top(), column, frame.Bottom());
}

void DrawAxes(QPainter& painter, const param& p, const PlotFrame& frame, const SurfaceStyle& style)
{
    const param own = p;
    int column, row;
    if (!own.AxesAtOrigin) {
        column = frame.Column(frame.xMin + frame.xStep);
        row = frame.Row(frame.yMin + frame.yStep);
    } else {
        column = frame.Column(0.0);
        row = frame.Row(0.0);
    }
    DrawHorizontalScale(painter, row, own, frame, style);
    DrawVerticalScale(painter, column, own, frame, style);
    painter.setPen(SolidPen(ToQColor(own.AxisColour)));
    painter.drawLine(frame.Left(), row, frame.Right(), row);
}

void PaintOnRaster(QImage& target, int w, int h, const std::function<void(QPainter&)>& paint)
{
    PaintOnRaster(target, w, h, [&](QPainter& painter, QImage&) { paint(painter); });
}

void PaintOnRaster(QImage& target, int w, int h, const std::function<void(QPainter&, QImage& picture)>& paint)
{
    if (w <= 0 || h <= 0)
        return;
    QImage picture(w, h, QImage::Format_RGB32);
    if (picture.isNull())
        return; // the last picture stays
    picture.fill(Qt::white);
    QPainter painter(&picture);
    try {
        paint(painter, picture);
    } catch (...) {
        painter.end();
        target = picture;
        throw;
    }
    painter.end();
    target = picture;
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

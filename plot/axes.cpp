// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/axes.h"

#include "numeric/numbers.h"
#include "numeric/rounding.h"
#include "plot/textlayout.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

const QColor GridColour(0xC0, 0xC0, 0xC0); // silver, whatever the settings
constexpr int MaxGraduations = 10000;

void GridLine(QPainter& painter, const param& p, int x1, int y1, int x2, int y2)
{
    painter.setPen(LinePen(painter, GridColour, p.GridDotted));
    StrokeLine(painter, x1, y1, x2, y2);
}

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

// The value of graduation v in steps, held within +-10^15.
long long StepsOf(double v, double step)
{
    const double n = std::round(v / step);
    return std::isfinite(n) ? static_cast<long long>(std::clamp(n, -1e15, 1e15)) : 0;
}

// Where the painter's origin lies in the picture (the painters of the
// graphs only ever translate).
QPoint Origin(const QPainter& painter)
{
    const QTransform& t = painter.worldTransform();
    return {static_cast<int>(std::lround(t.dx())), static_cast<int>(std::lround(t.dy()))};
}

// The graduations of a scale from `from` by `step` while `more`, with
// their pixel positions: at most MaxGraduations of them.
struct Graduation {
    double Value;
    int Position;
};

template <typename More, typename Next, typename Place>
void WalkScale(std::vector<Graduation>& out, double from, More more, Next next, Place place)
{
    out.clear();
    out.reserve(64);
    double v = from;
    for (int i = 0; more(v) && i < MaxGraduations; ++i) {
        out.push_back({v, place(v)});
        const double n = next(v);
        if (!(n != v))
            break;
        v = n;
    }
}

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

namespace {

// What a text paints on a raster picture, kept as a small picture: laying
// the glyphs out costs microseconds, copying the result a tenth of that.
// A cell is painted exactly as the text would be, on its background
// (opaque) or on nothing, with a transparent margin that holds whatever
// the glyphs draw outside their cell.
struct TextCell {
    QImage image; // premultiplied ARGB
    QPoint offset; // of the image's corner from the text's top-left corner
};

struct TextKey {
    QString text;
    QFont font;
    QRgb colour = 0;
    QRgb background = 0;
    bool opaque = false;
    int ratio = 1; // device pixels per logical pixel of the picture
    bool operator==(const TextKey&) const = default;
};

size_t qHash(const TextKey& k, size_t seed = 0)
{
    return qHashMulti(FontHash(k.font, TextHash(k.text, seed)), k.colour, k.background, k.opaque, k.ratio);
}

constexpr qsizetype MaxTextCells = 512;

// The pixels of the kept cells, in bytes.
qsizetype g_cellBytes = 0;

// The painter draws on a raster picture of a whole device pixel ratio with
// whole-pixel offsets only.
bool CopiesCells(const QPainter& painter)
{
    const QPaintDevice* device = painter.device();
    if (!device || device->devType() != QInternal::Image)
        return false;
    const qreal ratio = SurfaceRatio(painter);
    if (ratio != std::round(ratio))
        return false;
    const QTransform& t = painter.transform();
    return t.type() <= QTransform::TxTranslate && t.dx() == std::round(t.dx()) && t.dy() == std::round(t.dy()) &&
           painter.compositionMode() == QPainter::CompositionMode_SourceOver && painter.opacity() == 1.0;
}

// User-interface thread only. Emptied with the application, while the
// fonts of its keys can still be released.
QHash<TextKey, TextCell>& Cells()
{
    static QHash<TextKey, TextCell> cells;
    static const bool registered = [] {
        qAddPostRoutine([] {
            Cells().clear();
            g_cellBytes = 0;
        });
        return true;
    }();
    (void)registered;
    return cells;
}

// The kept cell of a text; none for a text too large to keep, which is
// then drawn straight.
const TextCell* Cell(const TextKey& key)
{
    QHash<TextKey, TextCell>& cells = Cells();
    if (const auto found = cells.constFind(key); found != cells.constEnd())
        return &*found;
    const QFontMetrics fm(key.font);
    const QRect box(0, 0, fm.horizontalAdvance(key.text), fm.height());
    const QRect area = box.united(fm.boundingRect(key.text).translated(0, fm.ascent()).adjusted(-2, -2, 2, 2));
    // Large fonts make large cells: the count and the bytes are both bounded.
    const qsizetype bytes = qsizetype(area.width()) * area.height() * 4 * key.ratio * key.ratio;
    if (bytes > TextCellBudget / 16)
        return nullptr;
    if (cells.size() >= MaxTextCells || g_cellBytes + bytes > TextCellBudget) {
        cells.clear();
        g_cellBytes = 0;
    }
    g_cellBytes += bytes;
    TextCell cell{QImage(area.size() * key.ratio, QImage::Format_ARGB32_Premultiplied), area.topLeft()};
    cell.image.setDevicePixelRatio(key.ratio);
    cell.image.fill(Qt::transparent);
    QPainter painter(&cell.image);
    painter.translate(-area.topLeft());
    if (key.opaque)
        painter.fillRect(box, QColor::fromRgb(key.background));
    painter.setFont(key.font);
    painter.setPen(LinePen(painter, QColor::fromRgb(key.colour)));
    painter.drawText(0, fm.ascent(), key.text);
    painter.end();
    return &*cells.insert(key, cell);
}

void Write(QPainter& painter, int x, int y, const QString& text, const QColor& colour, const QColor* background)
{
    TextRecorder::Note(painter, x, y, text, background != nullptr);
    if (CopiesCells(painter)) {
        const TextKey key{text,
                          painter.font(),
                          colour.rgba(),
                          background ? background->rgba() : 0u,
                          background != nullptr,
                          static_cast<int>(SurfaceRatio(painter))};
        if (const TextCell* cell = Cell(key)) {
            painter.drawImage(x + cell->offset.x(), y + cell->offset.y(), cell->image);
            painter.setPen(LinePen(painter, colour));
            return;
        }
    }
    const QFontMetrics fm(painter.font());
    if (background)
        painter.fillRect(QRect(x, y, fm.horizontalAdvance(text), fm.height()), *background);
    painter.setPen(LinePen(painter, colour));
    painter.drawText(x, y + fm.ascent(), text);
}

} // namespace

qsizetype TextCellBytes()
{
    return g_cellBytes;
}

void WriteText(QPainter& painter, int x, int y, const QString& text, const QColor& colour,
               const SurfaceStyle& style)
{
    Write(painter, x, y, text, colour, &style.TextBackground);
}

void WriteBareText(QPainter& painter, int x, int y, const QString& text, const QColor& colour)
{
    Write(painter, x, y, text, colour, nullptr);
}

void DrawHorizontalScale(QPainter& painter, int row, const param& p, const PlotFrame& frame,
                         const SurfaceStyle& style, TextBoard& board)
{
    const QColor axis = ToQColor(p.AxisColour);
    painter.setFont(PlotFont(p));
    const FontMeasure fm(painter.font());
    const QPoint origin = Origin(painter);
    std::vector<Graduation> graduations;
    std::vector<ScaleMark> marks;
    if (UsableScale(frame.xMin, frame.xMax, frame.xStep)) {
        const double step = frame.xStep;
        WalkScale(
            graduations, frame.xMin, [&](double v) { return v <= frame.xMax; }, [&](double v) { return v + step; },
            [&](double v) { return frame.Column(v); });
        const int labelTop = row + fm.HalfHeight();
        marks.reserve(graduations.size());
        for (std::size_t i = 0; i < graduations.size(); ++i)
            marks.emplace_back(static_cast<int>(i), StepsOf(graduations[i].Value, step),
                               QPoint(graduations[i].Position, labelTop) + origin);
        const double spacing = (static_cast<double>(frame.Right()) - frame.Left()) * (step / (frame.xMax - frame.xMin));
        LayScale(board, fm, marks, Qt::Horizontal, spacing, 2, false,
                 [&](const ScaleMark& m) { return GraduationText(graduations[m.Index].Value, step); });
    }
    for (std::size_t i = 0; i < graduations.size(); ++i) {
        const int c = graduations[i].Position;
        if (!p.GridOn) {
            painter.setPen(LinePen(painter, axis));
            StrokeLine(painter, c, row, c, row + p.GraduationLength);
        } else {
            GridLine(painter, p, c, frame.Top(), c, frame.Bottom());
        }
        if (marks[i].Shown) {
            const QPoint at = marks[i].At - origin;
            WriteText(painter, at.x(), at.y(), marks[i].Text, axis, style);
        }
    }
    painter.setPen(LinePen(painter, axis));
    StrokeLine(painter, frame.Left(), row, frame.Right(), row);
}

void DrawVerticalScale(QPainter& painter, int column, const param& p, const PlotFrame& frame,
                       const SurfaceStyle& style, TextBoard& board)
{
    const QColor axis = ToQColor(p.AxisColour);
    painter.setFont(PlotFont(p));
    const FontMeasure fm(painter.font());
    const QPoint origin = Origin(painter);
    std::vector<Graduation> graduations;
    std::vector<ScaleMark> marks;
    if (UsableScale(frame.yMin, frame.yMax, frame.yStep)) {
        const double step = frame.yStep;
        WalkScale(
            graduations, frame.yMax, [&](double v) { return v >= frame.yMin; }, [&](double v) { return v - step; },
            [&](double v) { return frame.Row(v); });
        const int gap = Round(fm.Advance(QStringLiteral("W")) / 2.0L);
        const int labelLeft = column + gap;
        const int halfHeight = fm.HalfHeight();
        marks.reserve(graduations.size());
        for (std::size_t i = 0; i < graduations.size(); ++i)
            marks.emplace_back(static_cast<int>(i), StepsOf(graduations[i].Value, step),
                               QPoint(labelLeft, graduations[i].Position - halfHeight) + origin);
        const double spacing = (static_cast<double>(frame.Bottom()) - frame.Top()) * (step / (frame.yMax - frame.yMin));
        LayScale(
            board, fm, marks, Qt::Vertical, spacing, 2, false,
            [&](const ScaleMark& m) { return GraduationText(graduations[m.Index].Value, step); }, 2 * gap);
    }
    for (std::size_t i = 0; i < graduations.size(); ++i) {
        const int r = graduations[i].Position;
        if (!p.GridOn) {
            painter.setPen(LinePen(painter, axis));
            StrokeLine(painter, column, r, column + p.GraduationLength, r);
        } else {
            GridLine(painter, p, frame.Left(), r, frame.Right(), r);
        }
        if (marks[i].Shown) {
            const QPoint at = marks[i].At - origin;
            WriteText(painter, at.x(), at.y(), marks[i].Text, axis, style);
        }
    }
    painter.setPen(LinePen(painter, axis));
    StrokeLine(painter, column, frame.Top(), column, frame.Bottom());
}

void DrawAxes(QPainter& painter, const param& p, const PlotFrame& frame, const SurfaceStyle& style,
              TextBoard& board)
{
    const param own = p;
    const AxesCrossing at = AxesCrossingOf(own, frame);
    DrawHorizontalScale(painter, at.Row, own, frame, style, board);
    DrawVerticalScale(painter, at.Column, own, frame, style, board);
    painter.setPen(LinePen(painter, ToQColor(own.AxisColour)));
    StrokeLine(painter, frame.Left(), at.Row, frame.Right(), at.Row);
}

AxesCrossing AxesCrossingOf(const param& p, const PlotFrame& frame)
{
    if (!p.AxesAtOrigin)
        return {frame.Column(frame.xMin + frame.xStep), frame.Row(frame.yMin + frame.yStep)};
    return {frame.Column(0.0), frame.Row(0.0)};
}

void PaintOnRaster(QImage& target, int w, int h, const std::function<void(QPainter&)>& paint, qreal ratio)
{
    PaintOnRaster(target, w, h, [&](QPainter& painter, QImage&) { paint(painter); }, ratio);
}

void PaintOnRaster(QImage& target, int w, int h, const std::function<void(QPainter&, QImage& picture)>& paint,
                   qreal ratio)
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
    picture.fill(Qt::white);
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

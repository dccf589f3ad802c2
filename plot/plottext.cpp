// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/plottext.h"

#include "numeric/numbers.h"
#include "numeric/rounding.h"
#include "plot/textlayout.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPen>

#include <cmath>

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

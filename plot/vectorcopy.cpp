// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/vectorcopy.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QRegularExpression>
#include <QStringList>
#include <QSvgGenerator>
#include <QVariant>

#include <exception>

namespace {

// Larger copies are refused rather than risking an allocation of gigabytes.
constexpr long long MaxCopyPixels = 64LL * 1024 * 1024;

const QString SvgType = QStringLiteral("image/svg+xml");
const QString PngType = QStringLiteral("image/png");
const QString ImageType = QStringLiteral("application/x-qt-image");

// The copy on the clipboard. The PNG is encoded only when a program asks
// for it, once, so that "Copier" answers at once.
class VectorCopyMimeData : public QMimeData {
public:
    explicit VectorCopyMimeData(const VectorCopy& copy) : m_copy(copy) {}

    QStringList formats() const override { return {SvgType, PngType, ImageType}; }
    bool hasFormat(const QString& type) const override { return formats().contains(type); }

protected:
    QVariant retrieveData(const QString& type, QMetaType preferred) const override
    {
        if (type == SvgType)
            return m_copy.Svg;
        if (type == ImageType)
            return m_copy.Png;
        if (type == PngType) {
            if (m_png.isEmpty()) {
                QBuffer buffer(&m_png);
                if (buffer.open(QIODevice::WriteOnly))
                    m_copy.Png.save(&buffer, "PNG");
            }
            return m_png;
        }
        return QMimeData::retrieveData(type, preferred);
    }

private:
    VectorCopy m_copy;
    mutable QByteArray m_png;
};

// The generator writes the size in millimetres rounded to 1/1000; the copy
// declares it in pixels (1/96 inch in SVG), exactly the copy's size.
bool DeclarePixelSize(QByteArray& svg, int w, int h)
{
    const qsizetype start = svg.indexOf("<svg");
    const qsizetype end = start < 0 ? -1 : svg.indexOf('>', start);
    if (end < 0)
        return false;
    QByteArray head = svg.mid(start, end - start);
    static const QRegularExpression width(QStringLiteral("\\bwidth=\"[^\"]*\""));
    static const QRegularExpression height(QStringLiteral("\\bheight=\"[^\"]*\""));
    QString text = QString::fromUtf8(head);
    text.replace(width, QStringLiteral("width=\"%1\"").arg(w));
    text.replace(height, QStringLiteral("height=\"%1\"").arg(h));
    svg.replace(start, end - start, text.toUtf8());
    return true;
}

} // namespace

bool RenderVectorCopy(const VectorDrawing& draw, int w, int h, VectorCopy& out)
{
    if (!draw || w <= 0 || h <= 0 || static_cast<long long>(w) * h > MaxCopyPixels)
        return false;
    try {
        QByteArray svg;
        QBuffer buffer(&svg);
        if (!buffer.open(QIODevice::WriteOnly))
            return false;
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(QSize(w, h));
        generator.setViewBox(QRect(0, 0, w, h));
        generator.setResolution(CopyDotsPerInch);
        generator.setTitle(QStringLiteral("Fourier et filtres"));
        draw(generator, w, h);
        buffer.close();
        if (!DeclarePixelSize(svg, w, h))
            return false;

        QImage png(w, h, QImage::Format_ARGB32_Premultiplied);
        if (png.isNull())
            return false;
        png.fill(Qt::transparent);
        png.setDotsPerMeterX(qRound(CopyDotsPerInch / 0.0254));
        png.setDotsPerMeterY(qRound(CopyDotsPerInch / 0.0254));
        draw(png, w, h);

        out.Svg = std::move(svg);
        out.Png = std::move(png);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

QMimeData* ClipboardData(const VectorCopy& copy)
{
    return new VectorCopyMimeData(copy);
}

bool CopyAsVector(const VectorDrawing& draw, int w, int h)
{
    VectorCopy copy;
    if (!RenderVectorCopy(draw, w, h, copy))
        return false;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->setMimeData(ClipboardData(copy), QClipboard::Clipboard);
    return true;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading back the SVG documents of the vector copies: what a test checks
// of them is their structure, not their bytes.

#include <QBuffer>
#include <QList>
#include <QPolygonF>
#include <QRectF>
#include <QSvgGenerator>
#include <QStringList>
#include <QXmlStreamReader>

struct SvgSummary {
    QString viewBox;
    QList<QPolygonF> curves; // polylines of more than two points
    QList<QRectF> rects;
    QStringList texts;
};

inline SvgSummary ReadSvg(const QByteArray& svg)
{
    SvgSummary out;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto a = xml.attributes();
        if (xml.name() == u"svg") {
            out.viewBox = a.value("viewBox").toString();
        } else if (xml.name() == u"polyline") {
            QPolygonF poly;
            const auto pairs = a.value("points").toString().split(' ', Qt::SkipEmptyParts);
            for (const QString& pair : pairs) {
                const auto xy = pair.split(',');
                if (xy.size() == 2)
                    poly << QPointF(xy[0].toDouble(), xy[1].toDouble());
            }
            if (poly.size() > 2) // straight lines are written as polylines of two points
                out.curves << poly;
        } else if (xml.name() == u"rect") {
            out.rects << QRectF(a.value("x").toDouble(), a.value("y").toDouble(), a.value("width").toDouble(),
                                a.value("height").toDouble());
        } else if (xml.name() == u"text") {
            out.texts << xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    return out;
}

// The SVG document that `draw(generator)` makes, laid out in w x h at the
// screen's 96 dots per inch.
template <typename Draw>
QByteArray VectorDocument(int w, int h, const Draw& draw)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(w, h));
    generator.setViewBox(QRect(0, 0, w, h));
    generator.setResolution(96);
    draw(generator);
    return buffer.data();
}

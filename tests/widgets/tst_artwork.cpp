// SPDX-License-Identifier: GPL-3.0-or-later
// The filter pictures and the button glyphs: sizes at both pixel ratios,
// real content, one distinct picture per model, safe on odd sizes; the run
// leaves a sheet of all of them, artwork.png, in the build folder.
#include "widgets/artwork.h"
#include "widgets/vrlook.h"

#include <QImage>
#include <QPainter>
#include <QSet>
#include <QTest>

#include <limits>

namespace {

const QSize PictureSize(161, 73);

const char* const GlyphNames[] = {"Copy", "Halve", "Double", "Values", "Sound", "Stop"};

// The size each button draws its glyph at.
int glyphSize(GlyphKind kind)
{
    return kind == GlyphKind::Values || kind == GlyphKind::Sound ? 32 : 16;
}

int distinctColours(const QImage& img)
{
    QSet<QRgb> colours;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            colours.insert(img.pixel(x, y));
    return colours.size();
}

bool fullyTransparent(const QImage& img)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) != 0)
                return false;
    return true;
}

QImage argb(const QPixmap& pm)
{
    return pm.toImage().convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

Q_DECLARE_METATYPE(GlyphKind)

class TestArtwork : public QObject
{
    Q_OBJECT

private slots:
    void filterPicture_data();
    void filterPicture();
    void filterPicturesDiffer();
    void outsideIndexIsTransparent_data();
    void outsideIndexIsTransparent();
    void glyph_data();
    void glyph();
    void oddPictureSizes_data();
    void oddPictureSizes();
    void oddGlyphSizes_data();
    void oddGlyphSizes();
    void sheet();
};

void TestArtwork::filterPicture_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<qreal>("ratio");
    for (qreal ratio : {1.0, 2.0})
        for (int i = 0; i < FilterPictureCount; ++i)
            QTest::addRow("model %d, ratio %g", i, ratio) << i << ratio;
}

// Right size at the ratio, opaque, several colours, and a sharp frame: the
// outermost device pixels are the bevel's own colours, not a blend.
void TestArtwork::filterPicture()
{
    QFETCH(int, index);
    QFETCH(qreal, ratio);
    const QPixmap pm = FilterPicture(index, PictureSize, ratio);
    QVERIFY(!pm.isNull());
    QCOMPARE(pm.devicePixelRatio(), ratio);
    QCOMPARE(pm.deviceIndependentSize().toSize(), PictureSize);
    QCOMPARE(pm.size(), PictureSize * ratio);
    const QImage img = argb(pm);
    QVERIFY2(distinctColours(img) >= 12, qPrintable(QString::number(distinctColours(img))));
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            QVERIFY2(qAlpha(img.pixel(x, y)) == 255, qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
    const int last = img.width() - 1, bottom = img.height() - 1;
    QCOMPARE(img.pixelColor(0, 0), VrLook::Shadow);
    QCOMPARE(img.pixelColor(last, bottom), VrLook::Highlight);
    QCOMPARE(img.pixelColor(int(ratio), int(ratio)), VrLook::DarkShadow);
}

void TestArtwork::filterPicturesDiffer()
{
    QList<QImage> images;
    for (int i = 0; i < FilterPictureCount; ++i)
        images << argb(FilterPicture(i, PictureSize, 2.0));
    for (int i = 0; i < images.size(); ++i)
        for (int j = i + 1; j < images.size(); ++j)
            QVERIFY2(images[i] != images[j], qPrintable(QStringLiteral("%1 and %2").arg(i).arg(j)));
}

void TestArtwork::outsideIndexIsTransparent_data()
{
    QTest::addColumn<int>("index");
    QTest::addRow("-1") << -1;
    QTest::addRow("7") << FilterPictureCount;
    QTest::addRow("int max") << std::numeric_limits<int>::max();
    QTest::addRow("int min") << std::numeric_limits<int>::min();
}

void TestArtwork::outsideIndexIsTransparent()
{
    QFETCH(int, index);
    const QPixmap pm = FilterPicture(index, PictureSize, 2.0);
    QCOMPARE(pm.deviceIndependentSize().toSize(), PictureSize);
    QVERIFY(fullyTransparent(argb(pm)));
}

void TestArtwork::glyph_data()
{
    QTest::addColumn<GlyphKind>("kind");
    QTest::addColumn<qreal>("ratio");
    for (qreal ratio : {1.0, 2.0})
        for (int k = 0; k <= int(GlyphKind::Stop); ++k)
            QTest::addRow("%s, ratio %g", GlyphNames[k], ratio) << GlyphKind(k) << ratio;
}

// Right size, several colours, a tenth of it inked, transparent around.
void TestArtwork::glyph()
{
    QFETCH(GlyphKind, kind);
    QFETCH(qreal, ratio);
    const int size = glyphSize(kind);
    const QPixmap pm = ButtonGlyph(kind, size, ratio);
    QVERIFY(!pm.isNull());
    QCOMPARE(pm.devicePixelRatio(), ratio);
    QCOMPARE(pm.deviceIndependentSize().toSize(), QSize(size, size));
    QCOMPARE(pm.size(), QSize(size, size) * ratio);
    const QImage img = argb(pm);
    QVERIFY2(distinctColours(img) >= 6, qPrintable(QString::number(distinctColours(img))));
    int clear = 0, inked = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            clear += qAlpha(img.pixel(x, y)) == 0;
            inked += qAlpha(img.pixel(x, y)) >= 128;
        }
    QVERIFY2(clear > 0 && inked > img.width() * img.height() / 10,
             qPrintable(QStringLiteral("clear %1, inked %2").arg(clear).arg(inked)));
}

void TestArtwork::oddPictureSizes_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<bool>("drawn");
    const qreal nan = std::numeric_limits<qreal>::quiet_NaN();
    QTest::addRow("0x0") << QSize(0, 0) << 1.0 << false;
    QTest::addRow("negative") << QSize(-161, -73) << 1.0 << false;
    QTest::addRow("negative width") << QSize(-1, 73) << 2.0 << false;
    QTest::addRow("zero height") << QSize(161, 0) << 2.0 << false;
    QTest::addRow("huge") << QSize(1 << 20, 1 << 20) << 1.0 << false;
    QTest::addRow("int max") << QSize(std::numeric_limits<int>::max(), 10) << 2.0 << false;
    QTest::addRow("1x1") << QSize(1, 1) << 2.0 << true;
    QTest::addRow("thin strip") << QSize(600, 2) << 1.0 << true;
    QTest::addRow("tall strip") << QSize(3, 500) << 2.0 << true;
    QTest::addRow("large") << QSize(1600, 730) << 1.0 << true;
    QTest::addRow("ratio 0 counts as 1") << PictureSize << 0.0 << true;
    QTest::addRow("ratio NaN counts as 1") << PictureSize << nan << true;
}

void TestArtwork::oddPictureSizes()
{
    QFETCH(QSize, size);
    QFETCH(qreal, ratio);
    QFETCH(bool, drawn);
    for (int i = -1; i <= FilterPictureCount; ++i) {
        const QPixmap pm = FilterPicture(i, size, ratio);
        if (drawn)
            QCOMPARE(pm.deviceIndependentSize().toSize(), size);
        else
            QVERIFY(pm.isNull() || pm.size().isEmpty());
    }
}

void TestArtwork::oddGlyphSizes_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<bool>("drawn");
    QTest::addRow("0") << 0 << 1.0 << false;
    QTest::addRow("negative") << -16 << 2.0 << false;
    QTest::addRow("huge") << (1 << 20) << 2.0 << false;
    QTest::addRow("int max") << std::numeric_limits<int>::max() << 1.0 << false;
    QTest::addRow("1") << 1 << 1.0 << true;
    QTest::addRow("3 at ratio 2") << 3 << 2.0 << true;
    QTest::addRow("256") << 256 << 1.0 << true;
    QTest::addRow("negative ratio counts as 1") << 16 << -2.0 << true;
}

void TestArtwork::oddGlyphSizes()
{
    QFETCH(int, size);
    QFETCH(qreal, ratio);
    QFETCH(bool, drawn);
    for (int k = 0; k <= int(GlyphKind::Stop); ++k) {
        const QPixmap pm = ButtonGlyph(GlyphKind(k), size, ratio);
        if (drawn)
            QCOMPARE(pm.deviceIndependentSize().toSize(), QSize(size, size));
        else
            QVERIFY(pm.isNull() || pm.size().isEmpty());
    }
}

// All pictures at ratio 2 on a panel, the glyphs on buttons at rest and under
// the pointer, saved for a look by eye.
void TestArtwork::sheet()
{
    constexpr qreal Ratio = 2;
    const int gap = 12;
    const QSize sheetSize(4 * (PictureSize.width() + gap) + gap, 2 * (PictureSize.height() + gap) + 124);
    QImage img(sheetSize * Ratio, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(Ratio);
    img.fill(VrLook::Silver);
    QPainter p(&img);
    for (int i = 0; i < FilterPictureCount; ++i) {
        const QPoint at(gap + (i % 4) * (PictureSize.width() + gap), gap + (i / 4) * (PictureSize.height() + gap));
        p.drawPixmap(at, FilterPicture(i, PictureSize, Ratio));
    }

    const char* const captions[] = {"Copier", "/ 2", "x 2", "Valeurs", "", "Arr\u00EAt"};
    const QSize buttons[] = {{113, 41}, {113, 41}, {113, 41}, {113, 41}, {65, 41}, {90, 30}};
    const int top = gap + 2 * (PictureSize.height() + gap);
    for (int row = 0; row < 2; ++row) {
        int x = gap;
        for (int k = 0; k <= int(GlyphKind::Stop); ++k) {
            const QRect b(QPoint(x, top + row * 56), buttons[k]);
            VrLook::raisedFace(p, b, row == 0 ? VrLook::Face : VrLook::HotFace, false);
            const int s = glyphSize(GlyphKind(k));
            const QString caption = QString::fromUtf8(captions[k]);
            const QFont font = VrLook::font(13);
            const int textWidth = caption.isEmpty() ? 0 : QFontMetrics(font).horizontalAdvance(caption) + 6;
            const int left = b.center().x() - (s + textWidth) / 2;
            p.drawPixmap(QPoint(left, b.center().y() - s / 2 + 1), ButtonGlyph(GlyphKind(k), s, Ratio));
            p.setPen(VrLook::Ink);
            p.setFont(font);
            p.drawText(QRect(left + s + 6, b.top(), textWidth, b.height()), Qt::AlignLeft | Qt::AlignVCenter,
                       caption);
            x += b.width() + 8;
        }
    }
    p.end();
    const QString path = QStringLiteral(ARTWORK_SHEET_DIR "/artwork.png");
    QVERIFY2(img.save(path), qPrintable(path));
}

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// What the seven-segment read-outs and the scale write.
#include "widgets/tvrdigitgroup.h"
#include "widgets/tvrnum.h"
#include "widgets/tvrscale.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

// Pixels of exactly colour c in the control's rendering.
template <typename W> int pixelsOf(W& w, QColor c)
{
    QImage img(w.size(), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    w.paint(p, w.rect());
    p.end();
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += img.pixelColor(x, y) == c;
    return n;
}

}  // namespace

class TestReadout : public QObject
{
    Q_OBJECT

private slots:
    void numText_data();
    void numText();
    void digitGroupText_data();
    void digitGroupText();
    void unlitSegmentsShowInLow();
    void scaleLabels_data();
    void scaleLabels();
};

void TestReadout::numText_data()
{
    QTest::addColumn<int>("digits");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<bool>("leadingZero");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::addRow("blanks") << 4 << 0 << 9999 << false << 42 << "  42";
    QTest::addRow("leading zeros") << 4 << 0 << 9999 << true << 42 << "0042";
    QTest::addRow("zero") << 4 << 0 << 9999 << false << 0 << "   0";
    QTest::addRow("full width") << 3 << 0 << 999 << false << 999 << "999";
    QTest::addRow("clamped to Max") << 3 << 0 << 999 << false << 5000 << "999";
    QTest::addRow("minus place, negative") << 3 << -200 << 9999 << false << -90 << "- 90";
    QTest::addRow("minus place, positive") << 3 << -200 << 9999 << false << 90 << "  90";
    QTest::addRow("minus place, zeros") << 3 << -200 << 9999 << true << -90 << "-090";
    QTest::addRow("minus place, zero") << 3 << -999 << 999 << true << 0 << " 000";
    QTest::addRow("wider than Digits") << 2 << 0 << 9999 << false << 100 << "100";
    QTest::addRow("wider, zeros") << 2 << 0 << 9999 << true << 100 << "100";
    QTest::addRow("wider, negative") << 3 << -2000 << 9999 << false << -1500 << "-1500";
    QTest::addRow("INT_MIN") << 3 << INT_MIN << 0 << false << INT_MIN << "-2147483648";
}

void TestReadout::numText()
{
    QFETCH(int, digits);
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(bool, leadingZero);
    QFETCH(int, value);
    TVrNum n;
    n.setDigits(digits);
    n.setMax(max);
    n.setMin(min);
    n.setLeadingZero(leadingZero);
    n.setValue(value);
    QTEST(n.displayText(), "text");
}

void TestReadout::digitGroupText_data()
{
    QTest::addColumn<int>("digits");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<bool>("leadingZero");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::addRow("defaults") << 4 << 3 << true << 0.705 << "0.705";
    QTest::addRow("two decimals") << 3 << 2 << true << 0.7 << "0.70";
    QTest::addRow("zero padded") << 5 << 2 << true << 1.5 << "001.50";
    QTest::addRow("blank padded") << 5 << 2 << false << 1.5 << "  1.50";
    QTest::addRow("no decimals") << 4 << 0 << false << 7.0 << "   7";
    QTest::addRow("rounded") << 4 << 1 << true << 2.26 << "002.3";
    QTest::addRow("wider than Digits") << 3 << 2 << true << 12.5 << "12.50";
    QTest::addRow("Decimals above Digits") << 2 << 3 << true << 0.5 << "0.500";
    QTest::addRow("negative in a blank place") << 5 << 2 << false << -1.5 << " -1.50";
    QTest::addRow("negative with zeros") << 4 << 2 << true << -1.5 << "-01.50";
    QTest::addRow("negative rounding to zero") << 3 << 2 << true << -0.001 << "0.00";
    QTest::addRow("not a number") << 4 << 3 << true << qQNaN() << "-.---";
    QTest::addRow("infinite") << 3 << 1 << true << qInf() << "--.-";
    QTest::addRow("too large") << 3 << 0 << true << 1e300 << "---";
}

void TestReadout::digitGroupText()
{
    QFETCH(int, digits);
    QFETCH(int, decimals);
    QFETCH(bool, leadingZero);
    QFETCH(double, value);
    TVrDigitGroup g;
    g.setDigits(digits);
    g.setDecimals(decimals);
    g.setLeadingZero(leadingZero);
    g.setValue(value);
    QTEST(g.displayText(), "text");
}

void TestReadout::unlitSegmentsShowInLow()
{
    // A Low that no blend of High over black can produce.
    const TVrPalette palette{QColor(0x30, 0x60, 0x30), QColor(0x00, 0xFF, 0x00)};
    TVrNum n;
    n.setStyle(TVrNum::ns11x20);
    n.setDigits(3);
    n.setPalette(palette);
    n.setValue(1);  // two blank places and a 1
    n.resize(n.sizeHint());
    const int lowBlank = pixelsOf(n, palette.Low);
    const int high = pixelsOf(n, palette.High);
    QVERIFY(high > 0);
    QVERIFY(lowBlank > high);
    n.setValue(888);
    QVERIFY(pixelsOf(n, palette.Low) < lowBlank / 4);

    TVrDigitGroup g;
    g.setPalette(palette);
    g.resize(80, 28);
    g.setValue(1.0);
    QVERIFY(pixelsOf(g, palette.Low) > 0);
    g.setActiveOnly(true);
    QCOMPARE(pixelsOf(g, palette.Low), 0);
    QVERIFY(pixelsOf(g, palette.High) > 0);
}

void TestReadout::scaleLabels_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("digits");
    QTest::addColumn<bool>("showSign");
    QTest::addColumn<QStringList>("labels");
    QTest::addRow("defaults") << 0 << 100 << 5 << 1 << true
                              << QStringList{"0", "+20", "+40", "+60", "+80", "+100"};
    QTest::addRow("no sign") << 0 << 100 << 4 << 1 << false << QStringList{"0", "25", "50", "75", "100"};
    QTest::addRow("negative, two digits") << -10 << 10 << 4 << 2 << true
                                          << QStringList{"-10", "-05", "00", "+05", "+10"};
    QTest::addRow("rounded ticks") << 0 << 10 << 3 << 1 << false << QStringList{"0", "3", "7", "10"};
    QTest::addRow("falling") << 10 << 0 << 2 << 1 << false << QStringList{"10", "5", "0"};
}

void TestReadout::scaleLabels()
{
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, ticks);
    QFETCH(int, digits);
    QFETCH(bool, showSign);
    TVrScale s;
    s.setMinValue(min);
    s.setMaxValue(max);
    s.setTicks(ticks);
    s.setDigits(digits);
    s.setShowSign(showSign);
    QStringList labels;
    for (int i = 0; i <= s.Ticks(); ++i)
        labels << s.label(i);
    QTEST(labels, "labels");
}

QTEST_MAIN(TestReadout)
#include "tst_readout.moc"

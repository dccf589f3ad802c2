// SPDX-License-Identifier: GPL-3.0-or-later
// Lays out every control of the set in a few states on a silver panel and
// saves the picture: widgets-gallery OUTPUT.png [--scale N]
#include "widgets/artwork.h"
#include "widgets/tvrbitmapimage.h"
#include "widgets/tvrbitmaplist.h"
#include "widgets/tvrcheckled.h"
#include "widgets/tvrdemobutton.h"
#include "widgets/tvrdigitgroup.h"
#include "widgets/tvrdisplay.h"
#include "widgets/tvrnum.h"
#include "widgets/tvrnumedit.h"
#include "widgets/tvrpowerbutton.h"
#include "widgets/tvrscale.h"
#include "widgets/tvrslider.h"
#include "widgets/tvrstredit.h"
#include "widgets/tvrswitch.h"
#include "widgets/tvrtrackbar.h"
#include "widgets/tvrwheel.h"
#include "widgets/txibutton.h"
#include "widgets/vrlook.h"
#include "widgets/vrpanel.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

using VrPanel::Place;
using VrPanel::Text;

void hover(QWidget* w)
{
    QEnterEvent e(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(w, &e);
}

void press(QWidget* w)
{
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent e(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
    hover(w);
}

class Gallery : public QWidget
{
public:
    explicit Gallery(qreal dpr)
    {
        setFixedSize(940, 600);
        VrPanel::Silver(this, 11);

        // Preset buttons: the first lit, one under the pointer, one pressed.
        const char* presets[] = {"Synth libre", "Carr\u00E9       ", "Triangle  ", "Monoalt   ", "Bialt        ",
                                 "Red tri     "};
        for (int i = 0; i < 6; ++i) {
            auto* b = Place(new TVrPowerButton(QString::fromUtf8(presets[i]), this), 16 + 80 * i, 8, 81, 33);
            b->setActive(i == 0);
            if (i == 2)
                hover(b);
            if (i == 4)
                press(b);
        }

        // Frequency panel.
        auto* panel = Place(new TVrDisplay(this), 8, 48, 385, 49);
        Text(panel, QStringLiteral("Fr\u00E9quence:"), 12, 16, 12, true);
        auto* f0 = Place(new TVrDigitGroup(panel), 90, 10, 96, 29);
        f0->setDigits(4);
        f0->setDecimals(1);
        f0->setLeadingZero(false);
        f0->setValue(100);
        Text(panel, QStringLiteral("Hz"), 192, 16, 12, true);
        Text(panel, QStringLiteral("Val pour 100%:"), 232, 16, 12, true);
        Text(panel, QStringLiteral("1"), 340, 16, 12, true, QColor(0x00, 0x00, 0xA0));

        // Mean column and six harmonic columns.
        auto* mean = Place(new TVrNum(this), 14, 110, 44, 22);
        mean->setDigits(3);
        mean->setMin(-999);
        mean->setMax(999);
        mean->setValue(-120);
        auto* meanSlider = Place(new TVrSlider(this), 20, 140, 33, 185);
        meanSlider->setMinValue(-400);
        meanSlider->setMaxValue(400);
        meanSlider->setOptions(meanSlider->Options() | TVrSlider::soActiveClick | TVrSlider::soMouseClip);
        meanSlider->setPosition(-120);
        Text(this, QStringLiteral("Val moyenne"), 6, 330, 10);

        const int amplitudes[] = {100, 33, 0, 14, 0, 9};
        const int phases[] = {1, 3, 1, 0, 2, 1};
        for (int k = 0; k < 6; ++k) {
            const int x = 88 + 36 * k;
            auto* led = Place(new TVrCheckLed(this), x + 9, 104, 16, 16);
            led->setChecked(k == 0 || k == 3);
            auto* amp = Place(new TVrNum(this), x + 2, 122, 31, 22);
            amp->setDigits(2);
            amp->setValue(amplitudes[k]);
            auto* s = Place(new TVrSlider(this), x + 1, 146, 33, 185);
            s->setPosition(amplitudes[k]);
            auto* sw = Place(new TVrSwitch(this), x + 5, 336, 25, 50);
            sw->setOffset(phases[k]);
            auto* ph = Place(new TVrNum(this), x, 390, 36, 18);
            ph->setStyle(TVrNum::ns5x7);
            ph->setDigits(3);
            ph->setMin(-200);
            ph->setValue(-90 + 90 * phases[k]);
            Text(this, QString::number(k + 1), x + 14, 412, 11, true);
        }
        Text(this, QStringLiteral("D\u00E9finition du signal \u00E0 l'entr\u00E9e du filtre"), 90, 430, 12, true,
              QColor(0x00, 0x80, 0x80));

        // Caption buttons.
        auto* quit = Place(new TVrDemoButton(QStringLiteral("Quitter"), this), 16, 360, 65, 65);
        Q_UNUSED(quit);
        auto* params = Place(new TVrDemoButton(QStringLiteral("Parametres"), this), 8, 432, 78, 30);
        hover(params);
        auto* ok = Place(new TVrDemoButton(QStringLiteral("OK"), this), 8, 468, 78, 30);
        ok->setFontLeave(VrLook::font(13, true));
        ok->setFontEnter(VrLook::font(13));
        ok->setColorEnter(QColor(0xE0, 0x00, 0x00));
        hover(ok);

        // Filter selector: seven radio LEDs in a panel.
        auto* group = Place(new TVrDisplay(this), 424, 48, 321, 105);
        Text(group, QStringLiteral("Type de filtre "), 10, 6, 11, true);
        const char* kinds[] = {"Amplificateur", "Passe-bas  ordre2 ", "Passe-haut ordre2", "Passe-bande ",
                               "Coupe-bande", "Passe-bas   ", "Passe-haut "};
        for (int i = 0; i < 7; ++i) {
            auto* led = Place(new TVrCheckLed(QString::fromUtf8(kinds[i]), group), i < 4 ? 12 : 168,
                              24 + 19 * (i % 4), 150, 18);
            led->setCheckStyle(TVrCheckLed::csRadioButton);
            led->setLedColor(i == 3 ? VrLook::LedRed : VrLook::LedGreen);
            led->setChecked(i == 3);
        }

        // Filter picture, static gain, bandwidth box.
        auto* pictures = new TVrBitmapList(this);
        for (int i = 0; i < 7; ++i)
            pictures->add(FilterPicture(i, QSize(120, 70), dpr));
        auto* image = Place(new TVrBitmapImage(this), 424, 162, 120, 70);
        image->setBitmaps(pictures);
        image->setBitmapIndex(3);
        Text(this, QStringLiteral(" Ao ="), 556, 166, 12, true);
        Text(this, QStringLiteral("1"), 600, 166, 12, true, QColor(0x00, 0x00, 0xA0));
        auto* band = Place(new TVrDisplay(this), 648, 162, 97, 65);
        band->setBevelWidth(1);
        Text(band, QStringLiteral("Bande pass -3dB"), 6, 4, 10, true);
        auto* bw = Place(new TVrNum(band), 10, 26, 50, 28);
        bw->setDigits(3);
        bw->setMax(999);
        bw->setStyle(TVrNum::ns11x20);
        bw->setValue(1);
        Text(band, QStringLiteral("KHz"), 64, 34, 11, true);

        // Cut-off read-out, wheel, damping.
        Text(this, QStringLiteral("f0="), 424, 246, 13, true);
        auto* fc = Place(new TVrNum(this), 454, 240, 58, 28);
        fc->setDigits(3);
        fc->setMax(999);
        fc->setStyle(TVrNum::ns11x20);
        fc->setPalette(TVrPalette{QColor(0x00, 0x80, 0x00), QColor(0x00, 0xFF, 0x00)});
        fc->setValue(6);
        Text(this, QStringLiteral(" Hz"), 514, 248, 12, true);
        auto* wheel = Place(new TVrWheel(this), 424, 280, 85, 85);
        wheel->setMaxValue(1000);
        wheel->setMinValue(100);
        wheel->setPosition(550);
        auto* wheel2 = Place(new TVrWheel(this), 520, 296, 60, 60);
        wheel2->setPosition(85);
        Text(this, QStringLiteral(" m="), 596, 246, 13, true);
        auto* m = Place(new TVrDigitGroup(this), 628, 240, 62, 28);
        m->setDigits(3);
        m->setDecimals(2);
        m->setValue(0.705);
        auto* damping = Place(new TVrTrackBar(this), 600, 278, 49, 97);
        damping->setOrientation(Qt::Vertical);
        damping->setMaxValue(1000);
        damping->setFrequency(2);
        damping->setPosition(141);
        auto* dg = Place(new TVrDigitGroup(this), 660, 300, 80, 26);
        dg->setDigits(5);
        dg->setDecimals(2);
        dg->setLeadingZero(false);
        dg->setActiveOnly(true);
        dg->setPalette(TVrPalette{VrLook::SegmentLow, VrLook::LedYellow});
        dg->setValue(-12.5);
        auto* nan = Place(new TVrDigitGroup(this), 660, 334, 80, 26);
        nan->setValue(std::numeric_limits<double>::quiet_NaN());

        // Output group.
        auto* out = Place(new TVrDisplay(this), 424, 380, 321, 86);
        Text(out, QStringLiteral("Sortie du filtre"), 10, 6, 11, true);
        auto* c1 = Place(new TVrCheckLed(QStringLiteral("Superposer sortie et entr\u00E9e en f (t) "), out), 12, 24, 290, 18);
        c1->setChecked(true);
        Place(new TVrCheckLed(QStringLiteral("Spectre entr\u00E9e                    "), out), 12, 43, 290, 18);
        auto* c3 = Place(new TVrCheckLed(QStringLiteral("Spectre sortie                      "), out), 12, 62, 290, 18);
        c3->setLedColor(VrLook::LedYellow);
        c3->setChecked(true);

        // Styled buttons in four states.
        const char* xi[] = {"Copier", "/ 2", "x 2", "Valeurs"};
        for (int i = 0; i < 4; ++i) {
            auto* b = Place(new TXiButton(QString::fromUtf8(xi[i]), this), 760, 8 + 62 * i, 113, 57);
            const GlyphKind kinds[] = {GlyphKind::Copy, GlyphKind::Halve, GlyphKind::Double, GlyphKind::Values};
            b->setGlyph(ButtonGlyph(kinds[i], i == 3 ? 32 : 16, dpr));
            if (i == 1)
                hover(b);
            if (i == 2)
                press(b);
            if (i == 3)
                b->setEnabled(false);
        }

        // Edit fields.
        Text(this, QStringLiteral("Fr\u00E9quence: (<1MHz)"), 760, 262, 11);
        auto* ne = Place(new TVrNumEdit(this), 760, 278, 120, 24);
        ne->setMaxValue(1000000);
        ne->setValue(100);
        Text(this, QStringLiteral("Amplitude max des harmoniques"), 760, 308, 11);
        auto* se = Place(new TVrStrEdit(this), 760, 324, 120, 24);
        se->setText(QStringLiteral("1,5"));
        auto* ne2 = Place(new TVrNumEdit(this), 760, 354, 120, 24);
        ne2->setTextColor(VrLook::LedYellow);
        ne2->setDecimals(2);
        ne2->setValue(3.25);

        // Duty-cycle strip: scale over a track bar, with a read-out.
        auto* strip = Place(new TVrDisplay(this), 88, 476, 560, 112);
        Text(strip, QStringLiteral("Rapport cyclique en %"), 12, 8, 11, true);
        auto* scale = Place(new TVrScale(strip), 12, 26, 420, 32);
        scale->setTicks(20);
        scale->setTicksHeight(8);
        scale->setShowSign(false);
        scale->setTextColor(QColor(0x00, 0x80, 0x00));
        scale->setPeakLevel(80);
        auto* delta = Place(new TVrTrackBar(strip), 12, 60, 420, 40);
        delta->setFrequency(1);
        delta->setPosition(37);
        auto* duty = Place(new TVrNum(strip), 456, 44, 64, 32);
        duty->setDigits(3);
        duty->setMax(100);
        duty->setStyle(TVrNum::ns11x20);
        duty->setPalette(TVrPalette{QColor(0x00, 0x80, 0x00), QColor(0x00, 0xFF, 0x00)});
        duty->setValue(37);

        // Horizontal slider and switch, red read-out.
        auto* hs = Place(new TVrSlider(this), 760, 392, 170, 33);
        hs->setOrientation(Qt::Horizontal);
        hs->setPosition(70);
        auto* hsw = Place(new TVrSwitch(this), 760, 432, 90, 25);
        hsw->setOrientation(Qt::Horizontal);
        hsw->setPositions(5);
        hsw->setOffset(3);
        hsw->setLedColor(VrLook::LedYellow);
        auto* red = Place(new TVrNum(this), 860, 432, 70, 26);
        red->setDigits(4);
        red->setLeadingZero(true);
        red->setStyle(TVrNum::ns11x20);
        red->setPalette(TVrPalette{QColor(0x40, 0x08, 0x04), VrLook::LedRed});
        red->setValue(42);
        auto* pb = Place(new TVrPowerButton(QStringLiteral("Marche"), this), 760, 470, 81, 33);
        pb->setLedColor(VrLook::LedRed);
        pb->setActive(true);
        auto* pb2 = Place(new TVrPowerButton(QStringLiteral("Arr\u00EAt"), this), 849, 470, 81, 33);
        pb2->setLedColor(VrLook::LedRed);
        auto* tb = Place(new TVrTrackBar(this), 760, 512, 170, 40);
        tb->setPosition(65);
    }
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: widgets-gallery OUTPUT.png [--scale N]\n");
        return 2;
    }
    qreal scale = 2;
    const qsizetype s = args.indexOf(QStringLiteral("--scale"));
    if (s > 0 && s + 1 < args.size())
        scale = std::clamp(args.at(s + 1).toDouble(), 1.0, 4.0);

    Gallery gallery(scale);
    QPixmap picture(gallery.size() * scale);
    picture.setDevicePixelRatio(scale);
    picture.fill(VrLook::Silver);
    gallery.render(&picture);
    if (!picture.save(args.at(1), "PNG")) {
        std::fprintf(stderr, "widgets-gallery: cannot write %s\n", qPrintable(args.at(1)));
        return 1;
    }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every number the user types, at the ends of its range, just beyond them
// and beyond the doubles: refused with the field's message and nothing
// changed, or taken with a finite state and a picture drawn. At the ends of
// the ranges the graphs keep the shape they have at ordinary values, and
// the read-outs show their whole text. One test program: the typed values
// in tst_bounds.cpp, the pictures and read-outs in boundspictures.cpp.

#include "tests/app/programtest.h"

#include "filter/responsewindow.h"
#include "settings/settingsrules.h"
#include "signal/signallimits.h"
#include "widgets/tvrnumedit.h"
#include "widgets/tvrstredit.h"

#include <QFontMetrics>

#include <cmath>

enum Field {
    Fundamental, // the settings dialog, committed by OK
    FullScale,
    Periods,
    MeanCoefficient,
    KeyStep,
    GraduationLength, // the settings dialog's boxes and font picker
    CopyWidth,
    CopyHeight,
    FontSize,
    Cutoff, // the main window's click-to-change values
    StaticGain,
    Duration, // the sound window
    DutyCycle, // the duty-cycle dialog
};

constexpr double Refused = -12345; // in the "value" column: nothing changes

inline const QString Mauvaise = QStringLiteral("Mauvaise entrée");

// The pixels of one colour, as a mask.
QImage Mask(const QImage& picture, QRgb colour);
int Count(const QImage& mask);
// Some pixel of the picture has the colour.
bool HasInk(const QImage& picture, QRgb colour);

class BoundsTest : public ProgramTest {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init();
    void cleanup() { StopProgram(); }

    void typedValues_data();
    void typedValues();
    void timeGraphShape_data();
    void timeGraphShape();
    void spectraShape_data();
    void spectraShape();
    void readoutsShowTheirWholeText_data();
    void readoutsShowTheirWholeText();
    void responseAtTheBounds_data();
    void responseAtTheBounds();

private:
    TForm2& F() { return m_program->Form2(); }
    void Type(Field field, const QString& text);
    void TypeSettings(QLineEdit* edit, const QString& text);
    double Value(Field field);
    QByteArray Snapshot();
    void CheckFinite();
};

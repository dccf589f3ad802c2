// SPDX-License-Identifier: GPL-3.0-or-later
// Lesson files written and read back: a table of lessons reopens equal and
// writes the same bytes again; the example file of the README is read.

#include "lesson/lessonfile.h"
#include "lesson/lessonnames.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <numbers>
#include <sstream>

namespace {

std::string Fixture(const std::string& name)
{
    std::ifstream in(std::string(LESSON_FIXTURES) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

struct RoundTripCase {
    const char* name;
    std::function<void(Lesson&)> change;
};

const RoundTripCase RoundTripCases[] = {
    {"start-up", [](Lesson&) {}},
    {"square 30 % through a band-pass",
     [](Lesson& l) {
         l.Preset = PresetKind::Square;
         l.DutyCycle = 0.3;
         l.MeanPercent = 30;
         for (int k = 1; k <= HarmonicCount; ++k) {
             l.AmplitudePercent[k] = 100 / k;
             l.PhaseDegrees[k] = k % 2 ? 90 : -90;
         }
         l.Filter = FilterKind::BandPass;
         l.CutoffHz = 300;
         l.Damping = 0.1;
     }},
    {"limits of every field",
     [](Lesson& l) {
         l.FundamentalHz = 999999;
         l.FullScaleValue = 1e-100;
         l.MeanBound = 999;
         l.MeanPercent = -999;
         l.KeyStep = 10;
         l.Filter = FilterKind::LowPass2;
         l.CutoffHz = 0.001;
         l.Damping = 0.0001;
         l.StaticGain = -1e100;
         l.PeriodsShown = 9.99;
         l.Display.OutputScaleFactor = 10000;
         l.Display.Plot.GraduationLength = 30;
         l.Display.Plot.FontSize = 16;
         l.Display.CopyWidthPx = 1135;
         l.Display.CopyHeightPx = 51;
         l.Display.Plot.HarmonicColour[12] = 0xFFFFFF;
         l.Display.SynthesisColour = 0x000000;
     }},
    {"mystery filter with a note and open windows",
     [](Lesson& l) {
         l.FilterHidden = true;
         l.Consigne = "Trouvez le filtre : écoutez la sortie.\n\tÀ rendre « demain ».";
         l.Filter = FilterKind::HighPass1;
         l.CutoffHz = 250;
         l.CutoffTyped = true;
         l.SettingsOpen = l.SoundOpen = l.ResponseOpen = true;
         l.Display.ShowInputSpectrum = l.Display.ShowOutputSpectrum = true;
         l.Display.SpectrumMode = SpectrumMode::Rms;
         l.Display.ShowLineValues = true;
         l.Display.PaperPalette = true;
         l.Display.BlackBackground = false;
         l.Display.Plot.GridOn = true;
         l.Display.Plot.GridDotted = false;
         l.Display.Plot.FontName = "DejaVu Sans Mono";
         l.Shown[3] = l.Shown[12] = true;
         l.Display.ShowIdealSignal = true;
         l.Display.SuperposeOutput = false;
     }},
};

class LessonRoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(LessonRoundTrip, ReopensEqualAndWritesTheSameBytes)
{
    Lesson lesson;
    GetParam().change(lesson);
    const std::string bytes = WriteLesson(lesson);
    const LessonReadResult r = ReadLesson(bytes);
    ASSERT_TRUE(r.Read) << r.Message;
    EXPECT_EQ(*r.Read, lesson);
    EXPECT_EQ(WriteLesson(*r.Read), bytes);
}

INSTANTIATE_TEST_SUITE_P(Table, LessonRoundTrip, testing::ValuesIn(RoundTripCases),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(LessonFile, ExampleOfTheReadmeIsReadAndWrittenBackByteForByte)
{
    const std::string bytes = Fixture("exemple.seance");
    const LessonReadResult r = ReadLesson(bytes);
    ASSERT_TRUE(r.Read) << r.Message;
    EXPECT_EQ(r.Read->Preset, PresetKind::Square);
    EXPECT_EQ(r.Read->Filter, FilterKind::LowPass2);
    EXPECT_FALSE(r.Read->Consigne.empty());
    EXPECT_EQ(WriteLesson(*r.Read), bytes);
}

TEST(LessonFile, TakesTheUsersFieldsFromTheState)
{
    SharedState state;
    state.Signal.Harmonics.AmplitudePercent[4] = 35;
    state.Signal.Harmonics.PhaseRad[4] = -std::numbers::pi / 2;
    state.Signal.Harmonics.PhaseRad[5] = std::numbers::pi;
    state.Signal.Harmonics.FilterGain[4] = 0.5; // computed: not kept
    state.View.PeriodsShown = 2.5;
    state.View.TimeEnd = 0.025; // computed: not kept
    state.Display.Plot.AxesAtOrigin = false;
    state.Filter.Kind = FilterKind::BandStop;
    Lesson lesson;
    TakeFromState(state, lesson);
    EXPECT_EQ(lesson.AmplitudePercent[4], 35);
    EXPECT_EQ(lesson.PhaseDegrees[4], -90);
    EXPECT_EQ(lesson.PhaseDegrees[5], 180);
    EXPECT_EQ(lesson.PeriodsShown, 2.5);
    EXPECT_EQ(lesson.Filter, FilterKind::BandStop);
    EXPECT_TRUE(lesson.Display.Plot.AxesAtOrigin);
}

TEST(LessonFile, ColoursAndWords)
{
    EXPECT_EQ(ColourText(0x0A1B2C), "#0A1B2C");
    EXPECT_EQ(ColourFromText("#0a1b2c"), 0x0A1B2Cu);
    for (const char* bad : {"", "#12345", "#1234567", "123456 ", "#12345G", "#-12345"})
        EXPECT_FALSE(ColourFromText(bad)) << bad;
    for (PresetKind p : {PresetKind::Free, PresetKind::Square, PresetKind::Triangle, PresetKind::HalfWave,
                         PresetKind::FullWave, PresetKind::ThreePulse})
        EXPECT_EQ(PresetFromWord(PresetWord(p)), p);
    for (FilterKind f : {FilterKind::Amplifier, FilterKind::LowPass1, FilterKind::HighPass1, FilterKind::LowPass2,
                         FilterKind::HighPass2, FilterKind::BandPass, FilterKind::BandStop})
        EXPECT_EQ(FilterFromWord(FilterWord(f)), f);
}

} // namespace

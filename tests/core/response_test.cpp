// SPDX-License-Identifier: GPL-3.0-or-later
#include "filter/responsecurve.h"
#include "signal/presets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <complex>
#include <limits>
#include <numbers>
#include <vector>

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

const FilterKind AllKinds[] = {FilterKind::Amplifier, FilterKind::LowPass1, FilterKind::HighPass1,
                               FilterKind::LowPass2,  FilterKind::HighPass2, FilterKind::BandPass,
                               FilterKind::BandStop};

SharedState Filtered(FilterKind kind, double fc, double m, double g0, int f0 = 100)
{
    SharedState s;
    s.Signal.FundamentalHz = f0;
    s.Filter.Kind = kind;
    s.Filter.CutoffHz = fc;
    s.Filter.Damping = m;
    s.Filter.StaticGain = g0;
    return s;
}

// The square preset at a duty cycle of 50 %: sliders at 64, 21, 13, 9, 7
// and 6 % on the odd harmonics.
SharedState Square(SharedState s)
{
    s.Signal.Preset = PresetKind::Square;
    s.Signal.DutyCycle = 0.5;
    PresetPositions p;
    PresetPositionsFor(s.Signal, p);
    s.Signal.MeanPercent = p.MeanPosition;
    s.Signal.MeanValue = p.MeanPosition / 100.0;
    for (int k = 1; k <= 12; ++k) {
        s.Signal.Harmonics.AmplitudePercent[k] = p.Amplitude[k];
        s.Signal.Harmonics.PhaseRad[k] = SwitchDegrees(p.Phase[k]) * std::numbers::pi / 180;
    }
    ApplyFilter(s);
    return s;
}

ResponseView ViewOf(const SharedState& s, int samples = 571)
{
    ResponseView v;
    ComputeResponseView(s, samples, v);
    return v;
}

// H(f) from the transfer function, with a complex library in extended precision.
std::complex<long double> Transfer(const FilterState& filter, FilterKind kind, long double f)
{
    const std::complex<long double> j(0, 1);
    const long double x = f / filter.CutoffHz, m = filter.Damping, g0 = filter.StaticGain;
    const std::complex<long double> den2 = 1 - x * x + j * (2 * m * x);
    switch (kind) {
    case FilterKind::Amplifier: return g0;
    case FilterKind::LowPass1: return g0 / (1.0L + j * x);
    case FilterKind::HighPass1: return g0 * j * x / (1.0L + j * x);
    case FilterKind::LowPass2: return g0 / den2;
    case FilterKind::HighPass2: return -g0 * x * x / den2;
    case FilterKind::BandPass: return g0 * j * (2 * m * x) / den2;
    case FilterKind::BandStop: return g0 * (1 - x * x) / den2;
    case FilterKind::None: break;
    }
    return 0;
}

TEST(ResponseSpan, WholeDecadesWithAMarginOfOne)
{
    struct Row {
        FilterKind kind;
        double fc;
        int f0;
        int first, last;
    };
    const Row rows[] = {
        {FilterKind::LowPass2, 300, 100, 1, 5},      // 100 .. 1200 Hz and fc inside
        {FilterKind::Amplifier, 1e-3, 100, 1, 5},    // the amplifier has no cut-off
        {FilterKind::LowPass1, 1e-3, 100, -4, 5},    // the lowest cut-off
        {FilterKind::HighPass2, 999999, 100, 1, 7},  // the highest cut-off
        {FilterKind::BandPass, 1000, 10, 0, 4},      // powers of ten bound their decade
        {FilterKind::BandStop, 300, 1000, 1, 6},     // 12 f0 = 12000 Hz
        {FilterKind::LowPass1, NaN, 0, -4, 3},       // read as 0.001 Hz and 1 Hz
        {FilterKind::LowPass1, 1e300, 100, 1, HighestDecade},
        {FilterKind::LowPass1, 1e-300, 100, -4, 5},
        {FilterKind::Amplifier, 1, 2147483647, 8, HighestDecade},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << static_cast<char>(r.kind) << " fc " << r.fc << " f0 " << r.f0);
        const FrequencySpan span = ResponseSpan(Filtered(r.kind, r.fc, 0.2, 1, r.f0));
        EXPECT_EQ(span.FirstDecade, r.first);
        EXPECT_EQ(span.LastDecade, r.last);
    }
}

// Every point of the curve against an independent evaluation of the
// transfer function: the gain within 1e-12 relative, the phase within
// 1e-12 rad once both are unwrapped along the curve.
TEST(ResponseCurve, AgreesWithTheComplexTransferFunction)
{
    const double cutoffs[] = {0.001, 37, 300, 999999};
    const double dampings[] = {0.0001, 0.2, 0.705, 5};
    const double gains[] = {1, -2.5, 1e-3};
    for (FilterKind kind : AllKinds)
        for (double fc : cutoffs)
            for (double m : dampings)
                for (double g0 : gains) {
                    SCOPED_TRACE(::testing::Message() << static_cast<char>(kind) << " fc " << fc << " m " << m
                                                      << " G0 " << g0);
                    const SharedState s = Filtered(kind, fc, m, g0);
                    const ResponseView v = ViewOf(s, 997);
                    long double reference = 0, offset = 0;
                    bool started = false;
                    for (const ResponseSample& p : v.Curve) {
                        const std::complex<long double> h = Transfer(s.Filter, kind, p.Hz);
                        ASSERT_NEAR(std::fabs(p.Gain), std::abs(h), 1e-12L * std::abs(h)) << p.Hz;
                        EXPECT_EQ(std::signbit(p.Gain), g0 < 0);
                        if (std::abs(h) == 0)
                            continue; // no phase at the notch itself
                        const long double arg = std::arg(h);
                        reference = started ? arg + 2 * Pi * std::rint((reference - arg) / (2 * Pi)) : arg;
                        const long double drawn = p.PhaseDeg * Pi / 180;
                        if (!started)
                            offset = 2 * Pi * std::rint((drawn - reference) / (2 * Pi));
                        started = true;
                        ASSERT_NEAR(static_cast<double>(drawn - offset), static_cast<double>(reference), 1e-12) << p.Hz;
                    }
                    EXPECT_GT(v.Curve.front().PhaseDeg, -180);
                    EXPECT_LE(v.Curve.front().PhaseDeg, 180);
                }
}

TEST(ResponseCurve, SpansTheDecadesThroughTheExactFrequencies)
{
    const SharedState s = Square(Filtered(FilterKind::LowPass2, 300, 0.2, 1));
    const ResponseView v = ViewOf(s, 571);
    ASSERT_GE(v.Curve.size(), 571u);
    EXPECT_EQ(v.Curve.front().Hz, 10.0);
    EXPECT_EQ(v.Curve.back().Hz, 1e5);
    for (std::size_t i = 1; i < v.Curve.size(); ++i)
        ASSERT_GT(v.Curve[i].Hz, v.Curve[i - 1].Hz);
    auto has = [&](double hz) {
        return std::any_of(v.Curve.begin(), v.Curve.end(), [&](const ResponseSample& p) { return p.Hz == hz; });
    };
    for (double hz : {100.0, 300.0, 500.0, 700.0, 900.0, 1100.0})
        EXPECT_TRUE(has(hz)) << hz;
    // The resonance is a vertex: G0 / 2m there, -90 degrees.
    const auto top = std::max_element(v.Curve.begin(), v.Curve.end(),
                                      [](const ResponseSample& a, const ResponseSample& b) { return a.Gain < b.Gain; });
    EXPECT_NEAR(top->Gain, 1 / (2 * 0.2 * std::sqrt(1 - 0.2 * 0.2)), 0.01);
    for (const ResponseSample& p : v.Curve)
        if (p.Hz == 300.0) {
            EXPECT_DOUBLE_EQ(p.Gain, 2.5);
            EXPECT_DOUBLE_EQ(p.PhaseDeg, -90);
        }
}

// The markers are the cycle's own values, and the curve passes through them.
TEST(ResponseMarkers, AreTheHarmonicTableValuesOnTheCurve)
{
    for (FilterKind kind : AllKinds)
        for (double g0 : {1.0, -3.0}) {
            SCOPED_TRACE(::testing::Message() << static_cast<char>(kind) << " G0 " << g0);
            const SharedState s = Square(Filtered(kind, 300, 0.2, g0));
            const ResponseView v = ViewOf(s);
            const HarmonicTable& t = s.Signal.Harmonics;
            std::vector<int> ks;
            for (const ResponseMarker& m : v.Markers) {
                ks.push_back(m.K);
                EXPECT_EQ(m.Hz, 100.0 * m.K);
                EXPECT_EQ(m.Gain, t.FilterGain[m.K]);
                EXPECT_EQ(m.PhaseRad, t.FilterPhaseRad[m.K]);
                const auto vertex = std::find_if(v.Curve.begin(), v.Curve.end(),
                                                 [&](const ResponseSample& p) { return p.Hz == m.Hz; });
                ASSERT_NE(vertex, v.Curve.end());
                EXPECT_EQ(vertex->Gain, m.Gain);
                EXPECT_EQ(vertex->PhaseRad, m.PhaseRad);
                EXPECT_EQ(vertex->GainDb, m.GainDb);
                EXPECT_EQ(vertex->PhaseDeg, m.PhaseDeg);
            }
            EXPECT_EQ(ks, (std::vector<int>{1, 3, 5, 7, 9, 11}));
        }
}

TEST(ResponseMarkers, FollowTheFundamentalAndTheAmplitudes)
{
    SharedState s = Square(Filtered(FilterKind::BandPass, 300, 0.2, 1));
    s.Signal.FundamentalHz = 50;
    s.Signal.Harmonics.AmplitudePercent[3] = 0;
    s.Signal.Harmonics.AmplitudePercent[2] = 40;
    ApplyFilter(s);
    const ResponseView v = ViewOf(s);
    std::vector<double> hz;
    for (const ResponseMarker& m : v.Markers) {
        hz.push_back(m.Hz);
        EXPECT_EQ(m.Gain, s.Signal.Harmonics.FilterGain[m.K]);
    }
    EXPECT_EQ(hz, (std::vector<double>{50, 100, 250, 350, 450, 550}));
    // A fundamental that is not a frequency puts no marker anywhere.
    s.Signal.FundamentalHz = 0;
    EXPECT_TRUE(ViewOf(s).Markers.empty());
}

TEST(ResponseAmplifier, FlatLineInvertedPhaseAndZeroGain)
{
    struct Row {
        double g0;
        double db, deg;
        double dbMin, dbMax;
        double degMin, degMax;
    };
    const double minus = -std::numeric_limits<double>::infinity();
    const Row rows[] = {
        {1, 0, 0, -50, 10, -45, 45},
        {2, 20 * std::log10(2.0), 0, -40, 30, -45, 45},
        {-2, 20 * std::log10(2.0), 180, -40, 30, 135, 225},
        {0, minus, 0, -50, 10, -45, 45},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << "G0 " << r.g0);
        const SharedState s = Square(Filtered(FilterKind::Amplifier, 300, 0.2, r.g0));
        const ResponseView v = ViewOf(s);
        EXPECT_FALSE(v.HasCutoff);
        EXPECT_EQ(v.Db.Min, r.dbMin);
        EXPECT_EQ(v.Db.Max, r.dbMax);
        EXPECT_EQ(v.Deg.Min, r.degMin);
        EXPECT_EQ(v.Deg.Max, r.degMax);
        // Zero gain lies on the bottom of the axis, never at minus infinity.
        const double db = std::isfinite(r.db) ? r.db : v.Db.Min;
        for (const ResponseSample& p : v.Curve) {
            ASSERT_DOUBLE_EQ(p.GainDb, db);
            ASSERT_EQ(p.PhaseDeg, r.deg);
        }
        ASSERT_EQ(v.Markers.size(), 6u);
        for (const ResponseMarker& m : v.Markers) {
            EXPECT_DOUBLE_EQ(m.GainDb, db);
            EXPECT_EQ(m.PhaseDeg, r.deg);
        }
        if (std::isfinite(r.db)) {
            ASSERT_EQ(v.GainAsymptotes.size(), 1u);
            EXPECT_DOUBLE_EQ(v.GainAsymptotes[0].Y0, db);
            EXPECT_DOUBLE_EQ(v.GainAsymptotes[0].Y1, db);
        } else {
            EXPECT_TRUE(v.GainAsymptotes.empty());
        }
    }
}

TEST(ResponseAxes, RangesOfTheModels)
{
    struct Row {
        FilterKind kind;
        double g0;
        double dbMin, dbMax, dbStep;
        double degMin, degMax;
    };
    const Row rows[] = {
        {FilterKind::LowPass2, 1, -100, 30, 10, -225, 45},
        {FilterKind::LowPass1, 1, -60, 10, 10, -135, 45},
        {FilterKind::HighPass1, 1, -50, 10, 10, -45, 135},
        {FilterKind::HighPass2, 1, -70, 30, 10, -45, 225},
        {FilterKind::BandPass, 1, -70, 10, 10, -135, 135},
        {FilterKind::BandStop, 1, -50, 10, 10, -135, 135},
        {FilterKind::LowPass2, -1, -100, 30, 10, -45, 225},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << static_cast<char>(r.kind) << " G0 " << r.g0);
        const ResponseView v = ViewOf(Square(Filtered(r.kind, 300, 0.2, r.g0)));
        EXPECT_EQ(v.Db.Min, r.dbMin);
        EXPECT_EQ(v.Db.Max, r.dbMax);
        EXPECT_EQ(v.Db.Step, r.dbStep);
        EXPECT_EQ(v.Deg.Min, r.degMin);
        EXPECT_EQ(v.Deg.Max, r.degMax);
        EXPECT_EQ(v.Deg.Step, 45);
        for (const ResponseSample& p : v.Curve) {
            ASSERT_LE(p.GainDb, v.Db.Max);
            ASSERT_GT(p.PhaseDeg, v.Deg.Min);
            ASSERT_LT(p.PhaseDeg, v.Deg.Max);
        }
        for (const ResponseMarker& m : v.Markers)
            ASSERT_GE(m.GainDb, v.Db.Min);
    }
}

// The asymptotes are the limits of the response far from fc.
TEST(ResponseAsymptotes, AreTheLimitsOfEachModel)
{
    for (FilterKind kind : AllKinds)
        for (double m : {0.05, 0.705, 3.0})
            for (double g0 : {1.0, -4.0}) {
                SCOPED_TRACE(::testing::Message() << static_cast<char>(kind) << " m " << m << " G0 " << g0);
                const SharedState s = Filtered(kind, 300, m, g0);
                const BodeAsymptotes a = AsymptotesOf(s.Filter, kind);
                for (long double x : {1e-5L, 1e5L}) {
                    const FilterPoint p = FilterResponseAt(s.Filter, kind, 300 * x);
                    const double slope = x < 1 ? a.LowSlope : a.HighSlope;
                    const double asymptoteDb = a.CornerDb + slope * std::log10(static_cast<double>(x));
                    EXPECT_NEAR(GainToDb(p.Gain), asymptoteDb, 1e-4) << static_cast<double>(x);
                    const double deg = p.PhaseRad * 180 / std::numbers::pi + (g0 < 0 ? 180 : 0);
                    const double limit = x < 1 ? a.LowDeg : a.HighDeg;
                    EXPECT_NEAR(std::remainder(deg - limit, 360.0), 0.0, 0.01) << static_cast<double>(x);
                }
            }
}

TEST(ResponseAsymptotes, BrokenAtTheCutoffAndClippedToTheAxis)
{
    const ResponseView v = ViewOf(Square(Filtered(FilterKind::LowPass2, 300, 0.2, 1)));
    const double xc = std::log10(300.0);
    ASSERT_EQ(v.GainAsymptotes.size(), 2u);
    const WorldSegment flat = v.GainAsymptotes[0], slope = v.GainAsymptotes[1];
    EXPECT_EQ(flat.X0, 1);
    EXPECT_EQ(flat.Y0, 0);
    EXPECT_DOUBLE_EQ(flat.X1, xc);
    EXPECT_EQ(flat.Y1, 0);
    EXPECT_DOUBLE_EQ(slope.X0, xc);
    EXPECT_DOUBLE_EQ((slope.Y1 - slope.Y0) / (slope.X1 - slope.X0), -40);
    EXPECT_DOUBLE_EQ(slope.Y1, v.Db.Min); // -101 dB at 10^5 Hz lies below the axis
    EXPECT_LT(slope.X1, 5);
    // Phase: 0 below fc, a step at fc, -180 above.
    ASSERT_EQ(v.PhaseAsymptotes.size(), 3u);
    EXPECT_EQ(v.PhaseAsymptotes[0].Y0, 0);
    EXPECT_DOUBLE_EQ(v.PhaseAsymptotes[1].X0, xc);
    EXPECT_DOUBLE_EQ(v.PhaseAsymptotes[1].X1, xc);
    EXPECT_EQ(v.PhaseAsymptotes[2].Y1, -180);
    // A band-pass of small damping: the corner lies well below the peak.
    const ResponseView bp = ViewOf(Square(Filtered(FilterKind::BandPass, 300, 0.05, 1)));
    ASSERT_EQ(bp.GainAsymptotes.size(), 2u);
    EXPECT_DOUBLE_EQ(bp.GainAsymptotes[0].Y1, 20 * std::log10(0.1));
    EXPECT_EQ(bp.PhaseAsymptotes.front().Y0, 90);
    EXPECT_EQ(bp.PhaseAsymptotes.back().Y0, -90);
}

// No state, however hostile, gives a non-finite value or an empty axis.
TEST(ResponseView, HostileStatesStayFinite)
{
    std::vector<SharedState> states;
    for (FilterKind kind : AllKinds) {
        states.push_back(Filtered(kind, NaN, NaN, NaN, 0));
        states.push_back(Filtered(kind, -5, -1, DBL_MAX, -100));
        states.push_back(Filtered(kind, DBL_MAX, DBL_MAX, -DBL_MAX, 2147483647));
        states.push_back(Filtered(kind, 1e-300, 0, 0, 1));
    }
    states.push_back(Filtered(FilterKind::None, 300, 0.2, 1));
    for (SharedState& s : states) {
        for (int k = 1; k <= 12; ++k)
            s.Signal.Harmonics.AmplitudePercent[k] = 100;
        ApplyFilter(s);
    }
    SharedState stale = Square(Filtered(FilterKind::LowPass2, 300, 0.2, 1));
    stale.Signal.Harmonics.FilterGain.fill(NaN);
    stale.Signal.Harmonics.FilterPhaseRad.fill(NaN);
    states.push_back(stale);
    for (const SharedState& s : states)
        for (int samples : {-5, 0, 1, 2, 600}) {
            SCOPED_TRACE(::testing::Message() << static_cast<char>(s.Filter.Kind) << " fc " << s.Filter.CutoffHz
                                              << " f0 " << s.Signal.FundamentalHz << " samples " << samples);
            const ResponseView v = ViewOf(s, samples);
            ASSERT_GE(v.Curve.size(), 2u);
            EXPECT_LT(v.Span.FirstDecade, v.Span.LastDecade);
            for (const ValueAxis& a : {v.Db, v.Deg}) {
                ASSERT_TRUE(std::isfinite(a.Min) && std::isfinite(a.Max) && std::isfinite(a.Step));
                ASSERT_LT(a.Min, a.Max);
                ASSERT_GT(a.Step, 0);
            }
            for (const ResponseSample& p : v.Curve)
                ASSERT_TRUE(std::isfinite(p.GainDb) && std::isfinite(p.PhaseDeg)) << p.Hz;
            for (const ResponseMarker& m : v.Markers)
                ASSERT_TRUE(std::isfinite(m.GainDb) && std::isfinite(m.PhaseDeg)) << m.K;
            for (const auto* list : {&v.GainAsymptotes, &v.PhaseAsymptotes})
                for (const WorldSegment& w : *list)
                    ASSERT_TRUE(std::isfinite(w.X0) && std::isfinite(w.Y0) && std::isfinite(w.X1) &&
                                std::isfinite(w.Y1));
        }
}

} // namespace

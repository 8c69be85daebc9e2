// SPDX-License-Identifier: GPL-3.0-or-later
// gen: how a time of day and one uniform draw become a value, and the source of the draws.

#include "fake_chance.h"

#include "game/chance.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Brelun::TimeOfDay;
using fakes::drawForL;
using fakes::ScriptedChance;

using Shares = std::map<std::int64_t, int>;

// How many of the 10000 inner values l land on each result of gen(x1, x2) at a time of day.
Shares sharesOverEveryL(std::int32_t x1, std::int32_t x2, const TimeOfDay &time = {})
{
    const double t = Brelun::dayFraction(time);
    Shares shares;
    for (int l = 0; l < 10000; ++l)
        ++shares[Brelun::genFrom(x1, x2, t, drawForL(l))];
    return shares;
}

Shares sameShareEach(std::int64_t first, std::int64_t last, std::int64_t step, int share)
{
    Shares shares;
    for (std::int64_t v = first; v <= last; v += step)
        shares[v] = share;
    return shares;
}

// --- the shares of the range ----------------------------------------------------------------

struct ShareCase
{
    std::string name;
    std::int32_t x1;
    std::int32_t x2;
    Shares expected;

    friend void PrintTo(const ShareCase &c, std::ostream *os) { *os << c.name; }
};

class GenShares : public ::testing::TestWithParam<ShareCase>
{
};

TEST_P(GenShares, EachValueOwnsExactlyItsShareOfTheTenThousandInnerValues)
{
    const ShareCase &c = GetParam();
    EXPECT_EQ(sharesOverEveryL(c.x1, c.x2), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, GenShares,
    ::testing::Values(
        ShareCase{"SixteenValuesOwn625Each", 1, 16, sameShareEach(1, 16, 1, 625)},
        ShareCase{"FourValuesOwn2500Each", 1, 4, sameShareEach(1, 4, 1, 2500)},
        ShareCase{"ThreeValuesGiveTheSpareToTheLowEnd", 1, 3, {{1, 3334}, {2, 3333}, {3, 3333}}},
        ShareCase{"OneValueAlwaysComesOut", 7, 7, {{7, 10000}}},
        ShareCase{"TenThousandValuesOwnOneEach", 0, 9999, sameShareEach(0, 9999, 1, 1)},
        ShareCase{"TwentyThousandValuesGiveOnlyEveryOther", 1, 20000, sameShareEach(1, 19999, 2, 1)},
        ShareCase{"ANegativeLowEndMovesTheSharesWithIt", -8, 7, sameShareEach(-8, 7, 1, 625)}),
    [](const ::testing::TestParamInfo<ShareCase> &info) { return info.param.name; });

// --- where one value gives way to the next ---------------------------------------------------

struct EdgeCase
{
    std::int32_t x1;
    std::int32_t x2;
    int l;
    std::int64_t expected;

    friend void PrintTo(const EdgeCase &c, std::ostream *os)
    {
        *os << "gen(" << c.x1 << ", " << c.x2 << ") at l = " << c.l;
    }
};

class GenEdges : public ::testing::TestWithParam<EdgeCase>
{
};

TEST_P(GenEdges, ValueStepsUpExactlyWhereLTimesTheWidthReachesTheNextTenThousand)
{
    const EdgeCase &c = GetParam();
    EXPECT_EQ(Brelun::genFrom(c.x1, c.x2, 0.0, drawForL(c.l)), c.expected);
}

TEST_P(GenEdges, GenReadsTheClockOnceAndTakesOneDrawThroughTheSeam)
{
    const EdgeCase &c = GetParam();
    ScriptedChance chance({drawForL(c.l)});
    Brelun::testing::ScopedChance use(chance);

    EXPECT_EQ(Brelun::gen(c.x1, c.x2), c.expected);
    EXPECT_EQ(chance.drawsTaken(), 1u);
    EXPECT_EQ(chance.clockReads, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, GenEdges,
    ::testing::Values(EdgeCase{1, 16, 0, 1}, EdgeCase{1, 16, 624, 1}, EdgeCase{1, 16, 625, 2},
                      EdgeCase{1, 16, 9374, 15}, EdgeCase{1, 16, 9375, 16}, EdgeCase{1, 16, 9999, 16},
                      EdgeCase{1, 4, 2499, 1}, EdgeCase{1, 4, 2500, 2}, EdgeCase{1, 4, 7499, 3},
                      EdgeCase{1, 4, 7500, 4}, EdgeCase{1, 4, 9999, 4}, EdgeCase{1, 3, 3333, 1},
                      EdgeCase{1, 3, 3334, 2}, EdgeCase{1, 3, 6666, 2}, EdgeCase{1, 3, 6667, 3},
                      EdgeCase{1, 3, 9999, 3}, EdgeCase{7, 7, 9999, 7}, EdgeCase{1, 20000, 0, 1},
                      EdgeCase{1, 20000, 9999, 19999}),
    [](const ::testing::TestParamInfo<EdgeCase> &info) {
        const EdgeCase &c = info.param;
        return "From" + std::to_string(c.x1) + "To" + std::to_string(c.x2) + "AtL" + std::to_string(c.l);
    });

// --- the time of day -------------------------------------------------------------------------

struct FractionCase
{
    TimeOfDay time;
    std::int64_t msecOfDay;
};

TEST(DayFraction, IsTheMillisecondOfTheDayOverTheMillisecondsOfADay)
{
    const FractionCase cases[] = {
        {{0, 0, 0, 0}, 0},
        {{0, 0, 0, 1}, 1},
        {{1, 2, 3, 4}, 3723004},
        {{6, 0, 0, 0}, 21600000},
        {{12, 0, 0, 0}, 43200000},
        {{23, 59, 59, 999}, 86399999},
    };
    for (const FractionCase &c : cases) {
        SCOPED_TRACE(c.msecOfDay);
        EXPECT_DOUBLE_EQ(Brelun::dayFraction(c.time), static_cast<double>(c.msecOfDay) / 86400000.0);
    }
    EXPECT_LT(Brelun::dayFraction({23, 59, 59, 999}), 1.0);
}

struct TimeShiftCase
{
    std::string name;
    TimeOfDay time;
    int shift; // how far the time of day turns l, modulo 10000

    friend void PrintTo(const TimeShiftCase &c, std::ostream *os) { *os << c.name; }
};

class GenTimeOfDay : public ::testing::TestWithParam<TimeShiftCase>
{
};

// t x 10000 moves the fractional part by the same amount for every draw within a millisecond:
// which draw gives which value turns, but every value keeps its share.
TEST_P(GenTimeOfDay, TurnsWhichDrawGivesWhichValueButKeepsEveryShare)
{
    const TimeShiftCase &c = GetParam();
    const double t = Brelun::dayFraction(c.time);
    for (int l = 0; l < 10000; ++l) {
        SCOPED_TRACE(l);
        ASSERT_EQ(Brelun::genFrom(0, 9999, t, drawForL(l)), (l + c.shift) % 10000);
    }
    EXPECT_EQ(sharesOverEveryL(1, 16, c.time), sameShareEach(1, 16, 1, 625));
    EXPECT_EQ(sharesOverEveryL(1, 4, c.time), sameShareEach(1, 4, 1, 2500));
}

INSTANTIATE_TEST_SUITE_P(
    Times, GenTimeOfDay,
    ::testing::Values(TimeShiftCase{"Midnight", {0, 0, 0, 0}, 0},
                      TimeShiftCase{"OneMillisecondPastMidnight", {0, 0, 0, 1}, 1},
                      TimeShiftCase{"TwoMillisecondsPastMidnight", {0, 0, 0, 2}, 2},
                      TimeShiftCase{"FiveMillisecondsPastMidnight", {0, 0, 0, 5}, 6},
                      TimeShiftCase{"AWholeTenThousandthOfADay", {0, 0, 8, 640}, 0},
                      TimeShiftCase{"Noon", {12, 0, 0, 0}, 0},
                      TimeShiftCase{"Afternoon", {13, 47, 5, 123}, 6485},
                      TimeShiftCase{"LastMillisecondOfTheDay", {23, 59, 59, 999}, 9999}),
    [](const ::testing::TestParamInfo<TimeShiftCase> &info) { return info.param.name; });

TEST(Gen, TwoDrawsInTheSameMillisecondTakeSuccessiveDrawsOfTheSource)
{
    // At 13:47:05.123 the time of day turns l by 6485: the draws for 3 and 11 at midnight
    // (l = 1250 and 6250) become l = 7735 and 2735, that is 13 and 5.
    ScriptedChance chance({fakes::drawFor(3, 16), fakes::drawFor(11, 16)}, {13, 47, 5, 123});
    Brelun::testing::ScopedChance use(chance);

    EXPECT_EQ(Brelun::gen(1, 16), 13);
    EXPECT_EQ(Brelun::gen(1, 16), 5);
    EXPECT_EQ(chance.drawsTaken(), 2u);
    EXPECT_EQ(chance.clockReads, 2);
}

// --- the seam and the process's own source ---------------------------------------------------

TEST(ChanceSeam, GivesBackTheSourceItReplacedWhenItEnds)
{
    ScriptedChance outer({fakes::drawFor(5, 16)});
    ScriptedChance inner({fakes::drawFor(2, 16)});
    {
        Brelun::testing::ScopedChance useOuter(outer);
        {
            Brelun::testing::ScopedChance useInner(inner);
            EXPECT_EQ(Brelun::gen(1, 16), 2);
        }
        EXPECT_EQ(Brelun::gen(1, 16), 5);
    }
    // Back on the process's own source: neither script is read again.
    Brelun::seedRandomSource();
    for (int i = 0; i < 100; ++i) {
        const std::int64_t v = Brelun::gen(1, 16);
        EXPECT_TRUE(v >= 1 && v <= 16) << v;
    }
    EXPECT_EQ(outer.drawsTaken(), 1u);
    EXPECT_EQ(inner.drawsTaken(), 1u);
}

// Chi-square against the even spread. The bounds sit far in the tail (a sound source passes
// them except about once in ten million runs) yet a stuck, biased or cyclic source fails them.
double chiSquare(const int *counts, int cells, double expected)
{
    double sum = 0.0;
    for (int i = 0; i < cells; ++i) {
        const double d = counts[i] - expected;
        sum += d * d / expected;
    }
    return sum;
}

// A range the game draws from: the sixteen numbers, or the four letters.
struct SpreadCase
{
    std::string name;
    std::int32_t last; // gen(1, last)
    int draws;
    double bound; // chi-square with last - 1 degrees of freedom
    friend void PrintTo(const SpreadCase &c, std::ostream *os) { *os << c.name; }
};

class RandomSpread : public ::testing::TestWithParam<SpreadCase>
{
};

TEST_P(RandomSpread, CoversTheRangeEvenlyAndNeverLeavesIt)
{
    const SpreadCase &c = GetParam();
    Brelun::seedRandomSource();
    std::vector<int> counts(static_cast<std::size_t>(c.last));
    int outside = 0;
    for (int i = 0; i < c.draws; ++i) {
        const std::int64_t v = Brelun::gen(1, c.last);
        if (v < 1 || v > c.last)
            ++outside;
        else
            ++counts[static_cast<std::size_t>(v - 1)];
    }
    EXPECT_EQ(outside, 0) << "draws of 0 or " << c.last + 1 << " and beyond";
    EXPECT_LT(chiSquare(counts.data(), c.last, static_cast<double>(c.draws) / c.last), c.bound);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, RandomSpread,
    ::testing::Values(SpreadCase{"OneToSixteen", 16, 160000, 60.0}, // 15 degrees of freedom
                      SpreadCase{"TheFourLetters", 4, 40000, 40.0}), // 3 degrees of freedom
    [](const ::testing::TestParamInfo<SpreadCase> &info) { return info.param.name; });

TEST(RandomSource, GivesSuccessiveValuesThatDoNotFollowEachOther)
{
    Brelun::seedRandomSource();
    constexpr int pairs = 256000;
    std::array<int, 256> counts{};
    for (int i = 0; i < pairs; ++i) {
        const std::int64_t a = Brelun::gen(1, 16);
        const std::int64_t b = Brelun::gen(1, 16);
        ASSERT_TRUE(a >= 1 && a <= 16 && b >= 1 && b <= 16);
        ++counts[static_cast<std::size_t>((a - 1) * 16 + (b - 1))];
    }
    EXPECT_LT(chiSquare(counts.data(), 256, pairs / 256.0), 420.0); // 255 degrees of freedom
}

} // namespace

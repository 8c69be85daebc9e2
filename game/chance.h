// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace Brelun {

// The local wall-clock time of day.
struct TimeOfDay
{
    int hour = 0;
    int minute = 0;
    int second = 0;
    int msec = 0;
};

// Where gen takes its two inputs from: the clock of day and one uniform draw in [0, 1).
class Chance
{
public:
    virtual ~Chance() = default;
    virtual TimeOfDay timeOfDay() = 0;
    virtual double draw() = 0;
};

// Seeds the process-wide random source from the high-resolution clock. Called once, at start-up.
void seedRandomSource();

// The game's one random draw: an integer in [x1, x2] for ranges of 1 to 10000 values.
std::int64_t gen(std::int32_t x1, std::int32_t x2);

// gen's arithmetic once its inputs are read: t the fraction of the day, r the draw.
std::int64_t genFrom(std::int32_t x1, std::int32_t x2, double t, double r);

// The fraction of a day that a time of day stands for, in [0, 1).
double dayFraction(const TimeOfDay &time);

namespace testing {
// Lets a test replace the clock and the draws while it lives; the program never uses it.
class ScopedChance
{
public:
    explicit ScopedChance(Chance &replacement);
    ~ScopedChance();
    ScopedChance(const ScopedChance &) = delete;
    ScopedChance &operator=(const ScopedChance &) = delete;

private:
    Chance *previous;
};
} // namespace testing

} // namespace Brelun

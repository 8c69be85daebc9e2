// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/chance.h"

#include <chrono>
#include <ctime>
#include <random>

namespace Brelun {

namespace {

// The process-wide random source: 53 bits to a draw, seeded once from the high-resolution clock.
class SystemChance final : public Chance
{
public:
    void seed(std::uint64_t value) { engine.seed(value); }

    TimeOfDay timeOfDay() override
    {
        using namespace std::chrono;
        const auto now = system_clock::now();
        const std::time_t seconds = system_clock::to_time_t(now);
        std::tm local{};
        localtime_r(&seconds, &local);
        const auto msec = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
        return {local.tm_hour, local.tm_min, local.tm_sec, static_cast<int>(msec)};
    }

    double draw() override
    {
        constexpr double unit = 1.0 / static_cast<double>(std::uint64_t{1} << 53);
        return static_cast<double>(engine() >> 11) * unit;
    }

private:
    std::mt19937_64 engine;
};

SystemChance systemChance;
Chance *currentChance = &systemChance;
bool seeded = false;

} // namespace

void seedRandomSource()
{
    if (seeded) // the source is seeded once per process and never again
        return;
    seeded = true;
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    systemChance.seed(static_cast<std::uint64_t>(ticks));
}

double dayFraction(const TimeOfDay &time)
{
    const std::int64_t msecOfDay = time.hour * std::int64_t{3600000} + time.minute * std::int64_t{60000} +
                                   time.second * std::int64_t{1000} + time.msec;
    return static_cast<double>(msecOfDay) / 86400000.0;
}

std::int64_t genFrom(std::int32_t x1, std::int32_t x2, double t, double r)
{
    double m = t * 10000.0 + r;
    const auto h = static_cast<std::int64_t>(m);
    m = m - static_cast<double>(h);
    const auto l = static_cast<std::int64_t>(m * 10000.0);
    // The width of the range is a 32-bit quantity that is then widened with its sign.
    const std::int64_t n =
        static_cast<std::int32_t>(static_cast<std::uint32_t>(x2) - static_cast<std::uint32_t>(x1) + 1U);
    return std::int64_t{x1} + (l * n) / 10000;
}

std::int64_t gen(std::int32_t x1, std::int32_t x2)
{
    const double t = dayFraction(currentChance->timeOfDay());
    const double r = currentChance->draw();
    return genFrom(x1, x2, t, r);
}

namespace testing {

ScopedChance::ScopedChance(Chance &replacement)
    : previous(currentChance)
{
    currentChance = &replacement;
}

ScopedChance::~ScopedChance()
{
    currentChance = previous;
}

} // namespace testing

} // namespace Brelun

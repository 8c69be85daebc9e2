// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/chance.h"

#include <cstdint>
#include <random>

namespace soak {

// The run's source of choices. The engine's output is fixed by the standard, and the dice do
// their own arithmetic on it, so a seed picks the same inputs on every machine.
class Dice
{
public:
    explicit Dice(std::uint64_t seed)
        : engine(seed)
    {
    }

    // 0 .. n - 1, for n > 0.
    int below(int n) { return static_cast<int>(engine() % static_cast<std::uint64_t>(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool percent(int p) { return below(100) < p; }
    double unit() { return static_cast<double>(engine() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 engine;
};

// The game's clock and draws, taken from a seed as well: with it, one seed replays the deals
// and the winning lines together with the inputs.
class SeededChance final : public Brelun::Chance
{
public:
    explicit SeededChance(std::uint64_t seed)
        : dice(seed)
    {
    }

    Brelun::TimeOfDay timeOfDay() override
    {
        return {dice.below(24), dice.below(60), dice.below(60), dice.below(1000)};
    }
    double draw() override { return dice.unit(); }

private:
    Dice dice;
};

} // namespace soak

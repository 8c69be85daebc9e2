// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/chance.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <random>
#include <stdexcept>
#include <utility>
#include <vector>

namespace fakes {

// The uniform draw that, at midnight, gives gen the inner value l (0..9999). The draw sits
// inside l's slot, away from its edges, so rounding cannot carry it into a neighbour.
inline double drawForL(int l)
{
    return (l + 0.3) / 10000.0;
}

// The draw that makes gen(1, n) yield k at midnight, for n dividing 10000 (the game's 16 and 4).
inline double drawFor(int k, int n)
{
    return drawForL((k - 1) * (10000 / n));
}

// A clock stopped at one time of day and a list of draws handed out in order. A draw the
// test did not arrange fails the test: the rules drew more often than the rule allows. It also
// throws, ending the test there, since a loop that redraws could otherwise spin for ever.
class ScriptedChance final : public Brelun::Chance
{
public:
    explicit ScriptedChance(std::vector<double> script = {}, Brelun::TimeOfDay time = {})
        : draws(std::move(script)), clock(time)
    {
    }

    Brelun::TimeOfDay timeOfDay() override
    {
        ++clockReads;
        return clock;
    }

    double draw() override
    {
        if (taken >= draws.size()) {
            ADD_FAILURE() << "draw number " << taken + 1 << " was taken, but only " << draws.size()
                          << " were arranged";
            throw std::logic_error("a draw was taken that the test did not arrange");
        }
        return draws[taken++];
    }

    void add(double r) { draws.push_back(r); }
    void add(std::initializer_list<double> rs) { draws.insert(draws.end(), rs); }

    std::size_t drawsTaken() const { return taken; }
    std::size_t drawsLeft() const { return draws.size() - taken; }
    int clockReads = 0;

private:
    std::vector<double> draws;
    std::size_t taken = 0;
    Brelun::TimeOfDay clock;
};

// Many draws from a fixed seed, for tests about frequencies that must not depend on the run.
class SeededChance final : public Brelun::Chance
{
public:
    explicit SeededChance(std::uint64_t seed) : engine(seed) {}

    Brelun::TimeOfDay timeOfDay() override { return {}; }
    double draw() override
    {
        constexpr double unit = 1.0 / static_cast<double>(std::uint64_t{1} << 53);
        return static_cast<double>(engine() >> 11) * unit;
    }

private:
    std::mt19937_64 engine;
};

} // namespace fakes

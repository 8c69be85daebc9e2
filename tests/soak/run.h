// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace soak {

struct RunSettings
{
    std::uint64_t seed = 0;
    long events = 100000;
    bool trace = false; // print every input as it is delivered
};

// How far a run got into the game, to show that it played whole games.
struct Reached
{
    long deals = 0;
    long numberChoices = 0;
    long letterChoices = 0;
    long shows = 0;
    long stakeChanges = 0;
    long resizes = 0;

    std::string summary() const;
};

struct RunResult
{
    std::optional<std::string> failure; // the first broken rule, with the seed, the input and the inputs before it
    Reached reached;
};

// Builds the window, drives it with the seed's inputs and checks the game after every one.
RunResult runSoak(const RunSettings &settings);

} // namespace soak

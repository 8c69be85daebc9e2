// SPDX-License-Identifier: GPL-3.0-or-later
// A long random run of what a player and a desktop can do to the window, with the game's rules
// checked after every input. TAVIX_SOAK_EVENTS sets the length (100000 unless set),
// TAVIX_SOAK_SEED replays a run (the clock picks one unless set), TAVIX_SOAK_TRACE=1 prints
// every input.
#include "soak/run.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <stdexcept>
#include <string>

namespace soak {
namespace {

// Reads the run's settings; a value that is set but unreadable is an error, not a default.
RunSettings settingsFromEnvironment()
{
    RunSettings s;
    s.seed = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    if (const char *seed = std::getenv("TAVIX_SOAK_SEED"); seed != nullptr && *seed != '\0') {
        char *end = nullptr;
        s.seed = std::strtoull(seed, &end, 10);
        if (*end != '\0')
            throw std::invalid_argument(std::string("TAVIX_SOAK_SEED is not a number: ") + seed);
    }
    if (const char *events = std::getenv("TAVIX_SOAK_EVENTS"); events != nullptr && *events != '\0') {
        char *end = nullptr;
        s.events = std::strtol(events, &end, 10);
        if (*end != '\0' || s.events < 1)
            throw std::invalid_argument(std::string("TAVIX_SOAK_EVENTS is not a positive number: ") + events);
    }
    const char *trace = std::getenv("TAVIX_SOAK_TRACE");
    s.trace = trace != nullptr && std::string(trace) == "1";
    return s;
}

TEST(Soak, RandomPlayerAndDesktopInputKeepTheGameAndTheWindowConsistent)
{
    const RunSettings settings = settingsFromEnvironment();
    std::cout << "[soak] seed " << settings.seed << ", events " << settings.events << std::endl;
    RecordProperty("seed", std::to_string(settings.seed));
    RecordProperty("events", std::to_string(settings.events));

    const RunResult result = runSoak(settings);
    if (result.failure)
        FAIL() << *result.failure;
    std::cout << "[soak] seed " << settings.seed << ": " << settings.events << " events passed; " << result.reached.summary()
              << std::endl;
    if (settings.events >= 10000) { // a run this long plays whole games; one that does not missed its targets
        EXPECT_GT(result.reached.deals, 0);
        EXPECT_GT(result.reached.letterChoices, 0);
        EXPECT_GT(result.reached.shows, 0);
        EXPECT_GT(result.reached.stakeChanges, 0);
        EXPECT_GT(result.reached.resizes, 0);
    }
}

} // namespace
} // namespace soak

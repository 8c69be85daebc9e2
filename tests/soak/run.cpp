// SPDX-License-Identifier: GPL-3.0-or-later
#include "soak/run.h"

#include "soak/dice.h"
#include "soak/expectations.h"
#include "soak/inputs.h"
#include "soak/invariants.h"
#include "soak/snapshot.h"
#include "soak/soak_window.h"

#include <deque>
#include <iostream>

namespace soak {

namespace {

void count(Reached &r, const Snapshot &before, const Snapshot &after, const Input &input)
{
    const Brelun::Tgo &b = before.game;
    const Brelun::Tgo &a = after.game;
    r.deals += a.SlctCount == 0 && !a.go && (b.SlctCount != 0 || a.FLine != b.FLine) ? 1 : 0;
    r.numberChoices += a.SlctCount > b.SlctCount && a.SlctCount <= 6 ? 1 : 0;
    r.letterChoices += b.go && !a.go && a.SlctCount >= 7 ? 1 : 0;
    r.shows += before.showVisible && !after.showVisible && a.SlctCount != 0 ? 1 : 0;
    r.stakeChanges += a.Bet != b.Bet ? 1 : 0;
    r.resizes += std::holds_alternative<ResizeInput>(input.what) ? 1 : 0;
}

std::string failureReport(const RunSettings &s, long event, const std::string &broken, const std::deque<std::string> &recent)
{
    std::string report = "seed " + std::to_string(s.seed) + ", event " + std::to_string(event) + " (" + recent.back()
                         + "): " + broken + "\nreplay: TAVIX_SOAK_SEED=" + std::to_string(s.seed)
                         + " TAVIX_SOAK_EVENTS=" + std::to_string(event)
                         + " soak_test --gtest_filter=Soak.Random*\nthe last inputs, oldest first:";
    for (const std::string &r : recent)
        report += "\n  " + r;
    return report;
}

} // namespace

std::string Reached::summary() const
{
    return std::to_string(deals) + " deals, " + std::to_string(numberChoices) + " number choices, "
           + std::to_string(letterChoices) + " letter choices, " + std::to_string(shows) + " tickets shown, "
           + std::to_string(stakeChanges) + " stake changes, " + std::to_string(resizes) + " resizes";
}

RunResult runSoak(const RunSettings &settings)
{
    RunResult result;
    Dice dice(settings.seed);
    SoakWindow soak(settings.seed ^ 0x9E3779B97F4A7C15ULL); // the game's draws: another stream of the same seed
    Brelun::TTavix &window = soak.window();

    Snapshot last = takeSnapshot(window);
    History history(last.game);
    if (auto broken = brokenInvariant(last, history)) {
        result.failure = "the window breaks a rule before any input: " + *broken;
        return result;
    }

    // The window paints every so many inputs, so that painting still meets the states a run
    // reaches, at a small share of its time.
    constexpr long PaintEvery = 500;
    soak.holdPainting();
    std::deque<std::string> recent;
    for (long n = 1; n <= settings.events; ++n) {
        const Input input = pickInput(dice, window);
        const Reach reach = predictReach(input, window);
        recent.push_back(describe(input));
        if (recent.size() > 12)
            recent.pop_front();
        if (settings.trace)
            std::cerr << "[soak] #" << n << ' ' << recent.back() << '\n';

        deliver(input, window);
        if (n % PaintEvery == 0)
            soak.paintOnce();

        Snapshot now = takeSnapshot(window);
        history.note(now.game);
        std::optional<std::string> broken = brokenInvariant(now, history);
        if (!broken)
            broken = unexpectedChange(last, now, reach);
        if (!broken && std::holds_alternative<ResizeInput>(input.what))
            broken = soak.misplaced();
        if (!broken && std::holds_alternative<ResizeInput>(input.what))
            broken = soak.unlikeAFreshWindow();
        if (!broken)
            broken = soak.trouble();
        if (broken) {
            result.failure = failureReport(settings, n, *broken, recent);
            return result;
        }
        count(result.reached, last, now, input);
        last = std::move(now);
    }
    return result;
}

} // namespace soak

// SPDX-License-Identifier: GPL-3.0-or-later
#include "soak/expectations.h"

#include "game/faces.h"

#include <array>
#include <cstdint>

namespace soak {

namespace {

using Brelun::Tgo;

constexpr int NumberCells = 16;

// 32-bit two's-complement arithmetic, done here afresh rather than borrowed from the game.
std::int32_t wrapped(std::int64_t value)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}

std::int32_t plus(std::int32_t a, std::int32_t b)
{
    return wrapped(std::int64_t{a} + b);
}

std::int32_t times(std::int32_t a, std::int32_t b)
{
    return wrapped(std::int64_t{a} * b);
}

// The payout: the multiplier for the numbers found and whether the letter was found exactly once.
std::int32_t multiplier(std::int32_t numbers, std::int32_t letters)
{
    const bool letter = letters == 1;
    switch (numbers) {
    case 6: return letter ? 1000 : 500;
    case 5: return letter ? 50 : 10;
    case 4: return letter ? 5 : 2;
    case 3: return letter ? 1 : 0;
    default: return 0;
    }
}

std::int32_t afterBetPress(int key, std::int32_t bet)
{
    switch (key) {
    case 0: return plus(bet, 1);
    case 1: return plus(bet, 10);
    case 2: return times(bet, 2);
    case 3: return times(bet, 10);
    default: return 0;
    }
}

std::optional<std::string> unchanged(const Snapshot &before, const Snapshot &after)
{
    if (auto found = gameDifference(before.game, after.game))
        return found;
    return faceDifference(before, after);
}

std::optional<std::string> betPressed(const Snapshot &before, const Snapshot &after, const Reach &reach)
{
    const Tgo &b = before.game;
    const Tgo &a = after.game;
    if (plus(a.Chips, a.Bet) != plus(b.Chips, b.Bet))
        return "Chips + Bet changed from " + std::to_string(plus(b.Chips, b.Bet)) + " to " + std::to_string(plus(a.Chips, a.Bet));
    Tgo expected = b;
    for (int n = 0; n < reach.presses; ++n)
        expected.Bet = afterBetPress(reach.index, expected.Bet);
    expected.Chips = wrapped(std::int64_t{b.Chips} + b.Bet - expected.Bet);
    return gameDifference(expected, a);
}

std::optional<std::string> dealt(const Snapshot &before, const Snapshot &after)
{
    Tgo expected = before.game;
    expected.Chips = plus(before.game.Chips, before.game.Win);
    expected.Win = 0;
    expected.SlctCount = 0;
    expected.SelDCount = 0;
    expected.SelLCount = 0;
    expected.go = false;
    expected.FLine = after.game.FLine; // a fresh ticket, of any order
    expected.LLine = after.game.LLine;
    if (auto found = gameDifference(expected, after.game))
        return found;
    for (int k = 1; k <= 20; ++k) {
        if (!after.cellText[k].isEmpty() || after.cellColor[k] != Brelun::NormalTextColor)
            return "cell " + std::to_string(k) + " is not blank and plain after a deal";
    }
    for (int j = 1; j <= 7; ++j) {
        if (after.ballColor[j] != Brelun::NormalTextColor || after.ballText[j] != before.ballText[j])
            return "ball " + std::to_string(j) + " did not keep its text in the normal colour through a deal";
    }
    if (after.showVisible)
        return std::string("\"Show\" is visible after a deal");
    return std::nullopt;
}

bool chosenEarlier(const Tgo &g, int k)
{
    for (int j = 1; j <= g.SlctCount && j <= 6; ++j) {
        if (g.Slct[j] == k)
            return true;
    }
    return false;
}

std::optional<std::string> cellClicked(const Snapshot &before, const Snapshot &after, int k)
{
    const Tgo &b = before.game;
    Tgo expected = b;
    expected.go = true;
    const std::int32_t count = b.SlctCount + 1;
    bool opens = false;
    if (count <= 6) {
        if (k > NumberCells || chosenEarlier(b, k)) { // refused: only the lock is set
            if (auto found = gameDifference(expected, after.game))
                return "a refused click on cell " + std::to_string(k) + " changed the game: " + *found;
            return faceDifference(before, after);
        }
        expected.Slct[count] = k;
        for (int i = 1; i <= 6; ++i)
            expected.SelDCount += b.FLine[k] == b.WLine[i] ? 1 : 0;
        opens = true;
    } else if (k > NumberCells) { // the letter choice
        expected.SelLCount += b.LLine[k - NumberCells] == b.WLine[7] ? 1 : 0;
        expected.Chips = plus(b.Chips, wrapped(-std::int64_t{b.Bet}));
        expected.go = false;
        opens = true;
        if (!after.showVisible)
            return "\"Show\" is hidden after a letter choice";
    }
    expected.SlctCount = count;
    expected.Win = times(b.Bet, multiplier(expected.SelDCount, expected.SelLCount));
    if (auto found = gameDifference(expected, after.game))
        return "a click on cell " + std::to_string(k) + ": " + *found;
    if (opens && after.cellText[k].isEmpty())
        return "cell " + std::to_string(k) + " stayed closed after it was chosen";
    return std::nullopt;
}

std::optional<std::string> showClicked(const Snapshot &before, const Snapshot &after)
{
    if (auto found = gameDifference(before.game, after.game))
        return "\"Show\" changed the game: " + *found;
    if (after.showVisible)
        return std::string("\"Show\" is still visible after it was pressed");
    for (int k = 1; k <= 20; ++k) {
        if (after.cellText[k].isEmpty())
            return "cell " + std::to_string(k) + " is closed after \"Show\"";
        if (after.cellColor[k] != before.cellColor[k])
            return "cell " + std::to_string(k) + " changed colour on \"Show\"";
    }
    return std::nullopt;
}

// What holds across any input, whatever it reached: chips and stake together change only when
// a letter choice charges the stake or a deal credits the win, and the win changes only to what
// the counts pay or to 0 at a deal.
std::optional<std::string> moneyMoved(const Snapshot &before, const Snapshot &after)
{
    const Tgo &b = before.game;
    const Tgo &a = after.game;
    const bool letterChosen = a.SlctCount == b.SlctCount + 1 && a.SlctCount >= 7 && !a.go;
    const bool dealt = a.SlctCount == 0 && a.Win == 0 && !a.go;
    const std::int32_t moved = wrapped(std::int64_t{plus(a.Chips, a.Bet)} - plus(b.Chips, b.Bet));
    if (moved != 0 && !(letterChosen && moved == wrapped(-std::int64_t{b.Bet})) && !(dealt && moved == b.Win))
        return "Chips + Bet moved by " + std::to_string(moved) + " without a letter choice or a deal to account for it";
    const bool paid = a.Win == times(a.Bet, multiplier(a.SelDCount, a.SelLCount));
    if (a.Win != b.Win && !paid && !(dealt && a.Win == 0))
        return "the win changed from " + std::to_string(b.Win) + " to " + std::to_string(a.Win) + ", which the counts do not pay";
    return std::nullopt;
}

} // namespace

std::optional<std::string> unexpectedChange(const Snapshot &before, const Snapshot &after, const Reach &reach)
{
    using On = Reach::On;
    if (auto found = moneyMoved(before, after))
        return found;
    const bool locked = before.game.go;
    switch (reach.on) {
    case On::Unknown:
        return std::nullopt;
    case On::Nothing:
        return unchanged(before, after);
    case On::Keyboard:
        if (auto found = gameDifference(before.game, after.game))
            return "a key changed the game: " + *found;
        if (before.showVisible && !after.showVisible)
            return showClicked(before, after);
        if (auto found = faceDifference(before, after)) {
            if (!before.showVisible)
                return "a key changed the window while \"Show\" was hidden: " + *found;
            return "a key changed the window: " + *found;
        }
        return std::nullopt;
    case On::Bet:
        if (locked || reach.presses == 0)
            return unchanged(before, after);
        return betPressed(before, after, reach);
    case On::ChangeValues: {
        if (locked || reach.presses == 0)
            return unchanged(before, after);
        Tgo expected = before.game;
        expected.WLine = after.game.WLine; // a fresh line; its rules are checked on their own
        return gameDifference(expected, after.game);
    }
    case On::StartLotto:
        if (locked || reach.presses == 0)
            return unchanged(before, after);
        return dealt(before, after);
    case On::Cell:
        if (reach.clicks == 0)
            return unchanged(before, after);
        return cellClicked(before, after, reach.index);
    case On::Show:
        if (reach.clicks == 0 || !before.showVisible)
            return unchanged(before, after);
        return showClicked(before, after);
    }
    return std::nullopt;
}

} // namespace soak

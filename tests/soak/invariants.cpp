// SPDX-License-Identifier: GPL-3.0-or-later
#include "soak/invariants.h"

#include "game/faces.h"

#include <algorithm>
#include <array>
#include <sstream>

namespace soak {

namespace {

using Brelun::Array1;
using Brelun::Tgo;

constexpr int NumberCells = 16;

// The texts that cells and balls may show, made once: the checks run after every input.
const QString &numberText(std::int32_t n)
{
    static const std::array<QString, 17> texts = [] {
        std::array<QString, 17> t;
        for (int i = 1; i <= 16; ++i)
            t[static_cast<std::size_t>(i)] = QString::number(i);
        return t;
    }();
    return texts[static_cast<std::size_t>(n)]; // only called with 1..16
}

const QString &letterText(std::int32_t index)
{
    static const std::array<QString, 5> texts{QString(), QStringLiteral("R"), QStringLiteral("L"),
                                              QStringLiteral("C"), QStringLiteral("T")};
    return texts[static_cast<std::size_t>(index)]; // only called with 1..4
}

template <std::size_t N>
bool isPermutation(const Array1<std::int32_t, N> &line)
{
    std::array<bool, N + 1> seen{};
    for (const std::int32_t v : line) {
        if (v < 1 || v > static_cast<std::int32_t>(N) || seen[static_cast<std::size_t>(v)])
            return false;
        seen[static_cast<std::size_t>(v)] = true;
    }
    return true;
}

template <typename T, std::size_t N>
std::string listed(const Array1<T, N> &line)
{
    std::ostringstream out;
    for (const T &v : line)
        out << ' ' << v;
    return out.str();
}

bool isWinningNumber(std::int32_t n, const Array1<std::int32_t, 7> &line)
{
    for (int i = 1; i <= 6; ++i) {
        if (line[i] == n)
            return true;
    }
    return false;
}

// The cells opened as number choices in this game.
int choicesMade(const Tgo &g)
{
    return std::clamp(g.SlctCount, 0, 6);
}

bool isChoice(const Tgo &g, int k)
{
    for (int j = 1; j <= choicesMade(g); ++j) {
        if (g.Slct[j] == k)
            return true;
    }
    return false;
}

std::string cell(int k)
{
    return "cell " + std::to_string(k);
}

std::optional<std::string> lines(const Tgo &g)
{
    if (!isPermutation(g.FLine))
        return "FLine is not a permutation of 1..16:" + listed(g.FLine);
    if (!isPermutation(g.LLine))
        return "LLine is not a permutation of 1..4:" + listed(g.LLine);
    for (int i = 1; i <= 6; ++i) {
        const bool repeated = std::count(g.WLine.begin(), g.WLine.begin() + 6, g.WLine[i]) > 1;
        if (g.WLine[i] < 1 || g.WLine[i] > 16 || repeated)
            return "WLine[1..6] are not six distinct numbers of 1..16:" + listed(g.WLine);
    }
    if (g.WLine[7] < 1 || g.WLine[7] > 4)
        return "WLine[7] is not a letter index 1..4:" + listed(g.WLine);
    return std::nullopt;
}

std::optional<std::string> counters(const Tgo &g, const History &history)
{
    if (g.SlctCount < 0 || g.SelLCount < 0)
        return "a counter is negative: SlctCount " + std::to_string(g.SlctCount) + ", SelLCount " + std::to_string(g.SelLCount);
    if (g.SelDCount < 0 || g.SelDCount > 6)
        return "SelDCount " + std::to_string(g.SelDCount) + " is outside 0..6";
    if (g.SlctCount >= 1 && g.SlctCount <= 6 && !g.go)
        return "the lock is clear while number cells are being opened (SlctCount " + std::to_string(g.SlctCount) + ")";
    if (g.SlctCount >= 1 && g.SlctCount <= 6 && g.WLine != history.choiceLine())
        return "the winning line changed while number cells were being opened: from" + listed(history.choiceLine()) + " to" + listed(g.WLine);
    int matches = 0;
    for (int j = 1; j <= choicesMade(g); ++j) {
        const std::int32_t k = g.Slct[j];
        if (k < 1 || k > NumberCells)
            return "choice " + std::to_string(j) + " is " + std::to_string(k) + ", not a number cell";
        for (int earlier = 1; earlier < j; ++earlier) {
            if (g.Slct[earlier] == k)
                return cell(k) + " was chosen twice in one game:" + listed(g.Slct);
        }
        matches += isWinningNumber(g.FLine[k], history.choiceLine()) ? 1 : 0;
    }
    if (g.SelDCount != matches)
        return "SelDCount is " + std::to_string(g.SelDCount) + " but the chosen cells hold " + std::to_string(matches) + " winning numbers";
    return std::nullopt;
}

std::optional<std::string> cells(const Snapshot &s, const History &history)
{
    const Tgo &g = s.game;
    const bool allOpen = std::none_of(s.cellText.begin(), s.cellText.end(), [](const QString &t) { return t.isEmpty(); });
    int litLetters = 0;
    for (int k = 1; k <= 20; ++k) {
        const bool open = !s.cellText[k].isEmpty();
        const QString &value = k <= NumberCells ? numberText(g.FLine[k]) : letterText(g.LLine[k - NumberCells]);
        if (open && s.cellText[k] != value)
            return cell(k) + " shows \"" + s.cellText[k].toStdString() + "\" but holds \"" + value.toStdString() + '"';
        const QRgb color = s.cellColor[k];
        if (color != Brelun::NormalTextColor && color != Brelun::HighlightColor)
            return cell(k) + " has a text colour that is neither normal nor highlight";
        const bool lit = color == Brelun::HighlightColor;
        if (k <= NumberCells) {
            if (!allOpen && open != isChoice(g, k))
                return cell(k) + (open ? " is open but was not chosen" : " was chosen but is closed") + " (\"Show\" was not pressed)";
            const bool matched = isChoice(g, k) && isWinningNumber(g.FLine[k], history.choiceLine());
            if (lit != matched)
                return cell(k) + (lit ? " is highlighted but was not chosen with a winning number" : " was chosen with a winning number but is not highlighted");
        } else {
            if (open && !allOpen && g.SlctCount < 7)
                return cell(k) + " (a letter) is open before six numbers were chosen";
            if (lit && (!open || g.SlctCount < 7 || !history.letterSeen(g.LLine[k - NumberCells])))
                return cell(k) + " (a letter) is highlighted but was never chosen as a winning letter";
            litLetters += lit ? 1 : 0;
        }
    }
    if (litLetters > g.SelLCount)
        return std::to_string(litLetters) + " letter cells are highlighted but SelLCount is " + std::to_string(g.SelLCount);
    if (s.showVisible && (g.SlctCount < 7 || std::all_of(s.cellText.begin() + NumberCells, s.cellText.end(), [](const QString &t) { return t.isEmpty(); })))
        return "\"Show\" is visible but no letter was chosen in this game";
    return std::nullopt;
}

std::optional<std::string> balls(const Snapshot &s, const History &history)
{
    const Tgo &g = s.game;
    for (int i = 1; i <= 7; ++i) {
        const QString &expected = i <= 6 ? numberText(g.WLine[i]) : letterText(g.WLine[7]);
        if (s.ballText[i] != expected)
            return "ball " + std::to_string(i) + " shows \"" + s.ballText[i].toStdString() + "\" but the winning line holds \"" + expected.toStdString() + '"';
        const QRgb color = s.ballColor[i];
        if (color != Brelun::NormalTextColor && color != Brelun::HighlightColor)
            return "ball " + std::to_string(i) + " has a text colour that is neither normal nor highlight";
        bool matched = false;
        if (i <= 6) {
            for (int j = 1; j <= choicesMade(g); ++j)
                matched = matched || g.FLine[g.Slct[j]] == history.choiceLine()[i];
        } else {
            matched = g.SelLCount > 0;
        }
        if ((color == Brelun::HighlightColor) != matched)
            return "ball " + std::to_string(i) + (matched ? " was matched but is not highlighted" : " is highlighted but was not matched");
    }
    return std::nullopt;
}

std::optional<std::string> displays(const Snapshot &s)
{
    const auto wrong = [](const char *name, const QString &shown, std::int32_t value) -> std::optional<std::string> {
        if (shown == QString::number(value))
            return std::nullopt;
        return std::string(name) + " shows \"" + shown.toStdString() + "\" but holds " + std::to_string(value);
    };
    if (auto found = wrong("the win display", s.win, s.game.Win))
        return found;
    if (auto found = wrong("the stake display", s.stake, s.game.Bet))
        return found;
    return wrong("the chips display", s.chips, s.game.Chips);
}

} // namespace

void History::note(const Brelun::Tgo &game)
{
    if (game.SlctCount == 0) { // a deal, or no choice made since: the line of the choices to come
        m_choiceLine = game.WLine;
        m_lettersSeen = 0;
    }
    if (game.WLine[7] >= 1 && game.WLine[7] <= 4)
        m_lettersSeen |= 1U << game.WLine[7];
}

bool History::letterSeen(std::int32_t letter) const
{
    return letter >= 1 && letter <= 4 && (m_lettersSeen & (1U << letter)) != 0;
}

std::optional<std::string> brokenInvariant(const Snapshot &now, const History &history)
{
    if (auto found = lines(now.game))
        return found;
    if (auto found = counters(now.game, history))
        return found;
    if (auto found = cells(now, history))
        return found;
    if (auto found = balls(now, history))
        return found;
    return displays(now);
}

} // namespace soak

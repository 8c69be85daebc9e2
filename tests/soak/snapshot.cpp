// SPDX-License-Identifier: GPL-3.0-or-later
#include "soak/snapshot.h"

#include "ui/tavix.h"

#include <sstream>

namespace soak {

namespace {

template <typename T, std::size_t N>
std::string show(const Brelun::Array1<T, N> &line)
{
    std::ostringstream out;
    out << '[';
    for (int i = line.first(); i <= line.last(); ++i)
        out << (i > line.first() ? " " : "") << line[i];
    out << ']';
    return out.str();
}

std::string show(std::int32_t value)
{
    return std::to_string(value);
}

std::string show(bool value)
{
    return value ? "true" : "false";
}

template <typename T>
std::optional<std::string> differs(const char *field, const T &expected, const T &actual)
{
    if (expected == actual)
        return std::nullopt;
    return std::string(field) + ": expected " + show(expected) + ", got " + show(actual);
}

std::string quoted(const QString &text)
{
    return '"' + text.toStdString() + '"';
}

std::string hex(QRgb color)
{
    std::ostringstream out;
    out << "0x" << std::hex << std::uppercase << color;
    return out.str();
}

} // namespace

Snapshot takeSnapshot(const Brelun::TTavix &window)
{
    Snapshot s;
    s.game = Brelun::GO;
    for (int k = 1; k <= 20; ++k) {
        s.cellText[k] = Brelun::LL[k]->text();
        s.cellColor[k] = Brelun::LL[k]->textSettings().fontColor;
    }
    for (int j = 1; j <= 7; ++j) {
        s.ballText[j] = Brelun::WL[j]->text();
        s.ballColor[j] = Brelun::WL[j]->textSettings().fontColor;
    }
    s.win = window.Label5->text();
    s.stake = window.Label4->text();
    s.chips = window.Label7->text();
    s.showVisible = !window.Button1->isHidden();
    return s;
}

std::optional<std::string> gameDifference(const Brelun::Tgo &expected, const Brelun::Tgo &actual)
{
    for (auto found : {differs("Win", expected.Win, actual.Win), differs("Bet", expected.Bet, actual.Bet),
                       differs("Chips", expected.Chips, actual.Chips), differs("FLine", expected.FLine, actual.FLine),
                       differs("LLine", expected.LLine, actual.LLine), differs("WLine", expected.WLine, actual.WLine),
                       differs("Slct", expected.Slct, actual.Slct),
                       differs("SelDCount", expected.SelDCount, actual.SelDCount),
                       differs("SelLCount", expected.SelLCount, actual.SelLCount),
                       differs("SlctCount", expected.SlctCount, actual.SlctCount), differs("go", expected.go, actual.go)}) {
        if (found)
            return found;
    }
    return std::nullopt;
}

std::optional<std::string> faceDifference(const Snapshot &expected, const Snapshot &actual)
{
    for (int k = 1; k <= 20; ++k) {
        if (expected.cellText[k] != actual.cellText[k])
            return "cell " + std::to_string(k) + " text: expected " + quoted(expected.cellText[k]) + ", got " + quoted(actual.cellText[k]);
        if (expected.cellColor[k] != actual.cellColor[k])
            return "cell " + std::to_string(k) + " colour: expected " + hex(expected.cellColor[k]) + ", got " + hex(actual.cellColor[k]);
    }
    for (int j = 1; j <= 7; ++j) {
        if (expected.ballText[j] != actual.ballText[j])
            return "ball " + std::to_string(j) + " text: expected " + quoted(expected.ballText[j]) + ", got " + quoted(actual.ballText[j]);
        if (expected.ballColor[j] != actual.ballColor[j])
            return "ball " + std::to_string(j) + " colour: expected " + hex(expected.ballColor[j]) + ", got " + hex(actual.ballColor[j]);
    }
    if (expected.win != actual.win)
        return "win display: expected " + quoted(expected.win) + ", got " + quoted(actual.win);
    if (expected.stake != actual.stake)
        return "stake display: expected " + quoted(expected.stake) + ", got " + quoted(actual.stake);
    if (expected.chips != actual.chips)
        return "chips display: expected " + quoted(expected.chips) + ", got " + quoted(actual.chips);
    if (expected.showVisible != actual.showVisible)
        return std::string("\"Show\": expected ") + (expected.showVisible ? "shown" : "hidden") + ", got " + (actual.showVisible ? "shown" : "hidden");
    return std::nullopt;
}

} // namespace soak

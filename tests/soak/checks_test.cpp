// SPDX-License-Identifier: GPL-3.0-or-later
// The soak's checks must see a broken rule: each case plants one fault in a real window or in
// a pair of snapshots and expects the checks to name it. A check that cannot fail would let
// the soak pass whatever the game does.
#include "soak/expectations.h"
#include "soak/inputs.h"
#include "soak/invariants.h"
#include "soak/snapshot.h"
#include "soak/soak_window.h"

#include "game/faces.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace soak {
namespace {

using Brelun::GO;
using Brelun::LL;
using Brelun::TTavix;
using Brelun::WL;

// A fresh window and the game it starts.
class PlantedFault : public ::testing::Test
{
protected:
    // A left click at the middle of cell k, the way the soak delivers it.
    void click(int k)
    {
        TTavix &w = soak.window();
        deliver({MouseInput{Action::Click, Qt::LeftButton, Brelun::RR[k]->mapTo(&w, Brelun::RR[k]->rect().center())}, ""}, w);
    }

    // Opens number cells 1 to count by real clicks.
    void openNumbers(int count)
    {
        for (int k = 1; k <= count; ++k)
            click(k);
    }

    std::optional<std::string> brokenNow()
    {
        const Snapshot s = takeSnapshot(soak.window());
        return brokenInvariant(s, history);
    }

    SoakWindow soak{20240611};
    History history{GO};
};

struct InvariantCase
{
    const char *name;
    int numbersOpened; // real clicks before the fault is planted
    std::function<void(TTavix &)> plant;
    const char *reported; // part of the message the checks must give

    friend void PrintTo(const InvariantCase &c, std::ostream *os) { *os << c.name; }
};

QString wrongNumber(std::int32_t n)
{
    return QString::number(n % 16 + 1);
}

const InvariantCase invariantCases[] = {
    {"TicketNumbersRepeat", 0, [](TTavix &) { GO.FLine[1] = GO.FLine[2]; }, "FLine is not a permutation"},
    {"TicketLettersRepeat", 0, [](TTavix &) { GO.LLine[4] = GO.LLine[3]; }, "LLine is not a permutation"},
    {"WinningNumbersRepeat", 0, [](TTavix &) { GO.WLine[6] = GO.WLine[5]; }, "six distinct numbers"},
    {"WinningLetterOutOfRange", 0, [](TTavix &) { GO.WLine[7] = 5; }, "WLine[7] is not a letter index"},
    {"MoreThanSixMatches", 6, [](TTavix &) { GO.SelDCount = 7; }, "outside 0..6"},
    {"MatchWithoutChoice", 0, [](TTavix &) { GO.SelDCount = 1; }, "SelDCount is 1 but"},
    {"CellChosenTwice", 2, [](TTavix &) { GO.Slct[2] = GO.Slct[1]; }, "chosen twice"},
    {"LockClearWhileOpening", 1, [](TTavix &) { GO.go = false; }, "the lock is clear"},
    {"LineRedrawnWhileOpening", 1, [](TTavix &) { std::swap(GO.WLine[1], GO.WLine[2]); }, "winning line changed"},
    {"CellShowsAnotherNumber", 1, [](TTavix &) { LL[1]->setText(wrongNumber(GO.FLine[1])); }, "cell 1 shows"},
    {"ClosedCellHighlighted", 0, [](TTavix &) { LL[3]->setFontColor(Brelun::HighlightColor); }, "cell 3 is highlighted"},
    {"CellInForeignColour", 0, [](TTavix &) { LL[4]->setFontColor(0xFF000000); }, "neither normal nor highlight"},
    {"CellOpenWithoutChoice", 0, [](TTavix &) { LL[2]->setText(QString::number(GO.FLine[2])); }, "open but was not chosen"},
    {"ChosenCellClosed", 2, [](TTavix &) { LL[2]->setText({}); }, "chosen but is closed"},
    {"LetterOpenEarly", 0, [](TTavix &) { LL[17]->setText(QStringLiteral("RLCT").mid(GO.LLine[1] - 1, 1)); }, "before six numbers"},
    {"BallShowsAnotherNumber", 0, [](TTavix &) { WL[2]->setText(wrongNumber(GO.WLine[2])); }, "ball 2 shows"},
    {"BallHighlightedUnmatched", 0, [](TTavix &) { WL[1]->setFontColor(Brelun::HighlightColor); }, "ball 1 is highlighted"},
    {"WinDisplayWrong", 0, [](TTavix &w) { w.Label5->setText(QStringLiteral("7")); }, "the win display"},
    {"StakeDisplayWrong", 0, [](TTavix &w) { w.Label4->setText(QStringLiteral("7")); }, "the stake display"},
    {"ChipsDisplayWrong", 0, [](TTavix &w) { w.Label7->setText(QStringLiteral("499")); }, "the chips display"},
    {"ShowVisibleAtDeal", 0, [](TTavix &w) { w.Button1->setVisible(true); }, "\"Show\" is visible"},
};

class InvariantFault : public PlantedFault, public ::testing::WithParamInterface<InvariantCase>
{
};

TEST_P(InvariantFault, IsReported)
{
    openNumbers(GetParam().numbersOpened);
    history.note(GO);
    ASSERT_EQ(brokenNow(), std::nullopt) << "the game broke a rule before the fault was planted";
    GetParam().plant(soak.window());
    const auto reported = brokenNow();
    ASSERT_TRUE(reported.has_value());
    EXPECT_NE(reported->find(GetParam().reported), std::string::npos) << *reported;
}

INSTANTIATE_TEST_SUITE_P(Checks, InvariantFault, ::testing::ValuesIn(invariantCases),
                         [](const auto &info) { return std::string(info.param.name); });

// A whole game played by real clicks, with "Show" at the end, breaks no rule at any step.
TEST_F(PlantedFault, AGamePlayedToTheEndPassesEveryCheck)
{
    Snapshot before = takeSnapshot(soak.window());
    const auto step = [&](int k) {
        click(k);
        const Snapshot after = takeSnapshot(soak.window());
        history.note(after.game);
        EXPECT_EQ(brokenInvariant(after, history), std::nullopt) << "after a click on cell " << k;
        EXPECT_EQ(unexpectedChange(before, after, {Reach::On::Cell, k, 1, 1}), std::nullopt) << "after a click on cell " << k;
        before = after;
    };
    for (const int k : {17, 1, 2, 2, 6, 11, 16, 13, 4, 20})
        step(k);
    ASSERT_TRUE(before.showVisible);
    TTavix &w = soak.window();
    deliver({MouseInput{Action::Click, Qt::LeftButton, w.Button1->mapTo(&w, w.Button1->rect().center())}, ""}, w);
    const Snapshot shown = takeSnapshot(w);
    EXPECT_EQ(brokenInvariant(shown, history), std::nullopt);
    EXPECT_EQ(unexpectedChange(before, shown, {Reach::On::Show, 0, 1, 1}), std::nullopt);
}

struct ChangeCase
{
    const char *name;
    Reach reach;
    std::function<void(Snapshot &before, Snapshot &after)> plant;
    const char *reported; // nullptr: the change is what the input must do

    friend void PrintTo(const ChangeCase &c, std::ostream *os) { *os << c.name; }
};

const ChangeCase changeCases[] = {
    {"PlusOneRaisesStakeAndLowersChips", {Reach::On::Bet, 0, 1, 1},
     [](Snapshot &, Snapshot &a) { a.game.Bet += 1; a.game.Chips -= 1; }, nullptr},
    {"PlusOneThatMintsAChip", {Reach::On::Bet, 0, 1, 1},
     [](Snapshot &, Snapshot &a) { a.game.Bet += 1; }, "Chips + Bet moved by 1"},
    {"PlusOneThatDoesNothing", {Reach::On::Bet, 0, 1, 1}, [](Snapshot &, Snapshot &) {}, "Bet: expected"},
    {"DoubleClickOnTimesTenCountedOnce", {Reach::On::Bet, 3, 2, 1},
     [](Snapshot &b, Snapshot &a) { b.game.Bet = 1; a.game.Bet = 10; a.game.Chips = b.game.Chips - 9; }, "Bet: expected 100"},
    {"LockedStakeThatMoves", {Reach::On::Bet, 1, 1, 1},
     [](Snapshot &b, Snapshot &a) { b.game.go = a.game.go = true; a.game.Bet += 10; a.game.Chips -= 10; }, "Bet: expected"},
    {"StartLottoThatForgetsTheWin", {Reach::On::StartLotto, 0, 1, 1},
     [](Snapshot &b, Snapshot &) { b.game.Win = 20; }, "Chips: expected"},
    {"RefusedLetterThatOpens", {Reach::On::Cell, 17, 1, 1},
     [](Snapshot &, Snapshot &a) { a.game.go = true; a.cellText[17] = QStringLiteral("R"); }, "cell 17 text"},
    {"RefusedLetterThatCounts", {Reach::On::Cell, 18, 1, 1},
     [](Snapshot &, Snapshot &a) { a.game.go = true; a.game.SlctCount = 1; }, "SlctCount"},
    {"RightClickOnCellThatOpens", {Reach::On::Cell, 3, 1, 0},
     [](Snapshot &, Snapshot &a) { a.cellText[3] = QStringLiteral("9"); }, "cell 3 text"},
    {"HeldButtonInputThatMintsChips", {Reach::On::Unknown, 0, 0, 0},
     [](Snapshot &, Snapshot &a) { a.game.Chips += 5; }, "Chips + Bet moved by 5"},
    {"HeldButtonInputThatChargesTwice", {Reach::On::Unknown, 0, 0, 0},
     [](Snapshot &b, Snapshot &a) {
         b.game.SlctCount = 6;
         b.game.Bet = a.game.Bet = 10;
         a.game.SlctCount = 7;
         a.game.Chips = b.game.Chips - 20;
     },
     "Chips + Bet moved by -20"},
    {"HeldButtonInputThatChargesALetter", {Reach::On::Unknown, 0, 0, 0},
     [](Snapshot &b, Snapshot &a) {
         b.game.SlctCount = 6;
         b.game.Bet = a.game.Bet = 10;
         a.game.SlctCount = 7;
         a.game.Chips = b.game.Chips - 10;
     },
     nullptr},
    {"WinThatTheCountsDoNotPay", {Reach::On::Unknown, 0, 0, 0},
     [](Snapshot &b, Snapshot &a) {
         b.game.Bet = a.game.Bet = 10;
         b.game.SlctCount = a.game.SlctCount = 6;
         a.game.SelDCount = 4;
         a.game.Win = 30;
     },
     "which the counts do not pay"},
    {"PressOnSceneryThatMovesTheStake", {Reach::On::Nothing, 0, 1, 1},
     [](Snapshot &, Snapshot &a) { a.game.Bet += 1; a.game.Chips -= 1; }, "Bet: expected"},
    {"KeyThatOpensACell", {Reach::On::Keyboard, 0, 0, 0},
     [](Snapshot &, Snapshot &a) { a.cellText[9] = QStringLiteral("4"); }, "while \"Show\" was hidden"},
    {"KeyThatChangesTheGame", {Reach::On::Keyboard, 0, 0, 0},
     [](Snapshot &, Snapshot &a) { a.game.go = true; }, "a key changed the game"},
    {"ShowThatLeavesACellClosed", {Reach::On::Show, 0, 1, 1},
     [](Snapshot &b, Snapshot &a) {
         b.showVisible = true;
         for (int k = 1; k <= 19; ++k)
             a.cellText[k] = QStringLiteral("1");
     },
     "cell 20 is closed"},
};

class ChangeFault : public PlantedFault, public ::testing::WithParamInterface<ChangeCase>
{
};

TEST_P(ChangeFault, IsJudgedRightly)
{
    Snapshot before = takeSnapshot(soak.window());
    Snapshot after = before;
    GetParam().plant(before, after);
    const auto reported = unexpectedChange(before, after, GetParam().reach);
    if (GetParam().reported == nullptr) {
        EXPECT_EQ(reported, std::nullopt);
        return;
    }
    ASSERT_TRUE(reported.has_value());
    EXPECT_NE(reported->find(GetParam().reported), std::string::npos) << *reported;
}

INSTANTIATE_TEST_SUITE_P(Checks, ChangeFault, ::testing::ValuesIn(changeCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace soak

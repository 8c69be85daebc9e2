// SPDX-License-Identifier: GPL-3.0-or-later
// The alignment rules one by one: the order of the kinds, the ranking of stacked siblings,
// margins, centring cut toward zero, hidden children, and every other kind at least once.

#include "alignment_table.h"

#include <array>
#include <ostream>
#include <string>

using Toolkit::Align;
using Toolkit::AlignItem;
using Toolkit::Margins;
using Toolkit::alignChildren;

namespace {

using namespace aligntable;

const Margins uneven{.left = 2, .top = 3, .right = 4, .bottom = 5};

const Row ruleRows[] = {
    // The order of the kinds
    {"MostTopGoesAheadOfTopWhateverTheirTops",
     {100, 100},
     {item(Align::Top, {0, 0, 10, 10}), item(Align::MostTop, {0, 50, 10, 20})},
     {{0, 20, 100, 10}, {0, 0, 100, 20}}},

    {"MostBottomGoesAheadOfBottomWhateverTheirBottoms",
     {10, 100},
     {item(Align::Bottom, {0, 90, 10, 10}), item(Align::MostBottom, {0, 0, 10, 20})},
     {{0, 70, 10, 10}, {0, 80, 10, 20}}},

    {"MostLeftTakesTheFullHeightBeforeTopBandsTakeTheirRows",
     {100, 100},
     {item(Align::Top, {0, 0, 10, 20}), item(Align::MostLeft, {0, 0, 10, 10})},
     {{10, 0, 90, 20}, {0, 0, 10, 100}}},

    // Ranking within a kind
    {"LeftStackTiesKeepTheChildOrder",
     {100, 50},
     {item(Align::Left, {5, 0, 10, 5}), item(Align::Left, {5, 0, 20, 5})},
     {{0, 0, 10, 50}, {10, 0, 20, 50}}},

    {"TopStackTiesKeepTheChildOrder",
     {50, 100},
     {item(Align::Top, {0, 5, 5, 10}), item(Align::Top, {0, 5, 5, 20})},
     {{0, 0, 50, 10}, {0, 10, 50, 20}}},

    {"RightStackPutsTheOutermostFirstAndTiesGoToTheLaterChild",
     {100, 10},
     {item(Align::Right, {40, 0, 10, 10}), item(Align::Right, {80, 0, 10, 10}),
      item(Align::Right, {70, 0, 20, 10})},
     {{60, 0, 10, 10}, {70, 0, 10, 10}, {80, 0, 20, 10}}},

    {"BottomStackPutsTheOutermostFirstAndTiesGoToTheLaterChild",
     {10, 100},
     {item(Align::Bottom, {0, 40, 10, 10}), item(Align::Bottom, {0, 80, 10, 10}),
      item(Align::Bottom, {0, 70, 10, 20})},
     {{0, 60, 10, 10}, {0, 70, 10, 10}, {0, 80, 10, 20}}},

    {"MostRightCellStandsAtTheRightEdgeInsideItsMargin",
     {309, 49},
     {item(Align::MostRight, {0, 0, 50, 50}, leftOnly(4))},
     {{259, 0, 50, 49}}},

    // Slots and margins of each stacking kind
    {"TopChildIsAsWideAsTheRestLessItsMarginsAndTheNextStartsBelowItsSlot",
     {100, 100},
     {item(Align::Top, {50, 50, 10, 20}, {1, 2, 3, 4}), item(Align::Top, {0, 60, 10, 5})},
     {{1, 2, 96, 20}, {0, 26, 100, 5}}},

    {"BottomChildIsCutFromTheBottomInsideItsMargins",
     {100, 100},
     {item(Align::Bottom, {0, 0, 30, 20}, {1, 2, 3, 4})},
     {{1, 76, 96, 20}}},

    {"LeftChildTakesTheFullHeightLessItsMargins",
     {100, 50},
     {item(Align::Left, {50, 50, 20, 5}, uneven)},
     {{2, 3, 20, 42}}},

    {"RightChildIsCutFromTheRightInsideItsMargins",
     {100, 50},
     {item(Align::Right, {0, 0, 20, 5}, uneven)},
     {{76, 3, 20, 42}}},

    // The kinds that take what the stacks leave
    {"ClientFillsWhatTheStacksLeaveInsideItsMargins",
     {100, 100},
     {item(Align::Top, {0, 0, 1, 10}), item(Align::Left, {0, 0, 20, 1}), item(Align::Client, {0, 0, 5, 5}, all(1))},
     {{0, 0, 100, 10}, {0, 10, 20, 90}, {21, 11, 78, 88}}},

    {"ContentsFillsTheWholeParentWhateverIsStacked",
     {100, 100},
     {item(Align::Top, {0, 0, 1, 10}), item(Align::Contents, {40, 40, 5, 5}, all(1))},
     {{0, 0, 100, 10}, {1, 1, 98, 98}}},

    {"HorizontalSpansTheRestAcrossAndKeepsItsTopAndHeight",
     {100, 100},
     {item(Align::Left, {0, 0, 20, 1}), item(Align::Horizontal, {5, 40, 10, 7}, {.left = 2, .right = 3})},
     {{0, 0, 20, 100}, {22, 40, 75, 7}}},

    {"VerticalSpansTheRestDownAndKeepsItsLeftAndWidth",
     {100, 100},
     {item(Align::Top, {0, 0, 1, 20}), item(Align::Vertical, {40, 5, 10, 7}, {.top = 2, .bottom = 3})},
     {{0, 0, 100, 20}, {40, 22, 10, 75}}},

    {"VertCenterCentresDownAndSpansAcross",
     {100, 50},
     {item(Align::VertCenter, {7, 0, 30, 11}, {.left = 2, .right = 3})},
     {{2, 19, 95, 11}}},

    {"FitLeftScalesIntoWhatIsLeftAgainstItsLeftEdge",
     {100, 50},
     {item(Align::Top, {0, 0, 1, 10}), item(Align::FitLeft, {30, 30, 10, 10})},
     {{0, 0, 100, 10}, {0, 10, 40, 40}}},

    {"FitRightScalesIntoWhatIsLeftAgainstItsRightEdge",
     {100, 50},
     {item(Align::Top, {0, 0, 1, 10}), item(Align::FitRight, {30, 30, 10, 10})},
     {{0, 0, 100, 10}, {60, 10, 40, 40}}},

    {"FitScalesDownKeepingItsProportionsAndCentres",
     {40, 100},
     {item(Align::Fit, {3, 3, 80, 20})},
     {{0, 45, 40, 10}}},

    {"FitTakesTheWholeParentWhateverIsStacked",
     {50, 49},
     {item(Align::Top, {0, 0, 1, 10}), item(Align::Fit, {0, 0, 49, 40})},
     {{0, 0, 50, 10}, {0, 4.0918367, 50, 40.8163265}}},

    // Centring
    {"CenterCutsHalvesTowardZeroOnBothSidesOfZero",
     {385, 10},
     {item(Align::Center, {0, 0, 330, 1}), item(Align::Center, {0, 0, 394, 3}), item(Align::Center, {0, 0, 10, 13})},
     {{27, 4, 330, 1}, {-4, 3, 394, 3}, {187, -1, 10, 13}}},

    {"CenterCountsItsMarginsAndStandsInsideThem",
     {385, 295},
     {item(Align::Center, {0, 0, 329, 265}, {.left = 2, .top = 1, .right = 4})},
     {{27, 15, 329, 265}}},

    {"CenterCentresInWhatTheStacksLeave",
     {100, 100},
     {item(Align::Top, {0, 0, 1, 20}), item(Align::Center, {0, 0, 10, 10})},
     {{0, 0, 100, 20}, {45, 55, 10, 10}}},

    {"HorzCenterWiderThanItsParentStandsOutOnBothSides",
     {385, 255},
     {item(Align::HorzCenter, {9, 9, 394, 9})},
     {{-4, 0, 394, 255}}},

    // Children that take no part
    {"HiddenChildrenTakeNoRoomAndAreNotMoved",
     {100, 100},
     {item(Align::Top, {0, 0, 5, 10}), hidden(Align::Top, {3, 4, 5, 6}), item(Align::Top, {0, 30, 5, 10}),
      hidden(Align::Client, {7, 8, 9, 10})},
     {{0, 0, 100, 10}, {3, 4, 5, 6}, {0, 10, 100, 10}, {7, 8, 9, 10}}},

    {"NoneAndScaleChildrenKeepTheirPlaces",
     {100, 100},
     {item(Align::None, {3, 4, 5, 6}), item(Align::Scale, {7, 8, 9, 10}), item(Align::Top, {1, 50, 5, 10})},
     {{3, 4, 5, 6}, {7, 8, 9, 10}, {0, 0, 100, 10}}},

    // Degenerate parents
    // The stacks go on past the far edge, so that each keeps its rank for the next layout.
    {"ZeroSizedParentShrinksStretchedSidesToNothingAndStacksPastItsEdge",
     {0, 0},
     {item(Align::Top, {0, 0, 20, 10}, all(6)), item(Align::Left, {0, 0, 20, 10}, all(6)),
      item(Align::Client, {0, 0, 20, 10}, all(6))},
     {{6, 6, 0, 10}, {6, 28, 20, 0}, {38, 28, 0, 0}}},

    {"OnePixelParentCentresAroundItsMiddle",
     {1, 1},
     {item(Align::Center, {0, 0, 20, 10}), item(Align::HorzCenter, {0, 0, 20, 10}, all(6))},
     {{-9, -4, 20, 10}, {-9, 6, 20, 0}}},
};

TEST_P(LaysOut, EveryChildAsTheRuleSays)
{
    expectRow(GetParam());
}

INSTANTIATE_TEST_SUITE_P(TheRule, LaysOut, ::testing::ValuesIn(ruleRows), rowName);

struct ParentSize
{
    const char *name;
    QSizeF size;
};

void PrintTo(const ParentSize &parent, std::ostream *os)
{
    *os << parent.name;
}

// Whatever the kind, a parent too small for a child and its margins gives it no negative size,
// alone or with every other kind competing for the same room.
class DegenerateParent : public ::testing::TestWithParam<ParentSize>
{
protected:
    static constexpr std::array kinds{
        Align::MostTop, Align::MostBottom, Align::MostLeft, Align::MostRight, Align::Top, Align::Bottom,
        Align::Left, Align::Right, Align::FitLeft, Align::FitRight, Align::Client, Align::Horizontal,
        Align::Vertical, Align::Contents, Align::Center, Align::HorzCenter, Align::VertCenter,
        Align::Scale, Align::Fit,
    };

    static void expectNoNegativeSize(const std::vector<QRectF> &placed)
    {
        for (std::size_t i = 0; i < placed.size(); ++i) {
            SCOPED_TRACE("child " + std::to_string(i));
            EXPECT_GE(placed[i].width(), 0);
            EXPECT_GE(placed[i].height(), 0);
        }
    }
};

TEST_P(DegenerateParent, GivesNoKindANegativeSizeAlone)
{
    for (const Align kind : kinds) {
        SCOPED_TRACE("kind " + std::to_string(static_cast<int>(kind)));
        const std::array children{item(kind, {3, 4, 20, 10}, all(6))};
        expectNoNegativeSize(alignChildren(GetParam().size, children));
    }
}

TEST_P(DegenerateParent, GivesNoKindANegativeSizeAmongAllTheOthers)
{
    std::vector<AlignItem> children;
    for (const Align kind : kinds) {
        children.push_back(item(kind, {3, 4, 20, 10}, all(6)));
        children.push_back(item(kind, {1, 2, 5, 7}, {.left = 1, .top = 2, .right = 3, .bottom = 4}));
    }
    expectNoNegativeSize(alignChildren(GetParam().size, children));
}

INSTANTIATE_TEST_SUITE_P(ZeroAndOnePixel, DegenerateParent,
                         ::testing::Values(ParentSize{"ZeroByZero", {0, 0}}, ParentSize{"OneByOne", {1, 1}}),
                         [](const ::testing::TestParamInfo<ParentSize> &info) { return std::string(info.param.name); });

} // namespace

namespace {

// A window can be dragged down to nothing and back. The children laid out in between must come
// back as they were: sizes are the only memory a child has of its proportions.
TEST(AlignmentThroughAnEmptyParent, LetsEveryKindComeBackWhenTheParentGrowsAgain)
{
    const std::array kinds{Align::Fit, Align::FitLeft, Align::FitRight, Align::Center, Align::Top,
                           Align::MostLeft, Align::HorzCenter};
    for (const Align kind : kinds) {
        SCOPED_TRACE("kind " + std::to_string(static_cast<int>(kind)));
        std::array children{aligntable::item(kind, {0, 0, 40, 20})};
        const QRectF before = alignChildren({100, 50}, children).front();
        children.front().bounds = before;
        children.front().bounds = alignChildren({0, 0}, children).front();
        const QRectF after = alignChildren({100, 50}, children).front();
        EXPECT_EQ(after, before);
    }
}

// Stacks laid out in a parent too small for them, then in a large one again, come back in the
// order their first layout gave them: the edges of one layout rank the children in the next.
TEST(AlignmentThroughAnEmptyParent, KeepsEveryStackInItsOrderWhenTheParentGrowsAgain)
{
    struct Stack
    {
        const char *name;
        Align kind;
        Margins margins;
    };
    const std::array stacks{
        Stack{"Top", Align::Top, {}}, Stack{"MostTop", Align::MostTop, all(6)}, Stack{"Bottom", Align::Bottom, {}},
        Stack{"MostBottom", Align::MostBottom, all(6)}, Stack{"Left", Align::Left, {}},
        Stack{"MostLeft", Align::MostLeft, {.left = 8}}, Stack{"Right", Align::Right, {}},
        Stack{"MostRight", Align::MostRight, {.right = 12}},
    };
    const std::array<QSizeF, 4> tooSmall{QSizeF(0, 0), QSizeF(1, 1), QSizeF(50, 50), QSizeF(49, 49)};
    for (const Stack &stack : stacks) {
        for (const QSizeF small : tooSmall) {
            SCOPED_TRACE(std::string(stack.name) + " through " + std::to_string(small.width()));
            // Given out of child order, as the window's bands are: 0, 100, 50.
            std::array children{aligntable::item(stack.kind, {0, 0, 50, 50}, stack.margins),
                                aligntable::item(stack.kind, {100, 100, 50, 50}, stack.margins),
                                aligntable::item(stack.kind, {50, 50, 50, 50}, stack.margins)};
            const std::vector<QRectF> first = alignChildren({400, 400}, children);
            const auto relayout = [&](QSizeF parent) {
                const std::vector<QRectF> placed = alignChildren(parent, children);
                for (std::size_t i = 0; i < children.size(); ++i)
                    children[i].bounds = placed[i];
                return placed;
            };
            relayout({400, 400});
            relayout(small);
            relayout(small);
            EXPECT_EQ(relayout({400, 400}), first);
            EXPECT_EQ(relayout({400, 400}), first);
        }
    }
}

} // namespace

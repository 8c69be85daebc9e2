// SPDX-License-Identifier: GPL-3.0-or-later
// The order a screen reader reads things in, worked out from where they stand.
#include "ui/reading_order.h"

#include <QObject>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace Brelun;

namespace {

struct Thing
{
    const char *name;
    QRect place;
};

struct OrderCase
{
    const char *name;
    std::vector<Thing> found; // in the order the window's tree holds them
    std::vector<std::string> read;

    friend void PrintTo(const OrderCase &c, std::ostream *os) { *os << c.name; }
};

class ReadingOrderTest : public ::testing::TestWithParam<OrderCase>
{
};

TEST_P(ReadingOrderTest, ReadsLineByLineFromTheTopEachFromTheLeft)
{
    std::vector<std::unique_ptr<QObject>> objects;
    std::vector<Placed> placed;
    for (const Thing &thing : GetParam().found) {
        objects.push_back(std::make_unique<QObject>());
        objects.back()->setObjectName(QString::fromLatin1(thing.name));
        placed.push_back({objects.back().get(), thing.place});
    }
    std::vector<std::string> read;
    for (const QObject *object : inReadingOrder(placed))
        read.push_back(object->objectName().toStdString());
    EXPECT_EQ(read, GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadingOrderTest,
    ::testing::Values(
        OrderCase{"NothingToRead", {}, {}},
        // The header's texts stand a unit or two apart in height: still one line.
        OrderCase{"TopsAUnitApartShareALine",
                  {{"bet", {152, 9, 65, 25}}, {"win", {55, 10, 65, 25}}, {"chips", {278, 10, 65, 25}}},
                  {"win", "bet", "chips"}},
        OrderCase{"LinesFromTheTopWhateverOrderTheTreeHoldsThemIn",
                  {{"controls", {11, 411, 65, 55}}, {"ball", {47, 50, 38, 50}}, {"cell", {42, 133, 50, 49}}},
                  {"ball", "cell", "controls"}},
        OrderCase{"AMiddleWithinTheLinesHeightJoinsIt",
                  {{"right", {100, 0, 50, 20}}, {"left", {0, 5, 50, 20}}}, {"left", "right"}},
        OrderCase{"AMiddleBelowTheLinesHeightStartsTheNextOne",
                  {{"right", {100, 0, 50, 20}}, {"left", {0, 15, 50, 20}}}, {"right", "left"}},
        OrderCase{"TheVerySamePlaceKeepsTheTreesOrder",
                  {{"first", {5, 5, 10, 10}}, {"second", {5, 5, 10, 10}}}, {"first", "second"}}),
    [](const ::testing::TestParamInfo<OrderCase> &info) { return std::string(info.param.name); });

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed layout's components: their tree, looks, texts and fonts as the layout gives them.
#include "window_fixture.h"

#include <QFontInfo>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

using Toolkit::Align;
using Toolkit::Margins;
using Toolkit::StyledSetting;
using Toolkit::StyledSettings;

using namespace Brelun;
using tavix_test::argb;
using tavix_test::childWidgets;
using tavix_test::TavixWindow;

using namespace tavix_test::colours;
namespace screen = tavix_test::screen;

namespace {

// One pixel of the window's first picture where a shape's look shows, and the colour it must have.
struct LookProbe
{
    std::string what;
    QPoint at;
    QRgb colour;
};

// The looks of the shapes that the picture tests do not probe already. The others are theirs:
// Rectangle5's gradient (picture_test's TheHeaderShadesLinearly..., and TheHeaderShadesFrom...
// below), RoundRect1 and the white of Rectangle16 beneath its rounded corners (TheBallBand...),
// Rectangle8 (TheTicketCard...), the controls' fill and outline (TheBetAndGameControls...). The
// templates Rectangle3 and Circle3 never show (TheTemplatesNeverShow... below); what the cells and
// balls copy of them is board_test's. Where each shape stands, the effect of its alignment and
// margins, is geometry_test's.
std::vector<LookProbe> shapeLooks()
{
    std::vector<LookProbe> probes{
        // Rectangle1, the ticket area: white out to the window's edges, with no outline.
        {"Rectangle1's left edge", {0, 200}, White},
        {"Rectangle1's right edge", {384, 200}, White},
        {"Rectangle1's bottom edge", {192, 394}, White},
        // Rectangle9, the control area: white, its outline white too.
        {"Rectangle9's top edge", {192, 395}, White},
        {"Rectangle9 left of the bet controls", {5, 440}, White},
        {"Rectangle9 between two bet controls", {80, 440}, White},
        {"Rectangle9 below the game controls", {192, 560}, White},
        {"Rectangle9's bottom edge", {192, 649}, White},
    };
    // The rows have neither fill nor outline: the card shows between their cells and at their edges.
    for (int row = 1; row <= 4; ++row) {
        const int top = screen::cell(4 * row).top();
        const std::string name = "row " + std::to_string(row);
        probes.push_back({name + " before its letter cell", {275, top + 24}, TicketCard});
        probes.push_back({name + "'s left edge", {38, top + 24}, TicketCard});
        probes.push_back({name + "'s top edge between two cells", {94, top}, TicketCard});
    }
    return probes;
}

// The bet and game controls, left to right.
constexpr std::array<std::pair<const char *, QRect>, 7> controls{{
    {"+1", screen::plusOne}, {"+10", screen::plusTen}, {"x2", screen::timesTwo}, {"x10", screen::timesTen},
    {"x0", screen::timesNought}, {"Change values", screen::changeValues}, {"Start Lotto", screen::startLotto},
}};

struct LabelLook
{
    std::string name;
    std::function<const TLabel *(const TTavix &)> pick;
    QString text;
    int pixelSize;
    bool bold;
    QRgb color;
    StyledSettings styled;
    Qt::Alignment horizontal;
    Align align;
    bool autoSize;
};

#define LABEL(name) #name, [](const TTavix &w) { return w.name; }

std::vector<LabelLook> labels()
{
    const StyledSettings none{};
    const StyledSettings style = StyledSetting::Style;
    const Qt::Alignment left = Qt::AlignLeading;
    const Qt::Alignment centred = Qt::AlignHCenter;
    return {
        {LABEL(Label3), "Win:", 22, false, RoyalBlue, style, left, Align::None, false},
        {LABEL(Label4), "0", 18, false, Black, none, left, Align::None, false},
        {LABEL(Label5), "0", 18, false, Black, none, left, Align::None, false},
        {LABEL(Label6), "Bet:", 22, false, RoyalBlue, style, left, Align::None, false},
        {LABEL(Label7), "500", 18, false, Black, none, left, Align::None, false}, // FormCreate's chips
        {LABEL(Label8), "Chips:", 22, false, RoyalBlue, style, left, Align::None, false},
        {LABEL(Label2), "8", 20, false, Black, none, centred, Align::Center, true},
        // The cell template takes its colour from the style: black, as the layout's own.
        {LABEL(Label1), "8", 33, false, Black, StyledSetting::FontColor, centred, Align::Fit, true},
        {LABEL(Label9), "+1", 22, true, White, none, centred, Align::Center, false},
        {LABEL(Label10), "x0", 22, true, White, none, centred, Align::Center, false},
        {LABEL(Label11), "x10", 22, true, White, none, centred, Align::Center, false},
        {LABEL(Label12), "x2", 22, true, White, none, centred, Align::Center, false},
        {LABEL(Label13), "+10", 22, true, White, none, centred, Align::Center, false},
        {LABEL(Label14), "Change values", 18, true, White, none, centred, Align::Center, false},
        {LABEL(Label18), "Start Lotto", 22, true, White, none, centred, Align::Center, false},
    };
}

#undef LABEL

} // namespace

TEST_F(TavixWindow, TheWindowIsTavixWithAClientAreaOf385By650)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tavix"));
    EXPECT_EQ(window->size(), screen::window.size());
    EXPECT_EQ(window->minimumSize(), QSize(0, 0));
    EXPECT_EQ(window->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

TEST_F(TavixWindow, EveryShapeHasTheAlignmentFillOutlineAndCornersOfTheLayout)
{
    const QImage image = picture();
    for (const LookProbe &probe : shapeLooks()) {
        SCOPED_TRACE(probe.what);
        EXPECT_TRUE(tavix_test::pixelIs(image, probe.at.x(), probe.at.y(), probe.colour));
    }
    // Rounded with a radius of 8, a control's top left corner leaves the pixel two units in along
    // the diagonal nearly white, its outline's smoothing tinting it; a radius of 7 paints it with
    // the outline, one of 9 leaves it white. Four units in is the fill.
    for (const auto &[caption, place] : controls) {
        SCOPED_TRACE(caption);
        const QPoint nearArc = place.topLeft() + QPoint(2, 2);
        EXPECT_TRUE(tavix_test::pixelIs(image, nearArc.x(), nearArc.y(), White, 64));
        EXPECT_GT(tavix_test::colourDistance(image.pixel(nearArc), White), 16) << argb(image.pixel(nearArc));
        EXPECT_TRUE(tavix_test::pixelIs(image, place.left() + 4, place.top() + 4, DeepSkyBlue));
    }
}

// The gradient runs straight down: every column of the header shows at each height the shade that
// picture_test's TheHeaderShadesLinearly... finds along one column, deep sky blue along the bottom
// and white along the top from edge to edge.
TEST_F(TavixWindow, TheHeaderShadesFromDeepSkyBlueAtTheBottomToWhiteAtTheTop)
{
    const QImage image = picture();
    const std::array texts{screen::winCaption, screen::winDisplay, screen::betCaption,
                           screen::betDisplay, screen::chipsCaption, screen::chipsDisplay};
    constexpr int column = 370; // right of the chips value, where no text stands
    int unlike = 0;
    QPoint first;
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 385; ++x) {
            if (std::any_of(texts.begin(), texts.end(), [&](const QRect &text) { return text.contains(x, y); }))
                continue;
            if (image.pixel(x, y) != image.pixel(column, y) && unlike++ == 0)
                first = {x, y};
        }
    }
    EXPECT_EQ(unlike, 0) << "pixels unlike their row's shade, the first at " << first.x() << ", " << first.y();
    EXPECT_TRUE(tavix_test::pixelIs(image, column, 49, DeepSkyBlue, 3));
    EXPECT_TRUE(tavix_test::pixelIs(image, column, 0, White, 3));
}

// picture_test's TheBallBand... probes the corners at the window's own width; in a wider window the
// rounded corners go with the band's edges.
TEST_F(TavixWindow, TheBallBandIsRoundedAtItsBottomCornersOnly)
{
    resizeTo(500, 650);
    const QImage image = picture();
    for (const bool left : {true, false}) {
        SCOPED_TRACE(left ? "left" : "right");
        const auto x = [left](int in) { return left ? in : 499 - in; };
        EXPECT_TRUE(tavix_test::pixelIs(image, x(0), 50, DeepSkyBlue)); // square top corners
        EXPECT_TRUE(tavix_test::pixelIs(image, x(0), 99, White));       // outside the arcs ...
        EXPECT_TRUE(tavix_test::pixelIs(image, x(1), 98, White));
        EXPECT_TRUE(tavix_test::pixelIs(image, x(3), 92, White));
        EXPECT_TRUE(tavix_test::pixelIs(image, x(5), 85, DeepSkyBlue)); // ... and inside them
    }
    EXPECT_TRUE(tavix_test::pixelIs(image, 250, 99, DeepSkyBlue)); // the flat bottom between the arcs
}

// geometry_test places every layout at the window's own size and 500 wide. A taller window shows
// the alignments in height: the two Client layouts take it; Layout3 and Layout2, centred in bands
// that keep their heights, and Layout4 and Layout5, which keep their places, stay where they were.
TEST_F(TavixWindow, TheLayoutsAreAlignedAsTheLayoutSays)
{
    resizeTo(385, 800);
    EXPECT_EQ(at(window->Layout1), QRect(0, 0, 385, 800));
    EXPECT_EQ(at(window->Layout6), QRect(0, 395, 385, 405));
    EXPECT_EQ(at(window->Layout3), screen::ballRow);
    EXPECT_EQ(at(window->Layout2), QRect(32, 127, 321, 241));
    EXPECT_EQ(at(window->Layout4), QRect(3, 411, 378, 55));
    EXPECT_EQ(at(window->Layout5), QRect(4, 477, 377, 63));
}

TEST_F(TavixWindow, EveryLabelHasTheTextFontColourAndStyledSettingsOfTheLayout)
{
    for (const LabelLook &row : labels()) {
        SCOPED_TRACE(row.name);
        const TLabel *label = row.pick(*window);
        EXPECT_EQ(label->text(), row.text);
        EXPECT_EQ(label->styledSettings(), row.styled);
        EXPECT_EQ(label->textSettings().family, QStringLiteral("Tahoma"));
        // The family resolves to the Tahoma the window carries, not to a substitute.
        const QFontInfo shown(label->effectiveFont());
        EXPECT_EQ(shown.family(), QStringLiteral("Tahoma"));
        EXPECT_EQ(shown.pixelSize(), row.pixelSize);
        EXPECT_EQ(shown.bold(), row.bold);
        EXPECT_EQ(shown.weight(), row.bold ? QFont::Bold : QFont::Normal);
        EXPECT_FALSE(shown.italic());
        EXPECT_FALSE(shown.underline());
        EXPECT_FALSE(shown.strikeOut());
        EXPECT_EQ(argb(label->effectiveFontColor()), argb(row.color));
        EXPECT_EQ(label->effectiveAlignment(), row.horizontal | Qt::AlignVCenter);
        EXPECT_TRUE(label->effectiveWordWrap());
        EXPECT_EQ(label->align(), row.align);
        EXPECT_EQ(label->autoSize(), row.autoSize);
        EXPECT_EQ(label->margins(), Margins{});
    }
}

TEST_F(TavixWindow, ShowIsAHiddenPushButtonWithARedCaptionInTheButtonFontOfTheStyle)
{
    const TButton *show = window->Button1;
    EXPECT_EQ(show->text(), QStringLiteral("Show"));
    EXPECT_EQ(argb(show->palette().color(QPalette::ButtonText).rgba()), argb(ShowCaption));
    EXPECT_EQ(show->styledSettings(), StyledSetting::Family | StyledSetting::Size | StyledSetting::Style);
    EXPECT_EQ(show->font(), QApplication::font(show));
    EXPECT_TRUE(show->isHidden());
}

TEST_F(TavixWindow, ChildrenStandInTheirLayoutOrderUnderTheirParents)
{
    const TTavix &w = *window;
    using Children = std::vector<const QWidget *>;
    const auto expectChildren = [](const char *parent, const QObject *object, const Children &expected) {
        SCOPED_TRACE(parent);
        EXPECT_EQ(childWidgets(object), expected);
    };
    expectChildren("the window", &w, {w.Rectangle16});
    expectChildren("Rectangle16", w.Rectangle16, {w.Layout1});
    expectChildren("Layout1", w.Layout1, {w.Rectangle5, w.Rectangle1, w.RoundRect1, w.Layout6});
    expectChildren("Rectangle5", w.Rectangle5, {w.Label3, w.Label4, w.Label5, w.Label6, w.Label7, w.Label8});
    expectChildren("RoundRect1", w.RoundRect1, {w.Layout3});
    expectChildren("Circle3", w.Circle3, {w.Label2});
    expectChildren("Rectangle1", w.Rectangle1, {w.Rectangle8});
    expectChildren("Rectangle8", w.Rectangle8, {w.Layout2});
    expectChildren("Layout2", w.Layout2, {w.Rectangle2, w.Rectangle4, w.Rectangle6, w.Rectangle7});
    expectChildren("Rectangle3", w.Rectangle3, {w.Label1});
    expectChildren("Layout6", w.Layout6, {w.Rectangle9, w.Button1});
    expectChildren("Rectangle9", w.Rectangle9, {w.Layout4, w.Layout5});
    expectChildren("Layout4", w.Layout4, {w.Rectangle10, w.Rectangle11, w.Rectangle12, w.Rectangle13, w.Rectangle14});
    expectChildren("Layout5", w.Layout5, {w.Rectangle15, w.Rectangle19});
    expectChildren("Rectangle10", w.Rectangle10, {w.Label9});
    expectChildren("Rectangle11", w.Rectangle11, {w.Label10});
    expectChildren("Rectangle12", w.Rectangle12, {w.Label11});
    expectChildren("Rectangle13", w.Rectangle13, {w.Label12});
    expectChildren("Rectangle14", w.Rectangle14, {w.Label13});
    expectChildren("Rectangle15", w.Rectangle15, {w.Label14});
    expectChildren("Rectangle19", w.Rectangle19, {w.Label18});
    // The board joins its containers after the layout's own children.
    expectChildren("Layout3", w.Layout3, {w.Circle3, WW[1], WW[2], WW[3], WW[4], WW[5], WW[6], WW[7]});
    expectChildren("Rectangle2", w.Rectangle2, {w.Rectangle3, RR[1], RR[2], RR[3], RR[4], RR[17]});
    expectChildren("Rectangle7", w.Rectangle7, {RR[5], RR[6], RR[7], RR[8], RR[18]});
    expectChildren("Rectangle4", w.Rectangle4, {RR[9], RR[10], RR[11], RR[12], RR[19]});
    expectChildren("Rectangle6", w.Rectangle6, {RR[13], RR[14], RR[15], RR[16], RR[20]});
}

// How the bevel is drawn is the toolkit's; picture_test sees the cells' edges raised. What the
// layout fixes is its light's direction and its reach.
TEST_F(TavixWindow, TheRowsBevelIsLitFrom45DegreesOver2Units)
{
    EXPECT_EQ(window->Layout2->graphicsEffect(), window->BevelEffect1);
    EXPECT_EQ(window->BevelEffect1->direction(), 45);
    EXPECT_EQ(window->BevelEffect1->size(), 2);
}

TEST_F(TavixWindow, RowsShowTopToBottomAs2743ThoughTheirChildOrderIs2467)
{
    std::vector<const QWidget *> rows = childWidgets(window->Layout2);
    std::stable_sort(rows.begin(), rows.end(), [](const QWidget *a, const QWidget *b) { return a->y() < b->y(); });
    EXPECT_EQ(rows, (std::vector<const QWidget *>{window->Rectangle2, window->Rectangle7, window->Rectangle4, window->Rectangle6}));
}

TEST_F(TavixWindow, TheControlsReadLeftToRightAsTheirGivenLeftEdgesOrderThem)
{
    const auto captionsLeftToRight = [](const QWidget *container) {
        std::vector<const QWidget *> controls = childWidgets(container);
        std::stable_sort(controls.begin(), controls.end(), [](const QWidget *a, const QWidget *b) { return a->x() < b->x(); });
        QStringList captions;
        for (const QWidget *control : controls)
            captions << qobject_cast<const TLabel *>(childWidgets(control).at(0))->text();
        return captions;
    };
    EXPECT_EQ(captionsLeftToRight(window->Layout4), (QStringList{"+1", "+10", "x2", "x10", "x0"}));
    EXPECT_EQ(captionsLeftToRight(window->Layout5), (QStringList{"Change values", "Start Lotto"}));
}

TEST_F(TavixWindow, TheTemplatesNeverShowAndRectangle3TakesNoRoomInRowOne)
{
    EXPECT_FALSE(window->Rectangle3->isVisible());
    EXPECT_FALSE(window->Label1->isVisible());
    EXPECT_FALSE(window->Circle3->isVisible());
    EXPECT_FALSE(window->Label2->isVisible());
    // Hidden, it keeps its given place and the row's cells begin at the left margin.
    EXPECT_EQ(window->Rectangle3->bounds(), QRectF(4, 0, 49, 49));
    EXPECT_EQ(window->Circle3->bounds(), QRectF(6, 1, 38, 48));
    EXPECT_EQ(RR[4]->bounds().left(), 4);
}

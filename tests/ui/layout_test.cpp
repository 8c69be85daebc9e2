// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed layout's components: their tree, looks, texts and fonts as the layout gives them.
#include "window_fixture.h"

#include <QFontInfo>

using Toolkit::Align;
using Toolkit::BrushKind;
using Toolkit::Corner;
using Toolkit::LinearGradient;
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

struct ShapeLook
{
    std::string name;
    std::function<const TShape *(const TTavix &)> pick;
    Align align;
    Margins margins;
    BrushKind fill;
    QRgb fillColor; // read only for a solid fill
    BrushKind stroke;
    QRgb strokeColor; // read only for a solid outline
    qreal thickness;
    qreal radius; // a rectangle's XRadius and YRadius
    bool visible;
};

#define SHAPE(name) #name, [](const TTavix &w) -> const TShape * { return w.name; }

constexpr auto None = BrushKind::None;
constexpr auto Solid = BrushKind::Solid;

std::vector<ShapeLook> shapes()
{
    const Margins none{};
    const Margins six{6, 6, 6, 6};
    const Margins betControl{.left = 8};
    return {
        {SHAPE(Rectangle16), Align::Client, none, Solid, White, Solid, White, 1, 0, true},
        {SHAPE(Rectangle5), Align::Top, none, BrushKind::Gradient, 0, None, 0, 0, 0, true},
        {SHAPE(Rectangle1), Align::Top, none, Solid, White, None, 0, 0, 0, true},
        {SHAPE(RoundRect1), Align::Top, none, Solid, DeepSkyBlue, None, 0, 0, -1, true},
        {SHAPE(Circle3), Align::None, none, None, 0, Solid, BallRing, 3, -1, false},
        {SHAPE(Rectangle8), Align::Center, none, Solid, TicketCard, None, 0, 0, 12, true},
        {SHAPE(Rectangle2), Align::MostTop, six, None, 0, None, 0, 0, 0, true},
        {SHAPE(Rectangle4), Align::MostTop, six, None, 0, None, 0, 0, 0, true},
        {SHAPE(Rectangle6), Align::MostTop, six, None, 0, None, 0, 0, 0, true},
        {SHAPE(Rectangle7), Align::MostTop, six, None, 0, None, 0, 0, 0, true},
        {SHAPE(Rectangle3), Align::MostLeft, {.left = 4}, Solid, Linen, None, 0, 0, 4, false},
        {SHAPE(Rectangle9), Align::HorzCenter, none, Solid, White, Solid, White, 1, 0, true},
        {SHAPE(Rectangle10), Align::MostLeft, betControl, Solid, DeepSkyBlue, Solid, ControlOutline, 1, 8, true},
        {SHAPE(Rectangle11), Align::MostLeft, betControl, Solid, DeepSkyBlue, Solid, ControlOutline, 1, 8, true},
        {SHAPE(Rectangle12), Align::MostLeft, betControl, Solid, DeepSkyBlue, Solid, ControlOutline, 1, 8, true},
        {SHAPE(Rectangle13), Align::MostLeft, betControl, Solid, DeepSkyBlue, Solid, ControlOutline, 1, 8, true},
        {SHAPE(Rectangle14), Align::MostLeft, betControl, Solid, DeepSkyBlue, Solid, ControlOutline, 1, 8, true},
        {SHAPE(Rectangle15), Align::MostLeft, betControl, Solid, DeepSkyBlue, Solid, ControlOutline, 1, 8, true},
        {SHAPE(Rectangle19), Align::MostLeft, {.left = 8, .right = 12}, Solid, DeepSkyBlue, Solid, ControlOutline, 1, 8, true},
    };
}

#undef SHAPE

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
    for (const ShapeLook &row : shapes()) {
        SCOPED_TRACE(row.name);
        const TShape *shape = row.pick(*window);
        EXPECT_EQ(shape->align(), row.align);
        EXPECT_EQ(shape->margins(), row.margins);
        EXPECT_EQ(shape->fill().kind, row.fill);
        if (row.fill == Solid) {
            EXPECT_EQ(argb(shape->fill().color), argb(row.fillColor));
        }
        EXPECT_EQ(shape->stroke().kind, row.stroke);
        if (row.stroke == Solid) {
            EXPECT_EQ(argb(shape->stroke().color), argb(row.strokeColor));
            EXPECT_EQ(shape->stroke().thickness, row.thickness);
        }
        if (const auto *rectangle = qobject_cast<const TRectangle *>(shape)) {
            EXPECT_EQ(rectangle->xRadius(), row.radius);
            EXPECT_EQ(rectangle->yRadius(), row.radius);
        }
        EXPECT_EQ(shape->isVisibleProperty(), row.visible);
        EXPECT_EQ(shape->isVisible(), row.visible);
    }
}

TEST_F(TavixWindow, TheHeaderShadesFromDeepSkyBlueAtTheBottomToWhiteAtTheTop)
{
    const LinearGradient gradient = window->Rectangle5->fill().gradient;
    EXPECT_EQ(gradient.start, QPointF(0.5, 1.0));
    EXPECT_NEAR(gradient.stop.x(), 0.49999997, 1e-9);
    EXPECT_EQ(gradient.stop.y(), 0.0);
    ASSERT_EQ(gradient.stops.size(), 2);
    EXPECT_EQ(gradient.stops[0].first, 0.0);
    EXPECT_EQ(argb(gradient.stops[0].second.rgba()), argb(DeepSkyBlue));
    EXPECT_EQ(gradient.stops[1].first, 1.0);
    EXPECT_EQ(argb(gradient.stops[1].second.rgba()), argb(White));
}

TEST_F(TavixWindow, TheBallBandIsRoundedAtItsBottomCornersOnly)
{
    EXPECT_EQ(window->RoundRect1->corners(), Corner::BottomLeft | Corner::BottomRight);
}

TEST_F(TavixWindow, TheLayoutsAreAlignedAsTheLayoutSays)
{
    EXPECT_EQ(window->Layout1->align(), Align::Client);
    EXPECT_EQ(window->Layout6->align(), Align::Client);
    EXPECT_EQ(window->Layout3->align(), Align::Center);
    EXPECT_EQ(window->Layout2->align(), Align::Center);
    EXPECT_EQ(window->Layout4->align(), Align::None);
    EXPECT_EQ(window->Layout5->align(), Align::None);
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

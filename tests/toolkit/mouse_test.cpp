// SPDX-License-Identifier: GPL-3.0-or-later
// Presses and clicks as a player makes them: real mouse events sent to the window at its own
// coordinates, finding their control the way the toolkit routes them.

#include "form_fixture.h"

#include "toolkit/label.h"

#include <QMouseEvent>

#include "support/platform_mouse.h"

#include <cctype>
#include <string>
#include <vector>

namespace {

using namespace toolkittest;

const char *nameOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return "left";
    case Qt::RightButton:
        return "right";
    case Qt::MiddleButton:
        return "middle";
    default:
        return "other";
    }
}

// A window with a control under a caption, a control holding a layout with a shape in it,
// and a control holding another that can be hidden, all over a background that takes what
// nothing else does.
class Mouse : public FormTest
{
protected:
    Mouse()
        : FormTest({200, 200})
    {
        watch(add<TRectangle>(&form, &form, {0, 0, 200, 200}), "background");
        withCaption = watch(add<TRectangle>(&form, &form, {10, 10, 60, 40}), "captioned");
        add<TLabel>(&form, withCaption, {5, 5, 50, 30})->setText(QStringLiteral("+10"));
        holder = watch(add<TRectangle>(&form, &form, {100, 10, 90, 80}), "holder");
        auto *layout = add<TLayout>(&form, holder, {10, 10, 70, 60});
        watch(add<TRectangle>(&form, layout, {0, 0, 20, 20}), "inLayout");
        outer = watch(add<TRectangle>(&form, &form, {10, 100, 80, 80}), "outer");
        watch(add<TRectangle>(&form, outer, {10, 10, 30, 30}), "inner");
        showForm();
    }

    TRectangle *watch(TRectangle *control, std::string name)
    {
        control->onMouseDown = [this, name](TControl *sender, Qt::MouseButton button, Qt::KeyboardModifiers,
                                            QPointF at) {
            EXPECT_EQ(sender->objectName().toStdString(), name) << "the sender is the control pressed";
            log.push_back("press " + name + " " + nameOf(button) + " at " + std::to_string(qRound(at.x())) + "," +
                          std::to_string(qRound(at.y())));
        };
        control->onClick = [this, name](QObject *sender) {
            EXPECT_EQ(sender->objectName().toStdString(), name) << "the sender is the control clicked";
            log.push_back("click " + name);
        };
        control->setObjectName(QString::fromStdString(name));
        return control;
    }

    QWindow *window() { return form.windowHandle(); }

    std::vector<std::string> log;
    TRectangle *withCaption = nullptr;
    TRectangle *holder = nullptr;
    TRectangle *outer = nullptr;
};

using Log = std::vector<std::string>;

class MouseButtons : public Mouse, public ::testing::WithParamInterface<Qt::MouseButton>
{
};

TEST_P(MouseButtons, PressFiresMouseDownAndOnlyALeftPressReleasedOverTheControlClicks)
{
    const Qt::MouseButton button = GetParam();
    QTest::mouseClick(window(), button, Qt::NoModifier, {15, 12});
    const std::string press = std::string("press captioned ") + nameOf(button) + " at 5,2";
    EXPECT_EQ(log, (button == Qt::LeftButton ? Log{press, "click captioned"} : Log{press}));
}

INSTANTIATE_TEST_SUITE_P(EachButton, MouseButtons, ::testing::Values(Qt::LeftButton, Qt::RightButton, Qt::MiddleButton),
                         [](const ::testing::TestParamInfo<Qt::MouseButton> &info) {
                             std::string name = nameOf(info.param);
                             name.front() = static_cast<char>(std::toupper(name.front()));
                             return name;
                         });

// Records the mouse events that reach a widget, to show what the platform really delivers.
class MouseEventTypes : public QObject
{
public:
    std::vector<QEvent::Type> seen;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            seen.push_back(event->type());
            break;
        default:
            break;
        }
        return false;
    }
};

TEST_F(Mouse, DoubleClickGivesTwoPressesAndOneClick)
{
    MouseEventTypes events;
    withCaption->installEventFilter(&events);
    QTest::mouseDClick(window(), Qt::LeftButton, Qt::NoModifier, {30, 30});
    // The second press of a double click reaches a widget as a double-click event alone.
    EXPECT_EQ(events.seen, (std::vector<QEvent::Type>{QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                                      QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}));
    EXPECT_EQ(log, (Log{"press captioned left at 20,20", "click captioned", "press captioned left at 20,20"}));
}

// Another button pressed and released while the left is held makes its own press; the left
// button's release still clicks.
TEST_F(Mouse, RightOrMiddlePressDuringAHeldLeftPressLeavesTheClickToTheLeftRelease)
{
    for (const Qt::MouseButton other : {Qt::RightButton, Qt::MiddleButton}) {
        SCOPED_TRACE(nameOf(other));
        log.clear();
        QTest::mousePress(window(), Qt::LeftButton, Qt::NoModifier, {30, 30});
        QTest::mousePress(window(), other, Qt::NoModifier, {32, 30});
        QTest::mouseRelease(window(), other, Qt::NoModifier, {32, 30});
        QTest::mouseRelease(window(), Qt::LeftButton, Qt::NoModifier, {34, 30});
        EXPECT_EQ(log, (Log{"press captioned left at 20,20", std::string("press captioned ") + nameOf(other) + " at 22,20",
                            "click captioned"}));
    }
}

// Two quick clicks close together, as a fast hand or a switch device makes them: the platform
// marks the second press as a double click because it came soon enough and near enough.
void quickClicks(QWindow *window, QPoint first, QPoint second)
{
    tavix_test::PlatformMouse mouse(window);
    mouse.wait(1000);
    mouse.click(first);
    mouse.click(second);
    mouse.wait(1000);
}

TEST_F(Mouse, QuickClicksOnTwoNeighbouringControlsAreTwoClicks)
{
    // The right edge of "captioned" (10..70) and, two units on, the left edge of "holder" (100..):
    // a double click by time and distance, but on two controls.
    auto *neighbour = watch(add<TRectangle>(&form, &form, {70, 10, 20, 40}), "neighbour");
    neighbour->show();
    MouseEventTypes events;
    neighbour->installEventFilter(&events);
    quickClicks(window(), {68, 30}, {71, 30});
    EXPECT_EQ(events.seen, (std::vector<QEvent::Type>{QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}))
        << "the platform must still mark the second press as a double click, or this shows nothing";
    EXPECT_EQ(log, (Log{"press captioned left at 58,20", "click captioned", "press neighbour left at 1,20",
                        "click neighbour"}));
}

TEST_F(Mouse, QuickClicksOnOneControlAreADoubleClickWithOneClick)
{
    quickClicks(window(), {30, 30}, {31, 30});
    EXPECT_EQ(log, (Log{"press captioned left at 20,20", "click captioned", "press captioned left at 21,20"}));
}

TEST_F(Mouse, PressDraggedOffTheControlBeforeTheReleaseGivesNoClick)
{
    QTest::mousePress(window(), Qt::LeftButton, Qt::NoModifier, {30, 30});
    QTest::mouseMove(window(), {150, 150});
    QTest::mouseRelease(window(), Qt::LeftButton, Qt::NoModifier, {150, 150});
    EXPECT_EQ(log, Log{"press captioned left at 20,20"}) << "nor does the control it was released over click";
}

TEST_F(Mouse, PressDraggedOffAndBackBeforeTheReleaseClicks)
{
    QTest::mousePress(window(), Qt::LeftButton, Qt::NoModifier, {30, 30});
    QTest::mouseMove(window(), {150, 150});
    QTest::mouseMove(window(), {40, 35});
    QTest::mouseRelease(window(), Qt::LeftButton, Qt::NoModifier, {40, 35});
    EXPECT_EQ(log, (Log{"press captioned left at 20,20", "click captioned"}));
}

TEST_F(Mouse, PressOnACaptionLandsOnTheControlBeneathIt)
{
    QTest::mouseClick(window(), Qt::LeftButton, Qt::NoModifier, {40, 30});
    EXPECT_EQ(log, (Log{"press captioned left at 30,20", "click captioned"}));
}

TEST_F(Mouse, PressOnTheEmptyAreaOfALayoutLandsOnTheLayoutsParent)
{
    QTest::mouseClick(window(), Qt::LeftButton, Qt::NoModifier, {160, 60});
    EXPECT_EQ(log, (Log{"press holder left at 60,50", "click holder"}));
}

TEST_F(Mouse, PressOnAShapeInALayoutLandsOnTheShapeAlone)
{
    QTest::mouseClick(window(), Qt::RightButton, Qt::NoModifier, {115, 25});
    EXPECT_EQ(log, Log{"press inLayout right at 5,5"});
}

TEST_F(Mouse, PressOnAChildLandsOnTheChildNotItsParent)
{
    QTest::mouseClick(window(), Qt::LeftButton, Qt::NoModifier, {30, 120});
    EXPECT_EQ(log, (Log{"press inner left at 10,10", "click inner"}));
}

TEST_F(Mouse, HiddenControlTakesNothingNorDoesAnythingInsideIt)
{
    outer->setVisible(false);
    QTest::mouseClick(window(), Qt::LeftButton, Qt::NoModifier, {30, 120});
    QTest::mouseClick(window(), Qt::MiddleButton, Qt::NoModifier, {80, 170});
    EXPECT_EQ(log, (Log{"press background left at 30,120", "click background", "press background middle at 80,170"}));
}

TEST_F(Mouse, PressOfASideButtonFiresNothing)
{
    QTest::mouseClick(window(), Qt::BackButton, Qt::NoModifier, {30, 30});
    QTest::mouseClick(window(), Qt::ForwardButton, Qt::NoModifier, {30, 30});
    EXPECT_EQ(log, Log{});
}

TEST_F(Mouse, ControlHiddenByItsOwnPressGivesNoClick)
{
    outer->onMouseDown = [this](TControl *, Qt::MouseButton, Qt::KeyboardModifiers, QPointF) {
        log.push_back("press outer");
        outer->setVisible(false);
    };
    QTest::mouseClick(window(), Qt::LeftButton, Qt::NoModifier, {80, 170});
    EXPECT_EQ(log, Log{"press outer"});
}

} // namespace

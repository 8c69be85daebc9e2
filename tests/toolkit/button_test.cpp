// SPDX-License-Identifier: GPL-3.0-or-later
// The push button as a player uses it: a left click, Enter or Space while it holds the focus,
// which a press or Tab gives it, and nothing at all once it is hidden.

#include "form_fixture.h"

#include "toolkit/button.h"

#include <QApplication>

#include <string>

namespace {

using namespace toolkittest;

class PushButton : public FormTest
{
protected:
    PushButton()
        : FormTest({200, 120})
    {
        holder = add<TRectangle>(&form, &form, {0, 0, 200, 120});
        holder->onMouseDown = [this](TControl *, Qt::MouseButton, Qt::KeyboardModifiers, QPointF) { ++holderPresses; };
        button = new TButton(&form);
        button->setParent(holder);
        button->setGeometry(100, 60, 80, 41);
        button->setText(QStringLiteral("Show"));
        button->onClick = [this](QObject *sender) {
            EXPECT_EQ(sender, button);
            ++clicks;
        };
        // As the window's "Show": hidden when the window first takes the focus, shown later.
        button->setVisible(false);
        activateForm();
        button->setVisible(true);
    }

    QWindow *window() { return form.windowHandle(); }

    void giveFocusByPress()
    {
        QTest::mouseClick(window(), Qt::LeftButton, Qt::NoModifier, {140, 80});
        ASSERT_TRUE(button->hasFocus());
        clicks = 0;
    }

    TRectangle *holder = nullptr;
    TButton *button = nullptr;
    int clicks = 0;
    int holderPresses = 0;
};

TEST_F(PushButton, ClicksOnALeftPressReleasedOverIt)
{
    QTest::mouseClick(window(), Qt::LeftButton, Qt::NoModifier, {140, 80});
    EXPECT_EQ(clicks, 1);
    QTest::mouseClick(window(), Qt::RightButton, Qt::NoModifier, {140, 80});
    EXPECT_EQ(clicks, 1);
}

TEST_F(PushButton, DoubleClickClicksItOnce)
{
    QTest::mouseDClick(window(), Qt::LeftButton, Qt::NoModifier, {140, 80});
    EXPECT_EQ(clicks, 1);
    QTest::mouseClick(window(), Qt::LeftButton, Qt::NoModifier, {140, 80});
    EXPECT_EQ(clicks, 2) << "the next click after a double click counts again";
}

TEST_F(PushButton, PressGivesItTheFocus)
{
    ASSERT_FALSE(button->hasFocus());
    QTest::mousePress(window(), Qt::LeftButton, Qt::NoModifier, {140, 80});
    EXPECT_TRUE(button->hasFocus());
    QTest::mouseRelease(window(), Qt::LeftButton, Qt::NoModifier, {140, 80});
}

TEST_F(PushButton, TabGivesItTheFocus)
{
    ASSERT_FALSE(button->hasFocus());
    QTest::keyClick(window(), Qt::Key_Tab);
    EXPECT_TRUE(button->hasFocus());
    EXPECT_EQ(clicks, 0);
}

struct KeyRow
{
    std::string name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int clicks;
};

void PrintTo(const KeyRow &row, std::ostream *os)
{
    *os << row.name;
}

class PushButtonKeys : public PushButton, public ::testing::WithParamInterface<KeyRow>
{
};

TEST_P(PushButtonKeys, ClickTheFocusedButtonOnlyWithoutModifiers)
{
    giveFocusByPress();
    QTest::keyClick(window(), GetParam().key, GetParam().modifiers);
    EXPECT_EQ(clicks, GetParam().clicks);
    EXPECT_TRUE(button->hasFocus());
}

INSTANTIATE_TEST_SUITE_P(
    EachKey, PushButtonKeys,
    ::testing::Values(KeyRow{"Return", Qt::Key_Return, Qt::NoModifier, 1},
                      KeyRow{"KeypadEnter", Qt::Key_Enter, Qt::KeypadModifier, 1},
                      KeyRow{"Space", Qt::Key_Space, Qt::NoModifier, 1},
                      KeyRow{"ControlReturn", Qt::Key_Return, Qt::ControlModifier, 0},
                      KeyRow{"ShiftReturn", Qt::Key_Return, Qt::ShiftModifier, 0},
                      KeyRow{"AltKeypadEnter", Qt::Key_Enter, Qt::AltModifier | Qt::KeypadModifier, 0},
                      KeyRow{"ShiftSpace", Qt::Key_Space, Qt::ShiftModifier, 0},
                      KeyRow{"ControlSpace", Qt::Key_Space, Qt::ControlModifier, 0},
                      KeyRow{"Escape", Qt::Key_Escape, Qt::NoModifier, 0}),
    [](const ::testing::TestParamInfo<KeyRow> &info) { return info.param.name; });

TEST_F(PushButton, HiddenLosesTheFocusAndNothingClicksIt)
{
    giveFocusByPress();
    button->setVisible(false);
    EXPECT_FALSE(button->hasFocus());
    EXPECT_NE(QApplication::focusWidget(), button);

    QTest::keyClick(window(), Qt::Key_Return);
    QTest::keyClick(window(), Qt::Key_Space);
    QTest::keyClick(window(), Qt::Key_Enter, Qt::KeypadModifier);
    QTest::mouseClick(window(), Qt::LeftButton, Qt::NoModifier, {140, 80});
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(holderPresses, 1) << "the press goes to what lies beneath";
}

TEST_F(PushButton, HiddenWithWhatHoldsItLosesTheFocusAndNothingClicksIt)
{
    giveFocusByPress();
    holder->setVisible(false);
    EXPECT_FALSE(button->hasFocus());
    QTest::keyClick(window(), Qt::Key_Return);
    QTest::keyClick(window(), Qt::Key_Space);
    EXPECT_EQ(clicks, 0);
}

TEST_F(PushButton, HiddenByItsOwnClickIsNotClickedAgainByTheNextKey)
{
    giveFocusByPress();
    button->onClick = [this](QObject *) {
        ++clicks;
        button->setVisible(false);
    };
    QTest::keyClick(window(), Qt::Key_Space);
    ASSERT_EQ(clicks, 1);
    QTest::keyClick(window(), Qt::Key_Space);
    QTest::keyClick(window(), Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
}

} // namespace

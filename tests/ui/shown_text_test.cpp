// SPDX-License-Identifier: GPL-3.0-or-later
// What the rules write through their faces reaches the window's labels and buttons.
#include "ui/shown_text.h"

#include "toolkit/application.h"
#include "toolkit/button.h"
#include "toolkit/label.h"

#include <gtest/gtest.h>

namespace {

using Brelun::ShownText;
using Brelun::TextFace;

TEST(ShownText, ShowsWhatTheRulesWriteOnALabel)
{
    TForm owner;
    auto *label = new TLabel(&owner);
    label->setParentControl(&owner);
    ShownText shown(label);
    TextFace &face = shown;
    face.setFaceText("-2147483648");
    face.setFaceColor(0xFFFD1717);
    face.setFaceVisible(false);
    EXPECT_EQ(label->text(), QStringLiteral("-2147483648"));
    EXPECT_EQ(label->textSettings().fontColor, 0xFFFD1717);
    EXPECT_FALSE(label->isVisibleProperty());
    face.setFaceVisible(true);
    EXPECT_TRUE(label->isVisibleProperty());
}

TEST(ShownText, ShowsAndHidesAButtonAndSetsItsCaption)
{
    TForm owner;
    auto *button = new TButton(&owner);
    owner.show();
    ShownText shown(button);
    TextFace &face = shown;
    face.setFaceText("Show");
    face.setFaceVisible(false);
    EXPECT_EQ(button->text(), QStringLiteral("Show"));
    EXPECT_FALSE(button->isVisible());
    face.setFaceVisible(true);
    EXPECT_TRUE(button->isVisible());
    face.setFaceColor(0xFFFD1717);
    EXPECT_EQ(button->palette().color(QPalette::ButtonText).rgba(), 0xFFFD1717);
}

} // namespace

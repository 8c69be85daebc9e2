// SPDX-License-Identifier: GPL-3.0-or-later
// A label's text attributes: each one named in its styled settings comes from the platform's
// style, each one not named from the label's own settings.

#include "form_fixture.h"

#include "toolkit/label.h"

#include <QApplication>

#include <string>

using Toolkit::AllStyledSettings;
using Toolkit::StyledSetting;
using Toolkit::StyledSettings;
using Toolkit::TextSettings;

namespace {

using namespace toolkittest;

// The label's own settings differ from the style's in every attribute.
TextSettings ownSettings()
{
    TextSettings own;
    own.family = QStringLiteral("Tahoma");
    own.size = 30;
    own.weight = QFont::Bold;
    own.italic = true;
    own.fontColor = 0xFF112233;
    own.horzAlign = Qt::AlignHCenter;
    own.vertAlign = Qt::AlignTop;
    own.wordWrap = false;
    return own;
}

struct StyledRow
{
    std::string name;
    StyledSettings styled;
};

void PrintTo(const StyledRow &row, std::ostream *os)
{
    *os << row.name;
}

class StyledSettingsOfALabel : public ::testing::TestWithParam<StyledRow>
{
protected:
    TForm owner;
};

TEST_P(StyledSettingsOfALabel, TakeEachNamedAttributeFromTheStyleAndTheRestFromTheLabel)
{
    const StyledSettings styled = GetParam().styled;
    const auto fromStyle = [&](StyledSetting s) { return styled.testFlag(s); };
    auto *label = new TLabel(&owner);
    label->setTextSettings(ownSettings());
    label->setStyledSettings(styled);

    const QFont font = label->effectiveFont();
    EXPECT_EQ(font.family(), fromStyle(StyledSetting::Family) ? QApplication::font().family() : QStringLiteral("Tahoma"));
    EXPECT_EQ(font.pixelSize(), fromStyle(StyledSetting::Size) ? 12 : 30);
    EXPECT_EQ(font.weight(), fromStyle(StyledSetting::Style) ? QFont::Normal : QFont::Bold);
    EXPECT_EQ(font.italic(), !fromStyle(StyledSetting::Style));
    EXPECT_EQ(label->effectiveFontColor(), fromStyle(StyledSetting::FontColor) ? 0xFF000000 : 0xFF112233);
    EXPECT_EQ(label->effectiveAlignment(), fromStyle(StyledSetting::Other) ? Qt::AlignLeading | Qt::AlignVCenter
                                                                          : Qt::AlignHCenter | Qt::AlignTop);
    EXPECT_EQ(label->effectiveWordWrap(), fromStyle(StyledSetting::Other));
}

INSTANTIATE_TEST_SUITE_P(EachSet, StyledSettingsOfALabel,
                         ::testing::Values(StyledRow{"None", {}},
                                           StyledRow{"FamilyOnly", StyledSetting::Family},
                                           StyledRow{"SizeOnly", StyledSetting::Size},
                                           StyledRow{"StyleOnly", StyledSetting::Style},
                                           StyledRow{"FontColorOnly", StyledSetting::FontColor},
                                           StyledRow{"OtherOnly", StyledSetting::Other},
                                           StyledRow{"FamilyAndStyleAsTheCellLabels",
                                                     StyledSetting::Family | StyledSetting::Style},
                                           StyledRow{"All", AllStyledSettings}),
                         [](const ::testing::TestParamInfo<StyledRow> &info) { return info.param.name; });

TEST(LabelStyledSettings, StayAsTheyAreWhenTheLabelsOwnSettingsChange)
{
    TForm owner;
    auto *label = new TLabel(&owner);
    label->setStyledSettings(StyledSetting::Size | StyledSetting::FontColor);
    label->setTextSettings(ownSettings());
    label->setFontColor(0xFF00FF00);
    label->setWordWrap(false);
    EXPECT_EQ(label->styledSettings(), StyledSetting::Size | StyledSetting::FontColor);
    EXPECT_EQ(label->effectiveFont().pixelSize(), 12);
    EXPECT_EQ(label->effectiveFontColor(), 0xFF000000);
    EXPECT_EQ(label->textSettings().fontColor, 0xFF00FF00) << "the label keeps its own colour for later";
}

// The text drawn shows the colour the settings pick: the label's own red, or the style's black.
class LabelPicture : public FormTest
{
protected:
    LabelPicture()
        : FormTest({160, 60})
    {
        addFilled<TRectangle>(&form, &form, {0, 0, 160, 60}, 0xFFFFFFFF);
        label = add<TLabel>(&form, &form, {0, 0, 160, 60});
        TextSettings text = ownSettings();
        text.fontColor = 0xFFFF0000;
        text.italic = false;
        label->setTextSettings(text);
        label->setText(QStringLiteral("MWMW"));
    }

    // Pixels of strong red and of near black in the picture.
    std::pair<int, int> redAndBlackPixels()
    {
        const QImage picture = pictureOf(form);
        int red = 0;
        int black = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb p = picture.pixel(x, y);
                red += qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60 ? 1 : 0;
                black += qRed(p) < 60 && qGreen(p) < 60 && qBlue(p) < 60 ? 1 : 0;
            }
        }
        return {red, black};
    }

    TLabel *label = nullptr;
};

TEST_F(LabelPicture, DrawsTheTextInItsOwnColourWhenTheColourIsNotStyled)
{
    label->setStyledSettings({});
    showForm();
    const auto [red, black] = redAndBlackPixels();
    EXPECT_GT(red, 50);
    EXPECT_EQ(black, 0);
}

TEST_F(LabelPicture, DrawsTheTextInTheStylesColourWhenTheColourIsStyled)
{
    label->setStyledSettings(StyledSetting::FontColor);
    showForm();
    const auto [red, black] = redAndBlackPixels();
    EXPECT_EQ(red, 0);
    EXPECT_GT(black, 50);
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// What every control of the tree relies on: how a new one starts, who frees it, where it
// stands among its siblings, when it is laid out, and the tag it carries.

#include "form_fixture.h"

#include "toolkit/button.h"
#include "toolkit/label.h"

#include <QPointer>

#include <memory>

using Toolkit::Align;
using Toolkit::BrushKind;

namespace {

using namespace toolkittest;

class NewControl : public FormTest
{
};

TEST_F(NewControl, StartsShownAtTheOriginOfItsParent)
{
    auto *shape = new TRectangle(&form);
    auto *label = new TLabel(&form);
    EXPECT_EQ(shape->bounds().topLeft(), QPointF(0, 0));
    EXPECT_EQ(label->bounds().topLeft(), QPointF(0, 0));
    EXPECT_TRUE(shape->isVisibleProperty());
    EXPECT_TRUE(label->isVisibleProperty());

    shape->setParentControl(&form);
    label->setParentControl(shape);
    showForm();
    EXPECT_TRUE(shape->isVisible());
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(shape->pos(), QPoint(0, 0));
    EXPECT_EQ(label->pos(), QPoint(0, 0));
}

TEST_F(NewControl, ShapeOfEveryKindIs50By50WithAGreyFillAndABlackOutline)
{
    const std::unique_ptr<TShape> shapes[] = {std::make_unique<TRectangle>(&form), std::make_unique<TRoundRect>(&form),
                                              std::make_unique<TCircle>(&form)};
    for (const auto &shape : shapes) {
        SCOPED_TRACE(shape->metaObject()->className());
        EXPECT_EQ(shape->bounds().size(), QSizeF(50, 50));
        EXPECT_EQ(shape->fill().kind, BrushKind::Solid);
        EXPECT_EQ(shape->fill().color, 0xFFE0E0E0);
        EXPECT_EQ(shape->stroke().kind, BrushKind::Solid);
        EXPECT_EQ(shape->stroke().color, 0xFF000000);
        EXPECT_EQ(shape->stroke().thickness, 1);
    }
}

TEST_F(NewControl, WithoutAParentOpensNoWindowOfItsOwnWhenShown)
{
    auto *shape = new TRectangle(&form);
    shape->setVisible(true);
    shape->show();
    EXPECT_FALSE(shape->isVisible());
    EXPECT_EQ(shape->windowHandle(), nullptr);
    EXPECT_TRUE(shape->isVisibleProperty()) << "it shows once it has a parent";
}

TEST_F(NewControl, WithoutAParentIsFreedWithItsOwner)
{
    auto owner = std::make_unique<TForm>();
    const QPointer<TControl> loose = new TRectangle(owner.get());
    const QPointer<TControl> label = new TLabel(owner.get());
    owner.reset();
    EXPECT_TRUE(loose.isNull());
    EXPECT_TRUE(label.isNull());
}

TEST_F(NewControl, StandingInTheOwnersTreeIsFreedWithIt)
{
    auto owner = std::make_unique<TForm>();
    auto *holder = add<TLayout>(owner.get(), owner.get(), {0, 0, 10, 10});
    const QPointer<TControl> inside = add<TRectangle>(owner.get(), holder, {0, 0, 5, 5});
    owner.reset();
    EXPECT_TRUE(inside.isNull());
}

TEST_F(NewControl, OfEveryKindCarriesTheTagItIsGiven)
{
    auto *shape = new TRectangle(&form);
    auto *label = new TLabel(&form);
    auto *layout = new TLayout(&form);
    auto *button = new TButton(&form);
    EXPECT_EQ(shape->tag(), 0);
    EXPECT_EQ(button->tag(), 0);
    shape->setTag(17);
    label->setTag(-3);
    layout->setTag(7);
    button->setTag(2147483647);
    EXPECT_EQ(shape->tag(), 17);
    EXPECT_EQ(label->tag(), -3);
    EXPECT_EQ(layout->tag(), 7);
    EXPECT_EQ(button->tag(), 2147483647);
}

class SetParentControl : public FormTest
{
};

TEST_F(SetParentControl, PutsTheControlOverEverySiblingItFinds)
{
    auto *holder = add<TLayout>(&form, &form, {60, 0, 60, 80});
    auto *moved = addFilled<TRectangle>(&form, holder, {0, 0, 40, 40}, 0xFFFF0000);
    addFilled<TRectangle>(&form, &form, {0, 0, 40, 40}, 0xFF0000FF);
    showForm();
    ASSERT_TRUE(colourNear(colourAt(pictureOf(form), {20, 20}), 0xFF0000FF));

    moved->setParentControl(&form);
    EXPECT_TRUE(moved->isVisible()) << "a shown control stays shown when it moves";
    EXPECT_EQ(form.childAt(20, 20), moved);
    EXPECT_TRUE(colourNear(colourAt(pictureOf(form), {20, 20}), 0xFFFF0000));
}

TEST_F(SetParentControl, KeepsAHiddenControlHidden)
{
    auto *holder = add<TLayout>(&form, &form, {60, 0, 60, 80});
    auto *moved = add<TRectangle>(&form, holder, {0, 0, 40, 40});
    moved->setVisible(false);
    showForm();
    moved->setParentControl(&form);
    EXPECT_FALSE(moved->isVisible());
    EXPECT_FALSE(moved->isVisibleProperty());
}

TEST_F(SetParentControl, LaysAnAlignedChildOutAtOnce)
{
    auto *parent = add<TRectangle>(&form, &form, {10, 10, 100, 60});
    auto *band = new TRectangle(&form);
    band->setAlign(Align::Top);
    band->setMargins({2, 3, 4, 5});
    band->setParentControl(parent);
    EXPECT_EQ(band->bounds(), QRectF(2, 3, 94, 50));
}

TEST_F(SetParentControl, GivesTheOldParentBackTheRoomOfAnAlignedChild)
{
    auto *oldParent = add<TLayout>(&form, &form, {0, 0, 60, 80});
    auto *newParent = add<TLayout>(&form, &form, {60, 0, 60, 80});
    auto *first = add<TRectangle>(&form, oldParent, {0, 0, 60, 20}, Align::Top);
    auto *second = add<TRectangle>(&form, oldParent, {0, 20, 60, 20}, Align::Top);
    ASSERT_EQ(second->bounds().top(), 20);

    first->setParentControl(newParent);
    EXPECT_EQ(second->bounds().top(), 0);
    EXPECT_EQ(first->bounds(), QRectF(0, 0, 60, 20));
}

class Layout : public FormTest
{
};

TEST_F(Layout, OfAParentWaitsForItsLastEndUpdate)
{
    auto *parent = add<TRectangle>(&form, &form, {0, 0, 100, 100});
    auto *client = add<TRectangle>(&form, parent, {0, 0, 10, 10}, Align::Client);
    ASSERT_EQ(client->bounds(), QRectF(0, 0, 100, 100));

    parent->beginUpdate();
    parent->beginUpdate();
    parent->setSize({120, 80});
    auto *band = add<TRectangle>(&form, parent, {0, 0, 10, 30}, Align::Top);
    EXPECT_EQ(client->bounds(), QRectF(0, 0, 100, 100));
    EXPECT_EQ(band->bounds(), QRectF(0, 0, 10, 30));

    parent->endUpdate();
    EXPECT_EQ(client->bounds(), QRectF(0, 0, 100, 100)) << "one update is still open";

    parent->endUpdate();
    EXPECT_EQ(band->bounds(), QRectF(0, 0, 120, 30));
    EXPECT_EQ(client->bounds(), QRectF(0, 30, 120, 50));
}

TEST_F(Layout, OfAChildUnderUpdateWaitsForItsEndUpdate)
{
    auto *parent = add<TRectangle>(&form, &form, {0, 0, 100, 100});
    auto *band = add<TRectangle>(&form, parent, {0, 0, 10, 30}, Align::Top);
    auto *client = add<TRectangle>(&form, parent, {0, 0, 10, 10}, Align::Client);

    band->beginUpdate();
    band->setHeight(50);
    band->setMargins({.bottom = 5});
    EXPECT_EQ(client->bounds(), QRectF(0, 30, 100, 70));
    band->endUpdate();
    EXPECT_EQ(client->bounds(), QRectF(0, 55, 100, 45));
}

TEST_F(Layout, GivesAHiddenChildsRoomToItsSiblingsAndTakesItBackWhenShown)
{
    auto *parent = add<TRectangle>(&form, &form, {0, 0, 100, 100});
    auto *first = add<TRectangle>(&form, parent, {0, 0, 10, 30}, Align::Top);
    auto *second = add<TRectangle>(&form, parent, {0, 30, 10, 20}, Align::Top);
    showForm();

    first->setVisible(false);
    EXPECT_EQ(second->bounds(), QRectF(0, 0, 100, 20));
    EXPECT_EQ(first->bounds(), QRectF(0, 0, 100, 30)) << "a hidden child is not moved";

    first->setVisible(true);
    EXPECT_EQ(first->bounds(), QRectF(0, 0, 100, 30));
    EXPECT_EQ(second->bounds(), QRectF(0, 30, 100, 20));
}

TEST_F(Layout, GivesTheRoomOfAChildBackWhenItsAlignmentIsTakenAway)
{
    auto *parent = add<TRectangle>(&form, &form, {0, 0, 100, 100});
    auto *first = add<TRectangle>(&form, parent, {0, 0, 10, 30}, Align::Top);
    auto *second = add<TRectangle>(&form, parent, {0, 30, 10, 20}, Align::Top);

    first->setAlign(Align::None);
    EXPECT_EQ(second->bounds(), QRectF(0, 0, 100, 20));
    EXPECT_EQ(first->bounds(), QRectF(0, 0, 100, 30)) << "it stays where it stood";
}

TEST_F(Layout, IsHeldWhileAStoredLayoutIsReadAndFollowsTheGivenPlacesAfter)
{
    TLayout *root = nullptr;
    TRectangle *bands[3] = {};
    {
        const LayoutLoading loading;
        root = add<TLayout>(&form, &form, {0, 0, 120, 80}, Align::Client);
        // Child order differs from the order of the given tops, as in the window.
        bands[0] = add<TRectangle>(&form, root, {0, 0, 120, 10}, Align::Top);
        bands[1] = add<TRectangle>(&form, root, {0, 30, 120, 20}, Align::Top);
        bands[2] = add<TRectangle>(&form, root, {0, 10, 120, 20}, Align::Top);
        EXPECT_EQ(bands[1]->bounds(), QRectF(0, 30, 120, 20)) << "nothing moves while reading";
    }
    realignTree(&form);
    EXPECT_EQ(bands[0]->bounds().top(), 0);
    EXPECT_EQ(bands[2]->bounds().top(), 10);
    EXPECT_EQ(bands[1]->bounds().top(), 30);
}

// A tree shaped like the game window's: bands stacked from the top, a card centred in one,
// the rest of the window below them, and a background centred across it wider than the window.
class WindowResize : public FormTest
{
protected:
    WindowResize()
        : FormTest({385, 650})
    {
        const LayoutLoading loading;
        auto *root = add<TLayout>(&form, &form, {0, 0, 385, 650}, Align::Client);
        add<TRectangle>(&form, root, {0, 0, 385, 50}, Align::Top);
        ticketArea = add<TRectangle>(&form, root, {0, 100, 385, 295}, Align::Top);
        add<TRoundRect>(&form, root, {0, 50, 385, 50}, Align::Top);
        controlArea = add<TLayout>(&form, root, {0, 395, 385, 255}, Align::Client);
        card = add<TRectangle>(&form, ticketArea, {28, 15, 329, 265}, Align::Center);
        background = add<TRectangle>(&form, controlArea, {-4, 0, 393, 255}, Align::HorzCenter);
        control = add<TRectangle>(&form, background, {11, 16, 65, 55});
    }

    TRectangle *ticketArea = nullptr;
    TLayout *controlArea = nullptr;
    TRectangle *card = nullptr;
    TRectangle *background = nullptr;
    TRectangle *control = nullptr;
};

TEST_F(WindowResize, To500WideKeepsTheCentredControlsCentredWithHalvesCut)
{
    realignTree(&form);
    showForm();
    ASSERT_EQ(card->bounds(), QRectF(28, 15, 329, 265));

    form.resize(500, 650);
    QCoreApplication::processEvents();
    EXPECT_EQ(ticketArea->bounds(), QRectF(0, 100, 500, 295));
    EXPECT_EQ(card->bounds(), QRectF(85, 15, 329, 265));
    EXPECT_EQ(background->bounds(), QRectF(53, 0, 393, 255));
    EXPECT_EQ(control->bounds(), QRectF(11, 16, 65, 55)) << "a control aligned None keeps its place";
    EXPECT_EQ(card->mapTo(&form, QPoint(0, 0)), QPoint(85, 115));
    EXPECT_EQ(control->mapTo(&form, QPoint(0, 0)), QPoint(64, 411));
}

TEST_F(WindowResize, ToAShorterWindowGivesTheControlAreaWhatIsLeft)
{
    realignTree(&form);
    showForm();
    form.resize(385, 500);
    QCoreApplication::processEvents();
    EXPECT_EQ(controlArea->bounds(), QRectF(0, 395, 385, 105));
    EXPECT_EQ(background->bounds(), QRectF(-4, 0, 393, 105));
}

} // namespace

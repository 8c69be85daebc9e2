// SPDX-License-Identifier: GPL-3.0-or-later
#include "soak/inputs.h"

#include "ui/tavix.h"

#include <QTest>

#include <array>

namespace soak {

namespace {

using Brelun::TTavix;

// Where a control stands in the window now, whatever resizes have done.
QRect placeIn(const QWidget *control, const QWidget &window)
{
    return {control->mapTo(&window, QPoint(0, 0)), control->size()};
}

QPoint pointIn(Dice &dice, const QRect &area)
{
    return {dice.between(area.left(), area.right()), dice.between(area.top(), area.bottom())};
}

// A point in the part of the area that lies in the window; anywhere in the window if none does.
QPoint pointOn(Dice &dice, const QRect &area, const QWidget &window)
{
    const QRect seen = area & window.rect();
    return pointIn(dice, seen.isEmpty() ? window.rect() : seen);
}

std::array<TRectangle *, 5> betControls(const TTavix &w)
{
    return {w.Rectangle10, w.Rectangle14, w.Rectangle13, w.Rectangle12, w.Rectangle11};
}

constexpr std::array<const char *, 5> betNames{"+1", "+10", "x2", "x10", "x0"};

struct Place
{
    QWidget *control;
    const char *name;
};

// Controls without a handler of their own: bands, captions, balls, the header, a cell's text.
std::array<Place, 26> scenery(const TTavix &w)
{
    return {{{w.Rectangle16, "the window's background"}, {w.Layout1, "the main layout"}, {w.Rectangle5, "the header"},
             {w.Rectangle1, "the ticket band"}, {w.RoundRect1, "the ball band"}, {w.Layout6, "the control area"},
             {w.Label3, "the caption Win:"}, {w.Label4, "the stake display"}, {w.Label5, "the win display"},
             {w.Label6, "the caption Bet:"}, {w.Label7, "the chips display"}, {w.Label8, "the caption Chips:"},
             {w.Layout3, "the ball layout"}, {Brelun::WW[1], "ball 1"}, {Brelun::WW[4], "ball 4"}, {Brelun::WW[7], "ball 7"},
             {w.Rectangle8, "the ticket card"}, {w.Layout2, "the ticket layout"}, {w.Rectangle9, "the control panel"},
             {w.Layout4, "the bet layout"}, {w.Layout5, "the game-control layout"}, {w.Label9, "the caption +1"},
             {w.Label12, "the caption x2"}, {w.Label14, "the caption Change values"}, {w.Label18, "the caption Start Lotto"},
             {Brelun::LL[5], "the text of cell 5"}}};
}

// A point of a row that no cell covers: the gaps between cells and the empty stretch before
// the letter cell.
QPoint rowGap(Dice &dice, const TTavix &w, int row)
{
    const std::array<TRectangle *, 4> rows{w.Rectangle2, w.Rectangle7, w.Rectangle4, w.Rectangle6};
    const QRect area = placeIn(rows[static_cast<std::size_t>(row)], w);
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QPoint p = pointIn(dice, area);
        bool onCell = false;
        for (int k = 1; k <= 20 && !onCell; ++k)
            onCell = placeIn(Brelun::RR[k], w).contains(p);
        if (!onCell && w.rect().contains(p))
            return p;
    }
    return pointOn(dice, area, w);
}

Input resize(Dice &dice)
{
    QSize size;
    switch (dice.below(6)) {
    case 0: size = {385, 650}; break;
    case 1: size = dice.percent(50) ? QSize(1, 1) : QSize(4000, 3000); break;
    case 2: size = {dice.between(1, 40), dice.between(1, 40)}; break;
    case 3: size = {dice.between(1, 4000), dice.between(1, 3000)}; break;
    default: size = {dice.between(235, 535), dice.between(450, 850)}; break;
    }
    return {ResizeInput{size}, "the window"};
}

Input key(Dice &dice)
{
    static constexpr std::array keys{Qt::Key_Enter, Qt::Key_Return, Qt::Key_Space, Qt::Key_Tab};
    const Qt::Key k = keys[static_cast<std::size_t>(dice.below(static_cast<int>(keys.size())))];
    Qt::KeyboardModifiers modifiers;
    if (k == Qt::Key_Enter && dice.percent(50))
        modifiers = Qt::KeypadModifier; // as a keypad's Enter comes
    if (dice.percent(12)) {
        static constexpr std::array held{Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier};
        modifiers |= held[static_cast<std::size_t>(dice.below(3))];
    }
    return {KeyInput{k, modifiers}, "the focus"};
}

MouseInput gesture(Dice &dice, QPoint at)
{
    MouseInput m;
    m.at = at;
    const int b = dice.below(100);
    m.button = b < 70 ? Qt::LeftButton : b < 85 ? Qt::RightButton : Qt::MiddleButton;
    const int a = dice.below(100);
    m.action = a < 58 ? Action::Click : a < 73 ? Action::DoubleClick : a < 86 ? Action::Press : Action::Release;
    return m;
}

// Shares of the mouse's targets: cells 44%, bet controls 10%, "Change values" 3%, "Start Lotto"
// 5%, "Show" 8% (cells while it is hidden), gaps in the rows 8%, controls without a handler 12%,
// anywhere 10%.
Input mouse(Dice &dice, const TTavix &w)
{
    int roll = dice.below(100);
    if (roll >= 62 && roll < 70 && w.Button1->isHidden())
        roll = 0; // "Show" only while it is there; a cell instead
    if (roll < 44) {
        const int k = dice.between(1, 20);
        return {gesture(dice, pointOn(dice, placeIn(Brelun::RR[k], w), w)), "cell " + std::to_string(k)};
    }
    if (roll < 54) {
        const int b = dice.below(5);
        return {gesture(dice, pointOn(dice, placeIn(betControls(w)[static_cast<std::size_t>(b)], w), w)), betNames[static_cast<std::size_t>(b)]};
    }
    if (roll < 57)
        return {gesture(dice, pointOn(dice, placeIn(w.Rectangle15, w), w)), "Change values"};
    if (roll < 62)
        return {gesture(dice, pointOn(dice, placeIn(w.Rectangle19, w), w)), "Start Lotto"};
    if (roll < 70)
        return {gesture(dice, pointOn(dice, placeIn(w.Button1, w), w)), "Show"};
    if (roll < 78) {
        const int row = dice.below(4);
        return {gesture(dice, rowGap(dice, w, row)), "a gap in row " + std::to_string(row + 1)};
    }
    if (roll < 90) {
        const auto places = scenery(w);
        const Place &target = places[static_cast<std::size_t>(dice.below(static_cast<int>(places.size())))];
        return {gesture(dice, pointOn(dice, placeIn(target.control, w), w)), target.name};
    }
    return {gesture(dice, pointIn(dice, w.rect())), "anywhere"};
}

// QTest sends an event aimed at (0, 0) to the window's centre instead.
QPoint landing(QPoint at, const TTavix &w)
{
    return at.isNull() ? QPoint(w.width() / 2, w.height() / 2) : at;
}

Reach reachOf(const MouseInput &m, const TTavix &w)
{
    using On = Reach::On;
    if (QTestPrivate::qtestMouseButtons != Qt::NoButton)
        return {}; // a held button keeps sending everything to the control it was pressed on
    if (m.action == Action::Release)
        return {On::Nothing}; // released with nothing pressed: no control gets it
    Reach r;
    r.presses = m.action == Action::DoubleClick ? 2 : 1;
    r.clicks = m.button == Qt::LeftButton && m.action != Action::Press ? 1 : 0;
    const QWidget *hit = w.childAt(landing(m.at, w));
    const auto bets = betControls(w);
    for (std::size_t i = 0; i < bets.size(); ++i) {
        if (hit == bets[i]) {
            r.on = On::Bet;
            r.index = static_cast<int>(i);
            return r;
        }
    }
    for (int k = 1; k <= 20; ++k) {
        if (hit == Brelun::RR[k]) {
            r.on = On::Cell;
            r.index = k;
            return r;
        }
    }
    if (hit == w.Rectangle15)
        r.on = On::ChangeValues;
    else if (hit == w.Rectangle19)
        r.on = On::StartLotto;
    else if (hit == w.Button1)
        r.on = m.action == Action::DoubleClick ? On::Unknown : On::Show; // the first click hides it
    else
        r.on = On::Nothing;
    return r;
}

std::string buttonName(Qt::MouseButton b)
{
    return b == Qt::LeftButton ? "left" : b == Qt::RightButton ? "right" : "middle";
}

std::string actionName(Action a)
{
    switch (a) {
    case Action::Press: return "press";
    case Action::Release: return "release";
    case Action::Click: return "click";
    case Action::DoubleClick: return "double click";
    }
    return "?";
}

std::string keyName(const KeyInput &k)
{
    std::string name;
    if (k.modifiers & Qt::ShiftModifier)
        name += "Shift+";
    if (k.modifiers & Qt::ControlModifier)
        name += "Ctrl+";
    if (k.modifiers & Qt::AltModifier)
        name += "Alt+";
    switch (k.key) {
    case Qt::Key_Enter: return name + ((k.modifiers & Qt::KeypadModifier) ? "keypad Enter" : "Enter");
    case Qt::Key_Return: return name + "Return";
    case Qt::Key_Space: return name + "Space";
    default: return name + "Tab";
    }
}

} // namespace

Input pickInput(Dice &dice, const TTavix &window)
{
    const int roll = dice.below(1000);
    if (roll < 6)
        return resize(dice);
    if (roll < 60)
        return key(dice);
    return mouse(dice, window);
}

Reach predictReach(const Input &input, const TTavix &window)
{
    if (const auto *m = std::get_if<MouseInput>(&input.what))
        return reachOf(*m, window);
    if (std::holds_alternative<KeyInput>(input.what))
        return {Reach::On::Keyboard};
    return {Reach::On::Nothing}; // a resize changes no game and no text
}

void deliver(const Input &input, TTavix &window)
{
    QWindow *handle = window.windowHandle();
    if (const auto *m = std::get_if<MouseInput>(&input.what)) {
        switch (m->action) {
        case Action::Press: QTest::mousePress(handle, m->button, Qt::NoModifier, m->at); break;
        case Action::Release: QTest::mouseRelease(handle, m->button, Qt::NoModifier, m->at); break;
        case Action::Click: QTest::mouseClick(handle, m->button, Qt::NoModifier, m->at); break;
        case Action::DoubleClick: QTest::mouseDClick(handle, m->button, Qt::NoModifier, m->at); break;
        }
    } else if (const auto *k = std::get_if<KeyInput>(&input.what)) {
        QTest::keyClick(handle, k->key, k->modifiers);
    } else {
        window.resize(std::get<ResizeInput>(input.what).size);
    }
}

std::string describe(const Input &input)
{
    if (const auto *m = std::get_if<MouseInput>(&input.what)) {
        return buttonName(m->button) + ' ' + actionName(m->action) + " at (" + std::to_string(m->at.x()) + ", "
               + std::to_string(m->at.y()) + ") aimed at " + input.aim;
    }
    if (const auto *k = std::get_if<KeyInput>(&input.what))
        return "key " + keyName(*k);
    const QSize s = std::get<ResizeInput>(input.what).size;
    return "resize to " + std::to_string(s.width()) + " x " + std::to_string(s.height());
}

} // namespace soak

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/faces.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace fakes {

// The colours the player sees, written out here rather than taken from the game's own
// constants, so that a wrong constant shows.
inline constexpr Brelun::Argb Highlight = 0xFFFD1717;
inline constexpr Brelun::Argb NormalText = 0xFF030000;

// A label or button that keeps what the rules last wrote into it and counts the writes,
// so a test can tell "written again with the same text" from "not written at all".
class FakeFace final : public Brelun::TextFace
{
public:
    // Never a colour the rules use: a face still showing it was never painted.
    static constexpr Brelun::Argb Unpainted = 0x00000000;

    void setFaceText(std::string_view value) override
    {
        text = value;
        ++textWrites;
    }
    void setFaceColor(Brelun::Argb value) override
    {
        color = value;
        ++colorWrites;
    }
    void setFaceVisible(bool value) override
    {
        visible = value;
        ++visibleWrites;
    }

    int writes() const { return textWrites + colorWrites + visibleWrites; }
    void forgetWrites() { textWrites = colorWrites = visibleWrites = 0; }

    std::string text;
    Brelun::Argb color = Unpainted;
    bool visible = false;
    int textWrites = 0;
    int colorWrites = 0;
    int visibleWrites = 0;
};

// Every control the rules write into, installed in Brelun::faces while the board lives.
class FakeBoard
{
public:
    FakeBoard() { install(); }
    ~FakeBoard() { Brelun::faces = {}; }
    FakeBoard(const FakeBoard &) = delete;
    FakeBoard &operator=(const FakeBoard &) = delete;

    FakeFace &cell(int k) { return cells.at(static_cast<std::size_t>(k - 1)); }
    FakeFace &ball(int i) { return balls.at(static_cast<std::size_t>(i - 1)); }

    // Writes to any face since the last forgetWrites().
    int writes() const
    {
        int total = stake.writes() + win.writes() + chips.writes() + show.writes();
        for (const FakeFace &face : cells)
            total += face.writes();
        for (const FakeFace &face : balls)
            total += face.writes();
        return total;
    }

    // Back to controls that were never written, as between two separate games of a test.
    void clear()
    {
        for (FakeFace &face : cells)
            face = FakeFace{};
        for (FakeFace &face : balls)
            face = FakeFace{};
        stake = win = chips = show = FakeFace{};
    }

    void forgetWrites()
    {
        for (FakeFace &face : cells)
            face.forgetWrites();
        for (FakeFace &face : balls)
            face.forgetWrites();
        stake.forgetWrites();
        win.forgetWrites();
        chips.forgetWrites();
        show.forgetWrites();
    }

    std::array<FakeFace, 20> cells;
    std::array<FakeFace, 7> balls;
    FakeFace stake;
    FakeFace win;
    FakeFace chips;
    FakeFace show;

private:
    void install()
    {
        for (int k = 1; k <= 20; ++k)
            Brelun::faces.cells[k] = &cell(k);
        for (int i = 1; i <= 7; ++i)
            Brelun::faces.balls[i] = &ball(i);
        Brelun::faces.stake = &stake;
        Brelun::faces.win = &win;
        Brelun::faces.chips = &chips;
        Brelun::faces.show = &show;
    }
};

} // namespace fakes

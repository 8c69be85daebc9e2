// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/onebased.h"

#include <cstdint>
#include <string_view>

namespace Brelun {

using Argb = std::uint32_t;

inline constexpr Argb NormalTextColor = 0xFF030000;
inline constexpr Argb HighlightColor = 0xFFFD1717;

// All the rules ever do to a label or a button: the window's controls implement it, tests fake it.
class TextFace
{
public:
    virtual void setFaceText(std::string_view text) = 0;
    virtual void setFaceColor(Argb color) = 0;
    virtual void setFaceVisible(bool visible) = 0;

protected:
    ~TextFace() = default;
};

// The controls the rules write into. The window fills it when it builds the board.
struct Faces
{
    Array1<TextFace *, 20> cells; // the ticket cells' labels, by cell index
    Array1<TextFace *, 7> balls; // the balls' labels, left to right
    TextFace *stake = nullptr; // the stake display
    TextFace *win = nullptr; // the win display
    TextFace *chips = nullptr; // the chips display
    TextFace *show = nullptr; // the "Show" button
};

inline Faces faces;

} // namespace Brelun

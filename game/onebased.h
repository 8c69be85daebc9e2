// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cassert>
#include <cstddef>

namespace Brelun {

// A fixed array whose first element is [1], as every table of the game counts from 1.
template <typename T, std::size_t N>
struct Array1
{
    std::array<T, N> items{};

    static constexpr int first() { return 1; }
    static constexpr int last() { return static_cast<int>(N); }

    constexpr T &operator[](int i)
    {
        assert(i >= first() && i <= last());
        return items[static_cast<std::size_t>(i - 1)];
    }
    constexpr const T &operator[](int i) const
    {
        assert(i >= first() && i <= last());
        return items[static_cast<std::size_t>(i - 1)];
    }

    constexpr auto begin() { return items.begin(); }
    constexpr auto end() { return items.end(); }
    constexpr auto begin() const { return items.begin(); }
    constexpr auto end() const { return items.end(); }

    friend constexpr bool operator==(const Array1 &, const Array1 &) = default;
};

} // namespace Brelun

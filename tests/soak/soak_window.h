// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "soak/dice.h"

#include "support/tavix_window.h"
#include "ui/tavix.h"

#include <QRect>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace soak {

// A second window, built and shown as the program does, then put back into its first layout
// whenever a resize is to be judged: laid out once at the new size, it shows where a window
// freshly built at that size has each control.
class FreshLayout
{
public:
    FreshLayout();
    ~FreshLayout();
    FreshLayout(const FreshLayout &) = delete;
    FreshLayout &operator=(const FreshLayout &) = delete;

    // The places of every control, in tree order, of a fresh window of the given size.
    std::vector<QRectF> placesAt(QSize size);

private:
    std::unique_ptr<tavix_test::GameWindow> m_tavix;
    Brelun::TTavix *m_window = nullptr;
    std::vector<TControl *> m_controls;
    std::vector<QRectF> m_first;
};

// Every control of a window, parents before children, in child order.
std::vector<TControl *> controlsOf(QWidget *root);

// The game's window as the program builds it, shown on the offscreen platform, with the
// game's chance taken from a seed.
class SoakWindow
{
public:
    explicit SoakWindow(std::uint64_t gameSeed);
    ~SoakWindow();
    SoakWindow(const SoakWindow &) = delete;
    SoakWindow &operator=(const SoakWindow &) = delete;

    Brelun::TTavix &window() { return *m_window; }

    // Input needs no picture: the window paints only when asked, so that painting (the bevel's
    // blur above all) does not take most of a run's time.
    void holdPainting();
    void paintOnce();

    // A cell, a ball or a bet control that stands elsewhere in its parent than when the window
    // first showed: resizes must move none of them within their rows and bands.
    std::optional<std::string> misplaced() const;

    // A control that stands elsewhere than in a window freshly built at the window's present
    // size: the layout may depend on the size alone, never on the sizes it passed through.
    std::optional<std::string> unlikeAFreshWindow();

    // An error box (closed at once) or a warning from Qt since the last call.
    std::optional<std::string> trouble();

private:
    void releaseHeldButtons();

    struct Place
    {
        const QWidget *control;
        QRect geometry;
        std::string name;
    };

    SeededChance m_chance;
    Brelun::testing::ScopedChance m_scopedChance;
    FreshLayout m_fresh; // built first: its creation must not overwrite the board of m_window
    tavix_test::GameWindow m_tavix;
    Brelun::TTavix *m_window = m_tavix.get();
    std::vector<Place> m_places;
    QTimer m_boxWatch;
    QString m_boxText;
    QtMessageHandler m_previousHandler = nullptr;
};

} // namespace soak

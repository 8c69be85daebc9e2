// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game's real window on Qt's offscreen platform, played the way a player plays it: mouse
// presses and clicks and key strokes at the places where the controls stand on screen.

#include "support/screen_table.h"
#include "support/tavix_window.h"

#include "game/state.h"
#include "ui/tavix.h"

#include <QEvent>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QString>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <ostream>
#include <vector>

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QPoint &point, std::ostream *os)
{
    *os << '(' << point.x() << ", " << point.y() << ')';
}

namespace play {

// Where things stand on screen, in window coordinates, and the colours of what is shown.
namespace screen = tavix_test::screen;
inline constexpr QRgb Normal = tavix_test::colours::NormalText;
inline constexpr QRgb Highlight = tavix_test::colours::Highlight;

// The seven pressable controls below the ticket.
enum class Control { PlusOne, PlusTen, Double, TimesTen, Zero, ChangeValues, StartLotto };
inline constexpr std::array AllControls{Control::PlusOne,  Control::PlusTen,      Control::Double,    Control::TimesTen,
                                        Control::Zero,     Control::ChangeValues, Control::StartLotto};
const char *nameOf(Control control);
void PrintTo(Control control, std::ostream *os);

QRect placeOf(Control control);

// A value as the 32-bit displays hold it: the exact value taken modulo 2^32.
std::int32_t wrapped(std::int64_t exact);
QString decimal(std::int64_t exact);

// Everything the player sees change while playing.
struct Picture
{
    std::array<QString, 20> cellTexts;
    std::array<QRgb, 20> cellColours;
    std::array<QString, 7> ballTexts;
    std::array<QRgb, 7> ballColours;
    QString stake;
    QString win;
    QString chips;
    bool showVisible = false;

    bool operator==(const Picture &) const = default;
};
void PrintTo(const Picture &picture, std::ostream *os);

// The game state's figures that the controls and the clicks change.
struct Figures
{
    std::int32_t Win = 0;
    std::int32_t Bet = 0;
    std::int32_t Chips = 0;
    std::int32_t SlctCount = 0;
    std::int32_t SelDCount = 0;
    std::int32_t SelLCount = 0;
    bool go = false;
    Brelun::Array1<std::int32_t, 16> FLine;
    Brelun::Array1<std::int32_t, 4> LLine;
    Brelun::Array1<std::int32_t, 7> WLine;

    bool operator==(const Figures &) const = default;
};
void PrintTo(const Figures &figures, std::ostream *os);

// Records the mouse events that reach one widget, in the order they arrive.
class MouseEventLog : public QObject
{
public:
    explicit MouseEventLog(QObject *watched);
    std::vector<QEvent::Type> types;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

class PlayWindow : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    QWindow *handle() const;
    QWidget *controlWidget(Control control) const;

    // What lies under a point of the window: the topmost widget there.
    QWidget *widgetAt(QPoint point) const;

    // A left press and release in the middle of the control, or a press with another button.
    void press(Control control, Qt::MouseButton button = Qt::LeftButton);
    void pressTimes(Control control, int times);
    // A click in the middle of ticket cell k, on its text.
    void clickCell(int k, Qt::MouseButton button = Qt::LeftButton);
    void clickAt(QPoint point, Qt::MouseButton button = Qt::LeftButton);
    void clickShow();

    // The ticket as dealt, read from the game state, to know which cells to open.
    std::vector<int> cellsWithWinningNumbers() const;
    std::vector<int> cellsWithoutWinningNumbers() const;
    int winningLetterCell() const;
    int otherLetterCell() const;
    // Opens `winners` cells holding winning numbers, then `losers` cells holding none.
    void openNumbers(int winners, int losers);

    Picture picture() const;
    Figures figures() const;
    QString stakeText() const { return w->Label4->text(); }
    QString winText() const { return w->Label5->text(); }
    QString chipsText() const { return w->Label7->text(); }
    QString cellText(int k) const { return Brelun::LL[k]->text(); }
    QRgb cellColour(int k) const { return Brelun::LL[k]->textSettings().fontColor; }
    QRgb ballColour(int j) const { return Brelun::WL[j]->textSettings().fontColor; }
    // The ball that shows the winning number hidden in number cell k.
    int ballOf(int k) const;

    tavix_test::GameWindow tavix;
    Brelun::TTavix *w = tavix.get();
};

} // namespace play

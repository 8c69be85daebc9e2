// SPDX-License-Identifier: GPL-3.0-or-later
#include "play_window.h"

#include <QTest>
#include <QWindow>

#include <ios>

namespace play {

using namespace Brelun;

const char *nameOf(Control control)
{
    switch (control) {
    case Control::PlusOne:
        return "+1";
    case Control::PlusTen:
        return "+10";
    case Control::Double:
        return "x2";
    case Control::TimesTen:
        return "x10";
    case Control::Zero:
        return "x0";
    case Control::ChangeValues:
        return "Change values";
    case Control::StartLotto:
        return "Start Lotto";
    }
    return "?";
}

void PrintTo(Control control, std::ostream *os)
{
    *os << '"' << nameOf(control) << '"';
}

QRect placeOf(Control control)
{
    switch (control) {
    case Control::PlusOne:
        return screen::plusOne;
    case Control::PlusTen:
        return screen::plusTen;
    case Control::Double:
        return screen::timesTwo;
    case Control::TimesTen:
        return screen::timesTen;
    case Control::Zero:
        return screen::timesNought;
    case Control::ChangeValues:
        return screen::changeValues;
    case Control::StartLotto:
        return screen::startLotto;
    }
    return {};
}

std::int32_t wrapped(std::int64_t exact)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(exact)));
}

QString decimal(std::int64_t exact)
{
    return QString::number(wrapped(exact));
}

void PrintTo(const Picture &picture, std::ostream *os)
{
    *os << "cells [";
    for (std::size_t i = 0; i < picture.cellTexts.size(); ++i)
        *os << ' ' << (i + 1) << ":'" << picture.cellTexts[i].toStdString() << "'/" << std::hex << picture.cellColours[i]
            << std::dec;
    *os << " ] balls [";
    for (std::size_t j = 0; j < picture.ballTexts.size(); ++j)
        *os << " '" << picture.ballTexts[j].toStdString() << "'/" << std::hex << picture.ballColours[j] << std::dec;
    *os << " ] stake " << picture.stake.toStdString() << " win " << picture.win.toStdString() << " chips "
        << picture.chips.toStdString() << (picture.showVisible ? " Show shown" : " Show hidden");
}

void PrintTo(const Figures &f, std::ostream *os)
{
    *os << "Win " << f.Win << " Bet " << f.Bet << " Chips " << f.Chips << " SlctCount " << f.SlctCount
        << " SelDCount " << f.SelDCount << " SelLCount " << f.SelLCount << " go " << f.go;
}

MouseEventLog::MouseEventLog(QObject *watched)
{
    watched->installEventFilter(this);
}

bool MouseEventLog::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        types.push_back(event->type());
        break;
    default:
        break;
    }
    return false;
}

void PlayWindow::SetUp()
{
    ASSERT_TRUE(tavix.show());
    ASSERT_TRUE(tavix.activate()); // key strokes go to the active window
}

void PlayWindow::TearDown()
{
    tavix.destroy();
    w = nullptr;
    GO = {}; // no game left behind for a test that runs next in this process
}

QWindow *PlayWindow::handle() const
{
    return w->windowHandle();
}

QWidget *PlayWindow::controlWidget(Control control) const
{
    switch (control) {
    case Control::PlusOne:
        return w->Rectangle10;
    case Control::PlusTen:
        return w->Rectangle14;
    case Control::Double:
        return w->Rectangle13;
    case Control::TimesTen:
        return w->Rectangle12;
    case Control::Zero:
        return w->Rectangle11;
    case Control::ChangeValues:
        return w->Rectangle15;
    case Control::StartLotto:
        return w->Rectangle19;
    }
    return nullptr;
}

QWidget *PlayWindow::widgetAt(QPoint point) const
{
    return w->childAt(point);
}

void PlayWindow::press(Control control, Qt::MouseButton button)
{
    const QPoint point = placeOf(control).center();
    QWidget *target = controlWidget(control);
    QWidget *hit = widgetAt(point);
    if (hit != target && !target->isAncestorOf(hit))
        ADD_FAILURE() << '"' << nameOf(control) << "\" does not stand at " << point.x() << ',' << point.y();
    QTest::mousePress(handle(), button, {}, point);
    QTest::mouseRelease(handle(), button, {}, point);
}

void PlayWindow::pressTimes(Control control, int times)
{
    for (int n = 0; n < times; ++n)
        press(control);
}

void PlayWindow::clickCell(int k, Qt::MouseButton button)
{
    const QPoint point = screen::cell(k).center();
    QWidget *hit = widgetAt(point);
    if (hit != RR[k] && hit != LL[k])
        ADD_FAILURE() << "cell " << k << " does not stand at " << point.x() << ',' << point.y();
    clickAt(point, button);
}

void PlayWindow::clickAt(QPoint point, Qt::MouseButton button)
{
    QTest::mouseClick(handle(), button, {}, point);
}

void PlayWindow::clickShow()
{
    const QPoint point = screen::show.center();
    if (widgetAt(point) != w->Button1)
        ADD_FAILURE() << "\"Show\" does not stand at " << point.x() << ',' << point.y();
    clickAt(point);
}

std::vector<int> PlayWindow::cellsWithWinningNumbers() const
{
    std::vector<int> cells;
    for (int k = 1; k <= 16; ++k) {
        if (ballOf(k) != 0)
            cells.push_back(k);
    }
    return cells;
}

std::vector<int> PlayWindow::cellsWithoutWinningNumbers() const
{
    std::vector<int> cells;
    for (int k = 1; k <= 16; ++k) {
        if (ballOf(k) == 0)
            cells.push_back(k);
    }
    return cells;
}

int PlayWindow::winningLetterCell() const
{
    for (int j = 1; j <= 4; ++j) {
        if (GO.LLine[j] == GO.WLine[7])
            return 16 + j;
    }
    ADD_FAILURE() << "no letter cell holds the winning letter";
    return 17;
}

int PlayWindow::otherLetterCell() const
{
    for (int j = 1; j <= 4; ++j) {
        if (GO.LLine[j] != GO.WLine[7])
            return 16 + j;
    }
    ADD_FAILURE() << "every letter cell holds the winning letter";
    return 17;
}

void PlayWindow::openNumbers(int winners, int losers)
{
    const std::vector<int> winning = cellsWithWinningNumbers();
    const std::vector<int> losing = cellsWithoutWinningNumbers();
    ASSERT_EQ(winning.size(), 6u);
    ASSERT_LE(winners, 6);
    ASSERT_LE(losers, 10);
    for (int n = 0; n < winners; ++n)
        clickCell(winning[static_cast<std::size_t>(n)]);
    for (int n = 0; n < losers; ++n)
        clickCell(losing[static_cast<std::size_t>(n)]);
}

int PlayWindow::ballOf(int k) const
{
    for (int i = 1; i <= 6; ++i) {
        if (GO.WLine[i] == GO.FLine[k])
            return i;
    }
    return 0;
}

Picture PlayWindow::picture() const
{
    Picture p;
    for (int k = 1; k <= 20; ++k) {
        p.cellTexts[static_cast<std::size_t>(k - 1)] = cellText(k);
        p.cellColours[static_cast<std::size_t>(k - 1)] = cellColour(k);
    }
    for (int j = 1; j <= 7; ++j) {
        p.ballTexts[static_cast<std::size_t>(j - 1)] = WL[j]->text();
        p.ballColours[static_cast<std::size_t>(j - 1)] = ballColour(j);
    }
    p.stake = stakeText();
    p.win = winText();
    p.chips = chipsText();
    p.showVisible = w->Button1->isVisible();
    return p;
}

Figures PlayWindow::figures() const
{
    return {GO.Win, GO.Bet, GO.Chips, GO.SlctCount, GO.SelDCount, GO.SelLCount, GO.go, GO.FLine, GO.LLine, GO.WLine};
}

} // namespace play

// SPDX-License-Identifier: GPL-3.0-or-later
// Time from a press on "+1", and from a click on a ticket cell, to the end of the frame that shows
// it, measured inside the real game window (QT_SCALE_FACTOR sets the scale; run it on X).
//
// The press goes to the control as QTest delivers it (straight to the widget, as the window's own
// tests do); the frame is the window's UpdateRequest, in which Qt paints every control marked
// dirty and flushes the backing store to the X server. A sample ends when the UpdateRequest that
// painted the changed label returns. X input delivery and the X server's own drawing are outside.
#include "startup.h"

#include "game/chance.h"
#include "toolkit/application.h"
#include "ui/tavix.h"

#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The application object of the game, with a stopwatch on the frames.
class FrameClock : public TApplication
{
public:
    using TApplication::TApplication;

    void watch(const QWidget *label)
    {
        m_label = label;
        m_labelPainted = false;
        m_frameEnd.reset();
    }
    std::optional<Clock::time_point> frameEnd() const { return m_frameEnd; }

    bool notify(QObject *receiver, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::Paint && receiver == m_label)
            m_labelPainted = true;
        const bool result = TApplication::notify(receiver, event);
        if (type == QEvent::UpdateRequest && m_labelPainted && !m_frameEnd)
            m_frameEnd = Clock::now();
        return result;
    }

private:
    const QWidget *m_label = nullptr;
    bool m_labelPainted = false;
    std::optional<Clock::time_point> m_frameEnd;
};

FrameClock *frameClock()
{
    return static_cast<FrameClock *>(QCoreApplication::instance());
}

QPoint centre(const QWidget *widget)
{
    return widget->rect().center();
}

// Runs input, then the event loop until the frame that paints label has been flushed.
template <typename Input>
double timeToFrame(const QWidget *label, Input input)
{
    frameClock()->watch(label);
    const auto start = Clock::now();
    input();
    while (!frameClock()->frameEnd()) {
        QCoreApplication::processEvents();
        if (Clock::now() - start > std::chrono::seconds(2))
            throw std::runtime_error("no frame painted the changed label");
    }
    return std::chrono::duration<double, std::milli>(*frameClock()->frameEnd() - start).count();
}

std::vector<double> plusOnePresses(int warmUp, int count)
{
    using namespace Brelun;
    std::vector<double> samples;
    for (int i = 1; i <= warmUp + count; ++i) {
        const double ms = timeToFrame(Tavix->Label4, [] {
            QTest::mousePress(Tavix->Rectangle10, Qt::LeftButton, {}, centre(Tavix->Rectangle10));
        });
        if (Tavix->Label4->text() != QString::number(i))
            throw std::runtime_error("the press on +1 did not raise the stake");
        QTest::mouseRelease(Tavix->Rectangle10, Qt::LeftButton, {}, centre(Tavix->Rectangle10));
        QTest::qWait(5);
        if (i > warmUp)
            samples.push_back(ms);
    }
    return samples;
}

// Plays whole games: six number cells, the letter cell, then "Start Lotto" (not timed) for the next.
std::vector<double> cellClicks(int warmUpGames, int games)
{
    using namespace Brelun;
    std::vector<double> samples;
    for (int game = 1; game <= warmUpGames + games; ++game) {
        for (const int cell : {1, 2, 3, 4, 5, 6, 17}) {
            const double ms =
                timeToFrame(LL[cell], [cell] { QTest::mouseClick(RR[cell], Qt::LeftButton, {}, centre(RR[cell])); });
            if (LL[cell]->text().isEmpty())
                throw std::runtime_error("the click did not open the cell");
            QTest::qWait(5);
            if (game > warmUpGames)
                samples.push_back(ms);
        }
        QTest::mouseClick(Tavix->Rectangle19, Qt::LeftButton, {}, centre(Tavix->Rectangle19));
        QTest::qWait(20);
        if (!LL[1]->text().isEmpty())
            throw std::runtime_error("Start Lotto did not deal a new ticket");
    }
    return samples;
}

void report(const char *what, std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    const double median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2.0;
    std::printf("%-22s median %6.2f ms  p90 %6.2f ms  max %6.2f ms  (n=%zu)\n", what, median, samples[n * 9 / 10],
                samples.back(), n);
}

} // namespace

int main(int argc, char *argv[])
{
    Brelun::seedRandomSource();
    FrameClock app(argc, argv);
    app.Initialize(Brelun::tavixIdentity());
    Brelun::prepareWindow();
    app.CreateForm(Brelun::Tavix);
    int status = 0;
    QTimer::singleShot(0, &app, [&] {
        try {
            if (!QTest::qWaitForWindowExposed(Brelun::Tavix))
                throw std::runtime_error("the window was never exposed");
            QTest::qWait(200);
            std::printf("scale %.1f (device pixel ratio %.1f)\n",
                        qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble(), Brelun::Tavix->devicePixelRatioF());
            report("+1 press to frame", plusOnePresses(20, 300));
            report("cell click to frame", cellClicks(2, 40));
        } catch (const std::exception &error) {
            std::fprintf(stderr, "press_latency: %s\n", error.what());
            status = 1;
        }
        QCoreApplication::quit();
    });
    app.Run();
    return status;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QPointF>
#include <QWindow>
#include <QtTest/qtestmouse.h>

namespace tavix_test {

// Mouse input as the window system hands it to Qt, with the pointer anywhere within a device
// pixel and with timestamps that the test chooses: QTest's own functions take whole logical
// points and space their events so that no double click can come of them.
class PlatformMouse
{
public:
    explicit PlatformMouse(QWindow *window)
        : m_window(window)
    {
    }

    // Milliseconds on the window system's clock before the next event.
    void wait(int ms) { QTest::lastMouseTimestamp += ms; }

    void move(QPointF at) { send(at, Qt::NoButton, QEvent::MouseMove); }
    void press(QPointF at, Qt::MouseButton button = Qt::LeftButton)
    {
        m_held |= button;
        send(at, button, QEvent::MouseButtonPress);
    }
    void release(QPointF at, Qt::MouseButton button = Qt::LeftButton)
    {
        m_held &= ~Qt::MouseButtons(button);
        send(at, button, QEvent::MouseButtonRelease);
    }
    // A move onto the point, a press and a release, one millisecond apart.
    void click(QPointF at)
    {
        move(at);
        press(at);
        release(at);
    }

private:
    void send(QPointF at, Qt::MouseButton button, QEvent::Type type)
    {
        ++QTest::lastMouseTimestamp;
        qt_handleMouseEvent(m_window, at, m_window->mapToGlobal(at), m_held, button, type, Qt::NoModifier,
                            QTest::lastMouseTimestamp);
        QCoreApplication::processEvents();
    }

    QWindow *m_window;
    Qt::MouseButtons m_held;
};

} // namespace tavix_test

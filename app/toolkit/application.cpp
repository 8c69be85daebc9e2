// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/application.h"

#include <QIcon>
#include <QMessageBox>
#include <QWindow>

#include <exception>
#include <utility>

namespace {

// Qt keeps a reference to the argument count and the vector for the life of the application
// object, of which a process has one.
char fallbackName[] = "tavix";
char *programOnly[] = {fallbackName, nullptr};
int programOnlyCount = 1;

// The program's name alone: Qt takes a name, and a program started with an empty argument vector
// has none.
int &withoutArguments(int argc, char **argv)
{
    if (argc > 0 && argv != nullptr && argv[0] != nullptr)
        programOnly[0] = argv[0];
    return programOnlyCount;
}

} // namespace

TApplication::TApplication(int &argc, char **argv)
    : QApplication(withoutArguments(argc, argv), programOnly)
{
}

TApplication::~TApplication() = default;

void TApplication::Initialize(const ApplicationIdentity &identity)
{
    setApplicationName(identity.name);
    setApplicationDisplayName(identity.displayName);
    setApplicationVersion(identity.version);
    setDesktopFileName(identity.desktopFileName);
    m_icon = identity.icon;
}

namespace {

// Runs a function once, right after a window's first frame is on the screen.
class AfterFirstFrame : public QObject
{
public:
    AfterFirstFrame(QWindow *window, std::function<void()> then)
        : QObject(window),
          m_then(std::move(then))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            // Queued, so that the expose paints and flushes the frame first.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_then();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

} // namespace

void TApplication::Run()
{
    if (!m_build)
        return;
    m_mainForm.reset(m_build());
    m_mainForm->create();
    m_mainForm->show(); // the first picture is the finished window
    // The window manager takes the icon as a change of the window's properties at any time;
    // decoding it before the first frame would keep the player waiting for it.
    if (m_icon)
        new AfterFirstFrame(m_mainForm->windowHandle(), [this] { setWindowIcon(m_icon()); });
    exec();
    m_mainForm.reset();
}

void TApplication::runHandler(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (...) {
        showCaughtError();
    }
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    // A last resort for errors from code that does not go through runHandler.
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        showCaughtError();
    }
    return false;
}

void TApplication::showCaughtError()
{
    QString text;
    try {
        throw;
    } catch (const std::exception &error) {
        text = QString::fromLocal8Bit(error.what());
    } catch (...) {
        text = tr("An unknown error occurred.");
    }
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationDisplayName(), text);
}

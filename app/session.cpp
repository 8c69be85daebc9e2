// SPDX-License-Identifier: GPL-3.0-or-later
#include "session.h"

#include <QMessageLogContext>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

namespace {

struct HeldMessage
{
    QtMsgType type;
    std::string file, function, category;
    int line;
    QString text;
};

// Qt may log from its own threads (the Wayland platform reads the connection on one).
std::mutex heldLock;
std::vector<HeldMessage> held;
QtMessageHandler previous = nullptr;
bool guarding = false;

bool isSet(const char *value)
{
    return value != nullptr && *value != '\0';
}

// A value from the environment, quoted, on one line whatever it holds.
std::string quoted(const char *value)
{
    std::string out = "\"";
    for (const char *c = value; *c != '\0'; ++c)
        out += (static_cast<unsigned char>(*c) < 0x20 || *c == '\x7f') ? '?' : *c;
    return out + "\"";
}

std::string setting(const char *name, const char *value)
{
    return std::string(name) + (isSet(value) ? "=" + quoted(value) : " unset");
}

// The one line for a platform that did not start, with what the environment named. Unset and
// empty variables are alike to Qt.
std::string noDesktopSessionLine(const char *platform, const char *display, const char *waylandDisplay)
{
    const std::string start = "tavix: cannot open a window: it needs a desktop session, ";
    const std::string displays =
        "(" + setting("DISPLAY", display) + ", " + setting("WAYLAND_DISPLAY", waylandDisplay) + ")";
    if (isSet(platform))
        return start + "and the platform " + quoted(platform) + " named by QT_QPA_PLATFORM did not start " + displays;
    if (!isSet(display) && !isSet(waylandDisplay))
        return start + "and neither DISPLAY nor WAYLAND_DISPLAY is set";
    return start + "and none could be reached " + displays;
}

[[noreturn]] void endWithoutSession()
{
    const std::string line =
        noDesktopSessionLine(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"));
    std::fputs((line + "\n").c_str(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

void holdOrEnd(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    {
        const std::lock_guard lock(heldLock);
        if (guarding) {
            if (type == QtFatalMsg)
                endWithoutSession(); // Qt would abort right after this handler returns
            held.push_back({type, context.file ? context.file : "", context.function ? context.function : "",
                            context.category ? context.category : "", context.line, text});
            return;
        }
    }
    previous(type, context, text); // came in from another thread while the guard was being released
}

// Qt's Wayland platform reports a broken connection from its reading thread and from the main
// thread alike, racing to end the program: the second, same report would only repeat the line.
void dropRepeats(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    static QtMsgType lastType = QtDebugMsg;
    static QString lastText;
    const std::lock_guard lock(heldLock);
    if (type == lastType && text == lastText && type != QtFatalMsg)
        return;
    lastType = type;
    lastText = text;
    previous(type, context, text);
}

} // namespace

DesktopSessionGuard::DesktopSessionGuard()
{
    const std::lock_guard lock(heldLock);
    guarding = true;
    previous = qInstallMessageHandler(holdOrEnd);
}

DesktopSessionGuard::~DesktopSessionGuard()
{
    release();
}

void DesktopSessionGuard::release()
{
    std::vector<HeldMessage> messages;
    {
        const std::lock_guard lock(heldLock);
        if (!guarding)
            return;
        guarding = false;
        messages.swap(held);
    }
    qInstallMessageHandler(dropRepeats);
    for (const HeldMessage &message : messages) {
        const QMessageLogContext context(message.file.empty() ? nullptr : message.file.c_str(), message.line,
                                         message.function.empty() ? nullptr : message.function.c_str(),
                                         message.category.empty() ? nullptr : message.category.c_str());
        dropRepeats(message.type, context, message.text);
    }
}

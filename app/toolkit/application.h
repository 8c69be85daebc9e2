// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/form.h"

#include <QApplication>
#include <QIcon>
#include <QString>

#include <functional>
#include <memory>
#include <new>

// What the desktop knows a program by: the names of its settings and its window, its version,
// its desktop entry's name and its icon, drawn only when it is wanted.
struct ApplicationIdentity
{
    QString name;
    QString displayName;
    QString version;
    QString desktopFileName;
    std::function<QIcon()> icon;
};

// The one application object: it builds the recorded window, shows it and runs the event loop.
// It ignores its command line: only the program's name reaches Qt, so no argument can pick the
// platform, load a style sheet, mirror the window or change its size.
class TApplication : public QApplication
{
    Q_OBJECT

public:
    TApplication(int &argc, char **argv);
    ~TApplication() override;

    // Names the application for the desktop; the icon follows the window's first frame (Run).
    void Initialize(const ApplicationIdentity &identity);

    // Records the window class to build; reference is set to the window before its construction.
    template <typename Form>
    void CreateForm(Form *&reference)
    {
        m_build = [&reference]() -> TForm * {
            void *storage = ::operator new(sizeof(Form));
            reference = static_cast<Form *>(storage); // handlers may reach the window while it is built
            try {
                return ::new (storage) Form();
            } catch (...) {
                reference = nullptr;
                ::operator delete(storage);
                throw;
            }
        };
    }

    // Builds the window, shows it and runs the event loop until the window closes.
    void Run();

    TForm *mainForm() const { return m_mainForm.get(); }

    // Runs an event handler; an error that escapes it is shown to the player and the program goes on.
    static void runHandler(const std::function<void()> &handler);

    bool notify(QObject *receiver, QEvent *event) override;

private:
    // Shows the error being handled to the player; called from inside a catch block.
    static void showCaughtError();

    std::function<QIcon()> m_icon;
    std::function<TForm *()> m_build;
    std::unique_ptr<TForm> m_mainForm;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QWidget>

#include <functional>
#include <memory>
#include <new>

// A window of the application. Its creation handler runs once, after the window's stored
// layout is built and before it is shown.
class TForm : public QWidget
{
    Q_OBJECT

public:
    explicit TForm(QWidget *parent = nullptr);

    std::function<void(QObject *sender)> onCreate;

    // Runs the creation handler. The application calls it once, right after construction.
    void create();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_redelivering = false;
    bool m_droppingDoubleClick = false;
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

    // Names the application for the desktop; the window icon follows the first frame (Run).
    void Initialize();

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
    static void showError(const QString &text);

    std::function<TForm *()> m_build;
    std::unique_ptr<TForm> m_mainForm;
};

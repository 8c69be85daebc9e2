// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and shutdown through the application object, as the program's main body does them:
// CreateForm, then Run, which builds the window, shows it and runs until the window closes.
// Errors that escape a handler reach the player in an error box and the program goes on.

#include "toolkit/application.h"
#include "toolkit/shapes.h"

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPointer>
#include <QShowEvent>
#include <QTimer>
#include <QWindow>
#include <QtTest/QTest>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

TApplication &application()
{
    return *static_cast<TApplication *>(QCoreApplication::instance());
}

// What a window saw of its own start.
struct StartRecord
{
    bool referenceWasSelfAtConstruction = false;
    bool constructed = false;
    int creations = 0;
    bool constructedBeforeCreation = false;
    bool visibleAtCreation = true;
    QObject *creationSender = nullptr;
    int creationsAtFirstShow = -1;
};

StartRecord start;

class ProbeForm;
ProbeForm *probeReference = nullptr;

class ProbeForm : public TForm
{
public:
    ProbeForm()
    {
        start.referenceWasSelfAtConstruction = probeReference == this;
        resize(120, 80);
        area = new TRectangle(this);
        area->setParentControl(this);
        area->setBounds({0, 0, 120, 80});
        onCreate = [this](QObject *sender) {
            ++start.creations;
            start.constructedBeforeCreation = start.constructed;
            start.visibleAtCreation = isVisible();
            start.creationSender = sender;
            if (creationHandler)
                creationHandler();
        };
        start.constructed = true;
    }

    static inline std::function<void()> creationHandler;
    TRectangle *area = nullptr;

protected:
    void showEvent(QShowEvent *event) override
    {
        if (start.creationsAtFirstShow < 0)
            start.creationsAtFirstShow = start.creations;
        TForm::showEvent(event);
    }
};

// Runs the application on a fresh window and, once its loop runs, hands the window to the
// test. The window is then closed the way a desktop closes it. A watchdog ends a loop that
// would not end, so that a fault fails the test instead of hanging it.
class StartAndShutdown : public ::testing::Test
{
protected:
    StartAndShutdown()
    {
        start = {};
        probeReference = nullptr;
        ProbeForm::creationHandler = nullptr;
    }

    void run(const std::function<void(ProbeForm &)> &whileRunning)
    {
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            watchdogFired = true;
            QCoreApplication::exit(1);
        });
        watchdog.start(30000);
        // Waits for the shown window: an error box of the creation handler runs its own loop
        // before the window shows.
        QTimer shown;
        shown.setInterval(10);
        QObject::connect(&shown, &QTimer::timeout, [&] {
            if (probeReference == nullptr || !probeReference->isVisible() || QApplication::activeModalWidget() != nullptr)
                return;
            shown.stop();
            runningForm = probeReference;
            whileRunning(*probeReference);
            closeAccepted = probeReference->windowHandle()->close();
        });
        shown.start();
        application().CreateForm(probeReference);
        application().Run();
        ASSERT_FALSE(watchdogFired) << "Run did not return when the window closed";
    }

    QPointer<ProbeForm> runningForm;
    bool closeAccepted = false;
    bool watchdogFired = false;
};

TEST_F(StartAndShutdown, CreateFormRecordsTheWindowButBuildsNothing)
{
    application().CreateForm(probeReference);
    EXPECT_EQ(probeReference, nullptr);
    EXPECT_FALSE(start.constructed);
}

TEST_F(StartAndShutdown, RunSetsTheReferenceBeforeTheWindowsConstructorRuns)
{
    run([](ProbeForm &) {});
    EXPECT_TRUE(start.referenceWasSelfAtConstruction);
}

TEST_F(StartAndShutdown, RunRunsTheCreationHandlerOnceAfterConstructionAndBeforeTheWindowShows)
{
    bool senderIsTheWindow = false;
    run([&](ProbeForm &form) { senderIsTheWindow = start.creationSender == &form; });
    EXPECT_EQ(start.creations, 1);
    EXPECT_TRUE(start.constructedBeforeCreation);
    EXPECT_FALSE(start.visibleAtCreation);
    EXPECT_EQ(start.creationsAtFirstShow, 1);
    EXPECT_TRUE(senderIsTheWindow);
}

TEST_F(StartAndShutdown, RunShowsTheWindowAsTheMainWindowAndRunsTheLoop)
{
    bool visible = false;
    bool isMain = false;
    run([&](ProbeForm &form) {
        visible = form.isVisible();
        isMain = application().mainForm() == &form;
    });
    EXPECT_TRUE(visible);
    EXPECT_TRUE(isMain);
}

TEST_F(StartAndShutdown, RunReturnsWhenTheWindowIsClosedAndFreesTheWindowAndItsControls)
{
    QPointer<TRectangle> control;
    run([&](ProbeForm &form) { control = form.area; });
    EXPECT_TRUE(closeAccepted) << "closing is never refused";
    EXPECT_TRUE(runningForm.isNull());
    EXPECT_TRUE(control.isNull());
    EXPECT_EQ(application().mainForm(), nullptr);
}

// Finds the error box once it shows, notes what it says and closes it, as the player would.
class ErrorBoxReader
{
public:
    ErrorBoxReader()
    {
        m_poll.setInterval(10);
        QObject::connect(&m_poll, &QTimer::timeout, [this] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                auto *box = qobject_cast<QMessageBox *>(widget);
                if (box == nullptr || !box->isVisible())
                    continue;
                texts.push_back(box->text().toStdString());
                critical = box->icon() == QMessageBox::Critical;
                box->accept();
            }
        });
        m_poll.start();
    }

    std::vector<std::string> texts;
    bool critical = false;

private:
    QTimer m_poll;
};

TEST_F(StartAndShutdown, ErrorFromAPressHandlerIsShownWithItsTextAndTheProgramGoesOn)
{
    ErrorBoxReader reader;
    int presses = 0;
    std::vector<std::string> handled;
    run([&](ProbeForm &form) {
        form.area->onMouseDown = [&](TControl *, Qt::MouseButton, Qt::KeyboardModifiers, QPointF) {
            if (++presses == 1)
                throw std::runtime_error("boom");
            handled.push_back("press " + std::to_string(presses) + " after " + std::to_string(reader.texts.size()) + " box");
        };
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, Qt::NoModifier, {20, 20});
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, Qt::NoModifier, {40, 20});
    });
    EXPECT_EQ(reader.texts, std::vector<std::string>{"boom"});
    EXPECT_TRUE(reader.critical);
    EXPECT_EQ(handled, std::vector<std::string>{"press 2 after 1 box"});
}

TEST_F(StartAndShutdown, ErrorFromTheCreationHandlerIsShownAndTheWindowStillOpens)
{
    ErrorBoxReader reader;
    ProbeForm::creationHandler = [] { throw std::runtime_error("not built"); };
    bool visible = false;
    run([&](ProbeForm &form) { visible = form.isVisible(); });
    EXPECT_EQ(reader.texts, std::vector<std::string>{"not built"});
    EXPECT_TRUE(visible);
}

// An object whose own event handling fails, outside any control's handler.
class FailingObject : public QObject
{
public:
    int handled = 0;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        if (++handled == 1)
            throw std::runtime_error("failed in an event");
        return true;
    }
};

TEST(ErrorOutsideAnyHandler, IsShownWithItsTextAndTheNextEventIsHandled)
{
    ErrorBoxReader reader;
    FailingObject object;
    QEvent first(QEvent::User);
    QCoreApplication::sendEvent(&object, &first);
    QEvent second(QEvent::User);
    EXPECT_TRUE(QCoreApplication::sendEvent(&object, &second));
    EXPECT_EQ(reader.texts, std::vector<std::string>{"failed in an event"});
    EXPECT_EQ(object.handled, 2);
}

// main() gives the application object Qt's -reverse, -qwindowgeometry and -stylesheet options.
TEST(TheApplicationObject, IgnoresItsCommandLine)
{
    EXPECT_EQ(QCoreApplication::arguments().size(), 1) << QCoreApplication::arguments().join(' ').toStdString();
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    EXPECT_TRUE(application().styleSheet().isEmpty()) << application().styleSheet().toStdString();
}

} // namespace

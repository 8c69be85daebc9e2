// SPDX-License-Identifier: GPL-3.0-or-later
// The window's first frame, as the application itself builds, creates and shows the window: no
// half-built board may ever reach the screen.
#include "startup.h"

#include "game/chance.h"
#include "game/state.h"
#include "toolkit/application.h"
#include "ui/tavix.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include <cstdlib>

using namespace Brelun;

namespace {

// Whether everything the first picture shows is in place: every board control, the empty cells,
// the drawn winning line, the chips of a new player and "Show" out of sight.
bool boardIsFinished()
{
    if (Tavix == nullptr || Tavix->Label7 == nullptr || Tavix->Button1 == nullptr)
        return false;
    for (int i = 1; i <= 20; ++i) {
        if (RR[i] == nullptr || LL[i] == nullptr || !LL[i]->text().isEmpty())
            return false;
    }
    for (int j = 1; j <= 7; ++j) {
        if (WW[j] == nullptr || WL[j] == nullptr)
            return false;
    }
    for (int j = 1; j <= 6; ++j) {
        if (WL[j]->text() != QString::number(GO.WLine[j]))
            return false;
    }
    const bool letterDrawn = GO.WLine[7] >= 1 && GO.WLine[7] <= 4
        && WL[7]->text() == QString::fromUtf8(Ltr[GO.WLine[7]].data(), qsizetype(Ltr[GO.WLine[7]].size()));
    return letterDrawn && GO.Chips == 500 && Tavix->Label7->text() == QStringLiteral("500") && Tavix->Button1->isHidden();
}

// Watches every event of the process for the first that puts a picture on the screen and takes
// stock of the board and the icon at that moment; then waits for the window's icon, and closes the
// window once it has come, which ends the event loop.
class StartUpWatch : public QObject
{
public:
    bool seen = false;
    bool finishedWhenSeen = false;
    bool iconWhenSeen = false;
    QString firstEvent;
    QList<QSize> iconSizes;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const bool picture = event->type() == QEvent::Expose || event->type() == QEvent::Paint
            || event->type() == QEvent::UpdateRequest;
        if (!seen && picture) {
            seen = true;
            finishedWhenSeen = boardIsFinished();
            iconWhenSeen = !QApplication::windowIcon().isNull();
            firstEvent = QStringLiteral("%1 to %2").arg(int(event->type())).arg(QString::fromLatin1(watched->metaObject()->className()));
        }
        if (event->type() == QEvent::WindowIconChange && Tavix != nullptr && watched == Tavix && iconSizes.isEmpty()) {
            iconSizes = Tavix->windowIcon().availableSizes();
            QTimer::singleShot(0, qApp, [] {
                if (Tavix != nullptr)
                    Tavix->close();
            });
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

// The icon waits for the first frame: the window manager takes it whenever it comes, and the
// player should not wait for its five sizes to be decoded.
TEST(TheApplicationStartingUp, PaintsTheFinishedBoardFirstAndThenGivesTheWindowItsIcon)
{
    auto *application = qobject_cast<TApplication *>(qApp);
    ASSERT_NE(application, nullptr);
    GO = {};
    StartUpWatch watch;
    application->installEventFilter(&watch);
    // A guard against a window or an icon that never appears; it only ends the loop.
    QTimer::singleShot(30000, application, &QCoreApplication::quit);

    application->CreateForm(Tavix);
    application->Run();

    application->removeEventFilter(&watch);
    ASSERT_TRUE(watch.seen) << "the window was never shown";
    EXPECT_TRUE(watch.finishedWhenSeen) << "first picture event: " << watch.firstEvent.toStdString();
    EXPECT_FALSE(watch.iconWhenSeen) << "the icon was decoded before the first frame";
    const QList<QSize> expected{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {256, 256}};
    EXPECT_EQ(watch.iconSizes, expected) << "the window never got its icon, or not in every size";
}

// The desktop knows the program by the names its entry and its metainfo use, and by the version
// the build was given.
TEST(Startup, NamesTheProgramAndItsVersionForTheDesktop)
{
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("tavix"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("Tavix"));
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("tavix"));
    EXPECT_EQ(QCoreApplication::applicationVersion(), QStringLiteral(TAVIX_PROJECT_VERSION));
}

int main(int argc, char *argv[])
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    seedRandomSource();
    TApplication application(argc, argv);
    application.Initialize(tavixIdentity());
    prepareWindow();
    return RUN_ALL_TESTS();
}

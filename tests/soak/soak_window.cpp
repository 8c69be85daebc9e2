#include "soak/soak_window.h"

#include "game/state.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>

#include <stdexcept>

namespace soak {

namespace {

// Warnings that Qt gives while the run lasts: each is a sign of a control misused.
QString warnings;
QtMessageHandler passOn = nullptr;

void noteWarning(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg)
        warnings += message + QLatin1Char('\n');
    if (passOn != nullptr)
        passOn(type, context, message);
}

} // namespace

SoakWindow::SoakWindow(std::uint64_t gameSeed)
    : m_chance(gameSeed)
    , m_scopedChance(m_chance)
{
    // A fresh process starts with every field of the game at zero.
    Brelun::GO = Brelun::Tgo{};
    // As the program does: the window is built, its creation handler run, and only then is it
    // shown.
    m_window = std::make_unique<Brelun::TTavix>();
    Brelun::Tavix = m_window.get();
    m_window->create();
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        throw std::runtime_error("the window never showed");
    m_window->activateWindow();
    if (!QTest::qWaitForWindowActive(m_window.get()))
        throw std::runtime_error("the window never became active");
    releaseHeldButtons(); // a button left down by an earlier window would steer this run
    for (int k = 1; k <= 20; ++k)
        m_places.push_back({Brelun::RR[k], Brelun::RR[k]->geometry(), "cell " + std::to_string(k)});
    for (int j = 1; j <= 7; ++j)
        m_places.push_back({Brelun::WW[j], Brelun::WW[j]->geometry(), "ball " + std::to_string(j)});
    m_places.push_back({m_window->Rectangle10, m_window->Rectangle10->geometry(), "+1"});
    m_places.push_back({m_window->Rectangle11, m_window->Rectangle11->geometry(), "x0"});

    // An error that escapes a handler comes up in a modal box, whose own event loop would
    // hold the run forever: note its text and close it.
    m_boxWatch.setInterval(50);
    QObject::connect(&m_boxWatch, &QTimer::timeout, [this] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal == nullptr)
            return;
        const auto *box = qobject_cast<QMessageBox *>(modal);
        m_boxText += box != nullptr ? box->text() : QStringLiteral("a modal window");
        modal->close();
    });
    m_boxWatch.start();

    warnings.clear();
    m_previousHandler = qInstallMessageHandler(noteWarning);
    passOn = m_previousHandler;
}

SoakWindow::~SoakWindow()
{
    releaseHeldButtons();
    qInstallMessageHandler(m_previousHandler);
    passOn = nullptr;
}

void SoakWindow::holdPainting()
{
    m_window->setUpdatesEnabled(false);
}

void SoakWindow::paintOnce()
{
    m_window->setUpdatesEnabled(true);
    m_window->repaint();
    m_window->setUpdatesEnabled(false);
}

void SoakWindow::releaseHeldButtons()
{
    for (const Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        if (QTestPrivate::qtestMouseButtons.testFlag(b))
            QTest::mouseRelease(m_window->windowHandle(), b, Qt::NoModifier, QPoint(0, 0));
    }
}

std::optional<std::string> SoakWindow::misplaced() const
{
    for (const Place &p : m_places) {
        if (p.control->geometry() != p.geometry)
            return p.name + " moved within its parent";
    }
    return std::nullopt;
}

std::optional<std::string> SoakWindow::trouble()
{
    if (!m_boxText.isEmpty()) {
        const std::string text = "an error box came up: " + m_boxText.toStdString();
        m_boxText.clear();
        return text;
    }
    if (!warnings.isEmpty()) {
        const std::string text = "Qt warned: " + warnings.trimmed().toStdString();
        warnings.clear();
        return text;
    }
    return std::nullopt;
}

} // namespace soak

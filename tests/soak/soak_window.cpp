// SPDX-License-Identifier: GPL-3.0-or-later
#include "soak/soak_window.h"

#include "game/state.h"
#include "support/screen_table.h"

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

// The soak is no test case of its own: a window that cannot be set up ends it with an error.
void orThrow(bool ready, const char *otherwise)
{
    if (!ready)
        throw std::runtime_error(otherwise);
}

void collectControls(QWidget *parent, std::vector<TControl *> &controls)
{
    for (QObject *child : parent->children()) {
        if (auto *control = qobject_cast<TControl *>(child)) {
            controls.push_back(control);
            collectControls(control, controls);
        }
    }
}

} // namespace

std::vector<TControl *> controlsOf(QWidget *root)
{
    std::vector<TControl *> controls;
    collectControls(root, controls);
    return controls;
}

FreshLayout::FreshLayout()
{
    SeededChance chance(1); // its own draws, so that the soak window's stay as its seed gives them
    const Brelun::testing::ScopedChance scoped(chance);
    m_tavix = std::make_unique<tavix_test::GameWindow>();
    m_window = m_tavix->get();
    m_window->setUpdatesEnabled(false);
    orThrow(m_tavix->show(), "the fresh window never showed");
    m_controls = controlsOf(m_window);
    for (const TControl *control : m_controls)
        m_first.push_back(control->bounds());
}

FreshLayout::~FreshLayout() = default;

std::vector<QRectF> FreshLayout::placesAt(QSize size)
{
    {
        // Back to the window as it was built, with nothing laid out on the way.
        const LayoutLoading loading;
        m_window->resize(tavix_test::screen::window.size());
        for (std::size_t i = 0; i < m_controls.size(); ++i)
            m_controls[i]->setBounds(m_first[i]);
    }
    m_window->resize(size);
    std::vector<QRectF> places;
    places.reserve(m_controls.size());
    for (const TControl *control : m_controls)
        places.push_back(control->bounds());
    return places;
}

SoakWindow::SoakWindow(std::uint64_t gameSeed)
    : m_chance(gameSeed)
    , m_scopedChance(m_chance)
{
    // The window is built as the program builds it, from a game at zero (m_tavix), and only then
    // shown; key strokes go to the active window.
    orThrow(m_tavix.show(), "the window never showed");
    orThrow(m_tavix.activate(), "the window never became active");
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

std::optional<std::string> SoakWindow::unlikeAFreshWindow()
{
    const std::vector<QRectF> fresh = m_fresh.placesAt(m_window->size());
    const std::vector<TControl *> controls = controlsOf(m_window);
    if (controls.size() != fresh.size())
        return "the window holds " + std::to_string(controls.size()) + " controls, a fresh one "
               + std::to_string(fresh.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i]->bounds() == fresh[i])
            continue;
        const QString name = QStringLiteral("%1 %2 of the tree").arg(QLatin1String(controls[i]->metaObject()->className())).arg(i);
        const auto text = [](const QRectF &r) {
            return QStringLiteral("%1,%2 %3 x %4").arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height());
        };
        return name.toStdString() + " stands at " + text(controls[i]->bounds()).toStdString()
               + ", in a fresh window of this size at " + text(fresh[i]).toStdString();
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

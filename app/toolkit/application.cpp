// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/application.h"

#include <QFile>
#include <QIcon>
#include <QMessageBox>
#include <QResizeEvent>
#include <QWindow>

#include "toolkit/control.h"
#include "toolkit/scaleddown.h"
#include "toolkit/x11edges.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <exception>
#include <utility>

TForm::TForm(QWidget *parent)
    : QWidget(parent)
{
}

void TForm::create()
{
    if (onCreate)
        TApplication::runHandler([this] { onCreate(this); });
}

namespace {

// The point of a press as the toolkit must see it to find the control painted on its device
// pixel. The toolkit finds the control under a press at the nearest whole logical point, but a
// control's painted edges lie where its whole logical edges fall in device pixels, rounded: at
// scale 2 the pixel just left of a control, at half a unit from its edge, rounded into it. So
// the point moves into the logical unit whose device pixels hold it, as little as it can.
QPointF onItsDevicePixel(QPointF at, qreal scale)
{
    const auto unitOf = [scale](qreal logical) {
        const int device = static_cast<int>(std::floor(logical * scale + 1e-6));
        auto unit = static_cast<int>(std::floor((device + 0.5) / scale));
        while (qRound((unit + 1) * scale) <= device)
            ++unit;
        while (unit > INT_MIN && qRound(unit * scale) > device)
            --unit;
        return std::clamp(logical, unit - 0.5, unit + 0.4999);
    };
    return {unitOf(at.x()), unitOf(at.y())};
}

bool isPressOrRelease(QEvent::Type type)
{
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonDblClick;
}

} // namespace

void TForm::showEvent(QShowEvent *event)
{
    if (QWindow *window = windowHandle()) {
        window->removeEventFilter(this); // once, whichever show this is
        window->installEventFilter(this);
    }
    QWidget::showEvent(event);
}

bool TForm::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::UpdateRequest) // the frame is painted and on its way to the screen
        X11Edges::carryOnPicture(this);
    return handled;
}

bool TForm::eventFilter(QObject *watched, QEvent *event)
{
    // An exposed window paints its frame at once, after this filter: the strip beyond it follows.
    if (watched == windowHandle() && event->type() == QEvent::Expose)
        QMetaObject::invokeMethod(this, [this] { X11Edges::carryOnPicture(this); }, Qt::QueuedConnection);
    if (watched != windowHandle() || m_redelivering || !isPressOrRelease(event->type()))
        return QWidget::eventFilter(watched, event);
    auto *mouse = static_cast<QMouseEvent *>(event);
    const QPointF at = onItsDevicePixel(mouse->position(), devicePixelRatioF());
    if (at == mouse->position()) {
        m_droppingDoubleClick = false;
        return false;
    }
    // The press that makes a double click goes on as a press that the control takes as the
    // second of a double click, and the double-click event that follows it at once is dropped:
    // the toolkit picks the control for a press, and a double-click event goes where it did.
    const bool makesDoubleClick = mouse->flags().testFlag(Qt::MouseEventCreatedDoubleClick);
    if (event->type() == QEvent::MouseButtonDblClick)
        return m_droppingDoubleClick;
    m_droppingDoubleClick = makesDoubleClick;
    const TControl::DoubleClickPress pressing(makesDoubleClick);
    QMouseEvent moved(mouse->type(), at, at, mouse->globalPosition() + (at - mouse->position()), mouse->button(),
                      mouse->buttons(), mouse->modifiers(), mouse->pointingDevice());
    moved.setTimestamp(mouse->timestamp());
    m_redelivering = true;
    QCoreApplication::sendEvent(watched, &moved);
    m_redelivering = false;
    event->setAccepted(moved.isAccepted());
    return true;
}

void TForm::paintEvent(QPaintEvent *)
{
    if (!ScaledDown::leavesPaintingToForm(this))
        return; // the controls paint themselves
    QPainter painter(this);
    ScaledDown::drawChildren(this, painter);
}

void TForm::resizeEvent(QResizeEvent *event)
{
    realignChildren(this);
    QWidget::resizeEvent(event);
}

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

void TApplication::Initialize()
{
    setApplicationName(QStringLiteral("tavix"));
    setApplicationDisplayName(QStringLiteral("Tavix"));
    setApplicationVersion(QStringLiteral("1.0.0.0"));
    setDesktopFileName(QStringLiteral("tavix"));
}

namespace {

QIcon applicationIcon()
{
    QIcon icon;
    for (const int size : std::array{16, 24, 32, 48, 256}) {
        const QString file = QStringLiteral(":/icons/tavix-%1.png").arg(size);
        if (QFile::exists(file))
            icon.addFile(file, QSize(size, size));
    }
    return icon;
}

// Runs a function once, right after a window's first frame is on the screen.
class AfterFirstFrame : public QObject
{
public:
    AfterFirstFrame(QWindow *window, std::function<void()> then)
        : QObject(window), m_then(std::move(then))
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
                this, [this] {
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
    // decoding its five sizes before the first frame would keep the player waiting for it.
    new AfterFirstFrame(m_mainForm->windowHandle(), [] { setWindowIcon(applicationIcon()); });
    exec();
    m_mainForm.reset();
}

void TApplication::runHandler(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const std::exception &error) {
        showError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        showError(QObject::tr("An unknown error occurred."));
    }
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    // A last resort for errors from code that does not go through runHandler.
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        showError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        showError(tr("An unknown error occurred."));
    }
    return false;
}

void TApplication::showError(const QString &text)
{
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationDisplayName(), text);
}

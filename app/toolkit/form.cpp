// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/form.h"

#include "toolkit/application.h"
#include "toolkit/control.h"
#include "toolkit/scaleddown.h"
#include "toolkit/x11edges.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include <algorithm>
#include <climits>
#include <cmath>

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
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick;
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
        QMetaObject::invokeMethod(
            this, [this] { X11Edges::carryOnPicture(this); }, Qt::QueuedConnection);
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

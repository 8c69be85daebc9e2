// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/control.h"

#include "toolkit/application.h"
#include "toolkit/scaleddown.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPointer>

#include <algorithm>
#include <utility>
#include <vector>

using Toolkit::Align;
using Toolkit::alignChildren;
using Toolkit::AlignItem;
using Toolkit::Margins;

namespace {

int loadingDepth = 0;

// The control that the last left press went to, to tell a double click from two quick clicks on
// two controls.
QPointer<TControl> lastLeftPress;

// Set while a form passes on a press that the toolkit made into a double click.
bool pressIsSecondOfDoubleClick = false;

// The whole-unit widget geometry for a place in logical units: edges are rounded, not sizes,
// so that neighbours that touch stay touching.
QRect roundedGeometry(const QRectF &r)
{
    const int left = qRound(r.left());
    const int top = qRound(r.top());
    return {left, top, qRound(r.right()) - left, qRound(r.bottom()) - top};
}

} // namespace

TControl::TControl(QWidget *owner)
{
    setGeometry(roundedGeometry(m_bounds));
    // A control that never got a parent still goes with its owner; one that did goes with
    // its parent, and so with the owner's tree.
    if (owner != nullptr) {
        connect(owner, &QObject::destroyed, this, [this] {
            if (parentWidget() == nullptr)
                delete this;
        });
    }
}

void TControl::setAlign(Align align)
{
    if (m_align == align)
        return;
    const bool wasAligned = m_align != Align::None;
    m_align = align;
    // A child that stops being aligned gives the room it held back to its siblings.
    if (wasAligned && m_updating == 0 && parentWidget() != nullptr)
        realignChildren(parentWidget());
    else
        parentNeedsLayout();
}

void TControl::setMargins(Margins margins)
{
    if (m_margins == margins)
        return;
    m_margins = margins;
    parentNeedsLayout();
}

void TControl::setBounds(const QRectF &bounds)
{
    if (m_bounds == bounds)
        return;
    const bool resized = m_bounds.size() != bounds.size();
    m_bounds = bounds;
    const QRect geometry = roundedGeometry(bounds);
    m_paintOffset = bounds.topLeft() - QPointF(geometry.topLeft());
    setGeometry(geometry);
    update();
    if (resized && m_updating == 0)
        realignChildren(this);
    if (m_align != Align::None)
        parentNeedsLayout();
}

void TControl::setParentControl(QWidget *parent)
{
    QWidget *const oldParent = parentWidget();
    const bool visible = m_visible;
    setParent(parent); // a new child is the topmost of its siblings
    // Qt hides a shown widget on its way to another parent, through our setVisible; the
    // control's own shown or hidden state is not Qt's to change.
    m_visible = visible;
    QWidget::setVisible(m_visible && parent != nullptr);
    if (m_align == Align::None)
        return;
    if (oldParent != nullptr && oldParent != parent && m_updating == 0)
        realignChildren(oldParent); // the room it held there goes back to its old siblings
    parentNeedsLayout();
}

void TControl::setVisible(bool visible)
{
    m_visible = visible;
    if (parentWidget() != nullptr) // without a parent it would open as a window of its own
        QWidget::setVisible(visible);
}

void TControl::endUpdate()
{
    if (m_updating == 0 || --m_updating > 0)
        return;
    realignChildren(this);
    parentNeedsLayout();
    update();
}

void TControl::parentNeedsLayout() const
{
    if (m_updating > 0 || m_align == Align::None)
        return;
    if (QWidget *parent = parentWidget())
        realignChildren(parent);
}

bool TControl::event(QEvent *event)
{
    if (event->type() == QEvent::Paint && ScaledDown::leavesPaintingToForm(this))
        return true;
    // A shown or hidden aligned child gives or takes back its room.
    if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
        parentNeedsLayout();
    return QWidget::event(event);
}

TControl::DoubleClickPress::DoubleClickPress(bool on)
    : m_previous(std::exchange(pressIsSecondOfDoubleClick, on))
{
}

TControl::DoubleClickPress::~DoubleClickPress()
{
    pressIsSecondOfDoubleClick = m_previous;
}

void TControl::mousePressEvent(QMouseEvent *event)
{
    press(event, pressIsSecondOfDoubleClick && lastLeftPress == this);
}

void TControl::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The toolkit delivers the second press of a double click as this event alone. It pairs
    // presses by time and distance only, so two quick clicks on neighbouring controls come as a
    // press on one and a "double click" on the other: that is a first press of its own.
    press(event, lastLeftPress == this);
}

void TControl::press(QMouseEvent *event, bool secondOfDoubleClick)
{
    // The left, right and middle buttons press a control; a mouse's side buttons do not.
    const Qt::MouseButton button = event->button();
    const bool pressingButton = button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton;
    if (!takesMouse() || !pressingButton) {
        event->ignore();
        return;
    }
    // Only the left button makes or spoils a click: a right or middle press while the left is
    // held fires its own mouse-down and leaves the click to the left button's release.
    if (button == Qt::LeftButton) {
        m_clickPending = !secondOfDoubleClick;
        lastLeftPress = this;
    }
    if (onMouseDown) {
        TApplication::runHandler([&] { onMouseDown(this, event->button(), event->modifiers(), event->position()); });
    }
}

void TControl::mouseReleaseEvent(QMouseEvent *event)
{
    if (!takesMouse()) {
        event->ignore();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    const bool click = std::exchange(m_clickPending, false) && rect().contains(event->position().toPoint());
    if (click && onClick)
        TApplication::runHandler([&] { onClick(this); });
}

LayoutLoading::LayoutLoading()
{
    ++loadingDepth;
}

LayoutLoading::~LayoutLoading()
{
    --loadingDepth;
}

bool LayoutLoading::active()
{
    return loadingDepth > 0;
}

void realignTree(QWidget *root)
{
    realignChildren(root);
    for (QObject *child : root->children()) {
        if (auto *widget = qobject_cast<QWidget *>(child); widget != nullptr && !widget->isWindow())
            realignTree(widget);
    }
}

void realignChildren(QWidget *parent)
{
    if (LayoutLoading::active())
        return;
    static std::vector<const QWidget *> busy;
    if (std::find(busy.begin(), busy.end(), parent) != busy.end())
        return; // already being laid out: the children's own moves must not start it again
    const auto *parentControl = qobject_cast<const TControl *>(parent);
    if (parentControl != nullptr && parentControl->isUpdating())
        return; // endUpdate lays it out
    std::vector<TControl *> controls;
    std::vector<AlignItem> items;
    for (QObject *child : parent->children()) {
        auto *control = qobject_cast<TControl *>(child);
        if (control == nullptr)
            continue;
        controls.push_back(control);
        items.push_back({control->align(), control->bounds(), control->margins(), !control->isHidden()});
    }
    busy.push_back(parent);
    const QSizeF size = parentControl != nullptr ? parentControl->bounds().size() : QSizeF(parent->size());
    const std::vector<QRectF> placed = alignChildren(size, items);
    for (std::size_t i = 0; i < controls.size(); ++i)
        controls[i]->setBounds(placed[i]);
    busy.pop_back();
}

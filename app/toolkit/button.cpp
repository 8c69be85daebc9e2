// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/button.h"

#include "toolkit/application.h"
#include "toolkit/scaleddown.h"

#include <QHideEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

bool isActivationKey(int key)
{
    return key == Qt::Key_Enter || key == Qt::Key_Return || key == Qt::Key_Space;
}

// Keypad Enter carries the keypad flag; that is no modifier a player holds down.
bool hasModifiers(const QKeyEvent *event)
{
    return (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier;
}

} // namespace

bool TButton::event(QEvent *event)
{
    if (event->type() == QEvent::Paint && ScaledDown::leavesPaintingToForm(this))
        return true;
    return QPushButton::event(event);
}

TButton::TButton(QWidget *owner)
    : QPushButton(owner)
{
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(true); // Enter clicks the focused button, as on every desktop
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (onClick)
            TApplication::runHandler([this] { onClick(this); });
    });
}

void TButton::setFontColor(QRgb color)
{
    QPalette p = palette();
    p.setColor(QPalette::ButtonText, QColor::fromRgba(color));
    setPalette(p);
}

void TButton::keyPressEvent(QKeyEvent *event)
{
    if (isActivationKey(event->key()) && hasModifiers(event)) {
        event->ignore();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void TButton::keyReleaseEvent(QKeyEvent *event)
{
    if (isActivationKey(event->key()) && hasModifiers(event) && !isDown()) {
        event->ignore();
        return;
    }
    QPushButton::keyReleaseEvent(event);
}

// Qt leaves the focus on a hidden widget when nothing else in the window can take it, and
// Enter or Space would still click the button nobody sees. Hiding it, or what holds it, takes
// the focus away; a hidden window (minimised, say) keeps its focus for when it comes back.
void TButton::hideEvent(QHideEvent *event)
{
    if (!event->spontaneous())
        clearFocus();
    QPushButton::hideEvent(event);
}

// The second press of a double click clicks no second time: it does not press the button down,
// so its release finds nothing to click.
void TButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QPushButton::mouseDoubleClickEvent(event);
        return;
    }
    event->accept();
}

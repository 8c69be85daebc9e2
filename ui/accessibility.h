// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace Brelun {

// Presents the window's controls to assistive technologies: the displays with their values,
// the ticket cells and balls with what they show, the controls as buttons that can be pressed.
QAccessibleInterface *accessibleFor(const QString &className, QObject *object);

// Registers accessibleFor with the toolkit. Once a process: Qt asks each factory in turn.
void installAccessibility();

} // namespace Brelun

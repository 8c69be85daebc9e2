// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/application.h"

namespace Brelun {

// The names, version and icon the desktop knows the program by.
ApplicationIdentity tavixIdentity();

// What the window needs before it is built: the embedded Tahoma its captions are sized for, and
// its view for assistive technologies. Once a process; later calls do nothing.
void prepareWindow();

} // namespace Brelun

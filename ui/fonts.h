// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace Brelun {

// Makes the fonts the window is drawn with available to the toolkit, once per process.
void loadWindowFonts();

} // namespace Brelun

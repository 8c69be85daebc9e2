// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fonts.h"

#include <QFontDatabase>

namespace Brelun {

void loadWindowFonts()
{
    // The captions are sized for Tahoma's metrics, so the window carries a metric-compatible
    // Tahoma of its own and looks the same on every machine.
    static const bool loaded = [] {
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/tahoma.ttf"));
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/tahomabd.ttf"));
        return true;
    }();
    (void)loaded;
}

} // namespace Brelun

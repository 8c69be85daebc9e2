// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup.h"

#include "tavix_version.h"

#include "ui/accessibility.h"

#include <QFile>
#include <QFontDatabase>
#include <QIcon>

#include <array>

namespace Brelun {

namespace {

// The sizes the executable carries (the packaging draws them at build time).
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

} // namespace

ApplicationIdentity tavixIdentity()
{
    return {QStringLiteral("tavix"), QStringLiteral("Tavix"), QStringLiteral(TAVIX_VERSION), QStringLiteral("tavix"),
            applicationIcon};
}

void prepareWindow()
{
    // The captions are sized for Tahoma's metrics, so the window carries a metric-compatible
    // Tahoma of its own and looks the same on every machine.
    static const bool prepared = [] {
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/tahoma.ttf"));
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/tahomabd.ttf"));
        installAccessibility();
        return true;
    }();
    (void)prepared;
}

} // namespace Brelun

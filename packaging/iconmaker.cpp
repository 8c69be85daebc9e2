// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time tool: draws the Tavix icon at the sizes given (CMake holds the list) and writes
// tavix-<size>.png for each and tavix.ico with all of them into the output directory.
#include "icofile.h"
#include "iconart.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QList>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT-DIRECTORY SIZE...\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    QList<QImage> images;
    for (int i = 2; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || size < 1 || size > 256) { // an ICO directory entry cannot say more than 256
            std::fprintf(stderr, "bad size %s\n", argv[i]);
            return 2;
        }
        const QImage image = TavixIcon::draw(size);
        const QString path = out.filePath(QStringLiteral("tavix-%1.png").arg(size));
        if (!image.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        images.append(image);
    }

    const QByteArray icoBytes = TavixIcon::icoFile(images);
    QFile ico(out.filePath(QStringLiteral("tavix.ico")));
    if (!ico.open(QIODevice::WriteOnly) || ico.write(icoBytes) != icoBytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(ico.fileName()));
        return 1;
    }
    return 0;
}

// Build-time tool: draws the Tavix icon at every size the desktop and Windows ask for and writes
// tavix-<size>.png and tavix.ico into the directory given as its one argument.
#include "icofile.h"
#include "iconart.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QList>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-DIRECTORY\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    QList<QImage> images;
    for (const int size : {16, 24, 32, 48, 256}) {
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

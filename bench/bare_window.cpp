// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the game's start-up and memory: a bare Qt Widgets window of the game's size
// with six labels, the least a Qt program with a window of text can do.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <array>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(385, 650);
    const std::array texts{"Win:", "0", "Bet:", "0", "Chips:", "500"};
    for (int i = 0; i < int(texts.size()); ++i) {
        auto *label = new QLabel(QString::fromLatin1(texts[std::size_t(i)]), &window);
        label->setGeometry(8 + 60 * i, 8, 60, 25);
    }
    window.show();
    return app.exec();
}

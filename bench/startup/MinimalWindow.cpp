// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QScreen>
#include <QWidget>

// The yardstick of the start-up benchmark: the least a Qt Widgets program does to fill the screen
// with a frameless window, shown the way Zibaldo shows its own.
int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setGeometry(window.screen()->availableGeometry());
    window.showMaximized();
    return application.exec();
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded by zibaldo_startup_watch into a program it starts without a display server, where
// nothing outside the process sees a window drawn. At the end of the first paint of a top-level
// window the size of its screen, it writes that size ("1280x800") on the standard output and ends
// the program at once: the watcher takes the time as the line arrives. A smaller window, such as a
// message box, does not count.
#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace {

class FirstPaintWatch : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (seen_ || event->type() != QEvent::Paint || !watched->isWidgetType())
            return false;
        const QWidget *window = static_cast<QWidget *>(watched)->window();
        const QSize size = window->size();
        if (size != window->screen()->size())
            return false;
        seen_ = true;
        // Queued, so that it runs once the whole paint, the children's and the flush included,
        // is over.
        QTimer::singleShot(0, [size] {
            std::printf("%dx%d\n", size.width(), size.height());
            std::fflush(stdout);
            std::_Exit(0);
        });
        return false;
    }

private:
    bool seen_ = false;
};

void watchFirstPaint()
{
    QCoreApplication::instance()->installEventFilter(new FirstPaintWatch);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchFirstPaint)

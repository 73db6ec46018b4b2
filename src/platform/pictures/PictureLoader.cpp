// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureLoader.h"

#include "PictureDecoder.h"
#include "platform/design/DisplayServer.h"

#include <QCoreApplication>
#include <QIcon>
#include <QPixmap>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <qt_windows.h>
#endif

namespace {

// The machine may have no more cores than this, and the window's thread needs one.
constexpr int kDecodingThreads = 2;

// Decoding runs at a lower priority: the windows' thread and the display server, which put on the
// screen what the pupil sees, go first. With nothing else to run it still has the whole machine.
constexpr int kDecodingNiceness = 10;

void giveWayToTheWindows()
{
#ifdef Q_OS_LINUX
    thread_local const bool lowered =
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kDecodingNiceness) == 0;
    Q_UNUSED(lowered);
#elif defined(Q_OS_WIN)
    thread_local const bool lowered =
        SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL) != 0;
    Q_UNUSED(lowered);
#endif
}

} // namespace

PictureLoader &PictureLoader::shared()
{
    static QPointer<PictureLoader> loader;
    if (!loader)
        loader = new PictureLoader(QCoreApplication::instance());
    return *loader;
}

PictureLoader::PictureLoader(QObject *parent) : QObject(parent)
{
    pool_.setMaxThreadCount(kDecodingThreads);
}

PictureLoader::~PictureLoader()
{
    // What is decoded from now on is posted to this object, and discarded with it.
    pool_.clear();
    pool_.waitForDone();
}

std::optional<QImage> PictureLoader::kept(const QString &path, QSize box)
{
    const std::optional<PictureFile> file = PictureFile::at(path);
    return file ? cache_.find(*file, box) : std::nullopt;
}

bool PictureLoader::load(const QString &path, QSize box, QObject *receiver, Delivery deliver)
{
    const std::optional<PictureFile> file = PictureFile::at(path);
    if (!file) {
        deliver(QImage());
        return true;
    }
    if (const std::optional<QImage> image = cache_.find(*file, box)) {
        deliver(*image);
        return true;
    }
    const Request request{*file, box};
    QList<Waiter> &waiters = waiting_[request];
    waiters.append({receiver, std::move(deliver)});
    if (waiters.size() == 1) {
        startDecoding([this, request] {
            const QImage image = decodePicture(request.file.path, request.box);
            QMetaObject::invokeMethod(
                this, [this, request, image] { decoded(request, image); }, Qt::QueuedConnection);
        });
    }
    return false;
}

void PictureLoader::loadIcon(const QString &path, QObject *receiver, IconDelivery deliver)
{
    startDecoding(
        [this, path, receiver = QPointer<QObject>(receiver), deliver = std::move(deliver)] {
            const QList<QImage> images = decodeIconImages(path);
            QMetaObject::invokeMethod(
                this,
                [receiver, deliver, images] {
                    // Pixmaps belong to the windows' thread.
                    QIcon icon;
                    for (const QImage &image : images)
                        icon.addPixmap(QPixmap::fromImage(image));
                    if (receiver)
                        deliver(icon);
                },
                Qt::QueuedConnection);
        });
}

void PictureLoader::startDecoding(std::function<void()> decode)
{
    // A window just shown is drawn, but the display server may still be putting it on the screen:
    // a new round of decoding waits for it, instead of taking the machine from it.
    if (pool_.activeThreadCount() == 0)
        waitForTheDisplayServer();
    pool_.start([decode = std::move(decode)] {
        giveWayToTheWindows();
        decode();
    });
}

void PictureLoader::waitForAll()
{
    do {
        pool_.waitForDone();
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    } while (!waiting_.isEmpty());
}

void PictureLoader::decoded(const Request &request, const QImage &image)
{
    cache_.insert(request.file, image);
    const QList<Waiter> waiters = waiting_.take(request);
    for (const Waiter &waiter : waiters) {
        if (waiter.receiver)
            waiter.deliver(image);
    }
}

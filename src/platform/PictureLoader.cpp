// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureLoader.h"

#include "PictureDecoder.h"

#include <QCoreApplication>

namespace {

// The machine may have no more cores than this, and the window's thread needs one.
constexpr int kDecodingThreads = 2;

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
        pool_.start([this, request] {
            const QImage image = decodePicture(request.file.path, request.box);
            QMetaObject::invokeMethod(
                this, [this, request, image] { decoded(request, image); }, Qt::QueuedConnection);
        });
    }
    return false;
}

void PictureLoader::waitForAll()
{
    while (!waiting_.isEmpty()) {
        pool_.waitForDone();
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    }
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

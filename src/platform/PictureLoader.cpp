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

bool PictureLoader::load(const QString &path, QSize box, QObject *receiver, Delivery deliver)
{
    const std::optional<PictureKey> key = PictureKey::forFile(path, box);
    if (!key) {
        deliver(QImage());
        return true;
    }
    if (const std::optional<QImage> image = cache_.find(*key)) {
        deliver(*image);
        return true;
    }
    QList<Waiter> &waiters = waiting_[*key];
    waiters.append({receiver, std::move(deliver)});
    if (waiters.size() == 1) {
        pool_.start([this, key = *key] {
            const QImage image = decodePicture(key.path, key.box);
            QMetaObject::invokeMethod(
                this, [this, key, image] { decoded(key, image); }, Qt::QueuedConnection);
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

void PictureLoader::decoded(const PictureKey &key, const QImage &image)
{
    cache_.insert(key, image);
    const QList<Waiter> waiters = waiting_.take(key);
    for (const Waiter &waiter : waiters) {
        if (waiter.receiver)
            waiter.deliver(image);
    }
}

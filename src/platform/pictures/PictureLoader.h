// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PictureCache.h"

#include <QHash>
#include <QIcon>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QThreadPool>
#include <functional>

// Decodes picture files on two threads of its own, so that a window shows at once and each of
// its pictures follows as soon as it is ready; keeps what it decoded for the session, so the next
// board or deal shows the same pictures at once. Used from the windows' thread only.
class PictureLoader : public QObject
{
    Q_OBJECT

public:
    using Delivery = std::function<void(const QImage &)>;
    using IconDelivery = std::function<void(const QIcon &)>;

    // The program's loader, made on first use and ended with the application.
    static PictureLoader &shared();

    explicit PictureLoader(QObject *parent = nullptr);
    ~PictureLoader() override;

    // The picture of `path` for a box of `box` device pixels, if it was decoded before.
    std::optional<QImage> kept(const QString &path, QSize box);

    // Hands the picture of `path`, decoded for a box of `box` device pixels, to `deliver` on this
    // thread: before returning true when it was decoded before or the file is missing; else later,
    // once it is ready, unless `receiver` is gone by then. A null image: the file cannot be shown.
    bool load(const QString &path, QSize box, QObject *receiver, Delivery deliver);

    // Reads the icon file at `path` on the decoding threads and hands the icon to `deliver` on this
    // thread, unless `receiver` is gone by then. An empty icon: the file cannot be read.
    void loadIcon(const QString &path, QObject *receiver, IconDelivery deliver);

    // Waits until every picture and icon asked for so far has been handed over.
    void waitForAll();

    PictureCache &cache() { return cache_; }

private:
    struct Waiter
    {
        QPointer<QObject> receiver;
        Delivery deliver;
    };

    struct Request
    {
        PictureFile file;
        QSize box;

        friend bool operator==(const Request &, const Request &) = default;
        friend size_t qHash(const Request &request, size_t seed = 0)
        {
            return qHashMulti(seed, request.file, request.box.width(), request.box.height());
        }
    };

    void startDecoding(std::function<void()> decode);
    void decoded(const Request &request, const QImage &image);

    QThreadPool pool_;
    PictureCache cache_;
    // Asked for and not yet decoded: one decode serves every box that wants the same picture.
    QHash<Request, QList<Waiter>> waiting_;
};

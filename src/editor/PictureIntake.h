// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WordTile.h"

#include <QObject>
#include <QTemporaryDir>

class QMimeData;

// Takes a picture for a word from wherever the teacher brings it: a file, or a drop or the
// clipboard holding a file's address or the image itself. Every picture is read off the window's
// thread; one that cannot be read is refused, never kept. An image brought as data is made ready
// for saving and kept in a folder of the session's own until the list is saved.
class PictureIntake : public QObject
{
    Q_OBJECT

public:
    explicit PictureIntake(QObject *parent = nullptr);

    // False when `mime` holds nothing that could be a picture.
    bool take(const QMimeData *mime, const QString &word);
    void takeFile(const QString &path, const QString &word);

    // Whether a drop or a paste of `mime` brings a picture.
    static bool bringsPicture(const QMimeData *mime);

signals:
    void pictureReady(const QString &word, const TileFile &picture);
    void refused(const QString &message);

private:
    QString broughtFile(const QString &ending);
    void takeImage(const QImage &image, const QString &word);

    QTemporaryDir brought_;
    int broughtCount_ = 0;
};

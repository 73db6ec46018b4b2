// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

// Decodes the picture file at `path`, turned upright as its camera recorded, straight at the
// largest size that fits within `size` pixels in its own proportions: a large photo is decoded at
// a fraction of its size, never whole. The content decides the format, whatever the file's
// ending. A null image when the file is missing, unreadable, corrupt, cut short or absurdly large.
// Safe to call from any thread.
QImage decodePicture(const QString &path, QSize size);

// The images of the icon file at `path`, one of each size: of several, the one with the most
// colours. None when the file cannot be read. Safe to call from any thread.
QList<QImage> decodeIconImages(const QString &path);

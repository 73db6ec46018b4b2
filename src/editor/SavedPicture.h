// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// A picture as the list's folder keeps it: upright, on white where it was see-through, at most
// 800 × 800 pixels, never enlarged. A null image for a picture that cannot be read.
QImage pictureForSaving(const QImage &image);
// Decoded scaled, as the games decode, so that a huge photo never takes the memory of its pixels.
QImage pictureFileForSaving(const QString &path);

// The JPEG file of a picture made ready for saving, marked in a comment as this program's.
QByteArray jpegOf(const QImage &picture);
// Whether the picture file at `path` is one that jpegOf() made.
bool isPictureWrittenHere(const QString &path);

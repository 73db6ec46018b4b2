// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Decodes the picture file at `path` straight at `size` pixels, stretched to fill it: a large
// photo is decoded at a fraction of its size, never whole. A null image when the file is missing,
// unreadable, corrupt, cut short or absurdly large.
QImage decodePicture(const QString &path, QSize size);

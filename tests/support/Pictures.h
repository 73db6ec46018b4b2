// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// Writes a JPEG of one colour, `width` x `height`.
inline bool writeJpeg(const QString &path, QColor color, int width = 64, int height = 48)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image.save(path, "JPEG", 90);
}

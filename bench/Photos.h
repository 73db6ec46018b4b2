// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QString>

// Writes a 4000 x 3000 JPEG with a phone photo's detail: a gradient strewn with coloured patches.
// `seed` varies the patches' colours.
inline bool writeLargePhoto(const QString &path, int seed = 0)
{
    QImage image(4000, 3000, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 4000, 3000);
    gradient.setColorAt(0, Qt::red);
    gradient.setColorAt(0.5, Qt::yellow);
    gradient.setColorAt(1, Qt::blue);
    painter.fillRect(image.rect(), gradient);
    for (int i = 0; i < 400; ++i)
        painter.fillRect((i * 7919) % 4000, (i * 104729) % 3000, 120, 90,
                         QColor::fromHsv((i + seed * 37) % 360, 200, 220));
    painter.end();
    return image.save(path, "JPEG", 90);
}

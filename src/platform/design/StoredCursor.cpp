// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoredCursor.h"

#include <QFile>
#include <QPixmap>
#include <QtEndian>

namespace {

constexpr qsizetype kHotSpotOffset = 10;

} // namespace

QCursor storedCursor(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    QPixmap picture;
    if (bytes.size() < kHotSpotOffset + 4 || !picture.loadFromData(bytes, "CUR"))
        return {};
    const auto *hotSpot = reinterpret_cast<const uchar *>(bytes.constData() + kHotSpotOffset);
    return QCursor(picture, qFromLittleEndian<quint16>(hotSpot),
                   qFromLittleEndian<quint16>(hotSpot + 2));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureFiles.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool namesAFileSafely(const QString &word)
{
    if (word.isEmpty() || word.contains(QLatin1String("..")))
        return false;
    for (const QChar c : word) {
        if (c == u'/' || c == u'\\' || c == u':' || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

} // namespace

QString pictureFileFor(const QString &programFolder, const QString &word)
{
    if (!namesAFileSafely(word))
        return {};
    const QDir folder(QDir(programFolder).filePath(QStringLiteral("jpg")));
    const QString exact = folder.filePath(word + QLatin1String(".jpg"));
    if (QFileInfo(exact).isFile())
        return exact;

    const QString withJpg = word + QLatin1String(".jpg");
    const QString withJpeg = word + QLatin1String(".jpeg");
    QString found;
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        if (name.compare(withJpg, Qt::CaseInsensitive) == 0)
            return folder.filePath(name);
        if (found.isEmpty() && name.compare(withJpeg, Qt::CaseInsensitive) == 0)
            found = folder.filePath(name);
    }
    return found;
}

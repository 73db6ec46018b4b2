// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureFiles.h"

#include <QDir>
#include <QFileInfo>
#include <array>

namespace {

// In order of preference.
constexpr std::array kEndings = {".jpg", ".jpeg", ".png"};

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

// What two names that a teacher would call the same have in common.
QString matchingForm(const QString &name)
{
    QString form = name.normalized(QString::NormalizationForm_C);
    form.replace(u'\u2019', u'\'');
    return form.toCaseFolded();
}

QString pictureIn(const QString &parent, const QString &word)
{
    const QDir folder(QDir(parent).filePath(QStringLiteral("jpg")));
    const QString exact = folder.filePath(word + QLatin1String(kEndings[0]));
    if (QFileInfo(exact).isFile())
        return exact;

    const QString wanted = matchingForm(word);
    std::array<QString, kEndings.size()> found;
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        const QString form = matchingForm(name);
        for (std::size_t i = 0; i < kEndings.size(); ++i) {
            if (found[i].isEmpty() && form == wanted + QLatin1String(kEndings[i]))
                found[i] = folder.filePath(name);
        }
    }
    for (const QString &file : found) {
        if (!file.isEmpty())
            return file;
    }
    return {};
}

} // namespace

QString pictureFileFor(const PictureFolders &folders, const QString &word)
{
    if (!namesAFileSafely(word))
        return {};
    // An empty folder would mean the working folder, wherever the program was started.
    if (!folders.listFolder.isEmpty()) {
        const QString file = pictureIn(folders.listFolder, word);
        if (!file.isEmpty())
            return file;
    }
    return pictureIn(folders.programFolder, word);
}

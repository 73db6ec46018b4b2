// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordFiles.h"

#include <QDir>
#include <QFileInfo>
#include <vector>

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

// What two names that a teacher would call the same have in common.
QString matchingForm(const QString &name)
{
    QString form = name.normalized(QString::NormalizationForm_C);
    form.replace(u'\u2019', u'\'');
    return form.toCaseFolded();
}

QString fileIn(const QString &parent, const WordFileKind &kind, const QString &word)
{
    const QDir folder(QDir(parent).filePath(QString::fromLatin1(kind.folder)));
    const QString exact = folder.filePath(word + QLatin1String(kind.endings.front()));
    if (QFileInfo(exact).isFile())
        return exact;

    const QString wanted = matchingForm(word);
    std::vector<QString> found(kind.endings.size());
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        const QString form = matchingForm(name);
        for (std::size_t i = 0; i < kind.endings.size(); ++i) {
            if (found[i].isEmpty() && form == wanted + QLatin1String(kind.endings[i]))
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

QString wordFileFor(const WordFolders &folders, const WordFileKind &kind, const QString &word)
{
    if (!namesAFileSafely(word))
        return {};
    // An empty folder would mean the working folder, wherever the program was started.
    if (!folders.listFolder.isEmpty()) {
        const QString file = fileIn(folders.listFolder, kind, word);
        if (!file.isEmpty())
            return file;
    }
    return fileIn(folders.programFolder, kind, word);
}

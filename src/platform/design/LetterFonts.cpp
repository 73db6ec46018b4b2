// SPDX-License-Identifier: GPL-3.0-or-later
#include "LetterFonts.h"

#include <QDir>
#include <QFontDatabase>

namespace {

QString &bundledFontFolder()
{
    static QString folder; // the windows' thread only
    return folder;
}

// Every family a letter form may ask for, once: the bundled fonts added on the first call.
const QStringList &knownFamilies()
{
    static const QStringList families = [] {
        const QDir folder(bundledFontFolder());
        const QStringList files = folder.entryList(
            {QStringLiteral("*.ttf"), QStringLiteral("*.otf"), QStringLiteral("*.woff2")},
            QDir::Files, QDir::Name);
        for (const QString &file : files)
            QFontDatabase::addApplicationFont(folder.filePath(file));
        return QFontDatabase::families();
    }();
    return families;
}

QString familyOf(LetterForm form)
{
    if (form == LetterForm::Lowercase)
        return QStringLiteral("Andika");
    if (form == LetterForm::Cursive)
        return QStringLiteral("Playwrite IT Moderna");
    return {};
}

} // namespace

void setBundledFontFolder(const QString &folder)
{
    bundledFontFolder() = QDir(folder).filePath(QStringLiteral("fonts"));
}

QFont letterFont(LetterForm form, const QFont &design)
{
    const QString family = familyOf(form);
    if (family.isEmpty() || !knownFamilies().contains(family))
        return design;
    QFont font = design;
    font.setFamilies({family});
    // The cursive comes in one weight: a bold made up from it would blur its joins.
    if (form == LetterForm::Cursive)
        font.setBold(false);
    return font;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "LetterFonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontMetrics>
#include <algorithm>

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

QFont letterFontWithinLine(LetterForm form, const QFont &design)
{
    QFont font = letterFont(form, design);
    // The design's own font fits its line: measuring it would only load it before it is drawn.
    if (font == design)
        return font;
    // The school fonts' ascenders and descenders run longer than the design's: from the top of an
    // f to the foot of a g they must fit where the design's line did.
    const int room = QFontMetrics(design).height();
    const int band = letterBand(font).height();
    if (band > room && font.pixelSize() > 0)
        font.setPixelSize(std::max(1, font.pixelSize() * room / band));
    return font;
}

QRect letterBand(const QFont &font)
{
    return QFontMetrics(font).tightBoundingRect(QStringLiteral("bdfhklgjpqyÈ"));
}

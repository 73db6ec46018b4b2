// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>
#include <QStringList>
#include <algorithm>
#ifndef Q_OS_WIN
#include <fontconfig/fontconfig.h>
#endif

std::jthread readFontConfigurationAside()
{
#ifdef Q_OS_WIN
    // Windows keeps its fonts' list itself: nothing is read ahead.
    return {};
#else
    // Fontconfig makes its configuration once per process, whichever thread asks first; Qt's font
    // database asks for that same configuration.
    return std::jthread([] { FcInit(); });
#endif
}

void installFontSubstitutions()
{
    // Liberation Sans has Arial's metrics, so captions wrap where they were designed to.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

namespace {

// A family the font database holds is found at once. One it lacks, such as Arial on most Linux
// desktops, sends every new size of it through the system's font aliases before the substitutes
// are tried, which costs more than drawing the text.
QString installedFamily(const QString &family)
{
    static QHash<QString, QString> chosen; // the windows' thread only
    if (const auto known = chosen.constFind(family); known != chosen.cend())
        return *known;
    const QStringList installed = QFontDatabase::families();
    // The database spells a family as the font does; substitutes are kept in lower case.
    for (const QString &candidate : QStringList{family} + QFont::substitutes(family)) {
        const auto found =
            std::find_if(installed.cbegin(), installed.cend(), [&](const QString &name) {
                return name.compare(candidate, Qt::CaseInsensitive) == 0;
            });
        if (found != installed.cend())
            return *chosen.insert(family, *found);
    }
    return *chosen.insert(family, family);
}

} // namespace

QFont designFont(const FontDesign &design, double scale)
{
    QFont font(installedFamily(QString::fromLatin1(design.family)));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(design.bold);
    font.setPixelSize(std::max(1, qRound(design.points * 96.0 / 72.0 * scale)));
    return font;
}

QFont boxFont(double scale, const QFont &desktop)
{
    QFont font = desktop;
    const int desktopPixels = QFontInfo(desktop).pixelSize();
    font.setPixelSize(std::max(desktopPixels, qRound(8.0 * 96.0 / 72.0 * scale)));
    return font;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fonts.h"

#include <QFontInfo>
#include <QStringList>
#include <algorithm>
#include <fontconfig/fontconfig.h>

std::jthread readFontConfigurationAside()
{
    // Fontconfig makes its configuration once per process, whichever thread asks first; Qt's font
    // database asks for that same configuration.
    return std::jthread([] { FcInit(); });
}

void installFontSubstitutions()
{
    // Liberation Sans has Arial's metrics, so captions wrap where they were designed to.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

QFont designFont(const FontDesign &design, double scale)
{
    QFont font(QString::fromLatin1(design.family));
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

#include "Fonts.h"

#include <QStringList>
#include <algorithm>

void installFontSubstitutions()
{
    // Liberation Sans has Arial's metrics, so captions wrap where they were designed to.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

QFont designFont(const FontSpec &spec, double scale)
{
    QFont font(QString::fromLatin1(spec.family));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(spec.bold);
    font.setPixelSize(std::max(1, qRound(spec.points * 96.0 / 72.0 * scale)));
    return font;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaperText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

QFont paperSans(bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(bold);
    return font;
}

QFont fontOfHeight(const QFont &font, double height, const QPainter &painter)
{
    QFont sized(font);
    sized.setPixelSize(1000);
    const double line = QFontMetricsF(sized, painter.device()).height();
    sized.setPixelSize(std::max(1, qRound(1000 * height / line)));
    return sized;
}

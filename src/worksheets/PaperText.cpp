// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaperText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>

QFont paperSans(bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(bold);
    return font;
}

QFont fontOfHeight(const QFont &font, double height, const QPainter &painter)
{
    QFont sized(font);
    sized.setPointSizeF(100);
    const double full = QFontMetricsF(sized, painter.device()).height();
    sized.setPointSizeF(100 * height / full);
    return sized;
}

void drawFittedText(QPainter &painter, const QRectF &box, const QString &text, const QFont &font)
{
    QFont fitted(font);
    const double smallest = font.pointSizeF() / 2;
    const auto width = [&] {
        return QFontMetricsF(fitted, painter.device()).horizontalAdvance(text);
    };
    while (fitted.pointSizeF() > smallest && width() > box.width())
        fitted.setPointSizeF(std::max(smallest, fitted.pointSizeF() * 0.95));
    painter.setFont(fitted);
    QTextOption option(Qt::AlignCenter);
    option.setWrapMode(width() > box.width() ? QTextOption::WrapAnywhere : QTextOption::NoWrap);
    painter.drawText(box, text, option);
}

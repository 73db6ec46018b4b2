// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaperText.h"

#include "PaperPage.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace {

constexpr double kHeading = 12;
constexpr double kNameLine = 9;

} // namespace

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

QRectF belowHeading(const PaperPage &paper)
{
    return paper.area.adjusted(0, paper.mm(kHeading + kNameLine), 0, 0);
}

void paintHeading(QPainter &painter, const PaperPage &paper, const QString &title,
                  bool withNameLine)
{
    const QRectF &area = paper.area;
    const QRectF heading(area.left(), area.top(), area.width(), paper.mm(kHeading));
    painter.setPen(Qt::black);
    painter.setFont(fontOfHeight(paperSans(true), heading.height() * 0.8, painter));
    painter.drawText(heading, Qt::AlignLeft | Qt::AlignVCenter, title);
    if (!withNameLine)
        return;
    const QRectF nameLine(area.left(), heading.bottom(), area.width(), paper.mm(kNameLine));
    painter.setFont(fontOfHeight(paperSans(), nameLine.height() * 0.6, painter));
    painter.drawText(nameLine, Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Nome ______________  Data __________"));
}

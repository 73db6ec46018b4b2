// SPDX-License-Identifier: GPL-3.0-or-later
#include "FittedText.h"

#include <QPainter>
#include <QTextOption>
#include <algorithm>

FittedText::FittedText(const QString &text, const QFont &design, const QRectF &box)
    : box_(box), font_(design), layout_(text)
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout_.setTextOption(option);
    layout_.setCacheEnabled(true);

    const auto shrink = [this] { font_.setPixelSize(font_.pixelSize() - 1); };
    const int half = std::max(1, design.pixelSize() / 2);
    qreal height = layOut();
    while (layout_.lineCount() > 1 && font_.pixelSize() > half) {
        shrink();
        height = layOut();
    }
    while (height > box.height() && font_.pixelSize() > 1) {
        shrink();
        height = layOut();
    }
    origin_ = QPointF(box.left(), box.top() + (box.height() - height) / 2);
}

qreal FittedText::layOut()
{
    layout_.setFont(font_);
    layout_.beginLayout();
    qreal height = 0;
    for (QTextLine line = layout_.createLine(); line.isValid(); line = layout_.createLine()) {
        line.setLineWidth(box_.width());
        // Centred here: Qt's own centring lets a line's right bearing stray past the box.
        line.setPosition(QPointF((box_.width() - line.naturalTextWidth()) / 2, height));
        height += line.height();
    }
    layout_.endLayout();
    return height;
}

QStringList FittedText::lines() const
{
    QStringList lines;
    for (int i = 0; i < layout_.lineCount(); ++i) {
        const QTextLine line = layout_.lineAt(i);
        lines << layout_.text().mid(line.textStart(), line.textLength());
    }
    return lines;
}

QRectF FittedText::bounds() const
{
    QRectF taken;
    for (int i = 0; i < layout_.lineCount(); ++i)
        taken |= layout_.lineAt(i).naturalTextRect();
    return taken.translated(origin_);
}

void FittedText::draw(QPainter &painter) const
{
    layout_.draw(&painter, origin_);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignLabel.h"

#include "Colors.h"
#include "LetterFonts.h"
#include "platform/accessibility/Accessibility.h"

#include <QPainter>
#include <algorithm>

namespace {

Qt::Alignment horizontalAlignment(TextAlign align)
{
    switch (align) {
    case TextAlign::Right:
        return Qt::AlignRight;
    case TextAlign::Centre:
        return Qt::AlignHCenter;
    case TextAlign::Left:
        break;
    }
    return Qt::AlignLeft;
}

} // namespace

DesignLabel::DesignLabel(const ControlDesign &design, QWidget *parent)
    : DesignControl(parent), text_(QString::fromUtf8(design.text)),
      background_(colorFromStored(design.back)), foreground_(colorFromStored(design.fore)),
      alignment_(horizontalAlignment(design.align)), border_(design.border),
      transparent_(design.transparent), shrinkToFit_(design.shrinkToFit)
{}

QFont DesignLabel::fittedFont(int width) const
{
    QFont fitted = font();
    if (!shrinkToFit_ || fitted.pixelSize() <= 0)
        return fitted;
    const int smallest = std::max(1, fitted.pixelSize() / 2);
    while (fitted.pixelSize() > smallest && QFontMetrics(fitted).horizontalAdvance(text_) > width)
        fitted.setPixelSize(fitted.pixelSize() - 1);
    return fitted;
}

void DesignLabel::setText(const QString &text)
{
    if (text == text_)
        return;
    const QString before = text_;
    text_ = text;
    update();
    notifyTextChanged(this, before, text_);
}

void DesignLabel::setBackground(const QColor &color)
{
    if (color == background_)
        return;
    background_ = color;
    update();
}

void DesignLabel::setCentredOnLetters(bool centred)
{
    centredOnLetters_ = centred;
    update();
}

void DesignLabel::setLineWidth(int pixels)
{
    lineWidth_ = pixels;
    update();
}

void DesignLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!transparent_)
        painter.fillRect(rect(), background_);
    QRect textArea = rect();
    if (border_) {
        const int w = lineWidth_;
        const QColor line(Qt::black);
        painter.fillRect(0, 0, width(), w, line);
        painter.fillRect(0, height() - w, width(), w, line);
        painter.fillRect(0, 0, w, height(), line);
        painter.fillRect(width() - w, 0, w, height(), line);
        textArea.adjust(w, w, -w, -w);
    }
    painter.setPen(foreground_);
    painter.setFont(fittedFont(textArea.width()));
    if (centredOnLetters_ && !shrinkToFit_) {
        const QRect band = letterBand(painter.font());
        const int baseline = textArea.top() + (textArea.height() - band.height()) / 2 - band.top();
        painter.drawText(QRect(textArea.left(), baseline - painter.fontMetrics().ascent(),
                               textArea.width(), painter.fontMetrics().height()),
                         int(alignment_ | Qt::AlignTop), text_);
        return;
    }
    painter.drawText(textArea, int(alignment_ | Qt::AlignTop | Qt::TextWordWrap), text_);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignLabel.h"

#include "Colors.h"
#include "FittedText.h"
#include "LetterFonts.h"
#include "platform/accessibility/Accessibility.h"

#include <QEvent>
#include <QPainter>

namespace {

// Of the label's width on its left and right, of its height above and below: the room a fitted
// text leaves.
constexpr qreal kMarginShare = 0.08;

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
      transparent_(design.transparent), shrinkToFit_(design.shrinkToFit), designFont_(font())
{
    fitText();
}

DesignLabel::~DesignLabel() = default;

void DesignLabel::setText(const QString &text)
{
    if (text == text_)
        return;
    const QString before = text_;
    text_ = text;
    fitText();
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

void DesignLabel::fitText()
{
    if (!shrinkToFit_)
        return;
    const qreal across = kMarginShare * width();
    const qreal down = kMarginShare * height();
    fitted_ = std::make_unique<FittedText>(text_, designFont_,
                                           QRectF(rect()).adjusted(across, down, -across, -down));
    // Qt drops a font equal to the one a widget has without a word. The fitted font carries a
    // setting no design font makes, so that every design font set later comes through as a change.
    QFont drawnIn = fitted_->font();
    drawnIn.setKerning(drawnIn.kerning());
    settingFittedFont_ = true;
    setFont(drawnIn);
    settingFittedFont_ = false;
}

void DesignLabel::resizeEvent(QResizeEvent *event)
{
    fitText();
    DesignControl::resizeEvent(event);
}

void DesignLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange && shrinkToFit_ && !settingFittedFont_) {
        designFont_ = font();
        fitText();
    }
    DesignControl::changeEvent(event);
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
    if (fitted_) {
        fitted_->draw(painter);
        return;
    }
    if (centredOnLetters_) {
        const QRect band = letterBand(painter.font());
        const int baseline = textArea.top() + (textArea.height() - band.height()) / 2 - band.top();
        painter.drawText(QRect(textArea.left(), baseline - painter.fontMetrics().ascent(),
                               textArea.width(), painter.fontMetrics().height()),
                         int(alignment_ | Qt::AlignTop), text_);
        return;
    }
    painter.drawText(textArea, int(alignment_ | Qt::AlignTop | Qt::TextWordWrap), text_);
}

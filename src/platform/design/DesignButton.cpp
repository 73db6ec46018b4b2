// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignButton.h"

#include <QIcon>
#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <cmath>

namespace {

constexpr int kCaptionFlags =
    Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;

} // namespace

DesignButton::DesignButton(const ControlDesign &design, QWidget *parent)
    : QPushButton(QString::fromUtf8(design.text), parent)
{
    // Outside a dialog a push button takes Enter only when it is made to.
    setAutoDefault(true);
    if (design.picture) {
        const QIcon picture(QString::fromLatin1(design.picture));
        const QList<QSize> sizes = picture.availableSizes();
        if (!sizes.isEmpty()) {
            setIcon(picture);
            naturalIconSize_ = sizes.first();
            setIconSize(naturalIconSize_);
        }
    }
}

void DesignButton::setScale(double scale)
{
    if (naturalIconSize_.isEmpty())
        return;
    setIconSize(QSize(int(std::lround(naturalIconSize_.width() * scale)),
                      int(std::lround(naturalIconSize_.height() * scale))));
}

DesignButton::Content DesignButton::content() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect inside = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const QRect wrapped = fontMetrics().boundingRect(QRect(inside.left(), 0, inside.width(), 0),
                                                     kCaptionFlags, text());
    // The icon and the caption stand as one block in the middle of the button's height.
    const QSize iconSize = icon().isNull() ? QSize(0, 0) : this->iconSize();
    const int gap = icon().isNull() ? 0 : fontMetrics().descent();
    const int top = (height() - iconSize.height() - gap - wrapped.height()) / 2;
    return {QRect(QPoint((width() - iconSize.width()) / 2, top), iconSize),
            QRect(inside.left(), top + iconSize.height() + gap, inside.width(), wrapped.height())};
}

QRect DesignButton::captionRect() const
{
    return content().caption;
}

void DesignButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The style draws the face, the pressed look and the focus; the content is laid out here.
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, option);
    const Content placed = content();
    if (!icon().isNull()) {
        // Drawn from its own size to the window's scale: an icon alone would not grow.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(
            placed.icon,
            icon().pixmap(naturalIconSize_, isEnabled() ? QIcon::Normal : QIcon::Disabled));
    }
    painter.drawItemText(placed.caption, kCaptionFlags, palette(), isEnabled(), text(),
                         QPalette::ButtonText);
}

void DesignButton::keyPressEvent(QKeyEvent *event)
{
    // Enter held down acts once: its repeats would land on the next window's button, or answer
    // the box the first press opened.
    if (event->isAutoRepeat() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter))
        return;
    QPushButton::keyPressEvent(event);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureBox.h"

#include "PictureDecoder.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {

// A grey frame with a mountain and a sun: "a picture belongs here".
void paintPlaceholder(QPainter &painter, const QRect &area)
{
    painter.fillRect(area, QColor(0xE8, 0xE8, 0xE8));
    const QColor ink(0xB0, 0xB0, 0xB0);
    const int unit = std::max(1, std::min(area.width(), area.height()) / 16);
    painter.setPen(QPen(ink, unit, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    const QRect frame = area.adjusted(unit * 2, unit * 2, -unit * 2, -unit * 2);
    painter.drawRect(frame);

    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    const int w = frame.width();
    const int h = frame.height();
    painter.drawEllipse(QPointF(frame.left() + w * 0.72, frame.top() + h * 0.3), w * 0.09,
                        w * 0.09);
    QPainterPath mountains;
    mountains.moveTo(frame.left() + w * 0.1, frame.bottom() - h * 0.12);
    mountains.lineTo(frame.left() + w * 0.38, frame.top() + h * 0.38);
    mountains.lineTo(frame.left() + w * 0.6, frame.bottom() - h * 0.3);
    mountains.lineTo(frame.left() + w * 0.72, frame.top() + h * 0.55);
    mountains.lineTo(frame.left() + w * 0.9, frame.bottom() - h * 0.12);
    mountains.closeSubpath();
    painter.drawPath(mountains);
}

} // namespace

PictureBox::PictureBox(QWidget *parent) : DesignControl(parent) {}

void PictureBox::loadPicture(const QString &path)
{
    file_ = path;
    loaded_ = true;
    failed_ = path.isEmpty();
    image_ = QImage();
    update();
}

void PictureBox::clearPicture()
{
    file_.clear();
    loaded_ = false;
    failed_ = false;
    image_ = QImage();
    update();
}

PictureBox::Content PictureBox::content()
{
    decodeIfNeeded();
    if (!loaded_)
        return Content::Nothing;
    return failed_ ? Content::Placeholder : Content::Picture;
}

QSize PictureBox::pixelSize() const
{
    return (QSizeF(size()) * devicePixelRatioF()).toSize();
}

void PictureBox::decodeIfNeeded()
{
    if (!loaded_ || failed_)
        return;
    const QSize wanted = pixelSize();
    if (wanted.isEmpty())
        return;
    // A smaller box is served by scaling down what was decoded; a larger one deserves a new decode.
    if (!image_.isNull() && image_.width() >= wanted.width() && image_.height() >= wanted.height())
        return;
    image_ = decodePicture(file_, wanted);
    failed_ = image_.isNull();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    decodeIfNeeded();
    if (!loaded_)
        return;
    QPainter painter(this);
    if (failed_) {
        paintPlaceholder(painter, rect());
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), image_);
}

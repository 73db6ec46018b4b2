// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureBox.h"

#include "PictureDecoder.h"
#include "PictureLoader.h"
#include "core/LetterText.h"
#include "platform/design/LetterFonts.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWindow>
#include <algorithm>

namespace {

// Asks a box to start decoding its picture once the event loop is back, after the window has been
// drawn.
const QEvent::Type kDecodeEvent = QEvent::Type(QEvent::registerEventType());

// Behind a picture that does not fill its box, and in the box while its picture is decoded.
const QColor kGround(0xE8, 0xE8, 0xE8);

// The height of an initial on the placeholder, against the box's.
constexpr double kInitialHeight = 0.6;

void paintInitial(QPainter &painter, const QRect &area, const QString &initial, QFont font)
{
    painter.fillRect(area, kGround);
    font.setPixelSize(std::max(1, int(area.height() * kInitialHeight)));
    painter.setFont(font);
    painter.setPen(QColor(0x60, 0x60, 0x60));
    painter.drawText(area, Qt::AlignCenter, initial);
}

// A grey frame with a mountain and a sun: "a picture belongs here".
void paintPlaceholder(QPainter &painter, const QRect &area)
{
    painter.fillRect(area, kGround);
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
    decodedFor_ = QSize();
    asked_ = QSize();
    scheduleRequest();
    update();
}

void PictureBox::setPlaceholderInitial(const QString &word, LetterForm form)
{
    const QString written = writtenIn(form, word);
    const auto letter = std::find_if(written.cbegin(), written.cend(),
                                     [](QChar c) { return c.isLetterOrNumber(); });
    initial_ = letter == written.cend() ? QString() : QString(*letter);
    initialForm_ = form;
    update();
}

void PictureBox::clearPicture()
{
    file_.clear();
    initial_.clear();
    loaded_ = false;
    failed_ = false;
    image_ = QImage();
    decodedFor_ = QSize();
    asked_ = QSize();
    update();
}

PictureBox::Content PictureBox::content() const
{
    if (!loaded_)
        return Content::Nothing;
    if (failed_)
        return Content::Placeholder;
    return image_.isNull() ? Content::Waiting : Content::Picture;
}

void PictureBox::waitForPictures()
{
    QCoreApplication::processEvents(); // windows shown are exposed
    QCoreApplication::sendPostedEvents(nullptr, kDecodeEvent);
    PictureLoader::shared().waitForAll();
}

QSize PictureBox::pixelSize() const
{
    return (QSizeF(size()) * devicePixelRatioF()).toSize();
}

void PictureBox::scheduleRequest()
{
    if (requestPosted_ || !loaded_ || failed_)
        return;
    // Decoding waits for the window's first drawing, which happens as the window is exposed. A
    // window not shown yet has no native window to watch; showing it asks again.
    QWindow *shown = window()->windowHandle();
    if (!shown)
        return;
    if (!shown->isExposed()) {
        shown->installEventFilter(this);
        return;
    }
    requestPosted_ = true;
    QCoreApplication::postEvent(this, new QEvent(kDecodeEvent));
}

bool PictureBox::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && watched == window()->windowHandle() &&
        window()->windowHandle()->isExposed()) {
        watched->removeEventFilter(this);
        scheduleRequest();
    }
    return DesignControl::eventFilter(watched, event);
}

bool PictureBox::requestPicture(bool decodeIfMissing)
{
    // A hidden window's boxes may not have their final size yet.
    if (!loaded_ || failed_ || !isVisible())
        return false;
    const QSize wanted = pixelSize();
    if (wanted.isEmpty() || wanted == asked_)
        return false;
    // A smaller box is served by scaling down what was decoded; a larger one deserves a new decode.
    if (!image_.isNull() && decodedFor_.width() >= wanted.width() &&
        decodedFor_.height() >= wanted.height())
        return false;
    // The program's own icons are small and read from memory: they show with the window.
    if (file_.startsWith(u':')) {
        showDecoded(wanted, decodePicture(file_, wanted));
        return true;
    }
    PictureLoader &loader = PictureLoader::shared();
    if (const std::optional<QImage> kept = loader.kept(file_, wanted)) {
        showDecoded(wanted, *kept);
        return true;
    }
    if (!decodeIfMissing)
        return false;
    asked_ = wanted;
    const QString path = file_;
    loader.load(path, wanted, this, [this, path, wanted](const QImage &image) {
        // A picture loaded in the meantime, or a newer size, has its own decode on the way.
        if (path == file_ && loaded_ && wanted == asked_) {
            showDecoded(wanted, image);
            update();
        }
    });
    return false;
}

void PictureBox::showDecoded(QSize box, const QImage &image)
{
    asked_ = QSize();
    image_ = image;
    decodedFor_ = box;
    failed_ = image.isNull();
}

bool PictureBox::event(QEvent *event)
{
    if (event->type() != kDecodeEvent)
        return DesignControl::event(event);
    requestPosted_ = false;
    if (requestPicture(true))
        update();
    return true;
}

void PictureBox::showEvent(QShowEvent *event)
{
    DesignControl::showEvent(event);
    scheduleRequest();
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    DesignControl::resizeEvent(event);
    scheduleRequest();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    // A picture decoded before shows in this very painting; decoding waits for the window to be
    // drawn.
    requestPicture(false);
    if (!loaded_)
        return;
    QPainter painter(this);
    if (failed_) {
        if (initial_.isEmpty())
            paintPlaceholder(painter, rect());
        else
            paintInitial(painter, rect(), initial_, letterFont(initialForm_, font()));
        return;
    }
    if (image_.isNull()) {
        painter.fillRect(rect(), kGround);
        return;
    }
    // Whole and in proportion; the ground fills the bands beside a picture of another shape. A
    // picture with see-through parts (the answer icons) lets the window show around it instead.
    const QSize shown = image_.size().scaled(size(), Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    const QRect area(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
    if (!image_.hasAlphaChannel()) {
        const QRegion bands = QRegion(rect()).subtracted(area);
        for (const QRect &band : bands)
            painter.fillRect(band, kGround);
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(area, image_);
}

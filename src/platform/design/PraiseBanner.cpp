// SPDX-License-Identifier: GPL-3.0-or-later
#include "PraiseBanner.h"

#include "platform/accessibility/Accessibility.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QTimer>
#include <algorithm>

namespace {

const QColor kBannerYellow(0xFF, 0xFF, 0x80);
const QColor kBannerText(0x00, 0x00, 0x80);

} // namespace

PraiseBanner::PraiseBanner(QWidget *parent) : QLabel(parent), timer_(new QTimer(this))
{
    setObjectName(QStringLiteral("PraiseBanner"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, kBannerText);
    setPalette(colours);
    hide();
    // Screen readers hear the praise from the game's announcer.
    hideFromReaders(this);

    timer_->setObjectName(QStringLiteral("PraiseBannerTimer"));
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &QWidget::hide);
    parent->installEventFilter(this);
}

void PraiseBanner::showPraise(const QString &text, std::chrono::milliseconds shownFor)
{
    setText(text);
    fitToParent();
    raise();
    show();
    timer_->start(shownFor);
}

bool PraiseBanner::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        fitToParent();
    return QLabel::eventFilter(watched, event);
}

// A band a quarter of the parent's height across its middle, the text as large as fits in it on
// one or two lines.
void PraiseBanner::fitToParent()
{
    const QRect area = parentWidget()->rect();
    const int bandHeight = std::max(1, area.height() / 4);
    const int margin = area.width() / 24;
    setGeometry(area.left() + margin, area.center().y() - bandHeight / 2,
                std::max(1, area.width() - 2 * margin), bandHeight);

    const QRect room(0, 0, width() * 9 / 10, height() * 9 / 10);
    QFont letters(QStringLiteral("Arial"));
    letters.setStyleHint(QFont::SansSerif);
    letters.setBold(true);
    int pixels = std::max(1, bandHeight * 2 / 5);
    letters.setPixelSize(pixels);
    const auto fits = [&] {
        const QRect needed = QFontMetrics(letters).boundingRect(
            room, int(Qt::AlignCenter | Qt::TextWordWrap), text());
        return room.contains(needed);
    };
    while (pixels > 8 && !fits()) {
        pixels = pixels * 9 / 10;
        letters.setPixelSize(pixels);
    }
    setFont(letters);
}

void PraiseBanner::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal line = std::max(2, height() / 24);
        const qreal corner = height() / 6.0;
        painter.setPen(QPen(Qt::black, line));
        painter.setBrush(kBannerYellow);
        painter.drawRoundedRect(QRectF(rect()).adjusted(line / 2, line / 2, -line / 2, -line / 2),
                                corner, corner);
    }
    QLabel::paintEvent(event);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Announcer.h"

Announcer::Announcer(QWidget *surface) : QWidget(surface)
{
    setObjectName(QStringLiteral("annuncio"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
    hideTimer_.setSingleShot(true);
    hideTimer_.setInterval(kShownMilliseconds);
    connect(&hideTimer_, &QTimer::timeout, this, &QWidget::hide);
}

void Announcer::announce(const QString &message)
{
    message_ = message;
    // Shown afresh, so that the same message twice is spoken twice.
    hide();
    show();
    hideTimer_.start();
}

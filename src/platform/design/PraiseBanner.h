// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <chrono>

class QTimer;

// A word of praise in large letters across the middle of the widget it lies on, for a few
// seconds. It takes neither clicks nor the keyboard: play goes on under it.
class PraiseBanner : public QLabel
{
    Q_OBJECT

public:
    explicit PraiseBanner(QWidget *parent);

    // Shows `text` for `shownFor`, in place of any praise still shown.
    void showPraise(const QString &text, std::chrono::milliseconds shownFor);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void fitToParent();

    QTimer *timer_;
};

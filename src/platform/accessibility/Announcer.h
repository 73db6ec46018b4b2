// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>

// Says a short message to a screen reader: a notification that appears for a few seconds. Screen
// readers speak a notification when it appears, where they would not speak a label that changes
// away from the keyboard focus. It draws nothing and lets every click through.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kShownMilliseconds = 4000;

    explicit Announcer(QWidget *surface);

    void announce(const QString &message);
    QString message() const { return message_; }

private:
    QString message_;
    QTimer hideTimer_;
};

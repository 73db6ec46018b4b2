// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPointer>
#include <QRect>
#include <QWidget>

class DesignSurface;

// A ring around what holds the keyboard focus on a window: a button, or the current cell of a
// grid. It is 3 pixels wide at scale 1 and grows with the window, in black or white, whichever
// stands out on the colour beneath it. It lies over the controls and lets every click through.
class FocusFrame : public QWidget
{
    Q_OBJECT

public:
    struct Ring
    {
        QRect outer; // in the surface's coordinates; empty when the focus is elsewhere
        int width = 0;
        QColor ink;
    };

    explicit FocusFrame(DesignSurface *surface);

    Ring ring() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void follow(QWidget *focused);
    void refresh();

    // Held as a plain widget: while the surface is being destroyed it is one no more, and focus
    // changes still come.
    QWidget *surface_;
    // The control with the focus, watched for moving: a control may move while it has it.
    QPointer<QWidget> followed_;
    QRect painted_;
};

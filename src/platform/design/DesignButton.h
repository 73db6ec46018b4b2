// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ControlDesign.h"

#include <QPushButton>

// A push button placed from a layout row. Its caption is centred and wrapped at spaces inside the
// button, below the icon it may carry. Space and Enter act on it when it has the focus.
class DesignButton : public QPushButton
{
    Q_OBJECT

public:
    explicit DesignButton(const ControlDesign &design, QWidget *parent = nullptr);

    // Sizes the icon for the window's scale: its own pixel size at scale 1.
    void setScale(double scale);

    // Where the caption is drawn, inside the button.
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Content
    {
        QRect icon;
        QRect caption;
    };
    Content content() const;

    QSize naturalIconSize_;
};

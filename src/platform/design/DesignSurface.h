// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ClickTracker.h"
#include "ControlDesign.h"
#include "core/ClassChoices.h"

#include <QColor>
#include <QRect>
#include <QWidget>
#include <span>
#include <vector>

class DesignButton;
class DesignLabel;
class PictureBox;

// The client area of a window, holding the controls of its layout table. The design, fonts
// included, is scaled uniformly to the largest size that fits and centred: the scaled area runs
// from the top-left corner to the controls' far edges, plus a right and bottom margin equal to the
// left and top one. At scale 1 a control lies at its twips / 15.
class DesignSurface : public QWidget
{
    Q_OBJECT

public:
    explicit DesignSurface(std::span<const ControlDesign> layout, QWidget *parent = nullptr);

    // The scaled area's size in pixels at scale 1.
    QSizeF designSize() const;
    double scale() const { return scale_; }

    void setBackground(const QColor &color);

    QWidget *control(const char *name, int index = -1) const;
    DesignLabel *label(const char *name, int index = -1) const;
    PictureBox *picture(const char *name, int index = -1) const;
    DesignButton *button(const char *name, int index = -1) const;

    // Moves a control to a new place in twips; its size stays.
    void moveControl(QWidget *control, int left, int top);
    // Gives a control a new place and size in twips.
    void placeControl(QWidget *control, const QRect &twips);
    // Shakes a control from side to side about its place for a moment, as a thing refused.
    void shake(QWidget *control);

    // Draws every control of the group `name` in the font of a letter form, scaled as the design's.
    void setLetterForm(const char *name, LetterForm form);

signals:
    // A click on the surface itself, not on a control.
    void clicked();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    struct Placed
    {
        QWidget *widget;
        QRect twips;
        FontDesign font;
        LetterForm letters = LetterForm::AsListed;
        int nudge = 0; // pixels to the right of its place, while it shakes
    };

    Placed *placedOf(QWidget *control);
    QWidget *createControl(const ControlDesign &design);
    void setFocusOrder(std::span<const ControlDesign> layout);
    void place(const Placed &placed) const;
    void applyFont(const Placed &placed) const;
    void relayout();

    std::vector<Placed> placed_;
    QSize usedTwips_;
    double scale_ = 1.0;
    QPointF offset_;
    ClickTracker click_;
};

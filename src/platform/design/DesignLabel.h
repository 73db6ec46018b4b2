// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ControlDesign.h"
#include "DesignControl.h"

#include <QColor>
#include <QString>

// Static text in a box, drawn from the top of the box and wrapped at spaces, with an optional
// single-line border and an opaque or transparent background.
class DesignLabel : public DesignControl
{
    Q_OBJECT

public:
    explicit DesignLabel(const ControlDesign &design, QWidget *parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString &text);
    QColor background() const { return background_; }
    void setBackground(const QColor &color);
    void setLineWidth(int pixels);

    // Letters drawn on the middle of the box, by their own band rather than by the font's line: the
    // school fonts' lines are much taller than their letters. For a label of one line that does not
    // shrink to fit.
    void setCentredOnLetters(bool centred);

    // The font the text is drawn in across `width` pixels.
    QFont fittedFont(int width) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString text_;
    QColor background_;
    QColor foreground_;
    Qt::Alignment alignment_;
    bool border_;
    bool transparent_;
    bool shrinkToFit_;
    bool centredOnLetters_ = false;
    int lineWidth_ = 1;
};

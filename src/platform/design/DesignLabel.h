// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ControlDesign.h"
#include "DesignControl.h"

#include <QColor>
#include <QString>
#include <memory>

class FittedText;

// Static text in a box, drawn from the top of the box and wrapped at spaces, with an optional
// single-line border and an opaque or transparent background. A label that shrinks to fit holds a
// word instead, fitted and centred within a margin, and its font() is the one the word is drawn
// in.
class DesignLabel : public DesignControl
{
    Q_OBJECT

public:
    explicit DesignLabel(const ControlDesign &design, QWidget *parent = nullptr);
    ~DesignLabel() override;

    QString text() const { return text_; }
    void setText(const QString &text);
    QColor background() const { return background_; }
    void setBackground(const QColor &color);
    void setLineWidth(int pixels);

    // Letters drawn on the middle of the box, by their own band rather than by the font's line: the
    // school fonts' lines are much taller than their letters. For a label of one line that does not
    // shrink to fit.
    void setCentredOnLetters(bool centred);
    bool shrinksToFit() const { return shrinkToFit_; }

    // How a label that shrinks to fit lays its text out; nullptr for any other.
    const FittedText *fittedText() const { return fitted_.get(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fitText();

    QString text_;
    QColor background_;
    QColor foreground_;
    Qt::Alignment alignment_;
    bool border_;
    bool transparent_;
    bool shrinkToFit_;
    bool centredOnLetters_ = false;
    int lineWidth_ = 1;
    // The font set from outside, which a fitted text shrinks from.
    QFont designFont_;
    std::unique_ptr<FittedText> fitted_;
    bool settingFittedFont_ = false;
};

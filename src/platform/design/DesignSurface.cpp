// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignSurface.h"

#include "DesignButton.h"
#include "DesignLabel.h"
#include "Fonts.h"
#include "LetterFonts.h"
#include "StoredCursor.h"
#include "platform/pictures/PictureBox.h"

#include <QMouseEvent>
#include <QVariantAnimation>
#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTwipsPerPixel = 15.0;

} // namespace

DesignSurface::DesignSurface(std::span<const ControlDesign> layout, QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    int left = INT_MAX, top = INT_MAX, right = 0, bottom = 0;
    for (const ControlDesign &design : layout) {
        placed_.push_back({createControl(design),
                           QRect(design.left, design.top, design.width, design.height),
                           design.font});
        left = std::min(left, design.left);
        top = std::min(top, design.top);
        right = std::max(right, design.left + design.width);
        bottom = std::max(bottom, design.top + design.height);
    }
    if (!layout.empty())
        usedTwips_ = QSize(right + left, bottom + top);
    // Controls listed first are drawn in front.
    for (auto it = placed_.rbegin(); it != placed_.rend(); ++it)
        it->widget->raise();
    setFocusOrder(layout);
    relayout();
}

void DesignSurface::setFocusOrder(std::span<const ControlDesign> layout)
{
    std::vector<std::pair<int, QWidget *>> order;
    for (std::size_t row = 0; row < layout.size(); ++row) {
        if (layout[row].focusOrder >= 0)
            order.emplace_back(layout[row].focusOrder, placed_[row].widget);
    }
    if (order.empty())
        return;
    std::sort(order.begin(), order.end());
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1].second, order[i].second);
    // The first in the order holds the focus when the window opens.
    order.front().second->setFocus();
}

QWidget *DesignSurface::createControl(const ControlDesign &design)
{
    QWidget *widget = nullptr;
    switch (design.kind) {
    case ControlKind::Label:
        widget = new DesignLabel(design, this);
        break;
    case ControlKind::Image: {
        auto *picture = new PictureBox(this);
        if (design.picture)
            picture->loadPicture(QString::fromLatin1(design.picture));
        widget = picture;
        break;
    }
    case ControlKind::Button:
        widget = new DesignButton(design, this);
        break;
    }
    if (design.cursor)
        widget->setCursor(storedCursor(QString::fromLatin1(design.cursor)));
    widget->setObjectName(QString::fromLatin1(design.name));
    if (design.index >= 0)
        widget->setProperty("index", design.index);
    return widget;
}

QSizeF DesignSurface::designSize() const
{
    return QSizeF(usedTwips_) / kTwipsPerPixel;
}

void DesignSurface::setBackground(const QColor &color)
{
    QPalette colors = palette();
    colors.setColor(QPalette::Window, color);
    setPalette(colors);
}

QWidget *DesignSurface::control(const char *name, int index) const
{
    for (const Placed &placed : placed_) {
        const QWidget *widget = placed.widget;
        const QVariant itsIndex = widget->property("index");
        if (widget->objectName() == QLatin1String(name) &&
            (itsIndex.isValid() ? itsIndex.toInt() : -1) == index)
            return placed.widget;
    }
    return nullptr;
}

DesignLabel *DesignSurface::label(const char *name, int index) const
{
    return qobject_cast<DesignLabel *>(control(name, index));
}

PictureBox *DesignSurface::picture(const char *name, int index) const
{
    return qobject_cast<PictureBox *>(control(name, index));
}

DesignButton *DesignSurface::button(const char *name, int index) const
{
    return qobject_cast<DesignButton *>(control(name, index));
}

DesignSurface::Placed *DesignSurface::placedOf(QWidget *control)
{
    const auto found =
        std::find_if(placed_.begin(), placed_.end(),
                     [control](const Placed &placed) { return placed.widget == control; });
    return found == placed_.end() ? nullptr : &*found;
}

void DesignSurface::moveControl(QWidget *control, int left, int top)
{
    if (Placed *placed = placedOf(control)) {
        placed->twips.moveTo(left, top);
        place(*placed);
    }
}

void DesignSurface::placeControl(QWidget *control, const QRect &twips)
{
    if (Placed *placed = placedOf(control)) {
        placed->twips = twips;
        place(*placed);
    }
}

void DesignSurface::shake(QWidget *control)
{
    constexpr int kMilliseconds = 400;
    constexpr double kSwings = 3;
    Placed *placed = placedOf(control);
    if (!placed || control->property("shaking").toBool())
        return;
    control->setProperty("shaking", true);
    auto *swing = new QVariantAnimation(control);
    swing->setDuration(kMilliseconds);
    swing->setStartValue(0.0);
    swing->setEndValue(1.0);
    // A tenth of the control's width at first, dying away.
    connect(swing, &QVariantAnimation::valueChanged, this, [this, control](const QVariant &value) {
        const double t = value.toDouble();
        if (Placed *shaken = placedOf(control)) {
            shaken->nudge = int(std::lround(control->width() / 10.0 * (1 - t) *
                                            std::sin(2 * std::numbers::pi * kSwings * t)));
            place(*shaken);
        }
    });
    connect(swing, &QVariantAnimation::finished, this, [this, control] {
        control->setProperty("shaking", false);
        if (Placed *shaken = placedOf(control)) {
            shaken->nudge = 0;
            place(*shaken);
        }
    });
    swing->start(QAbstractAnimation::DeleteWhenStopped);
}

void DesignSurface::place(const Placed &placed) const
{
    // Both edges are rounded, so controls that meet or overlap in the design still do on screen.
    const QRect &t = placed.twips;
    const double unit = scale_ / kTwipsPerPixel;
    const int x0 = int(std::lround(offset_.x() + t.left() * unit)) + placed.nudge;
    const int y0 = int(std::lround(offset_.y() + t.top() * unit));
    const int x1 = int(std::lround(offset_.x() + (t.left() + t.width()) * unit)) + placed.nudge;
    const int y1 = int(std::lround(offset_.y() + (t.top() + t.height()) * unit));
    placed.widget->setGeometry(x0, y0, x1 - x0, y1 - y0);
}

void DesignSurface::relayout()
{
    const QSizeF design = designSize();
    if (design.isEmpty() || size().isEmpty())
        return;
    scale_ = std::min(width() / design.width(), height() / design.height());
    offset_ = QPointF((width() - design.width() * scale_) / 2.0,
                      (height() - design.height() * scale_) / 2.0);
    const int lineWidth = std::max(1, qRound(scale_));
    for (const Placed &placed : placed_) {
        place(placed);
        applyFont(placed);
        if (auto *label = qobject_cast<DesignLabel *>(placed.widget))
            label->setLineWidth(lineWidth);
        else if (auto *button = qobject_cast<DesignButton *>(placed.widget))
            button->setScale(scale_);
    }
}

void DesignSurface::setLetterForm(const char *name, LetterForm form)
{
    for (Placed &placed : placed_) {
        if (placed.widget->objectName() == QLatin1String(name)) {
            placed.letters = form;
            applyFont(placed);
            if (auto *label = qobject_cast<DesignLabel *>(placed.widget))
                label->setCentredOnLetters(form == LetterForm::Lowercase ||
                                           form == LetterForm::Cursive);
        }
    }
}

void DesignSurface::applyFont(const Placed &placed) const
{
    // A label that shrinks its text to fit has room for the school fonts' long letters already.
    const auto *label = qobject_cast<const DesignLabel *>(placed.widget);
    const QFont design = designFont(placed.font, scale_);
    placed.widget->setFont(label && label->shrinksToFit()
                               ? letterFont(placed.letters, design)
                               : letterFontWithinLine(placed.letters, design));
}

void DesignSurface::resizeEvent(QResizeEvent *)
{
    relayout();
}

void DesignSurface::mousePressEvent(QMouseEvent *event)
{
    click_.press(event);
}

void DesignSurface::mouseReleaseEvent(QMouseEvent *event)
{
    if (click_.release(event, rect()))
        emit clicked();
}

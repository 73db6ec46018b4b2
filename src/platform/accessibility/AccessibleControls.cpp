// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibleControls.h"

#include "Accessibility.h"
#include "Announcer.h"
#include "platform/design/DesignButton.h"
#include "platform/design/DesignLabel.h"
#include "platform/design/DesignSurface.h"
#include "platform/pictures/PictureBox.h"

#include <algorithm>
#include <utility>

AccessibleLabel::AccessibleLabel(DesignLabel *label)
    : QAccessibleWidget(label, QAccessible::StaticText)
{}

QString AccessibleLabel::shownText() const
{
    return static_cast<const DesignLabel *>(widget())->text();
}

void *AccessibleLabel::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleLabel::text(QAccessible::Text type) const
{
    if (type == QAccessible::Name && widget()->accessibleName().isEmpty())
        return shownText();
    return QAccessibleWidget::text(type);
}

void AccessibleLabel::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

QString AccessibleLabel::text(int startOffset, int endOffset) const
{
    return shownText().mid(startOffset, endOffset - startOffset);
}

int AccessibleLabel::characterCount() const
{
    return int(shownText().size());
}

QString AccessibleLabel::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

AccessiblePicture::AccessiblePicture(PictureBox *picture)
    : QAccessibleWidget(picture, QAccessible::Graphic)
{}

QString AccessiblePicture::text(QAccessible::Text type) const
{
    if (type != QAccessible::Name)
        return QAccessibleWidget::text(type);
    switch (static_cast<PictureBox *>(widget())->content()) {
    case PictureBox::Content::Nothing:
        return {};
    case PictureBox::Content::Placeholder:
        return QStringLiteral("nessuna immagine");
    case PictureBox::Content::Waiting: // named by the word it is about to show
    case PictureBox::Content::Picture:
        break;
    }
    return widget()->accessibleName();
}

AccessibleButton::AccessibleButton(DesignButton *button)
    : QAccessibleWidget(button, QAccessible::Button)
{}

QString AccessibleButton::text(QAccessible::Text type) const
{
    if (type == QAccessible::Name && widget()->accessibleName().isEmpty())
        return static_cast<DesignButton *>(widget())->text().remove(QLatin1Char('&'));
    return QAccessibleWidget::text(type);
}

QAccessible::State AccessibleButton::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = static_cast<DesignButton *>(widget())->isDown();
    return state;
}

QStringList AccessibleButton::actionNames() const
{
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void AccessibleButton::doAction(const QString &action)
{
    if (action != pressAction()) {
        QAccessibleWidget::doAction(action);
        return;
    }
    // Queued: a box the click opens must not hold the screen reader's call.
    QMetaObject::invokeMethod(static_cast<DesignButton *>(widget()), &QAbstractButton::click,
                              Qt::QueuedConnection);
}

AccessibleSurface::AccessibleSurface(DesignSurface *surface)
    : QAccessibleWidget(surface, QAccessible::Client)
{}

QWidgetList AccessibleSurface::readable() const
{
    QWidgetList controls;
    for (QObject *child : widget()->children()) {
        auto *control = qobject_cast<QWidget *>(child);
        if (control && !control->isWindow() && !isHiddenFromReaders(control))
            controls << control;
    }
    // In reading order, top to bottom and left to right, whatever the order they are drawn in.
    std::stable_sort(controls.begin(), controls.end(), [](const QWidget *a, const QWidget *b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    return controls;
}

int AccessibleSurface::childCount() const
{
    return int(readable().size());
}

QAccessibleInterface *AccessibleSurface::child(int index) const
{
    const QWidgetList controls = readable();
    if (index < 0 || index >= controls.size())
        return nullptr;
    return QAccessible::queryAccessibleInterface(controls.at(index));
}

int AccessibleSurface::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child)
        return -1;
    return int(readable().indexOf(qobject_cast<QWidget *>(child->object())));
}

AccessibleAnnouncer::AccessibleAnnouncer(Announcer *announcer)
    : QAccessibleWidget(announcer, QAccessible::Notification)
{}

QString AccessibleAnnouncer::text(QAccessible::Text type) const
{
    if (type == QAccessible::Name)
        return static_cast<Announcer *>(widget())->message();
    return QAccessibleWidget::text(type);
}

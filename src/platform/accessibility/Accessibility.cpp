// SPDX-License-Identifier: GPL-3.0-or-later
#include "Accessibility.h"

#include "AccessibleControls.h"
#include "AccessibleGrid.h"
#include "Announcer.h"
#include "GridFocus.h"
#include "platform/design/DesignButton.h"
#include "platform/design/DesignLabel.h"
#include "platform/design/DesignSurface.h"
#include "platform/pictures/PictureBox.h"

#include <QAccessible>

namespace {

constexpr const char *kHiddenFromReaders = "hiddenFromReaders";

// Qt asks with the most derived class's name first, then its bases'.
QAccessibleInterface *controlInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("DesignLabel"))
        return new AccessibleLabel(static_cast<DesignLabel *>(object));
    if (className == QLatin1String("PictureBox"))
        return new AccessiblePicture(static_cast<PictureBox *>(object));
    if (className == QLatin1String("DesignButton"))
        return new AccessibleButton(static_cast<DesignButton *>(object));
    if (className == QLatin1String("DesignSurface"))
        return new AccessibleSurface(static_cast<DesignSurface *>(object));
    if (className == QLatin1String("GridFocus"))
        return new AccessibleGrid(static_cast<GridFocus *>(object));
    if (className == QLatin1String("Announcer"))
        return new AccessibleAnnouncer(static_cast<Announcer *>(object));
    return nullptr;
}

} // namespace

void installAccessibility()
{
    QAccessible::installFactory(&controlInterface);
}

void notifyTextChanged(QObject *control, const QString &before, const QString &after)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleTextUpdateEvent text(control, 0, before, after);
    QAccessible::updateAccessibility(&text);
    QAccessibleEvent name(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
}

void hideFromReaders(QWidget *control)
{
    control->setProperty(kHiddenFromReaders, true);
}

bool isHiddenFromReaders(const QWidget *control)
{
    return control->property(kHiddenFromReaders).toBool();
}

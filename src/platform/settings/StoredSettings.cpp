// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoredSettings.h"

StoredSettings::StoredSettings() : settings_(QStringLiteral("zibaldo"), QStringLiteral("zibaldo"))
{}

QString StoredSettings::value(const QString &key) const
{
    // A value the program did not write, such as a number or a list, reads as nothing known.
    const QVariant stored = settings_.value(key);
    return stored.typeId() == QMetaType::QString ? stored.toString() : QString();
}

void StoredSettings::setValue(const QString &key, const QString &value)
{
    settings_.setValue(key, value);
    // Written now: a program ended by the session's logout must not lose the choice.
    settings_.sync();
}

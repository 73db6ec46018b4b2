// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Settings.h"

#include <QSettings>

// The choices kept from one session to the next: the user's settings file on Linux
// (~/.config/zibaldo/zibaldo.conf), the registry on Windows, with the system's file
// (/etc/xdg/zibaldo/zibaldo.conf) read under it. Where nothing can be written, as in a locked
// school profile, a choice lasts for the session.
class StoredSettings final : public Settings
{
public:
    StoredSettings();

    QString value(const QString &key) const override;
    void setValue(const QString &key, const QString &value) override;

private:
    QSettings settings_;
};

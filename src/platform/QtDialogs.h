// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Dialogs.h"

class QtDialogs final : public Dialogs
{
public:
    void information(QWidget *parent, const QString &text) override;
    void critical(QWidget *parent, const QString &text) override;
    bool question(QWidget *parent, const QString &text) override;
    QString openFileName(QWidget *parent, const QString &folder, const QString &filter) override;
};

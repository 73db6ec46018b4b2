// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>

// Where the program keeps what a teacher chose, by key. A value never written reads as empty.
class Settings
{
public:
    virtual ~Settings() = default;

    virtual QString value(const QString &key) const = 0;
    virtual void setValue(const QString &key, const QString &value) = 0;
};

// Choices held for the session only.
class HeldSettings final : public Settings
{
public:
    QString value(const QString &key) const override { return values_.value(key); }
    void setValue(const QString &key, const QString &value) override { values_[key] = value; }

private:
    QHash<QString, QString> values_;
};

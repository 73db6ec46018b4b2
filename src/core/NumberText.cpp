// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberText.h"

QString numberToText(int value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

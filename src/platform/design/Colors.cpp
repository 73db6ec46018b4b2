// SPDX-License-Identifier: GPL-3.0-or-later
#include "Colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

QPalette::ColorRole systemColorRole(quint32 index)
{
    switch (index) {
    case 5:
        return QPalette::Base;
    case 8:
        return QPalette::Text;
    case 15:
        return QPalette::Button;
    case 18:
        return QPalette::ButtonText;
    default:
        return QPalette::Window;
    }
}

} // namespace

QColor colorFromStored(quint32 value)
{
    if (value & 0x80000000u)
        return QGuiApplication::palette().color(systemColorRole(value & 0xFFu));
    return QColor(int(value & 0xFFu), int((value >> 8) & 0xFFu), int((value >> 16) & 0xFFu));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The colour of a stored value: 0x00BBGGRR, or 0x800000nn for system colour nn of the desktop.
QColor colorFromStored(quint32 value);

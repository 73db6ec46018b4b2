// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <limits>

// One more on a 16-bit count, which stays at its largest value rather than turning negative.
inline qint16 countOneMore(qint16 count)
{
    return count < std::numeric_limits<qint16>::max() ? qint16(count + 1) : count;
}

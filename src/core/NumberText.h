// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A number as the captions show it: a blank in the place of the sign of a non-negative number
// (" 0", " 12"), a minus sign otherwise ("-3").
QString numberToText(int value);

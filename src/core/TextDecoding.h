// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string_view>

// Word lists come from old Windows editors (Windows-1252) or from today's ones (UTF-8). Qt's named
// codecs need ICU, which Qt's Windows builds lack, so both decodings are ours.

QString decodeWindows1252(std::string_view bytes);

// True for well-formed UTF-8 (no overlong forms, surrogates or code points past U+10FFFF).
// `multiByte` is set when at least one character takes more than one byte.
bool isStrictUtf8(std::string_view bytes, bool &multiByte);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// Splits the bytes of a word list file into fields: separated by a comma, a semicolon or a line
// end (CR LF, lone CR or lone LF), leading blanks (spaces and tabs) skipped, trailing blanks of an
// unquoted field dropped, a field opening with a double quote running to the next one. Works on
// bytes so that any encoding can be decoded afterwards: every separator is ASCII.
struct SplitFields
{
    std::vector<std::string_view> fields; // at most the number asked for
    bool cut = false;                     // a further field follows the last one kept
    bool needMore = false;                // the bytes ran out before the fields were settled
};

// `wholeFile` says that nothing follows `bytes`; otherwise running into their end asks for more.
SplitFields splitWordFields(std::string_view bytes, bool wholeFile, std::size_t maxFields);

// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordListFormat.h"

namespace {

// A semicolon separates as a comma does: spreadsheets writing Italian CSV use it.
bool endsField(char c)
{
    return c == ',' || c == ';' || c == '\r' || c == '\n';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

SplitFields splitWordFields(std::string_view bytes, bool wholeFile, std::size_t maxFields)
{
    SplitFields result;
    const std::size_t size = bytes.size();
    std::size_t pos = 0;
    // Running into the end of a part of the file leaves the current field unsettled.
    auto stopsShort = [&] {
        if (pos < size || wholeFile)
            return false;
        result.needMore = true;
        return true;
    };

    // The end-of-file test comes before each field, so a final line end adds no field.
    while (pos < size) {
        if (result.fields.size() == maxFields) {
            result.cut = true;
            return result;
        }
        while (pos < size && isBlank(bytes[pos]))
            ++pos;
        if (stopsShort())
            return result;

        std::string_view field;
        if (pos < size && bytes[pos] == '"') {
            const std::size_t open = pos + 1;
            const std::size_t close = bytes.find('"', open);
            if (close == std::string_view::npos) {
                pos = size;
                if (stopsShort())
                    return result;
                field = bytes.substr(open);
            } else {
                field = bytes.substr(open, close - open);
                pos = close + 1;
                // Whatever stands between the closing quote and the separator is dropped.
                while (pos < size && !endsField(bytes[pos]))
                    ++pos;
            }
        } else {
            const std::size_t start = pos;
            while (pos < size && !endsField(bytes[pos]))
                ++pos;
            std::size_t end = pos;
            while (end > start && isBlank(bytes[end - 1]))
                --end;
            field = bytes.substr(start, end - start);
        }

        if (stopsShort())
            return result;
        if (pos < size && bytes[pos++] == '\r') {
            if (stopsShort())
                return result;
            if (pos < size && bytes[pos] == '\n')
                ++pos;
        }
        result.fields.push_back(field);
    }
    result.needMore = !wholeFile;
    return result;
}

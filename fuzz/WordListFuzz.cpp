// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds raw bytes to the word list reader: whole, and in two parts as a long file is read.
#include "core/TextDecoding.h"
#include "core/WordListFormat.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const std::size_t most = size % 7 == 0 ? 3 : 500;
    const SplitFields whole = splitWordFields(bytes, true, most);
    if (whole.needMore || whole.fields.size() > most)
        std::abort();

    // What a first part settles must agree with the whole file.
    const SplitFields part = splitWordFields(bytes.substr(0, size / 2), false, most);
    if (part.fields.size() > whole.fields.size())
        std::abort();
    for (std::size_t i = 0; i < part.fields.size(); ++i) {
        if (part.fields[i] != whole.fields[i])
            std::abort();
    }
    if (part.cut && !whole.cut)
        std::abort();

    for (const std::string_view field : whole.fields) {
        bool multiByte = false;
        const bool utf8 = isStrictUtf8(field, multiByte);
        const QString text = utf8 ? QString::fromUtf8(field.data(), qsizetype(field.size()))
                                  : decodeWindows1252(field);
        if (!utf8 && text.size() != qsizetype(field.size()))
            std::abort();
    }
    return 0;
}

// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/utf8text.h"

char32_t NextCharacter(std::string_view text, std::size_t &at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    const int length = lead < 0x80   ? 1
                       : lead < 0xC2 ? 0
                       : lead < 0xE0 ? 2
                       : lead < 0xF0 ? 3
                       : lead < 0xF5 ? 4
                                     : 0;
    if (length == 1 || length == 0 || at + std::size_t(length) > text.size()) {
        ++at;
        return length == 1 ? lead : 0xFFFD;
    }
    char32_t c = lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        if ((byte(at + std::size_t(i)) & 0xC0) != 0x80) {
            ++at;
            return 0xFFFD;
        }
        c = (c << 6) | (byte(at + std::size_t(i)) & 0x3F);
    }
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kLeast[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++at;
        return 0xFFFD;
    }
    at += std::size_t(length);
    return c;
}

bool IsBlank(char32_t c)
{
    return c == 0x20 || (c >= 0x09 && c <= 0x0D) || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

std::size_t CharacterCount(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); ++count)
        NextCharacter(text, at);
    return count;
}

std::string_view TrimBlanks(std::string_view text)
{
    std::size_t from = 0, to = text.size();
    for (std::size_t at = 0; at < text.size();) {
        if (!IsBlank(NextCharacter(text, at)))
            break;
        from = at;
    }
    // Backwards: the last character's first byte is the last byte that does not continue one.
    while (to > from) {
        std::size_t start = to - 1;
        while (start > from && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80)
            --start;
        std::size_t at = start;
        if (!IsBlank(NextCharacter(text, at)) || at != to)
            break;
        to = start;
    }
    return text.substr(from, to - from);
}

bool IsUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t from = at;
        if (NextCharacter(text, at) == 0xFFFD && text.substr(from, 3) != "\xEF\xBF\xBD")
            return false;
    }
    return true;
}

std::u16string Utf16Of(std::string_view text)
{
    std::u16string wide;
    for (std::size_t at = 0; at < text.size();) {
        char32_t c = NextCharacter(text, at);
        if (c >= 0x10000) {
            c -= 0x10000;
            wide += char16_t(0xD800 + (c >> 10));
            c = 0xDC00 + (c & 0x3FF);
        }
        wide += char16_t(c);
    }
    return wide;
}

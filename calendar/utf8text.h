// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// UTF-8 text as the toolkit reads it, for the calendar's readers of names, places and files.
#include <cstddef>
#include <string>
#include <string_view>

// One character of UTF-8 text at `at`, which moves past it; U+FFFD for a byte that begins no
// well-formed character, which then moves one byte on.
char32_t NextCharacter(std::string_view text, std::size_t &at);
// A blank as the toolkit counts one: the ASCII blanks, and Unicode's separators.
bool IsBlank(char32_t c);
// Characters (code points) of UTF-8 text.
std::size_t CharacterCount(std::string_view text);
// The text without blanks at either end, as the toolkit trims.
std::string_view TrimBlanks(std::string_view text);
// Whether the text is well-formed UTF-8.
bool IsUtf8(std::string_view text);
// The text in UTF-16, as the calendar's readers of typed dates read it.
std::u16string Utf16Of(std::string_view text);

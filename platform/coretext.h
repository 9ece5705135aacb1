// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariant>
#include <string_view>

// The calendar core keeps its names and meanings as UTF-8 (the English ones plain ASCII) and
// reads typed texts as UTF-16: the two conversions between its texts and the toolkit's.
inline QString FromCore(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string_view ToCore(const QString &text)
{
    return {reinterpret_cast<const char16_t *>(text.utf16()), static_cast<size_t>(text.size())};
}

// An empty text stored or written as null: the register and its document keep no empty place
// or note.
inline QVariant TextOrNull(const QString &text)
{
    return text.isEmpty() ? QVariant() : QVariant(text);
}

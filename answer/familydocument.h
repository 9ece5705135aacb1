// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/familyregister.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <variant>
#include <vector>

// What is wrong with an entry as a user gave it, or nullopt when it may be kept; the entry is
// made ready to keep meanwhile: the person's name without control characters and with single
// blanks, the place trimmed, the days sorted without repeats, and a kind other than a death
// given the default days and months, which only a death uses. The command line, the window and
// the import all check an entry here.
std::optional<QString> EntryProblem(FamilyEntry &entry);

// The family's days as a JSON document that a later Dalvane reads back:
// {"format": "dalvane-family", "version": 1, "people": [...]}, without the register's ids.
QByteArray FamilyDocument(const std::vector<FamilyEntry> &entries);

// The entries of a family document, each checked by EntryProblem; only the person and the date
// are required. Any bad entry refuses the whole document, and the message says which entry
// (counted from 1) and what is wrong with it; so does a document of another format or of a
// newer version.
std::variant<std::vector<FamilyEntry>, QString> ReadFamilyDocument(const QByteArray &document);

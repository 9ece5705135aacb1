// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The family's days as a file that any Dalvane, on the desktop or in the page, reads back: the
// JSON document that export writes, and a spreadsheet's CSV. Either is read all or nothing.
#include "calendar/datetext.h"
#include "calendar/familyentry.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

// {"format": "dalvane-family", "version": 1, "people": [...]}, without the register's ids,
// keys in order and indented by four spaces, one value a line.
std::string FamilyDocument(const std::vector<FamilyRecord> &entries);

// The entries of a family document, each checked by EntryProblem; only the person and the date
// are required. Any bad entry refuses the whole document, and the message says which entry
// (counted from 1) and what is wrong with it; so does a document of another format or of a
// newer version.
std::variant<std::vector<FamilyRecord>, std::string> ReadFamilyDocument(std::string_view document,
                                                                        const ZoneKnown &zoneKnown);

// TEXT as a JSON string onto OUT, escaped as the desktop's documents and answers have always
// been written: the two that must be, the short escapes, any other control character as \u00xx
// (lower-case hex), and everything else as it is.
void AppendJsonText(std::string &out, std::string_view text);

// What the document and CSV readers say of a field that does not read.
inline constexpr std::string_view kKindProblem =
    "the kind must be death, birth, wedding, navjote or other";
inline constexpr std::string_view kCalendarProblem =
    "the calendar must be shahenshahi, kadmi or fasli";
inline constexpr std::string_view kBeforeDawnProblem = "before_dawn must be true or false";
inline constexpr std::string_view kTimeProblem = "the time must be given as HH:MM";
inline constexpr std::string_view kDeathOnlyProblem = "days and months are kept for a death only";
inline constexpr std::string_view kMonthsProblem = "the months must be a whole number";
// "the date must be given as yyyy-mm-dd", and the CSV's typed order, then the calendar's range.
inline constexpr std::string_view kDateProblem = "the date must be given as yyyy-mm-dd";
inline constexpr std::string_view kDateRange = ", from 0100-01-01 to 9999-12-31";

// Whether a file is a JSON document rather than CSV: its first character, after a byte-order
// mark and blanks, is "{".
bool IsJsonDocument(std::string_view text);

// The columns of the family's CSV, as its header row names them: person and date required, the
// others in any order, any of them left out, names in any case.
inline constexpr std::string_view kFamilyCsvColumns[] = {
    "person", "kind", "date", "calendar", "before_dawn", "time", "place", "days", "months", "note"};

// The entries as CSV: a header row naming every column, a comma between cells, CRLF after each
// row, a cell quoted only when it holds a comma, a quote or a line end. A death's days are
// "4,10,30" (so quoted), or "none" for no days; a column that does not apply is empty.
std::string FamilyCsv(const std::vector<FamilyRecord> &entries);

// The entries of a CSV file, UTF-8 with or without a byte-order mark, cells separated by commas
// or semicolons (the header row's), quoted or not, rows ended by CRLF or LF. An empty cell takes
// the default: a death, Shahenshahi, not before dawn, no time, place or note, the 4th, 10th and
// 30th days and 12 months. Dates are ISO yyyy-mm-dd, or typed in `order` with `rules`. Rows with
// every cell empty are skipped. Any bad row refuses the whole file, and the message names the
// row as a spreadsheet numbers it (the header is row 1) and the column.
std::variant<std::vector<FamilyRecord>, std::string>
ReadFamilyCsv(std::string_view text, std::optional<DateOrderCode> order, const DateTextRules &rules,
              const ZoneKnown &zoneKnown);

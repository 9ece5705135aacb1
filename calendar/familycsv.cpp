// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The family's days as a spreadsheet keeps them (RFC 4180), one row an entry.
#include "calendar/checks.h"
#include "calendar/familydocument.h"
#include "calendar/observancetext.h"
#include "calendar/utf8text.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <limits>

namespace {

constexpr std::size_t kColumnCount = std::size(kFamilyCsvColumns);
constexpr std::size_t kNoColumn = kColumnCount;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower)
        c = c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    return lower;
}

// A row as the file holds it, numbered as a spreadsheet shows it, from 1.
struct CsvRow
{
    int number;
    std::vector<std::string> cells;
};

// The separator the header row uses: a semicolon when it has more of them than commas outside
// quotes, as a spreadsheet writes CSV where the comma is the decimal separator.
char SeparatorOf(std::string_view text)
{
    std::size_t commas = 0, semicolons = 0;
    bool quoted = false;
    for (char c : text) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\n' || c == '\r'))
            break;
        commas += !quoted && c == ',';
        semicolons += !quoted && c == ';';
    }
    return semicolons > commas ? ';' : ',';
}

// One cell from `at`, which moves to the separator or line end after it; false when a quoted
// cell is not closed, or goes on after its closing quote.
bool ReadCell(std::string_view text, std::size_t &at, char separator, std::string &cell)
{
    const auto ends = [&](std::size_t i) {
        return i >= text.size() || text[i] == separator || text[i] == '\n' || text[i] == '\r';
    };
    if (at >= text.size() || text[at] != '"') {
        const std::size_t from = at;
        while (!ends(at))
            ++at;
        cell.assign(text.substr(from, at - from));
        return true;
    }
    for (++at; at < text.size(); ++at) {
        if (text[at] != '"') {
            cell += text[at];
        } else if (at + 1 < text.size() && text[at + 1] == '"') {
            cell += '"', ++at;
        } else {
            ++at;
            return ends(at);
        }
    }
    return false;
}

// Every row of the file, or the problem with its quotes.
std::variant<std::vector<CsvRow>, std::string> RowsOf(std::string_view text, char separator)
{
    std::vector<CsvRow> rows;
    std::size_t at = 0;
    for (int number = 1; at < text.size(); ++number) {
        CsvRow row{number, {}};
        for (bool more = true; more;) {
            std::string cell;
            if (!ReadCell(text, at, separator, cell))
                return "row " + std::to_string(number) +
                       ": a quoted cell must be closed by a quote before the next cell or row";
            row.cells.push_back(std::move(cell));
            more = at < text.size() && text[at] == separator;
            at += more;
        }
        at += at < text.size() && text[at] == '\r';
        at += at < text.size() && text[at] == '\n';
        rows.push_back(std::move(row));
    }
    return rows;
}

// The column each cell of the header row names, or the problem with the header.
std::variant<std::vector<std::size_t>, std::string> ColumnsOf(const CsvRow &header)
{
    std::vector<std::size_t> columns;
    for (const std::string &cell : header.cells) {
        std::string name = Lower(TrimBlanks(cell));
        std::replace_if(
            name.begin(), name.end(), [](char c) { return c == ' ' || c == '-'; }, '_');
        const auto *found = std::find(std::begin(kFamilyCsvColumns), std::end(kFamilyCsvColumns),
                                      std::string_view(name));
        const std::size_t column = std::size_t(found - std::begin(kFamilyCsvColumns));
        if (!name.empty() && column == kNoColumn)
            return "row 1: no column is named \"" + cell +
                   "\"; the columns are person, date, kind, calendar, before_dawn, time, "
                   "place, days, months and note";
        if (column != kNoColumn &&
            std::find(columns.begin(), columns.end(), column) != columns.end())
            return "row 1: the column " + name + " is named twice";
        columns.push_back(column);
    }
    for (std::string_view required : {"person", "date"}) {
        const auto *named =
            std::find(std::begin(kFamilyCsvColumns), std::end(kFamilyCsvColumns), required);
        const std::size_t column = std::size_t(named - std::begin(kFamilyCsvColumns));
        if (std::find(columns.begin(), columns.end(), column) == columns.end())
            return "row 1: the header row names no " + std::string(required) + " column";
    }
    return columns;
}

struct CellReading
{
    std::optional<DateOrderCode> order;
    const DateTextRules &rules;
};

std::optional<std::string> ReadDate(std::string_view text, const CellReading &reading,
                                    FamilyRecord &entry)
{
    std::optional<CalendarDate> date = IsoDateOf(text);
    if (!date && reading.order)
        date = ParseDateText(Utf16Of(Lower(text)), *reading.order, reading.rules);
    if (!date)
        return std::string(kDateProblem) +
               (reading.order ? " or " + std::string(DateFormatHint(*reading.order)) : "") +
               std::string(kDateRange);
    entry.date = *date;
    return std::nullopt;
}

// A death's days as every day list reads (ReadNumberList), such as "4,10,30", or "none"; the
// range is EntryProblem's to check, in its words.
std::optional<std::vector<int>> DaysIn(std::string_view text)
{
    if (Lower(text) == "none")
        return std::vector<int>();
    return ReadNumberList(Utf16Of(text), std::numeric_limits<int>::min(),
                          std::numeric_limits<int>::max());
}

// One cell's value into the entry: the problem in words, or nullopt.
std::optional<std::string> ReadCellInto(std::string_view column, const std::string &cell,
                                        const CellReading &reading, FamilyRecord &entry)
{
    const std::string_view text = TrimBlanks(cell);
    const std::string word = Lower(text);
    if (column == "person") {
        entry.person = cell;
    } else if (column == "date") {
        return ReadDate(text, reading, entry);
    } else if (column == "place") {
        entry.place = cell;
    } else if (column == "note") {
        entry.note = cell;
    } else if (text.empty()) {
        return std::nullopt; // the default
    } else if (column == "kind") {
        const std::optional<EventKind> kind = EventKindOfWord(word);
        if (!kind)
            return std::string(kKindProblem);
        entry.kind = *kind;
    } else if (column == "calendar") {
        const std::optional<Reckoning> calendar = ReckoningOfWord(word);
        if (!calendar)
            return std::string(kCalendarProblem);
        entry.calendar = *calendar;
    } else if (column == "before_dawn") {
        if (word != "true" && word != "false" && word != "yes" && word != "no" && word != "1" &&
            word != "0")
            return std::string(kBeforeDawnProblem);
        entry.beforeDawn = word == "true" || word == "yes" || word == "1";
    } else if (column == "time") {
        entry.time = ClockMinutes(text);
        if (!entry.time)
            return std::string(kTimeProblem);
    } else if (entry.kind != EventKind::Death) {
        return std::string(kDeathOnlyProblem);
    } else if (column == "days") {
        std::optional<std::vector<int>> days = DaysIn(text);
        if (!days)
            return "the days must be whole numbers a comma apart, such as 4,10,30, or none";
        entry.days = std::move(*days);
    } else {
        const bool digits = text.size() <= 9 && std::all_of(text.begin(), text.end(), [](char c) {
                                return c >= '0' && c <= '9';
                            });
        if (!digits)
            return std::string(kMonthsProblem);
        entry.months = std::stoi(std::string(text));
    }
    return std::nullopt;
}

std::string RowProblem(int row, std::string_view column, const std::string &problem)
{
    return "row " + std::to_string(row) + ", column " + std::string(column) + ": " + problem;
}

// One data row as an entry, its cells read in the columns' order, then EntryProblem.
std::variant<FamilyRecord, std::string> EntryOfRow(const CsvRow &row,
                                                   const std::vector<std::size_t> &columns,
                                                   const CellReading &reading,
                                                   const ZoneKnown &zoneKnown)
{
    std::array<const std::string *, kColumnCount> cells{};
    for (std::size_t i = 0; i < row.cells.size(); ++i) {
        const std::size_t column = i < columns.size() ? columns[i] : kNoColumn;
        if (column != kNoColumn)
            cells[column] = &row.cells[i];
        else if (!row.cells[i].empty())
            return "row " + std::to_string(row.number) + ": cell " + std::to_string(i + 1) +
                   " is under no column the header row names";
    }
    FamilyRecord entry;
    static const std::string kEmpty;
    for (std::size_t column = 0; column < kColumnCount; ++column) {
        const std::string &cell = cells[column] ? *cells[column] : kEmpty;
        if (std::optional<std::string> problem =
                ReadCellInto(kFamilyCsvColumns[column], cell, reading, entry))
            return RowProblem(row.number, kFamilyCsvColumns[column], *problem);
    }
    if (std::optional<EntryFault> fault = EntryProblem(entry, zoneKnown))
        return RowProblem(row.number, fault->field, fault->message);
    return entry;
}

// A cell as RFC 4180 writes it: quoted, its quotes doubled, only when it must be.
void PutCell(std::string &out, std::string_view cell)
{
    if (cell.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += cell;
        return;
    }
    out += '"';
    for (char c : cell)
        out += c == '"' ? std::string_view("\"\"") : std::string_view(&c, 1);
    out += '"';
}

std::string DaysText(const FamilyRecord &entry)
{
    if (entry.days.empty())
        return "none";
    std::string text;
    for (int day : entry.days)
        text += (text.empty() ? "" : ",") + std::to_string(day);
    return text;
}

} // namespace

std::string FamilyCsv(const std::vector<FamilyRecord> &entries)
{
    std::string out;
    for (std::string_view column : kFamilyCsvColumns)
        out += (out.empty() ? "" : ",") + std::string(column);
    out += "\r\n";
    for (const FamilyRecord &entry : entries) {
        const bool death = entry.kind == EventKind::Death;
        const std::string cells[] = {entry.person,
                                     std::string(EventKindWord(entry.kind)),
                                     core::IsoDate(entry.date),
                                     std::string(core::CalendarName(entry.calendar)),
                                     entry.beforeDawn ? "true" : "false",
                                     entry.time ? ClockText(*entry.time) : "",
                                     entry.place,
                                     death ? DaysText(entry) : "",
                                     death ? std::to_string(entry.months) : "",
                                     entry.note};
        for (std::size_t i = 0; i < std::size(cells); ++i) {
            out += i ? "," : "";
            PutCell(out, cells[i]);
        }
        out += "\r\n";
    }
    return out;
}

std::variant<std::vector<FamilyRecord>, std::string>
ReadFamilyCsv(std::string_view text, std::optional<DateOrderCode> order, const DateTextRules &rules,
              const ZoneKnown &zoneKnown)
{
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    if (!IsUtf8(text))
        return std::string("the file is not UTF-8 text");
    std::variant<std::vector<CsvRow>, std::string> read = RowsOf(text, SeparatorOf(text));
    if (const std::string *problem = std::get_if<std::string>(&read))
        return *problem;
    const std::vector<CsvRow> &rows = std::get<std::vector<CsvRow>>(read);
    const auto columns = ColumnsOf(rows.empty() ? CsvRow{1, {}} : rows.front());
    if (const std::string *problem = std::get_if<std::string>(&columns))
        return *problem;
    std::vector<FamilyRecord> entries;
    const CellReading reading{order, rules};
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const std::vector<std::string> &cells = rows[i].cells;
        if (std::all_of(cells.begin(), cells.end(), [](const auto &cell) { return cell.empty(); }))
            continue;
        std::variant<FamilyRecord, std::string> entry =
            EntryOfRow(rows[i], std::get<std::vector<std::size_t>>(columns), reading, zoneKnown);
        if (const std::string *problem = std::get_if<std::string>(&entry))
            return *problem;
        entries.push_back(std::move(std::get<FamilyRecord>(entry)));
    }
    return entries;
}

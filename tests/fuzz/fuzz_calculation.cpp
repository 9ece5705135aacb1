// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Input: one byte choosing the regional setting, the date order and the before-dawn flag, then
// the date text, a newline and the year text (UTF-8). Everything the window does with them
// runs, and what must hold of its answers is checked against plain day arithmetic. The same two
// texts are also read as the festival commands read a month (YYYY-MM) and a number, and as the
// moon's --from and --months and as --names.
//
// With bit 0x40 of the first byte the texts are the Schedule window's instead: date, first
// year, day list and name, a line each; the schedule is asked and written as a calendar file.
// With bit 0x80 they are the place and time texts of the sunrise rule (FuzzSun); with both bits
// 0xC0, what the family register reads (FuzzFamily): a document to import, or the texts of an
// entry a line each: name, note, id, date, time, place and days. With all three bits 0xE0, a CSV
// file to import (FuzzFamilyCsv), its dates typed in the order of bits 0x18 besides ISO.
#include "answer/answer.h"
#include "answer/family.h"
#include "answer/familydocument.h"
#include "answer/festivalanswer.h"
#include "answer/question.h"
#include "answer/skyanswer.h"
#include "calendar/familydocument.h"
#include "calendar/roz.h"
#include "civiloracle.h"
#include "platform/regional.h"

#include <QJsonDocument>
#include <QSet>
#include <QTimeZone>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <libical/ical.h>

namespace {

const RegionalSettings &Settings(int index)
{
    static const RegionalSettings all[] = {
        RegionalSettings::fromLocale(QLocale(QStringLiteral("en_GB"))),
        RegionalSettings::fromLocale(QLocale(QStringLiteral("en_US"))),
        RegionalSettings::fromLocale(QLocale(QStringLiteral("hu_HU"))),
        RegionalSettings::fromLocale(QLocale(QStringLiteral("fa_IR"))),
        RegionalSettings::fromLocale(QLocale(QStringLiteral("de_DE"))),
        RegionalSettings::fromLocale(QLocale(QStringLiteral("ko_KR"))),
        RegionalSettings::fromLocale(QLocale(QStringLiteral("C"))),
        RegionalSettings::fromLocale(QLocale(QStringLiteral("sv_SE"))),
    };
    return all[index % 8];
}

long DaysOf(CalendarDate date)
{
    return DaysFromCivil({date.year(), date.month(), date.day()});
}

// What a failed check prints before the abort, so that the report names the broken property
// and the inputs that broke it without a debugger.
struct Case
{
    const QString &date;
    const QString &year;
    const RegionalSettings &settings;
    int order;
    bool beforeDawn;
};

void Require(bool condition, const char *property, const Case &c)
{
    if (condition)
        return;
    std::fprintf(
        stderr, "fuzz: %s fails for date text \"%s\", year text \"%s\", locale %s, order %d%s\n",
        property, qPrintable(c.date), qPrintable(c.year), qPrintable(c.settings.locale.name()),
        c.order, c.beforeDawn ? ", before dawn" : "");
    std::abort();
}

// The festival commands' texts: a month read is the month written, every day of it carries the
// roz its date has, and a number read lies in its range and is the number written.
void FestivalTexts(const QString &monthText, const QString &numberText, const Case &c)
{
    if (const std::optional<YearMonth> month = ParseYearMonth(monthText)) {
        Require(QStringLiteral("%1-%2")
                        .arg(month->year, 4, 10, QChar(u'0'))
                        .arg(month->month, 2, 10, QChar(u'0')) == monthText,
                "a month reads as written", c);
        const Reckoning reckoning = static_cast<Reckoning>(monthText.size() % 3);
        for (const DayCell &cell : MonthCells(month->year, month->month, reckoning)) {
            const ZoroastrianDay day = ZoroastrianDayOf(cell.date, reckoning);
            Require(cell.day.roz == day.roz && cell.day.mah == day.mah &&
                        cell.date.month() == month->month,
                    "a month's cells carry their roz", c);
        }
        (void)MonthText(*month, reckoning, c.settings);
        if (const std::optional<int> n = ParseNumberIn(numberText, -120000, 120000)) {
            const std::optional<YearMonth> moved = AddMonths(*month, *n);
            Require(!moved || (AddMonths(*moved, -*n)->year == month->year &&
                               AddMonths(*moved, -*n)->month == month->month),
                    "months moved there and back", c);
        }
    }
    if (const std::optional<int> number = ParseNumberIn(numberText, 1, 1000))
        Require(*number >= 1 && *number <= 1000 &&
                    QString::number(*number).rightJustified(numberText.size(), u'0') == numberText,
                "a number read is in its range and as written", c);
}

// --names and the moon's options: a script read is written as it was typed; the phases of the
// months asked for come each a quarter after the one before, from 6 to 9 days later, and inside
// those months. A fuzz run has no time for 240 months: up to three of them.
void SkyTexts(const QString &monthText, const QString &numberText, const Case &c)
{
    if (const std::optional<Script> script = ScriptNamed(numberText))
        Require(ScriptKey(*script) == numberText, "a script reads as written", c);
    const std::optional<YearMonth> month = ParseYearMonth(monthText);
    const std::optional<int> months = ParseNumberIn(numberText, 1, 240);
    if (!month || !months)
        return;
    const int count = (*months - 1) % 3 + 1;
    const QTimeZone zone(numberText.size() % 2 ? "Asia/Kolkata" : "America/Toronto");
    const std::vector<LocalPhase> phases = PhasesOfMonths(*month, count, zone);
    const QDate first(month->year, month->month, 1);
    for (size_t i = 0; i < phases.size(); ++i) {
        Require(phases[i].at.date() >= first && phases[i].at.date() < first.addMonths(count),
                "a phase inside its months", c);
        if (i > 0)
            Require(int(phases[i].phase) == (int(phases[i - 1].phase) + 1) % 4 &&
                        phases[i - 1].at.secsTo(phases[i].at) > 6 * 86400 &&
                        phases[i - 1].at.secsTo(phases[i].at) < 9 * 86400,
                    "phases in their order, a quarter apart", c);
    }
    (void)MoonText(phases, c.settings);
    (void)MoonJson(phases);
}

// The sun's part: the place text, the time text and an ISO date, a line each, as --place,
// --time and the date reach the sunrise rule.
void FuzzSun(const QString &input)
{
    const QStringList lines = input.split(u'\n');
    const auto require = [&](bool condition, const char *property) {
        if (!condition) {
            std::fprintf(stderr, "fuzz: %s fails for \"%s\"\n", property,
                         qPrintable(lines.join(u'|')));
            std::abort();
        }
    };
    QString problem;
    const std::optional<Place> place = ReadPlace(lines.value(0), &problem);
    const std::optional<QTime> time = ReadClockTime(lines.value(1));
    require(!time || ReadClockTime(time->toString(QStringLiteral("H:mm"))) == time, "time");
    const std::optional<CalendarDate> date = ParseDate(lines.value(2), kYearMonthDay, Settings(6));
    if (!place || !date)
        return require(place || !problem.isEmpty(), "a place or a problem");
    require(std::abs(place->latitude) <= 90 && std::abs(place->longitude) <= 180 &&
                place->zone.isValid(),
            "a place in range with a known zone");
    const std::optional<SunAnswer> sun =
        SunAnswerFor(*place, *date, time, Reckoning::Fasli, Settings(6), &problem);
    require(sun ? sun->sunrise < sun->sunset : !problem.isEmpty(), "a sun or a problem");
    require(!sun || !sun->beforeSunrise || sun->gah == Gah::Ushahin ||
                sun->gah == Gah::Aiwisruthrem,
            "a night Gah before sunrise");
}

// A calendar file libical reads and writes again byte for byte: escaped and folded as libical
// does it. libical writes no date after 3000, so only files of the years before are compared.
bool WrittenAgainAlike(icalcomponent *calendar, const QByteArray &text,
                       const std::vector<Observance> &observances)
{
    const bool early =
        std::ranges::all_of(observances, [](const Observance &o) { return o.date.year() < 3000; });
    return !early || text == icalcomponent_as_ical_string(calendar);
}

// The Schedule window's texts: whatever they are, a schedule is answered or refused with a
// reason, and its calendar file holds one event per observance, each with an identity of its
// own and the person's name first in its summary.
int ScheduleTexts(const RegionalSettings &settings, DateOrderCode order, bool beforeDawn,
                  const QString &input)
{
    const QStringList lines = input.split(u'\n');
    Question question;
    question.dateText = lines.value(0).trimmed();
    question.order = order;
    question.beforeDawn = beforeDawn;
    question.calendar = Reckoning(lines.value(0).size() % 3);
    question.yearText = lines.value(1);
    question.yearCount = 3;
    question.person = lines.value(3);
    const std::optional<std::vector<int>> days = NumberList(lines.value(2), 1, 36500);
    question.schedule = ScheduleRequest{{}, 2, days.value_or(std::vector<int>{})};
    const std::variant<Answer, InputProblem> asked = Ask(question, settings);
    const Case c{question.dateText, question.yearText, settings, order, beforeDawn};
    if (const auto *problem = std::get_if<InputProblem>(&asked)) {
        Require(!problem->message.isEmpty(), "a refused schedule says why", c);
        return 0;
    }
    const Answer &answer = std::get<Answer>(asked);
    const QByteArray text = toICalendar(answer, QDateTime(), std::nullopt);
    icalcomponent *calendar = icalparser_parse_string(text.constData());
    Require(WrittenAgainAlike(calendar, text, *answer.observances), "libical writes it alike", c);
    QSet<QString> uids;
    for (icalcomponent *event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
         event; event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        uids.insert(QString::fromUtf8(icalcomponent_get_uid(event)));
        Require(QString::fromUtf8(icalcomponent_get_summary(event)).startsWith(answer.person),
                "the summary starts with the name", c);
    }
    icalcomponent_free(calendar);
    Require(uids.size() == qsizetype(answer.observances->size()), "one identity per observance", c);
    return 0;
}

// The family register's texts: a document imports whole or not at all and reads back as it was
// written; its entries' coming year lies in the span, after each event, one identity each in the
// calendar file. A name, a note and an id are kept only as the register may hold them.
void FuzzFamily(const QByteArray &input)
{
    const auto require = [&](bool condition, const char *property) {
        if (!condition) {
            std::fprintf(stderr, "fuzz: %s fails for \"%s\"\n", property, input.constData());
            std::abort();
        }
    };
    const QStringList lines = QString::fromUtf8(input).split(u'\n');
    TypedEntry typed;
    typed.person = lines.value(0);
    typed.note = lines.value(1);
    typed.date = lines.value(3);
    typed.time = lines.value(4);
    typed.place = lines.value(5);
    typed.days = lines.value(6);
    const std::variant<FamilyEntry, QString> kept = ReadTypedEntry(typed, Settings(6));
    if (const auto *entry = std::get_if<FamilyEntry>(&kept))
        require(!entry->person.isEmpty() && entry->person.size() <= 200 &&
                    entry->note.size() <= 1000 && entry->person == entry->person.simplified() &&
                    std::ranges::is_sorted(entry->days) &&
                    std::ranges::adjacent_find(entry->days) == entry->days.end() &&
                    ParseDate(typed.date.trimmed(), kYearMonthDay, Settings(6)) == entry->date,
                "a kept name, note, days and date");
    else
        require(!std::get<QString>(kept).isEmpty(), "a refused entry says why");
    const std::optional<qint64> id = ReadId(lines.value(2));
    require(!id || (*id > 0 && QString::number(*id).rightJustified(lines.value(2).size(), u'0') ==
                                   lines.value(2)),
            "an id as written");

    const std::variant<std::vector<FamilyEntry>, QString> read = ReadFamilyDocument(input);
    if (const QString *problem = std::get_if<QString>(&read))
        return require(!problem->isEmpty(), "a refused document says why");
    const std::vector<FamilyEntry> &entries = std::get<std::vector<FamilyEntry>>(read);
    const auto again = ReadFamilyDocument(FamilyDocument(entries));
    require(std::holds_alternative<std::vector<FamilyEntry>>(again) &&
                std::get<std::vector<FamilyEntry>>(again) == entries,
            "a document reads back as written");
    const CalendarDate from = *CalendarDate::fromYmd(2026, 1, 1);
    const Upcoming upcoming = UpcomingObservances(entries, from, 366, Settings(6));
    for (const Upcoming::Item &item : upcoming.items)
        require(item.observance.date >= from && item.observance.date.year() == 2026 &&
                    item.observance.date > upcoming.answers[item.entry].rozDate,
                "upcoming within the span and after the event");
    const QByteArray json = toJson(upcoming);
    require(QJsonDocument::fromJson(json).toJson(QJsonDocument::Compact) + '\n' == json,
            "JSON as QJsonDocument writes it");
    const QByteArray text = toICalendar(upcoming, QDateTime(), 1);
    icalcomponent *calendar = icalparser_parse_string(text.constData());
    std::vector<Observance> observances;
    for (const Upcoming::Item &item : upcoming.items)
        observances.push_back(item.observance);
    require(WrittenAgainAlike(calendar, text, observances), "libical writes it alike");
    QSet<QString> uids;
    for (icalcomponent *event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
         event; event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
        uids.insert(QString::fromUtf8(icalcomponent_get_uid(event)));
    icalcomponent_free(calendar);
    require(uids.size() == qsizetype(upcoming.items.size()), "one identity per observance");
}

// A CSV file the family register imports: read whole or refused at a row, and what is read is
// kept as a register keeps it, and reads back the same from the CSV and the JSON document the
// calendar core writes of it, a document written as QJsonDocument writes one.
void FuzzFamilyCsv(std::string_view file, std::optional<DateOrderCode> order)
{
    const auto require = [&](bool condition, const char *property) {
        if (!condition) {
            std::fprintf(stderr, "fuzz: %s fails for \"%.*s\"\n", property, int(file.size()),
                         file.data());
            std::abort();
        }
    };
    const auto read = ReadFamilyCsv(file, order, Settings(6).rules, SystemKnowsZone);
    if (const std::string *problem = std::get_if<std::string>(&read))
        return require(problem->starts_with("row ") || *problem == "the file is not UTF-8 text",
                       "a refused file names the row");
    const std::vector<FamilyRecord> &entries = std::get<std::vector<FamilyRecord>>(read);
    for (const FamilyRecord &entry : entries)
        require(!entry.person.empty() && PersonNameOf(entry.person) == entry.person &&
                    CharacterCount(entry.person) <= 200 && CharacterCount(entry.note) <= 1000 &&
                    std::is_sorted(entry.days.begin(), entry.days.end()) &&
                    std::adjacent_find(entry.days.begin(), entry.days.end()) == entry.days.end(),
                "a kept name, note and days");
    const std::string csv = FamilyCsv(entries);
    require(!IsJsonDocument(csv), "CSV is not taken for JSON");
    const auto again = ReadFamilyCsv(csv, std::nullopt, Settings(6).rules, SystemKnowsZone);
    require(std::holds_alternative<std::vector<FamilyRecord>>(again) &&
                std::get<std::vector<FamilyRecord>>(again) == entries,
            "CSV reads back as written");
    // The document's bytes are what the desktop wrote with the toolkit before the core wrote it.
    const std::string document = FamilyDocument(entries);
    const QByteArray bytes = QByteArray::fromStdString(document);
    require(IsJsonDocument(document) && QJsonDocument::fromJson(bytes).toJson() == bytes,
            "a document as QJsonDocument writes it");
    const auto fromDocument = ReadFamilyDocument(document, SystemKnowsZone);
    require(std::holds_alternative<std::vector<FamilyRecord>>(fromDocument) &&
                std::get<std::vector<FamilyRecord>>(fromDocument) == entries,
            "the document of a CSV file reads back the same");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    if ((data[0] & 0xE0) == 0xE0) {
        const int order = (data[0] >> 3) & 3;
        FuzzFamilyCsv(std::string_view(reinterpret_cast<const char *>(data + 1), size - 1),
                      order ? std::optional(DateOrderCode(order)) : std::nullopt);
        return 0;
    }
    if ((data[0] & 0xC0) == 0xC0) {
        FuzzFamily(QByteArray(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)));
        return 0;
    }
    if (data[0] & 0x80) {
        FuzzSun(QString::fromUtf8(reinterpret_cast<const char *>(data + 1),
                                  static_cast<qsizetype>(size - 1)));
        return 0;
    }
    if (data[0] & 0x40)
        return ScheduleTexts(Settings(data[0] & 7), static_cast<DateOrderCode>((data[0] >> 3) & 3),
                             data[0] & 0x20,
                             QString::fromUtf8(reinterpret_cast<const char *>(data + 1),
                                               static_cast<qsizetype>(size - 1)));
    const RegionalSettings &settings = Settings(data[0] & 7);
    const auto order = static_cast<DateOrderCode>((data[0] >> 3) & 3); // 0 reads as 3
    const bool beforeDawn = data[0] & 0x20;
    const QString input = QString::fromUtf8(reinterpret_cast<const char *>(data + 1),
                                            static_cast<qsizetype>(size - 1));
    const qsizetype newline = input.indexOf(u'\n');
    const QString dateText = input.left(newline).trimmed();
    const QString yearText = newline < 0 ? QStringLiteral("2005") : input.mid(newline + 1);

    const Case c{dateText, yearText, settings, order, beforeDawn};
    FestivalTexts(dateText, yearText, c);
    SkyTexts(dateText, yearText, c);
    const std::optional<CalendarDate> entered = ParseDate(dateText, order, settings);
    Require(IsDate(dateText, order, settings) == entered.has_value(), "is-date agrees with parse",
            c);
    (void)IsNumeric(yearText, settings);
    (void)Val(yearText, settings);
    if (!entered)
        return 0;

    // What the program writes of a date it reads back.
    for (const QString &pattern : {TodayPattern(order), QStringLiteral("dd-mmm-yyyy")})
        Require(ParseDate(FormatDate(*entered, pattern, settings), order, settings) == entered,
                "a written date reads back", c);
    (void)FormatDate(*entered, QStringLiteral("Long Date"), settings);

    const std::optional<CalendarDate> reckoning = BeforeDawnShift(*entered, beforeDawn);
    if (!reckoning)
        return 0;
    const int roz = ReckonRoz(*reckoning, order);
    Require(roz >= 1 && roz <= 35 && roz == OracleRoz(DaysOf(*reckoning)), "roz by day count", c);

    const std::u16string year(reinterpret_cast<const char16_t *>(yearText.utf16()),
                              yearText.size());
    if (const std::optional<CalendarDate> same =
            SameRozDate(*reckoning, year, order, settings.rules)) {
        const long distance = DaysOf(*same) - DaysOf(*reckoning);
        Require(distance >= 0 && distance % 365 == 0, "same roz a whole number of years on", c);
    }
    return 0;
}

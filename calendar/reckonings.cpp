// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/reckonings.h"

#include <algorithm>
#include <chrono>
#include <map>

namespace {

using namespace std::chrono;

constexpr long DayNumber(int year, int month, int day)
{
    return sys_days(std::chrono::year(year) / month / day).time_since_epoch().count();
}

long DayNumber(CalendarDate date)
{
    return DayNumber(date.year(), date.month(), date.day());
}

std::optional<CalendarDate> DateOfDayNumber(long number)
{
    const year_month_day ymd{sys_days(days(number))};
    return CalendarDate::fromYmd(int(ymd.year()), int(unsigned(ymd.month())),
                                 int(unsigned(ymd.day())));
}

// Roz 1 of mah 1 of YZ 1395 in the Shahenshahi reckoning: Navroz, 15 August 2025.
constexpr long kNavroz1395 = DayNumber(2025, 8, 15);
constexpr int kKadmiLead = 30;

constexpr long FasliNewYear(int gregorianYear)
{
    return DayNumber(gregorianYear, 3, 21);
}

// The Gregorian year in which the Fasli year holding the date began.
int FasliStartYear(CalendarDate date)
{
    return date.month() > 3 || (date.month() == 3 && date.day() >= 21) ? date.year()
                                                                       : date.year() - 1;
}

constexpr RozRow kAvardadSalGahRow = {
    "AVARDAD-SAL-GAH",
    "The day that makes the Fasli year whole, kept after the Gathas when February has 29 days."};

constexpr std::string_view kMahNames[12] = {
    "Farvardin", "Ard-i-Behesht", "Khordard", "Tir", "Amerdaad", "Shehrevar",
    "Meher",     "Aavaan",        "Aadar",    "Dae", "Behman",   "Asfandarmad"};

// The observances in the order they were made, each day once: the first made on a day stands for
// the others, which it names, so that a calendar gains one event a day under the identity the
// first had before.
std::vector<Observance> EachDayOnce(std::vector<Observance> entries)
{
    std::vector<Observance> kept;
    std::map<CalendarDate, size_t> byDay;
    for (Observance &entry : entries) {
        const auto [at, first] = byDay.try_emplace(entry.date, kept.size());
        if (first)
            kept.push_back(std::move(entry));
        else
            kept[at->second].also.push_back({entry.kind, entry.n});
    }
    return kept;
}

} // namespace

ZoroastrianDay ZoroastrianDayOf(CalendarDate date, Reckoning reckoning)
{
    if (reckoning == Reckoning::Fasli) {
        const int start = FasliStartYear(date);
        return DayAtPlace(int(DayNumber(date) - FasliNewYear(start)), start - 630);
    }
    const long fromNavroz =
        DayNumber(date) - kNavroz1395 + (reckoning == Reckoning::Kadmi ? kKadmiLead : 0);
    // Floored, so that days before 2025 count back whole years: [0, 364].
    const long years = (fromNavroz >= 0 ? fromNavroz : fromNavroz - 364) / 365;
    return DayAtPlace(int(fromNavroz - years * 365), int(1395 + years));
}

std::optional<CalendarDate> DateOfZoroastrianDay(ZoroastrianDay day, Reckoning reckoning)
{
    if (reckoning == Reckoning::Fasli)
        return DateOfDayNumber(FasliNewYear(day.yzYear + 630) + PlaceInYear(day.roz, day.mah));
    return DateOfDayNumber(kNavroz1395 + 365L * (day.yzYear - 1395) +
                           PlaceInYear(day.roz, day.mah) -
                           (reckoning == Reckoning::Kadmi ? kKadmiLead : 0));
}

std::optional<CalendarDate> SameRozDateInYear(CalendarDate rozDate, int targetYear,
                                              Reckoning calendar)
{
    if (targetYear < rozDate.year())
        return std::nullopt;
    if (calendar != Reckoning::Fasli)
        return DateOfDayNumber(DayNumber(rozDate) + 365L * (targetYear - rozDate.year()));
    // A Fasli year runs from 21 March into the next Gregorian year; the one that began the year
    // before holds the target year's January to March, its Gathas and its roz 36 included.
    const ZoroastrianDay own = ZoroastrianDayOf(rozDate, calendar);
    const int place = PlaceInYear(own.roz, own.mah);
    const long earlier = FasliNewYear(targetYear - 1);
    const long later = FasliNewYear(targetYear);
    const long number = earlier + std::min<long>(place, later - earlier - 1);
    const std::optional<CalendarDate> date = DateOfDayNumber(number);
    if (date && date->year() == targetYear)
        return date;
    return DateOfDayNumber(later + place);
}

std::optional<CalendarDate> SameRozDateIn(Reckoning calendar, CalendarDate rozDate,
                                          std::u16string_view yearText, DateOrderCode order,
                                          const DateTextRules &rules)
{
    if (calendar != Reckoning::Fasli)
        return SameRozDate(rozDate, yearText, order, rules);
    const std::optional<int> year = ParseYearText(yearText, rules);
    if (!year)
        return std::nullopt;
    return SameRozDateInYear(rozDate, *year, calendar);
}

const RozRow &RozRowOf(int roz)
{
    return roz == kAvardadSalGah ? kAvardadSalGahRow : RozTable[roz];
}

std::string_view MahName(int mah)
{
    return kMahNames[mah - 1];
}

std::vector<Observance> MakeSchedule(CalendarDate rozDate, Reckoning calendar,
                                     const ScheduleRequest &request)
{
    std::vector<Observance> entries;
    auto add = [&](ObservanceKind kind, int n, std::optional<CalendarDate> date, int keptAs = 0) {
        if (date)
            entries.push_back({kind, n, *date, ZoroastrianDayOf(*date, calendar), keptAs, {}});
    };
    for (int year : request.years)
        add(ObservanceKind::Year, year, SameRozDateInYear(rozDate, year, calendar));

    const ZoroastrianDay own = ZoroastrianDayOf(rozDate, calendar);
    // A Gatha day closes mah 12, so its months are those of the next year.
    const int keptAs = own.mah == 0 ? std::min(own.roz - 30, 5) : 0;
    const int months = (own.mah == 0 ? 12 : own.mah) - 1; // [0, 11]
    for (int n = 1; n <= request.months; ++n) {
        const ZoroastrianDay day = {keptAs != 0 ? keptAs : own.roz, (months + n) % 12 + 1,
                                    own.yzYear + (months + n) / 12};
        add(ObservanceKind::Month, n, DateOfZoroastrianDay(day, calendar), keptAs);
    }

    // The days are a set: "4, 4, 10" keeps the 4th day once, as one event with one identity.
    std::vector<int> days = request.days;
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    for (int n : days)
        add(ObservanceKind::Day, n, DateOfDayNumber(DayNumber(rozDate) + n - 1));
    return EachDayOnce(std::move(entries));
}

std::vector<int> TargetYears(int from, int count, const DateTextRules &rules)
{
    std::vector<int> years;
    for (int year = from; year < from + count; ++year) {
        // Three or four digits read as the year they are; only a short year goes through the
        // reading's window, and a fifth digit is no year.
        if (year >= 100 && year <= 9999)
            years.push_back(year);
        else if (const std::optional<int> read = ParseYearText(SignPositionText(year), rules))
            years.push_back(*read);
    }
    return years;
}

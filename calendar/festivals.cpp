// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/festivals.h"

#include <algorithm>

namespace {

using enum FestivalSpan;

constexpr Festival kFestivals[] = {
    {"navroz", "Navroz", 1, 1, 1, Days},
    {"khordad-sal", "Khordad Sal", 6, 1, 1, Days},
    {"farvardegan-jashan", "Farvardegan Jashan", 19, 1, 1, Days},
    {"ardibehesht-jashan", "Ardibehesht Jashan", 3, 2, 1, Days},
    {"maidyozarem-gahambar", "Maidyozarem Gahambar", 11, 2, 5, Days},
    {"khordad-jashan", "Khordad Jashan", 6, 3, 1, Days},
    {"maidyoshahem-gahambar", "Maidyoshahem Gahambar", 11, 4, 5, Days},
    {"tirangan", "Tirangan", 13, 4, 1, Days},
    {"amardad-jashan", "Amardad Jashan", 7, 5, 1, Days},
    {"shehrevar-jashan", "Shehrevar Jashan", 4, 6, 1, Days},
    {"paitishahem-gahambar", "Paitishahem Gahambar", 26, 6, 5, Days},
    {"meherangan", "Meherangan", 16, 7, 1, Days},
    {"ayathrem-gahambar", "Ayathrem Gahambar", 26, 7, 5, Days},
    {"avan-jashan", "Avan Jashan", 10, 8, 1, Days},
    {"adar-jashan", "Adar Jashan", 9, 9, 1, Days},
    {"dae-jashan-1", "Dae Jashan", 1, 10, 1, Days},
    {"dae-jashan-8", "Dae Jashan", 8, 10, 1, Days},
    {"zarthost-no-diso", "Zarthost no Diso", 11, 10, 1, Days},
    {"dae-jashan-15", "Dae Jashan", 15, 10, 1, Days},
    {"maidyarem-gahambar", "Maidyarem Gahambar", 16, 10, 5, Days},
    {"dae-jashan-23", "Dae Jashan", 23, 10, 1, Days},
    {"bahman-jashan", "Bahman Jashan", 2, 11, 1, Days},
    {"aspandarmad-jashan", "Aspandarmad Jashan", 5, 12, 1, Days},
    {"muktad", "Muktad", 26, 12, 10, ToYearEnd},
    {"hamaspathmaedem-gahambar", "Hamaspathmaedem Gahambar", 31, 0, 5, ToYearEnd},
    {"pateti", "Pateti", 35, 0, 1, LastDay},
    {"jamshedi-navroz", "Jamshedi Navroz", 0, 0, 1, March21},
};

static_assert(kFestivals[std::size(kFestivals) - 1].span == March21,
              "Jamshedi Navroz is added by Gregorian year, last in the table");

static_assert(PlaceInYear(26, 12) + 10 == PlaceInYear(35, 0) + 1,
              "Muktad runs to the fifth Gatha day");

// Only a Fasli year whose Gregorian February at its end has 29 days holds roz 36.
bool HasAvardadSalGah(int yzYear, Reckoning reckoning)
{
    return reckoning == Reckoning::Fasli && CalendarDate::isLeapYear(yzYear + 631);
}

int IndexOf(const Festival *festival)
{
    return int(festival - kFestivals);
}

} // namespace

std::span<const Festival> Festivals()
{
    return kFestivals;
}

std::vector<FestivalOccurrence> FestivalsBeginningIn(int fromYear, int years, Reckoning reckoning)
{
    const int first = std::max(fromYear, CalendarDate::kFirstYear);
    const int last = std::min(fromYear + years - 1, CalendarDate::kLastYear);
    std::vector<FestivalOccurrence> found;
    if (first > last)
        return found;
    auto add = [&](const Festival &festival, ZoroastrianDay day, int days) {
        const std::optional<CalendarDate> date = DateOfZoroastrianDay(day, reckoning);
        if (date && date->year() >= first && date->year() <= last)
            found.push_back({&festival, *date, days, day});
    };
    // Every YZ year with a day in the range; a 365-day year can begin twice in one Gregorian year.
    const int fromYz = ZoroastrianDayOf(*CalendarDate::fromYmd(first, 1, 1), reckoning).yzYear;
    const int toYz = ZoroastrianDayOf(*CalendarDate::fromYmd(last, 12, 31), reckoning).yzYear;
    for (int yz = fromYz; yz <= toYz; ++yz) {
        const bool leap = HasAvardadSalGah(yz, reckoning);
        for (const Festival &festival : kFestivals) {
            switch (festival.span) {
            case Days:
                add(festival, {festival.roz, festival.mah, yz}, festival.days);
                break;
            case ToYearEnd:
                add(festival, {festival.roz, festival.mah, yz}, festival.days + (leap ? 1 : 0));
                break;
            case LastDay:
                add(festival, {leap ? kAvardadSalGah : festival.roz, 0, yz}, 1);
                break;
            case March21:
                break;
            }
        }
    }
    // In the Fasli reckoning 21 March is Navroz itself.
    if (reckoning != Reckoning::Fasli) {
        for (int year = first; year <= last; ++year) {
            const CalendarDate date = *CalendarDate::fromYmd(year, 3, 21);
            found.push_back({&kFestivals[std::size(kFestivals) - 1], date, 1,
                             ZoroastrianDayOf(date, reckoning)});
        }
    }
    std::sort(found.begin(), found.end(), [](const auto &a, const auto &b) {
        return a.first != b.first ? a.first < b.first : IndexOf(a.festival) < IndexOf(b.festival);
    });
    return found;
}

DayCell CellOf(CalendarDate date, Reckoning reckoning)
{
    const ZoroastrianDay day = ZoroastrianDayOf(date, reckoning);
    const int place = PlaceInYear(day.roz, day.mah); // [0, 365]
    const bool leap = HasAvardadSalGah(day.yzYear, reckoning);
    DayCell cell{date, day, {}, day.roz == 1 || day.roz == 31, day.roz == 1 && day.mah == 1};
    for (const Festival &festival : kFestivals) {
        const int from = PlaceInYear(festival.roz, festival.mah);
        switch (festival.span) {
        case Days:
            if (place >= from && place < from + festival.days)
                cell.festivals.push_back({&festival, place - from + 1, festival.days});
            break;
        case ToYearEnd:
            if (place >= from)
                cell.festivals.push_back(
                    {&festival, place - from + 1, festival.days + (leap ? 1 : 0)});
            break;
        case LastDay:
            if (place == (leap ? 365 : 364))
                cell.festivals.push_back({&festival, 1, 1});
            break;
        case March21:
            if (reckoning != Reckoning::Fasli && date.month() == 3 && date.day() == 21)
                cell.festivals.push_back({&festival, 1, 1});
            break;
        }
    }
    return cell;
}

std::vector<DayCell> MonthCells(int year, int month, Reckoning reckoning)
{
    std::vector<DayCell> cells;
    const int days = CalendarDate::daysInMonth(year, month);
    cells.reserve(size_t(days));
    for (int day = 1; day <= days; ++day)
        cells.push_back(CellOf(*CalendarDate::fromYmd(year, month, day), reckoning));
    return cells;
}

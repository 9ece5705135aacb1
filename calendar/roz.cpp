// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/roz.h"

#include <cstdint>
#include <limits>

// The counters of a walk are 16-bit, as the calendar has always kept them; the roz counter
// stays within [0, 36], the month counter within [0, 13] and the leap-day count below 2400.
using Counter = std::int16_t;
static_assert(std::numeric_limits<Counter>::max() > 2400);

// Three meanings keep runs of blanks that belong to them: rows 5, 7 and 29.
constinit const RozTableRows RozTable = {{
    {"HORMUZD", "The Omniscient Source of Life (ahu)"},
    {"BEHMAN", "The Good Mind, the Pure Heart. 'The pure in Heart shall see God'."},
    {"ARD-I-BEHESHT", "The Supreme Law of the Universe, Righteousness, Neki, Neeti, Reality."},
    {"SHEHREVAR", "The Kingdom & Sovereignty of Virtue: Benevolent use of Power Forgiveness, The "
                  "Ordeal of Life, in a world of unrealities."},
    {"ASFANDARMAD", "The Discernment between Right and Wrong : Insight into the  Realities of Life "
                    "(Asha), to distinguish Unrealities (druj)."},
    {"KHORDARD", "Perfection cum Universality, of the Ever-abiding Spirituality."},
    {"AMERDAAD", "Immortality of the Soul (both six and seven are the joint Condition of the holy "
                 "Soul). Immortality is Identity with   Divinity, --- ALL-LIGHT."},
    {"DEA-PA-AADAR", "Daadaar's Day before Aadar.(This week is the second week of LIGHT."},
    {"AADAR",
     "Physical Energy, Intellectual Enlightenment and Spiritual Light. It is the Pillar of Life."},
    {"AAVAAN",
     "the Lustre of Life, resulting from Personal Purity. It is the River of Life's Purity."},
    {"KHORSHED", "the Refulgent Sun, the Shining symbol of the Eternal Glory of God."},
    {"MOHOR",
     "the Moon, the Satellite of the Earth, (gao-chithra), lit. having its Origin in Earth."},
    {"TIR", "the Sirius or Dog star, 'the brightest star in the heavens'."},
    {"GOSH", "the Creator of sentient Life (geush tashan)."},
    {"DAE-PA-MEHER",
     "Daadaar's Day before Meher (this roj begins the third week of Moral Qualities)."},
    {"MEHER", "Law-Light-Love : The Universal Cementing Principle of the Universe. The Scales of "
              "Justice, fair-dealing, the Pledge."},
    {"SAROSH",
     "the Moral vigilance, The 'Ear', always attentive to Ahoora's Whispers, in Life's clamour."},
    {"RASHNEY", "the Truth permeating the whole Nature, Justice, in my daily dealings of Life."},
    {"FARVARDIN", "the Divinity in Humanity. The unfailing Guide of the erring Soul (urvaan). The "
                  "Soul's Growth-lever, to Perfection."},
    {"BEHRAM", "the Triumph of Light over Darkness, of Right over Wrong, of Reality (Asha) over "
               "Unrealities (druj) of Life."},
    {"RAAM",
     "the joy Divine of Altruism, i.e the Principle of living for others' ease and Comfort."},
    {"GOVAAD", "Physically Healthy Atmosphere and Morally helpful Environment, conductive to "
               "Religious Life --- Healthy in Body, Mind and Soul."},
    {"DAE-PA-DIN",
     "Daadaar's Day before Din. (The fourth and the last week of Theological - Religious Ideas)."},
    {"DIN", "the Vision on the Path of Life, i.e. Religion. The sum total of Goodness earned by my "
            "Inner Being appearing as KERDAAR."},
    {"ASHISH-VANGH", "God's Blessing, attendant upon a good, moral Life, obedient to the "
                     "Meaningful Injunctions of Sraosha, 'The Pole-Star of Spiritual Life'."},
    {"AASHTAAD", "Truth, as realised by the soul's Consciousness (baodhangha), by virtue of a life "
                 "dedicated to Asha and VOHU Mano."},
    {"AASMAAN", "the Sublime and Shining Universe, that is ever expanding."},
    {"ZAMYAAD", "the light that sustains Consciousness (ushi-darena) at the Height necessary for "
                "Higher Life - Khvarena the Khureh."},
    {"MAARESPAND", "the Holy Gospels, embodying the Master Mind of the Prophet, leading the soul "
                   "to Perfection - Immortality (Yasna    31.6)."},
    {"ANERAAN", "the myriad of Lights in the heavens, and the Light in the Soul, paving the way to "
                "the soul's higher Realms of Light."},
    {"AHUNAVAD", "The First Gatha"},
    {"USHTAVAAD", "The Second Gatha"},
    {"SPENTOMAAD", "The Third Gatha"},
    {"VOHUKZARTHRA", "The Fourth Gatha"},
    {"VAHISHTOIST", "The Fifth Gatha - It's Papeti Day !"},
}};

namespace {

// 20 August 2001 is roz 35 of month 12, the fifth Gatha day and the last day of a year. It is
// read from the text that the date order names, as every other date the program reads.
CalendarDate ReferenceDate(DateOrderCode order)
{
    const char16_t *text = order == kDayMonthYear   ? u"20/08/2001"
                           : order == kMonthDayYear ? u"08/20/2001"
                                                    : u"2001/08/20";
    return *ParseDateText(text, order, DateTextRules{});
}

} // namespace

std::optional<CalendarDate> BeforeDawnShift(CalendarDate entered, bool beforeDawn)
{
    if (!beforeDawn)
        return entered;
    if (entered == CalendarDate::first())
        return std::nullopt;
    return entered.previousDay();
}

RozReckoning ReckonRozAndMonth(CalendarDate rozDate, DateOrderCode order)
{
    const CalendarDate reference = ReferenceDate(order);
    CalendarDate walking = reference;
    Counter roz;
    Counter month;
    if (rozDate <= reference) {
        roz = 35;
        month = 12;
        while (walking != rozDate) {
            --roz;
            if (roz == 0) {
                --month;
                roz = 30;
                if (month == 0) {
                    roz = 35;
                    month = 12;
                }
            }
            walking = walking.previousDay();
        }
    } else {
        // Just before roz 1 of month 1; never a result, as the reference takes the other way.
        roz = 0;
        month = 1;
        while (walking != rozDate) {
            ++roz;
            // Months 1 to 11 hold 30 roz; month 12 adds the five Gatha days.
            if ((roz == 31 && month != 12) || roz == 36) {
                ++month;
                roz = 1;
                if (month == 13)
                    month = 1;
            }
            walking = walking.nextDay();
        }
    }
    return {roz, month};
}

int ReckonRoz(CalendarDate rozDate, DateOrderCode order)
{
    return ReckonRozAndMonth(rozDate, order).roz;
}

int CountLeapDays(CalendarDate from, CalendarDate to)
{
    Counter count = 0;
    for (CalendarDate walking = from; walking != to; walking = walking.nextDay()) {
        if (walking.day() == 29 && walking.month() == 2)
            ++count;
    }
    return count;
}

std::optional<CalendarDate> SameRozDate(CalendarDate rozDate, std::u16string_view yearText,
                                        DateOrderCode order, const DateTextRules &rules)
{
    auto targetText = [&](int day, int month) {
        const std::u16string d = SignPositionText(day);
        const std::u16string m = SignPositionText(month);
        if (order == kDayMonthYear)
            return d + u'-' + m + u'-' + std::u16string(yearText);
        if (order == kMonthDayYear)
            return m + u'-' + d + u'-' + std::u16string(yearText);
        return std::u16string(yearText) + u'-' + m + u'-' + d;
    };

    // The year part is a number or nothing: read as a whole date, a year text such as " Aug"
    // would pass for a month name and the numbers around it for a day and a year.
    if (!ParseYearText(yearText, rules))
        return std::nullopt;
    std::optional<CalendarDate> target =
        ParseDateText(targetText(rozDate.day(), rozDate.month()), order, rules);
    // A 29 February has no namesake in a common year. Counting to 1 March instead still lands
    // 365 days a year later, on 28 February, which is the anniversary the person asked for.
    if (!target && rozDate.month() == 2 && rozDate.day() == 29)
        target = ParseDateText(targetText(1, 3), order, rules);
    if (!target || rozDate.year() > target->year())
        return std::nullopt;

    // Each 29 February on the way pushes the 365-day year one Gregorian day earlier.
    CalendarDate result = *target;
    for (int count = CountLeapDays(rozDate, *target); count > 0; --count)
        result = result.previousDay();
    return result;
}

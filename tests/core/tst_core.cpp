// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/checks.h"
#include "calendar/roz.h"
#include "civiloracle.h"
#include "platform/coretext.h"
#include "platform/regional.h"
#include "testsupport.h"

#include <QRegularExpression>

namespace {

// An ISO date of a table, or nothing ("none").
std::optional<CalendarDate> DateOf(const QString &iso)
{
    const QDate d = QDate::fromString(iso, Qt::ISODate);
    return d.isValid() ? CalendarDate::fromYmd(d.year(), d.month(), d.day()) : std::nullopt;
}

// Days since 1 January 1970, and back, by Qt's own calendar.
long DaysOf(CalendarDate d)
{
    return QDate(d.year(), d.month(), d.day()).toJulianDay() - 2440588;
}

CalendarDate DateOfDays(long days)
{
    const QDate d = QDate::fromJulianDay(days + 2440588);
    return *CalendarDate::fromYmd(d.year(), d.month(), d.day());
}

// The roz table as the calendar has it: every name and meaning.
const char kRozTable[] = R"(roz 1 | HORMUZD | The Omniscient Source of Life (ahu)
roz 2 | BEHMAN | The Good Mind, the Pure Heart. 'The pure in Heart shall see God'.
roz 3 | ARD-I-BEHESHT | The Supreme Law of the Universe, Righteousness, Neki, Neeti, Reality.
roz 4 | SHEHREVAR | The Kingdom & Sovereignty of Virtue: Benevolent use of Power Forgiveness, The Ordeal of Life, in a world of unrealities.
roz 5 | ASFANDARMAD | The Discernment between Right and Wrong : Insight into the  Realities of Life (Asha), to distinguish Unrealities (druj).
roz 6 | KHORDARD | Perfection cum Universality, of the Ever-abiding Spirituality.
roz 7 | AMERDAAD | Immortality of the Soul (both six and seven are the joint Condition of the holy Soul). Immortality is Identity with   Divinity, --- ALL-LIGHT.
roz 8 | DEA-PA-AADAR | Daadaar's Day before Aadar.(This week is the second week of LIGHT.
roz 9 | AADAR | Physical Energy, Intellectual Enlightenment and Spiritual Light. It is the Pillar of Life.
roz 10 | AAVAAN | the Lustre of Life, resulting from Personal Purity. It is the River of Life's Purity.
roz 11 | KHORSHED | the Refulgent Sun, the Shining symbol of the Eternal Glory of God.
roz 12 | MOHOR | the Moon, the Satellite of the Earth, (gao-chithra), lit. having its Origin in Earth.
roz 13 | TIR | the Sirius or Dog star, 'the brightest star in the heavens'.
roz 14 | GOSH | the Creator of sentient Life (geush tashan).
roz 15 | DAE-PA-MEHER | Daadaar's Day before Meher (this roj begins the third week of Moral Qualities).
roz 16 | MEHER | Law-Light-Love : The Universal Cementing Principle of the Universe. The Scales of Justice, fair-dealing, the Pledge.
roz 17 | SAROSH | the Moral vigilance, The 'Ear', always attentive to Ahoora's Whispers, in Life's clamour.
roz 18 | RASHNEY | the Truth permeating the whole Nature, Justice, in my daily dealings of Life.
roz 19 | FARVARDIN | the Divinity in Humanity. The unfailing Guide of the erring Soul (urvaan). The Soul's Growth-lever, to Perfection.
roz 20 | BEHRAM | the Triumph of Light over Darkness, of Right over Wrong, of Reality (Asha) over Unrealities (druj) of Life.
roz 21 | RAAM | the joy Divine of Altruism, i.e the Principle of living for others' ease and Comfort.
roz 22 | GOVAAD | Physically Healthy Atmosphere and Morally helpful Environment, conductive to Religious Life --- Healthy in Body, Mind and Soul.
roz 23 | DAE-PA-DIN | Daadaar's Day before Din. (The fourth and the last week of Theological - Religious Ideas).
roz 24 | DIN | the Vision on the Path of Life, i.e. Religion. The sum total of Goodness earned by my Inner Being appearing as KERDAAR.
roz 25 | ASHISH-VANGH | God's Blessing, attendant upon a good, moral Life, obedient to the Meaningful Injunctions of Sraosha, 'The Pole-Star of Spiritual Life'.
roz 26 | AASHTAAD | Truth, as realised by the soul's Consciousness (baodhangha), by virtue of a life dedicated to Asha and VOHU Mano.
roz 27 | AASMAAN | the Sublime and Shining Universe, that is ever expanding.
roz 28 | ZAMYAAD | the light that sustains Consciousness (ushi-darena) at the Height necessary for Higher Life - Khvarena the Khureh.
roz 29 | MAARESPAND | the Holy Gospels, embodying the Master Mind of the Prophet, leading the soul to Perfection - Immortality (Yasna    31.6).
roz 30 | ANERAAN | the myriad of Lights in the heavens, and the Light in the Soul, paving the way to the soul's higher Realms of Light.
roz 31 | AHUNAVAD | The First Gatha
roz 32 | USHTAVAAD | The Second Gatha
roz 33 | SPENTOMAAD | The Third Gatha
roz 34 | VOHUKZARTHRA | The Fourth Gatha
roz 35 | VAHISHTOIST | The Fifth Gatha - It's Papeti Day !)";

// The reckoning date, the year text as typed and the same-roz date.
const char kSameRoz[] = R"(same year | 2001-08-20 | 2001 | 2001-08-20
one leap day on | 2001-08-20 | 2005 | 2005-08-19
a century on | 2001-08-20 | 2101 | 2101-07-27
28 February 2004 to 2005 | 2004-02-28 | 2005 | 2005-02-27
1 March 2004 to 2005 | 2004-03-01 | 2005 | 2005-03-01
leap day to leap day | 2004-02-29 | 2008 | 2008-02-28
leap day to a common year | 2004-02-29 | 2005 | 2005-02-28
1 February 1971 to 2026 | 1971-02-01 | 2026 | 2026-01-18
an earlier year | 2001-08-20 | 2000 | none
one-digit year 5 | 2001-08-20 | 5 | 2005-08-19
two-digit year 30 | 2001-08-20 | 30 | none
year in the locale's digits | 2001-08-20 | ۲۰۰۵ | 2005-08-19
month name as the year | 2001-08-20 | Aug | none
month name after a blank as the year | 2020-08-08 |  Aug | none)";

// The date order of the regional short date, or of a user's own; start-up shows en_GB's and more.
const char kDateOrder[] = R"(ko_KR two-digit year first | ko_KR | - | 3
mr_IN day first in Devanagari digits | mr_IN | - | 1
ar_EG day first in Arabic digits | ar_EG | - | 1
bn_BD day first in Bengali digits | bn_BD | - | 1
fa_IR year first in Persian digits | fa_IR | - | 3
month name first | en_US | MMM d, yyyy | 3
a user's own day first | en_US | d.M.yyyy | 1)";

// A text read in the order of its locale's short date.
const char kParse[] = R"(en_GB dashes, no zeros, outer blanks | en_GB |   20-8-2001  | 2001-08-20
en_GB sign-position blanks | en_GB |  29- 2-2004 | 2004-02-29
en_GB 29 February of a common year | en_GB |  29- 2-2003 | none
en_GB two-digit year 29 | en_GB | 20-08-29 | 2029-08-20
en_GB two-digit year 30 | en_GB | 20-08-30 | 1930-08-20
en_GB year 99 | en_GB | 31/12/0099 | none
en_GB date and time | en_GB | 20-08-2001 10:30 | none
en_GB Persian digits | en_GB | ۲۰/۰۸/۲۰۰۱ | none
en_US month first | en_US | 08/20/2001 | 2001-08-20
en_US day first | en_US | 20/08/2001 | none
sv_SE the program's echo | sv_SE | 20-Aug-2001 | 2001-08-20
hu_HU dot and blank | hu_HU | 2001. 08. 20 | 2001-08-20
ko_KR two-digit year first | ko_KR | 01. 8. 20 | 2001-08-20
fa_IR Persian digits | fa_IR | ۲۰۰۱/۸/۲۰ | 2001-08-20
de_DE month name | de_DE | 1. März 2001 | 2001-03-01
C month-name short date | C | 20 Aug 2001 | 2001-08-20)";

// The number test and the leading number of a year text.
const char kNumbers[] = R"(fraction | en_GB | 2005.5 | 1 | 2005.5
inner blank | en_GB | 20 05 | 0 | 2005
de_DE decimal comma | de_DE | 2005,5 | 1 | 2005
fa_IR Persian digits | fa_IR | ۲۰۰۵ | 1 | 2005
en_GB Persian digits | en_GB | ۲۰۰۵ | 0 | 0)";

// A schedule's day list as typed, and the days it reads as ("none": refused).
const char kDayLists[] = R"(three days | 4, 10, 30 | 4 10 30
blanks around the list and its items | 	 4 ,10  | 4 10
blanks alone |   | 
a sign | +5 | 5
an empty item | 4,,10 | none
a day before day 1 | -1 | none
past 36500 days | 36501 | none
a number too long for any counter | 99999999999999999999 | none
a semicolon | 4;10 | none
Arabic-Indic digits | ٤ | none)";

// A person's name as typed, and as a schedule's events carry it.
const char kPersonNames[] = R"(blanks doubled and around |   Dinshaw 	  Mehta  | Dinshaw Mehta
control characters dropped | DinshawMehta | Dinshaw Mehta
letters of other scripts kept | ફિરોઝ | ફિરોઝ
nothing but blanks | 　 | )";

// The escapes of the tables above, so that their invisible characters can be seen.
QString Unescaped(QString text)
{
    static const QRegularExpression escape(QStringLiteral("\\\\(t|u([0-9A-Fa-f]{4}))"));
    for (QRegularExpressionMatch m = escape.match(text); m.hasMatch(); m = escape.match(text))
        text.replace(m.capturedStart(), m.capturedLength(),
                     m.captured(1) == u"t" ? QChar(u'\t')
                                           : QChar(m.captured(2).toUShort(nullptr, 16)));
    return text;
}

} // namespace

class TestCore : public QObject
{
    Q_OBJECT

private slots:
    // Every day of the calendar, stepped forward and back, against two independent day counts.
    void everyDayAgreesWithTheDayCount()
    {
        for (long n = DaysOf(CalendarDate::first()); n < DaysOf(CalendarDate::last()); ++n) {
            const CalendarDate date = DateOfDays(n), next = date.nextDay();
            if (DaysOf(next) != n + 1 ||
                DaysFromCivil({next.year(), next.month(), next.day()}) != n + 1 || !(date < next) ||
                !(next.previousDay() == date))
                QFAIL(qPrintable(QString::asprintf("day %ld steps wrong", n)));
        }
        QVERIFY(!CalendarDate::fromYmd(99, 12, 31) && !CalendarDate::fromYmd(1900, 2, 29));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, CalendarDate::first().previousDay());
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, CalendarDate::last().nextDay());
    }

    void rozTable_data() { AddRows(kRozTable); }
    void rozTable()
    {
        const QStringList f = Fields();
        const RozRow &row = RozTable[QString(QTest::currentDataTag()).mid(4).toInt()];
        QCOMPARE(f[0], QLatin1String(row.name.data(), row.name.size()));
        QCOMPARE(f[1], QLatin1String(row.meaning.data(), row.meaning.size()));
    }

    void reckoning_data() { AddRowsFromFile("roz-reckonings.txt"); }
    void reckoning()
    {
        const QStringList f = Fields();
        const std::optional<CalendarDate> reckoning = BeforeDawnShift(*DateOf(f[0]), f[1] == u"1");
        QCOMPARE(reckoning.has_value(), f[2] != u"0");
        // Each date order reads the reference date from a text of its own; 0 reads as 3.
        for (DateOrderCode order : {1, 2, 3, 0}) {
            if (!reckoning)
                break;
            const int month = f[3] == u"0" ? 0 : ReckonRozAndMonth(*reckoning, order).month;
            QCOMPARE(QString::asprintf("%d %d", ReckonRoz(*reckoning, order), month),
                     f[2] + ' ' + f[3]);
        }
    }

    // Sampled across the whole range, and every day of the two years around the reference.
    void reckoningAgreesWithTheDayCount()
    {
        const long reference = DaysFromCivil({2001, 8, 20});
        QList<long> days{DaysOf(CalendarDate::first()), DaysOf(CalendarDate::last())};
        for (long n = days[0]; n <= days[1]; n += 100003)
            days << n;
        for (long n = reference - 400; n <= reference + 400; ++n)
            days << n;
        for (long n : days)
            if (const int roz = ReckonRoz(DateOfDays(n), kDayMonthYear); roz != OracleRoz(n))
                QFAIL(
                    qPrintable(QString::asprintf("day %ld: roz %d, not %d", n, roz, OracleRoz(n))));
    }

    void sameRozDate_data() { AddRows(kSameRoz); }
    void sameRozDate()
    {
        const QStringList f = Fields();
        DateTextRules persianDigits;
        persianDigits.zeroDigit = u'\u06F0';
        for (DateOrderCode order : {1, 2, 3})
            QCOMPARE(SameRozDate(*DateOf(f[0]), f[1].toStdU16String(), order, persianDigits),
                     DateOf(f[2]));
    }

    // Always 365 days a year later: sampled dates, and every 29 February to the year after.
    void sameRozDateAgreesWithTheDayCount()
    {
        QList<std::pair<CalendarDate, int>> cases;
        for (long n = DaysOf(CalendarDate::first()); n <= DaysOf(CalendarDate::last()); n += 100003)
            for (int later : {0, 1, 9999 - DateOfDays(n).year()})
                cases.append({DateOfDays(n), DateOfDays(n).year() + later});
        for (int year = 104; year < 9999; year += 4)
            cases.append({*CalendarDate::fromYmd(year, 2, CalendarDate::isLeapYear(year) ? 29 : 28),
                          year + 1});
        for (const auto &[start, year] : cases) {
            const CalendarDate date = start;
            const auto same = [&](int year) {
                return SameRozDate(date, SignPositionText(year).substr(1), 3, {});
            };
            if (DaysOf(same(year).value_or(date)) != DaysOf(date) + 365L * (year - date.year()))
                QFAIL(qPrintable(QString::asprintf("day %ld to %d", DaysOf(date), year)));
            QVERIFY(date.year() == 100 || !same(date.year() - 1));
        }
    }

    void dateOrder_data() { AddRows(kDateOrder); }
    void dateOrder()
    {
        const QStringList f = Fields();
        RegionalSettings settings = RegionalSettings::fromLocale(QLocale(f[0]));
        if (f[1] != u"-")
            settings.shortDatePattern = f[1];
        QCOMPARE(QString::number(DetectDateOrder(settings)), f[2]);
    }

    void parse_data() { AddRows(kParse); }
    void parse()
    {
        const QStringList f = Fields();
        const RegionalSettings settings = RegionalSettings::fromLocale(QLocale(f[0]));
        const DateOrderCode order = DetectDateOrder(settings);
        QCOMPARE(ParseDate(f[1], order, settings), DateOf(f[2]));
        QCOMPARE(IsDate(f[1], order, settings), f[2] != u"none");
    }

    void numbers_data() { AddRows(kNumbers); }
    void numbers()
    {
        const QStringList f = Fields();
        const RegionalSettings settings = RegionalSettings::fromLocale(QLocale(f[0]));
        QCOMPARE(IsNumeric(f[1], settings), f[2] == u"1");
        QCOMPARE(Val(f[1], settings), f[3].toDouble());
    }

    void dayLists_data() { AddRows(kDayLists); }
    void dayLists()
    {
        const QStringList f = Fields();
        const std::optional<std::vector<int>> days =
            ReadNumberList(ToCore(Unescaped(f[0])), 1, 36500);
        QStringList read;
        for (int day : days.value_or(std::vector<int>{}))
            read << QString::number(day);
        QCOMPARE(days ? read.join(u' ') : QStringLiteral("none"), f[1]);
    }

    void personNames_data() { AddRows(kPersonNames); }
    void personNames()
    {
        const QStringList f = Fields();
        QCOMPARE(QString::fromStdString(PersonNameOf(Unescaped(f[0]).toStdString())),
                 Unescaped(f[1]));
    }
};

QTEST_GUILESS_MAIN(TestCore)
#include "tst_core.moc"

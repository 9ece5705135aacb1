// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The festivals against published dates, and against the day-by-day roz of every day swept.
#include "answer/answer.h"
#include "answer/festivalanswer.h"
#include "platform/placetime.h"
#include "platform/regional.h"
#include "tables.h"

#include <QDate>
#include <QMap>
#include <QTest>
#include <libical/ical.h>

namespace {

constexpr Reckoning kAll[] = {Reckoning::Shahenshahi, Reckoning::Kadmi, Reckoning::Fasli};

QString Iso(CalendarDate date)
{
    return QDate(date.year(), date.month(), date.day()).toString(Qt::ISODate);
}

// Each event's UID with its start, as libical reads the calendar file back.
QStringList Identities(Reckoning reckoning, int from, int years)
{
    const QByteArray text = toICalendar({reckoning, FestivalsBeginningIn(from, years, reckoning)},
                                        QDateTime::currentDateTimeUtc());
    QStringList identities;
    icalcomponent *calendar = icalparser_parse_string(text.constData());
    for (icalcomponent *event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
         event; event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
        identities << QString::fromUtf8(icalcomponent_get_uid(event)) + u' ' +
                          icaltime_as_ical_string(icalcomponent_get_dtstart(event));
    icalcomponent_free(calendar);
    return identities;
}

} // namespace

class TestFestivals : public QObject
{
    Q_OBJECT

private slots:
    void publishedDates_data();
    void publishedDates();
    void occurrencesAgreeWithCells();
    void calendarIdentities_data();
    void calendarIdentities();
    void monthSun_data();
    void monthSun();
};

void TestFestivals::publishedDates_data()
{
    AddRowsFromFile("published-festivals.txt");
}

void TestFestivals::publishedDates()
{
    const QStringList f = Fields();
    QStringList found;
    for (const FestivalOccurrence &o :
         FestivalsBeginningIn(f[2].toInt(), 1, *ReckoningNamed(f[0]))) {
        if (QString::fromLatin1(o.festival->name.data(), qsizetype(o.festival->name.size())) ==
            f[1])
            found << Iso(o.first) + u' ' + QString::number(o.days);
    }
    QCOMPARE(found.join(u';'), f[3] == u"-" ? QString() : f[3]);
}

// The occurrences and the month cells are two ways to the same festivals: on every day swept a
// cell shows exactly the days of the occurrences that cover it. A festival that runs to the end
// of its year is followed by Navroz, and a Fasli year ending in a leap year ends on roz 36.
void TestFestivals::occurrencesAgreeWithCells()
{
    auto nameOf = [](const Festival *f) {
        return QString::fromLatin1(f->name.data(), qsizetype(f->name.size()));
    };
    for (Reckoning reckoning : kAll) {
        for (const auto &[from, years] : {std::pair{1990, 70}, {100, 3}, {9995, 4}}) {
            const QString where =
                QStringLiteral("reckoning %1, from %2: ").arg(int(reckoning)).arg(from);
            QMap<QString, QStringList> covering;
            int roz36Years = 0;
            for (const FestivalOccurrence &o : FestivalsBeginningIn(from, years, reckoning)) {
                const QString name = nameOf(o.festival);
                CalendarDate last = o.first;
                for (int n = 1; n <= o.days; ++n, last = n <= o.days ? last.nextDay() : last)
                    covering[Iso(last)] << QStringLiteral("%1 %2/%3").arg(name).arg(n).arg(o.days);
                roz36Years += ZoroastrianDayOf(last, reckoning).roz == kAvardadSalGah &&
                              o.festival->span == FestivalSpan::LastDay;
                if (o.festival->span == FestivalSpan::ToYearEnd && last < CalendarDate::last()) {
                    const ZoroastrianDay next = ZoroastrianDayOf(last.nextDay(), reckoning);
                    QCOMPARE(where + name +
                                 QStringLiteral(" then %1/%2").arg(next.roz).arg(next.mah),
                             where + name + QStringLiteral(" then 1/1"));
                }
            }
            if (from == 1990)
                QCOMPARE(roz36Years, reckoning == Reckoning::Fasli ? 17 : 0);
            for (CalendarDate d = *CalendarDate::fromYmd(from, 1, 11);
                 d.year() < from + years && d < CalendarDate::last(); d = d.nextDay()) {
                QStringList cell;
                for (const FestivalDay &f : CellOf(d, reckoning).festivals)
                    cell << QStringLiteral("%1 %2/%3")
                                .arg(nameOf(f.festival))
                                .arg(f.dayOf)
                                .arg(f.days);
                QStringList covers = covering.value(Iso(d));
                cell.sort();
                covers.sort();
                QCOMPARE(where + Iso(d) + u' ' + cell.join(u','),
                         where + Iso(d) + u' ' + covers.join(u','));
            }
        }
    }
}

void TestFestivals::calendarIdentities_data()
{
    QTest::addColumn<int>("reckoning");
    QTest::newRow("shahenshahi") << 0;
    QTest::newRow("kadmi") << 1;
    QTest::newRow("fasli") << 2;
}

// One identity per occurrence over three centuries, 1456 (Navroz twice) among them; a file of a
// few years gives each of its festivals the identity, with the date, that the long one does.
void TestFestivals::calendarIdentities()
{
    QFETCH(int, reckoning);
    const QStringList all = Identities(kAll[reckoning], 1450, 300);
    QStringList uids;
    for (const QString &identity : all)
        uids << identity.section(u' ', 0, 0);
    uids.removeDuplicates();
    QCOMPARE(uids.size(), all.size());
    for (const auto &[from, years] : {std::pair{1456, 1}, {1700, 3}}) {
        for (const QString &identity : Identities(kAll[reckoning], from, years))
            QVERIFY2(all.contains(identity), qPrintable(identity));
    }
}

// `month --place`: under each week's days, the sunrise and sunset of each as the sun's functions
// give them in local time, and a dash on a day of midnight sun or polar night.
void TestFestivals::monthSun_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<int>("month");
    QTest::newRow("London, June") << "London" << 6;
    QTest::newRow("Mumbai, January") << "Mumbai" << 1;
    QTest::newRow("Tromsø, midnight sun") << "69.65,18.96,Europe/Oslo" << 6;
    QTest::newRow("Tromsø, polar night") << "69.65,18.96,Europe/Oslo" << 12;
}

void TestFestivals::monthSun()
{
    QFETCH(QString, place);
    QFETCH(int, month);
    QString problem;
    const Place at = *ReadPlace(place, &problem);
    const QStringList lines =
        MonthText({2026, month}, Reckoning::Shahenshahi,
                  RegionalSettings::fromLocale(QLocale("en_GB")), Script::English, &at)
            .split(u'\n');
    int days = 0;
    for (qsizetype i = 0; i + 3 < lines.size(); ++i) {
        if (!lines[i].startsWith(u"day "))
            continue;
        const QStringList day = lines[i].split(u' ', Qt::SkipEmptyParts).mid(1);
        const QStringList rise = lines[i + 2].split(u' ', Qt::SkipEmptyParts);
        const QStringList set = lines[i + 3].split(u' ', Qt::SkipEmptyParts);
        QCOMPARE(rise.size(), day.size() + 1);
        for (qsizetype k = 0; k < day.size(); ++k, ++days) {
            const SunDay sun = SunOn(*CalendarDate::fromYmd(2026, month, day[k].toInt()),
                                     at.latitude, at.longitude);
            const auto clock = [&](UtSeconds moment) {
                return sun.daylight != Daylight::RisesAndSets
                           ? QStringLiteral("-")
                           : QDateTime::fromSecsSinceEpoch(moment, at.zone).toString("H:mm");
            };
            QCOMPARE(rise[k + 1] + u' ' + set[k + 1], clock(sun.rise) + u' ' + clock(sun.set));
        }
    }
    QCOMPARE(days, QDate(2026, month, 1).daysInMonth());
}

QTEST_GUILESS_MAIN(TestFestivals)
#include "tst_festivals.moc"

// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The festivals against published dates, and against the day-by-day roz of every day swept.
#include "answer/festivalanswer.h"

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

// The festivals as the issue gives them: first roz and mah (0 for the end of the year, 0/0 for
// 21 March) and days in a 365-day year.
QMultiMap<QString, QList<int>> Given()
{
    QMultiMap<QString, QList<int>> given;
    const QString table =
        "Navroz 1/1 1, Khordad Sal 6/1 1, Farvardegan Jashan 19/1 1, "
        "Ardibehesht Jashan 3/2 1, Maidyozarem Gahambar 11/2 5, Khordad Jashan "
        "6/3 1, Maidyoshahem Gahambar 11/4 5, Tirangan 13/4 1, Amardad Jashan 7/5 "
        "1, Shehrevar Jashan 4/6 1, Paitishahem Gahambar 26/6 5, Meherangan 16/7 "
        "1, Ayathrem Gahambar 26/7 5, Avan Jashan 10/8 1, Adar Jashan 9/9 1, Dae "
        "Jashan 1/10 1, Dae Jashan 8/10 1, Dae Jashan 15/10 1, Dae Jashan 23/10 1, "
        "Zarthost no Diso 11/10 1, Maidyarem Gahambar 16/10 5, Bahman Jashan 2/11 "
        "1, Aspandarmad Jashan 5/12 1, Muktad 26/12 10, Hamaspathmaedem Gahambar "
        "31/0 5, Pateti 35/0 1, Jamshedi Navroz 0/0 1";
    for (const QString &entry : table.split(QStringLiteral(", "))) {
        const QStringList words = entry.split(u' ');
        const QString name = words.mid(0, words.size() - 2).join(u' ');
        given.insert(name,
                     {words.at(words.size() - 2).section(u'/', 0, 0).toInt(),
                      words.at(words.size() - 2).section(u'/', 1).toInt(), words.last().toInt()});
    }
    return given;
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
    void agreeWithEveryDaysRoz();
    void calendarIdentities_data();
    void calendarIdentities();
};

void TestFestivals::publishedDates_data()
{
    QTest::addColumn<int>("reckoning");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("expected"); // first day and days of each occurrence in the year
    QTest::newRow("Navroz 1395") << 0 << "Navroz" << 2025 << "2025-08-15 1";
    QTest::newRow("Pateti 1394") << 0 << "Pateti" << 2025 << "2025-08-14 1";
    QTest::newRow("Khordad Sal 1395") << 0 << "Khordad Sal" << 2025 << "2025-08-20 1";
    QTest::newRow("Zarthost no Diso 2016") << 0 << "Zarthost no Diso" << 2016 << "2016-05-24 1";
    QTest::newRow("Zarthost no Diso 2023") << 0 << "Zarthost no Diso" << 2023 << "2023-05-23 1";
    QTest::newRow("Kadmi Navroz, a month early") << 1 << "Navroz" << 2024 << "2024-07-16 1";
    QTest::newRow("Kadmi Khordad Sal 2022") << 1 << "Khordad Sal" << 2022 << "2022-07-22 1";
    QTest::newRow("Fasli Navroz") << 2 << "Navroz" << 2031 << "2031-03-21 1";
    QTest::newRow("Fasli Zarthost no Diso") << 2 << "Zarthost no Diso" << 2027 << "2027-12-26 1";
    QTest::newRow("Fasli Muktad, roz 36 year") << 2 << "Muktad" << 2024 << "2024-03-10 11";
    QTest::newRow("Fasli Pateti, roz 36") << 2 << "Pateti" << 2024 << "2024-03-20 1";
    QTest::newRow("Fasli Gathas, common year")
        << 2 << "Hamaspathmaedem Gahambar" << 2025 << "2025-03-16 5";
    QTest::newRow("no Jamshedi Navroz, Fasli") << 2 << "Jamshedi Navroz" << 2025 << "";
    QTest::newRow("Jamshedi Navroz, Kadmi") << 1 << "Jamshedi Navroz" << 2025 << "2025-03-21 1";
    QTest::newRow("twice in one Gregorian year")
        << 0 << "Navroz" << 1456 << "1456-01-01 1;1456-12-31 1";
}

void TestFestivals::publishedDates()
{
    QFETCH(int, reckoning);
    QFETCH(QString, name);
    QFETCH(int, year);
    QFETCH(QString, expected);
    QStringList found;
    for (const FestivalOccurrence &o : FestivalsBeginningIn(year, 1, kAll[reckoning])) {
        if (QString::fromLatin1(o.festival->name.data(), qsizetype(o.festival->name.size())) ==
            name)
            found << Iso(o.first) + u' ' + QString::number(o.days);
    }
    QCOMPARE(found.join(u';'), expected);
}

// On every day swept, exactly the festivals that begin on its day-by-day roz and mah; each with
// the length, one more for those running to the end of a year with roz 36; and a month
// cell showing the festivals that cover the day.
void TestFestivals::agreeWithEveryDaysRoz()
{
    const QMultiMap<QString, QList<int>> given = Given();
    auto nameOf = [](const Festival *f) {
        return QString::fromLatin1(f->name.data(), qsizetype(f->name.size()));
    };
    for (Reckoning reckoning : kAll) {
        for (const auto &[from, years] : {std::pair{1990, 70}, {100, 3}, {9995, 4}}) {
            const QString where =
                QStringLiteral("reckoning %1, from %2: ").arg(int(reckoning)).arg(from);
            QMap<QString, QStringList> begun, covering;
            int roz36Years = 0;
            for (const FestivalOccurrence &o : FestivalsBeginningIn(from, years, reckoning)) {
                const QString name = nameOf(o.festival);
                begun[Iso(o.first)] << name;
                CalendarDate last = o.first;
                for (int n = 1; n <= o.days; ++n, last = n <= o.days ? last.nextDay() : last)
                    covering[Iso(last)] << QStringLiteral("%1 %2/%3").arg(name).arg(n).arg(o.days);
                // The length: the issue's, and a day more for those running to the end of a
                // year with roz 36, which the day after them, Navroz, shows.
                const QList<int> g = given.value(name);
                const bool roz36 = ZoroastrianDayOf(last, reckoning).roz == kAvardadSalGah;
                const bool toYearEnd = g[0] != 0 && (g[1] == 0 || g[0] + g[2] > 31);
                roz36Years += roz36 && g[0] == 35;
                const ZoroastrianDay next = ZoroastrianDayOf(last.nextDay(), reckoning);
                QCOMPARE(where + name +
                             QStringLiteral(": %1 days, then %2/%3")
                                 .arg(o.days)
                                 .arg(next.roz)
                                 .arg(next.mah * toYearEnd),
                         where + name +
                             QStringLiteral(": %1 days, then %2/%3")
                                 .arg(g[2] + (roz36 && g[0] != 35))
                                 .arg(toYearEnd ? 1 : next.roz)
                                 .arg(toYearEnd ? 1 : 0));
            }
            // A Fasli year holds roz 36 when the Gregorian year it ends in is a leap year.
            if (from == 1990)
                QCOMPARE(roz36Years, reckoning == Reckoning::Fasli ? 17 : 0);
            for (CalendarDate d = *CalendarDate::fromYmd(from, 1, 1);
                 d.year() < from + years && d < CalendarDate::last(); d = d.nextDay()) {
                const ZoroastrianDay z = ZoroastrianDayOf(d, reckoning);
                const ZoroastrianDay next = ZoroastrianDayOf(d.nextDay(), reckoning);
                QStringList expected;
                for (auto g = given.begin(); g != given.end(); ++g) {
                    const bool starts =
                        g.value()[0] == 35 ? next.roz == 1 && next.mah == 1
                        : g.value()[0] == 0
                            ? reckoning != Reckoning::Fasli && d.month() == 3 && d.day() == 21
                            : g.value()[0] == z.roz && g.value()[1] == z.mah;
                    if (starts)
                        expected << g.key();
                }
                QStringList found = begun.value(Iso(d));
                expected.sort();
                found.removeDuplicates(); // the four Dae Jashans never share a day
                found.sort();
                QCOMPARE(where + Iso(d) + u' ' + found.join(u','),
                         where + Iso(d) + u' ' + expected.join(u','));

                QStringList cell;
                for (const FestivalDay &f : CellOf(d, reckoning).festivals)
                    cell << QStringLiteral("%1 %2/%3")
                                .arg(nameOf(f.festival))
                                .arg(f.dayOf)
                                .arg(f.days);
                QStringList covers = covering.value(Iso(d));
                cell.sort();
                covers.sort();
                // Festivals begun before the sweep cover at most its first eleven days.
                if (d.year() > from || d.month() > 1 || d.day() > 11)
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

QTEST_GUILESS_MAIN(TestFestivals)
#include "tst_festivals.moc"

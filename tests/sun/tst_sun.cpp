// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Sunrise and sunset in local time against published times; the Gah and the sunrise rule at
// the minutes either side of each boundary.
#include "answer/answer.h"
#include "platform/regional.h"
#include "testsupport.h"

namespace {

std::optional<SunAnswer> Sun(const QString &place, const QString &date, const QString &time,
                             const QString &calendar, QString *problem)
{
    const QDate day = QDate::fromString(date, Qt::ISODate);
    return SunAnswerFor(
        *ReadPlace(place, problem), *CalendarDate::fromYmd(day.year(), day.month(), day.day()),
        time.isEmpty() ? std::nullopt : ReadClockTime(time), *ReckoningNamed(calendar),
        RegionalSettings::fromLocale(QLocale::c()), problem);
}

} // namespace

class TestSun : public QObject
{
    Q_OBJECT

private slots:
    void sunrise_data();
    void sunrise();
    void gah_data();
    void gah();
    void localTime_data();
    void localTime();
};

// Within a minute of the times published for the day.
void TestSun::sunrise_data()
{
    AddRowsFromFile("published-sunrise.txt");
}

void TestSun::sunrise()
{
    const QStringList fields = Fields();
    QString problem;
    const std::optional<SunAnswer> sun = Sun(fields[0], fields[1], {}, "fasli", &problem);
    QCOMPARE(problem, fields.size() == 3 ? fields[2] : QString());
    for (int i = 0; sun && i < 2; ++i) {
        const QTime got = (i == 0 ? sun->sunrise : sun->sunset).time();
        const QTime published = QTime::fromString(fields[2 + i], QStringLiteral("HH:mm"));
        QVERIFY2(fields[2 + i] == u"-" || std::abs(got.secsTo(published)) <= 60,
                 qPrintable(got.toString() + QStringLiteral(" published ") + fields[2 + i]));
    }
}

// London by PyEphem. 15 December 2025 (GMT): sunrise 07:59:53, solar noon 11:55:45 (11:55:16
// the day before), sunset 15:51:31. 21 June 2025 (BST): solar midnight 01:02:10, sunrise
// 04:43:08. In the Fasli year 15 December is in mah 9, mah 8 begins on 17 October, and
// 18 March is a Gatha day; 15 December is in the Shahenshahi mah 5.
void TestSun::gah_data()
{
    AddRows("a minute before sunrise | 2025-12-15 | 07:59 | shahenshahi | Ushahin | before\n"
            "at sunrise | 2025-12-15 | 08:00 | shahenshahi | Havan | after\n"
            "before solar noon | 2025-12-15 | 11:55 | shahenshahi | Havan | after\n"
            "after solar noon | 2025-12-15 | 11:56 | shahenshahi | Rapithwin | after\n"
            "before noon plus three hours | 2025-12-15 | 14:55 | fasli | Second Havan | after\n"
            "after noon plus three hours | 2025-12-15 | 14:56 | shahenshahi | Uziran | after\n"
            "before sunset | 2025-12-15 | 15:51 | shahenshahi | Uziran | after\n"
            "after sunset | 2025-12-15 | 15:52 | shahenshahi | Aiwisruthrem | after\n"
            "before solar midnight | 2025-12-15 | 23:55 | shahenshahi | Aiwisruthrem | after\n"
            "after solar midnight | 2025-12-15 | 23:56 | shahenshahi | Ushahin | after\n"
            "summer, before solar midnight | 2025-06-21 | 01:01 | kadmi | Aiwisruthrem | before\n"
            "summer, after solar midnight | 2025-06-21 | 01:03 | kadmi | Ushahin | before\n"
            "summer, before sunrise | 2025-06-21 | 04:42 | kadmi | Ushahin | before\n"
            "summer, after sunrise | 2025-06-21 | 04:44 | kadmi | Havan | after\n"
            "the last day of mah 7 | 2025-10-16 | 13:00 | fasli | Rapithwin | after\n"
            "the first day of mah 8 | 2025-10-17 | 13:00 | fasli | Second Havan | after\n"
            "a Gatha day | 2025-03-18 | 13:00 | fasli | Second Havan | after");
}

void TestSun::gah()
{
    const QStringList fields = Fields();
    QString problem;
    const std::optional<SunAnswer> sun = Sun("London", fields[0], fields[1], fields[2], &problem);
    QVERIFY2(sun, qPrintable(problem));
    QCOMPARE(QString::fromLatin1(GahName(sun->gah).data()), fields[3]);
    QCOMPARE(sun->beforeSunrise, fields[4] == u"before");
}

// Local time at a place to UT by the system's zones, around the clocks' changes: a time they
// skip reads with the offset before the change, one they show twice as its moment after it.
void TestSun::localTime_data()
{
    AddRows("summer | Europe/London | 2025-06-21 | 12:00 | 2025-06-21T11:00:00Z\n"
            "winter | Europe/London | 2025-12-15 | 07:59 | 2025-12-15T07:59:00Z\n"
            "before the spring change | Europe/London | 2026-03-29 | 00:30 | 2026-03-29T00:30:00Z\n"
            "skipped in spring | Europe/London | 2026-03-29 | 01:30 | 2026-03-29T01:30:00Z\n"
            "after the spring change | Europe/London | 2026-03-29 | 02:00 | 2026-03-29T01:00:00Z\n"
            "before the autumn change | Europe/London | 2025-10-26 | 00:30 | 2025-10-25T23:30:00Z\n"
            "shown twice in autumn | Europe/London | 2025-10-26 | 01:30 | 2025-10-26T01:30:00Z\n"
            "skipped at New York | America/New_York | 2026-03-08 | 02:30 | 2026-03-08T07:30:00Z\n"
            "twice at New York | America/New_York | 2025-11-02 | 01:30 | 2025-11-02T06:30:00Z\n"
            "twice, half an hour back | Australia/Lord_Howe | 2025-04-06 | 01:45 | "
            "2025-04-05T15:15:00Z\n"
            "no summer time | Asia/Kolkata | 2000-01-15 | 05:40 | 2000-01-15T00:10:00Z");
}

void TestSun::localTime()
{
    const QStringList fields = Fields();
    const QDate day = QDate::fromString(fields[1], Qt::ISODate);
    const UtSeconds ut = UtOf(*CalendarDate::fromYmd(day.year(), day.month(), day.day()),
                              QTime::fromString(fields[2], QStringLiteral("HH:mm")),
                              QTimeZone(fields[0].toLatin1()));
    QCOMPARE(QDateTime::fromSecsSinceEpoch(ut, Qt::UTC).toString(Qt::ISODate), fields[3]);
}

QTEST_GUILESS_MAIN(TestSun)
#include "tst_sun.moc"

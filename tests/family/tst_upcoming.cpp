// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What is coming for the family against the schedule Ask gives for the same inputs: a death's
// whole schedule, every other kind its yearly roz, each only after the day of the event.
#include "answer/family.h"
#include "answer/question.h"
#include "platform/placetime.h"
#include "platform/regional.h"
#include "testsupport.h"

#include <QJsonDocument>

namespace {

const RegionalSettings &Settings()
{
    static const RegionalSettings settings = RegionalSettings::fromLocale(QLocale::c());
    return settings;
}

// The observances Ask gives for the entry's inputs, as the schedule command would be asked for
// them, in the span and after the event.
QStringList Scheduled(const FamilyEntry &entry, CalendarDate from, CalendarDate last)
{
    Question question;
    question.dateText = FormatDate(entry.date, QStringLiteral("yyyy-mm-dd"), Settings());
    question.order = kYearMonthDay;
    question.beforeDawn = entry.beforeDawn;
    question.calendar = entry.calendar;
    question.yearText = QString::number(from.year() - 1);
    question.yearCount = last.year() - from.year() + 3;
    const bool death = entry.kind == EventKind::Death;
    question.schedule =
        ScheduleRequest{{}, death ? entry.months : 0, death ? entry.days : std::vector<int>{}};
    QString problem;
    if (entry.time)
        question.place = ReadPlace(entry.place, &problem), question.time = entry.time;
    const Answer answer = std::get<Answer>(Ask(question, Settings()));
    QStringList found;
    for (const Observance &o : *answer.observances)
        if (o.date >= from && o.date <= last && o.date > answer.rozDate)
            found << ToQDate(o.date).toString(Qt::ISODate) +
                         QStringLiteral(" %1 %2 roz %3").arg(int(o.kind)).arg(o.n).arg(o.day.roz);
    found.sort();
    return found;
}

} // namespace

class TestUpcoming : public QObject
{
    Q_OBJECT

private slots:
    void asTheSchedule_data()
    {
        // kind | date | calendar | before dawn | time at place | days | months | from | span
        AddRows("a death's first month | death | 2026-11-20 | shahenshahi | 0 |  | 4,10,30 | 12 | "
                "2026-11-01 | 90\n"
                "the last of ten years of months | death | 2016-01-15 | shahenshahi | 0 |  | 4 | "
                "120 | 2025-10-01 | 90\n"
                "a Gatha day, before dawn, Kadmi | death | 2025-07-16 | kadmi | 1 |  | 4,10 | 3 | "
                "2025-07-01 | 120\n"
                "before sunrise in London | death | 2025-12-15 | fasli | 0 | 07:30 London | 30 | 2 "
                "| 2025-12-01 | 120\n"
                "a birth on Avardad-sal-gah | birth | 2024-03-20 | fasli | 0 |  | 4 | 12 | "
                "2025-01-01 | 1500\n"
                "a wedding long ago | wedding | 1961-01-05 | shahenshahi | 0 |  | 4 | 12 | "
                "2026-01-01 | 365\n"
                "due on the span's first day | death | 2026-11-20 | shahenshahi | 0 |  | 4 | 0 | "
                "2026-11-23 | 1");
    }

    void asTheSchedule()
    {
        const QStringList f = Fields();
        FamilyEntry entry;
        entry.person = QStringLiteral("Dinshaw \"Dinu\" Mehta\\\u00e9");
        entry.kind = *EventKindNamed(f[0]);
        entry.date = *FromQDate(QDate::fromString(f[1], Qt::ISODate));
        entry.calendar = *ReckoningNamed(f[2]);
        entry.beforeDawn = f[3] == u"1";
        if (!f[4].isEmpty())
            entry.time = ReadClockTime(f[4].section(u' ', 0, 0)),
            entry.place = f[4].section(u' ', 1);
        entry.days = *NumberList(f[5], 1, 36500);
        entry.months = f[6].toInt();
        const CalendarDate from = *FromQDate(QDate::fromString(f[7], Qt::ISODate));
        const CalendarDate last = *FromQDate(ToQDate(from).addDays(f[8].toInt() - 1));
        const Upcoming upcoming =
            UpcomingObservances({entry, entry}, from, f[8].toInt(), Settings());
        QStringList found;
        for (const Upcoming::Item &item : upcoming.items)
            if (item.entry == 0)
                found << ToQDate(item.observance.date).toString(Qt::ISODate) +
                             QStringLiteral(" %1 %2 roz %3")
                                 .arg(int(item.observance.kind))
                                 .arg(item.observance.n)
                                 .arg(item.observance.day.roz);
        QVERIFY2(!found.isEmpty(), "something is coming");
        QCOMPARE(found, Scheduled(entry, from, last));
        QCOMPARE(qsizetype(upcoming.items.size()), 2 * found.size());
        // Written as it is built, the JSON is what QJsonDocument would write of it.
        const QByteArray json = toJson(upcoming);
        QCOMPARE(QJsonDocument::fromJson(json).toJson(QJsonDocument::Compact) + '\n', json);
    }
};

QTEST_GUILESS_MAIN(TestUpcoming)
#include "tst_upcoming.moc"

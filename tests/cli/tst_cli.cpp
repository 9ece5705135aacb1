// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The command-line calculator: its calendar file read back by libical, and the built
// executable run as a user runs it, under a chosen regional setting.
#include "format.h"
#include "regional.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <libical/ical.h>

namespace {

struct Run
{
    int status;
    QString out;
    QString err;
};

Run RunCli(const QString &locale, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LANG"));
    environment.remove(QStringLiteral("LC_TIME"));
    environment.insert(QStringLiteral("LC_ALL"), locale);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(DALVANE_CLI), arguments);
    if (!process.waitForFinished(60000))
        return {-1, {}, QStringLiteral("did not finish")};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// Each event of a calendar text: its UID, start date, summary, description and alarm trigger.
QStringList Events(const QByteArray &text)
{
    QStringList events;
    icalcomponent *calendar = icalparser_parse_string(text.constData());
    for (icalcomponent *event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
         event; event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        const icaltimetype start = icalcomponent_get_dtstart(event);
        icalcomponent *alarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT);
        icalproperty *trigger =
            alarm ? icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY) : nullptr;
        events << QStringLiteral("%1 %2 %3|%4|%5|%6")
                      .arg(icalcomponent_get_uid(event))
                      .arg(start.is_date ? QStringLiteral("date") : QStringLiteral("time"))
                      .arg(icaltime_as_ical_string(start), icalcomponent_get_summary(event),
                           icalcomponent_get_description(event))
                      .arg(trigger
                               ? icaldurationtype_as_int(icalproperty_get_trigger(trigger).duration)
                               : 0);
    }
    icalcomponent_free(calendar);
    return events;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void iCalendar_data();
    void iCalendar();
    void answers_data();
    void answers();
    void badInput_data();
    void badInput();
    void badUsage_data();
    void badUsage();
    void today();
};

void TestCli::iCalendar_data()
{
    QTest::addColumn<bool>("beforeDawn");
    QTest::addColumn<int>("remind"); // days before; -1 for no reminder
    QTest::addColumn<QStringList>("events");
    const QString uid = QStringLiteral("2001-08-20-kadmi-%1@dalvane.example.org date %2|");
    const QString entered = QStringLiteral("Entered date %1");
    const QString day4 = QStringLiteral(
        "ARD-I-BEHESHT, day 4|Roz 3 ARD-I-BEHESHT: The Supreme Law of the Universe, Righteousness, "
        "Neki, Neeti, Reality.\nMah Ard-i-Behesht, YZ 1371, Kadmi\n");
    const QString month1 = QStringLiteral(
        "ANERAAN, month 1|Roz 30 ANERAAN: the myriad of Lights in the heavens, and the Light in "
        "the "
        "Soul, paving the way to the soul's higher Realms of Light.\nMah Ard-i-Behesht, YZ 1371, "
        "Kadmi\n");
    QTest::newRow("no reminder") << false << -1
                                 << QStringList{uid.arg("month-1", "20010919") + month1 +
                                                    entered.arg("2001-08-20") + "|0",
                                                uid.arg("day-4", "20010823") + day4 +
                                                    entered.arg("2001-08-20") + "|0"};
    const QString dawn = QStringLiteral("2001-08-21, before dawn, so reckoned from 2001-08-20");
    QTest::newRow("before dawn, two days before")
        << true << 2
        << QStringList{uid.arg("month-1", "20010919") + month1 + entered.arg(dawn) + "|-172800",
                       uid.arg("day-4", "20010823") + day4 + entered.arg(dawn) + "|-172800"};
}

void TestCli::iCalendar()
{
    QFETCH(bool, beforeDawn);
    QFETCH(int, remind);
    QFETCH(QStringList, events);
    const RegionalSettings settings =
        RegionalSettings::fromLocale(QLocale(QStringLiteral("en_GB")));
    const CalendarDate reckoning = *CalendarDate::fromYmd(2001, 8, 20);
    const CalendarDate entered = beforeDawn ? reckoning.nextDay() : reckoning;
    Answer answer =
        Calculate(entered, reckoning, Reckoning::Kadmi, "2001", kDayMonthYear, settings);
    answer.observances = MakeSchedule(reckoning, Reckoning::Kadmi, {{}, 1, {4}});
    const std::optional<int> days = remind < 0 ? std::nullopt : std::optional(remind);
    const QDateTime stamp(QDate(2026, 1, 1), QTime(12, 0), Qt::UTC);
    QCOMPARE(Events(toICalendar(answer, stamp, days)), events);
    // Written again later: the same events, so a second import updates them.
    QCOMPARE(Events(toICalendar(answer, stamp.addDays(40), days)), events);
}

void TestCli::answers_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("output"); // the whole output, or its start ending in "..."
    const QString papeti =
        QStringLiteral("VAHISHTOIST (35)\nThe Fifth Gatha - It's Papeti Day !\n");
    const QString gathas = QStringLiteral("No mah (Gatha days), YZ 1370, Shahenshahi\n");
    QTest::newRow("day first") << "en_GB.UTF-8" << QStringList{"20-08-2001", "2005"}
                               << "20-Aug-2001\n" + papeti + "Friday, 19 August 2005\n" + gathas;
    QTest::newRow("month first, Kadmi")
        << "en_US.UTF-8" << QStringList{"--calendar", "kadmi", "07/22/2022", "2023"}
        << "22-Jul-2022\nKHORDARD (6)\nPerfection cum Universality, of the Ever-abiding "
           "Spirituality.\nSaturday, July 22, 2023\nMah Farvardin, YZ 1392, Kadmi\n";
    QTest::newRow("order given, before dawn")
        << "de_DE.UTF-8" << QStringList{"--order", "ymd", "--before-dawn", "2001-08-21", "2000"}
        << "21-Aug.-2001\n" + papeti + "Cannot be Calculated\n" + gathas;
    QTest::newRow("Fasli Avardad-sal-gah, json")
        << "en_GB.UTF-8"
        << QStringList{"--calendar", "fasli", "--order", "dmy", "--json", "20-03-2024", " 2025"}
        << "{\"calendar\":\"fasli\",\"entered\":\"2024-03-20\",\"mah\":null,\"mah_name\":null,"
           "\"meaning\":\"The day that makes the Fasli year whole, kept after the Gathas when "
           "February has 29 days.\",\"name\":\"AVARDAD-SAL-GAH\",\"reckoning\":\"2024-03-20\","
           "\"roz\":36,\"same_roz_date\":\"2025-03-20\",\"year\":\" 2025\",\"yz_year\":1393}\n";
    QTest::newRow("schedule table")
        << "en_GB.UTF-8" << QStringList{"schedule", "--from", "2026",   "--years", "1",
                                        "--months", "1",      "--days", "4",       "20-08-2001"}
        << "20-Aug-2001: VAHISHTOIST (35), " + gathas +
               "Observance  Date         Roz  Name           Mah        YZ\n"
               "year 2026   14-Aug-2026  35   VAHISHTOIST    -          1395\n"
               "month 1     25-Aug-2001  5    ASFANDARMAD    Farvardin  1371  Gatha day 5 kept on "
               "roz 5\n"
               "day 4       23-Aug-2001  3    ARD-I-BEHESHT  Farvardin  1371\n";
    QTest::newRow("schedule json")
        << "C" << QStringList{"schedule", "--json", "--from", "2026", "--years", "1", "20-08-2001"}
        << "{\"calendar\":\"shahenshahi\",\"entered\":\"2001-08-20\",\"mah\":null,"
           "\"mah_name\":null,\"meaning\":\"The Fifth Gatha - It's Papeti Day !\",\"name\":"
           "\"VAHISHTOIST\",\"observances\":[{\"date\":\"2026-08-14\",\"kind\":\"year\",\"mah\":"
           "null,\"mah_name\":null,\"n\":2026,\"name\":\"VAHISHTOIST\",\"note\":null,\"roz\":35,"
           "\"yz_year\":1395}],\"reckoning\":\"2001-08-20\",\"roz\":35,\"same_roz_date\":"
           "\"2026-08-14\",\"year\":\"2026\",\"yz_year\":1370}\n";
    QTest::newRow("calendar to standard output")
        << "C" << QStringList{"schedule", "--years", "1", "--ics", "-", "20-08-2001"}
        << "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n...";
    QTest::newRow("help") << "C" << QStringList{"--help"}
                          << "Usage: " DALVANE_CLI " [options] DATE [YEAR]\n...";
    QTest::newRow("schedule help") << "C" << QStringList{"schedule", "--help"}
                                   << "Usage: " DALVANE_CLI " [options] schedule DATE\n...";
    QTest::newRow("version") << "C" << QStringList{"--version"} << "Dalvane version 2.0.2\n";
}

void TestCli::answers()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, arguments);
    QFETCH(QString, output);
    const Run run = RunCli(locale, arguments);
    QCOMPARE(run.err, QString());
    if (output.endsWith(u"..."))
        QCOMPARE(run.out.left(output.size() - 3), output.chopped(3));
    else
        QCOMPARE(run.out, output);
    QCOMPARE(run.status, 0);
}

void TestCli::badInput_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    const QString dmy = QStringLiteral("Please Enter a Valid date in the Format: dd-mm-yyyy\n");
    QTest::newRow("day first") << "en_GB.UTF-8" << QStringList{"31-02-2001", "2005"} << dmy;
    QTest::newRow("month first") << "en_US.UTF-8" << QStringList{"20/08/2001"}
                                 << "Please Enter a Valid date in the Format: mm-dd-yyyy\n";
    QTest::newRow("year first, schedule")
        << "sv_SE.UTF-8" << QStringList{"schedule", "20-08-2001"}
        << "Please Enter a Valid date in the Format: yyyy-mm-dd\n";
    QTest::newRow("before dawn on the first day")
        << "en_GB.UTF-8" << QStringList{"--before-dawn", "01-01-0100", "2005"} << dmy;
    QTest::newRow("year not numeric")
        << "en_GB.UTF-8" << QStringList{"20-08-2001", "abc"} << "Please Enter a Valid Year\n";
    QTest::newRow("from not numeric")
        << "en_GB.UTF-8" << QStringList{"schedule", "--from", "x", "20-08-2001"}
        << "Please Enter a Valid Year\n";
    QTest::newRow("year 0") << "en_GB.UTF-8" << QStringList{"20-08-2001", "0"}
                            << "Please Enter a Year between 1 and 9999\n";
    QTest::newRow("from 10000") << "en_GB.UTF-8"
                                << QStringList{"schedule", "--from", "10000", "20-08-2001"}
                                << "Please Enter a Year between 1 and 9999\n";
    QTest::newRow("calendar file not writable")
        << "en_GB.UTF-8" << QStringList{"schedule", "--ics", "/nonexistent/out.ics", "20-08-2001"}
        << "dalvane-cli: cannot write /nonexistent/out.ics: No such file or directory\n";
}

void TestCli::badInput()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Run run = RunCli(locale, arguments);
    QCOMPARE(run.err, message);
    QCOMPARE(run.out, QString());
    QCOMPARE(run.status, 1);
}

void TestCli::badUsage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("too many") << QStringList{"20-08-2001", "2005", "2006"};
    QTest::newRow("unknown option") << QStringList{"--tomorrow"};
    QTest::newRow("bad order") << QStringList{"--order", "dym", "20-08-2001"};
    QTest::newRow("order missing its value") << QStringList{"--order"};
    QTest::newRow("today with a date") << QStringList{"--today", "20-08-2001", "2005"};
    QTest::newRow("unknown reckoning") << QStringList{"--calendar", "julian", "20-08-2001"};
    QTest::newRow("schedule option alone") << QStringList{"--years", "5", "20-08-2001"};
    QTest::newRow("schedule, no date") << QStringList{"schedule"};
    QTest::newRow("schedule, a year") << QStringList{"schedule", "20-08-2001", "2005"};
    QTest::newRow("years 0") << QStringList{"schedule", "--years", "0", "20-08-2001"};
    QTest::newRow("years 1001") << QStringList{"schedule", "--years", "1001", "20-08-2001"};
    QTest::newRow("months not a number") << QStringList{"schedule", "--months", "x", "20-08-2001"};
    QTest::newRow("months 121") << QStringList{"schedule", "--months", "121", "20-08-2001"};
    QTest::newRow("days with a word") << QStringList{"schedule", "--days", "4,x", "20-08-2001"};
    QTest::newRow("day 36501") << QStringList{"schedule", "--days", "36501", "20-08-2001"};
    QTest::newRow("remind -1") << QStringList{"schedule", "--remind", "-1", "20-08-2001"};
    QTest::newRow("json and ics") << QStringList{"schedule", "--json", "--ics", "-", "20-08-2001"};
}

void TestCli::badUsage()
{
    QFETCH(QStringList, arguments);
    const Run run = RunCli(QStringLiteral("en_GB.UTF-8"), arguments);
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.startsWith(QStringLiteral("dalvane-cli: ")) &&
                 run.err.contains(QStringLiteral("\nUsage: ")),
             qPrintable(run.err));
    QCOMPARE(run.out, QString());
}

void TestCli::today()
{
    const QDate before = QDate::currentDate();
    const Run run = RunCli(QStringLiteral("hu_HU.UTF-8"), {"--today", "--json"});
    const QDate after = QDate::currentDate();
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.contains("\"entered\":\"" + before.toString(Qt::ISODate)) ||
                 run.out.contains("\"entered\":\"" + after.toString(Qt::ISODate)),
             qPrintable(run.out));
    QVERIFY2(run.out.contains(QStringLiteral("\"year\":\"%1\"").arg(after.year())),
             qPrintable(run.out));
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"

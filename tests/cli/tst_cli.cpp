// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The built dalvane-cli run as a user runs it; a calendar it writes is read back by libical.
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <libical/ical.h>

namespace {

// "status|standard error|standard output" of one run, LC_ALL pinned over LANG and LC_TIME, and
// the clock in the zone of Mumbai, where a moment is said without a place.
QString RunCli(const QString &locale, const QString &arguments)
{
    QProcess process;
    process.setEnvironment(
        QProcess::systemEnvironment().filter(QRegularExpression("^(?!LC_ALL=|TZ=)"))
        << "LC_ALL=" + locale << "TZ=Asia/Kolkata");
    process.start(QStringLiteral(DALVANE_CLI), QProcess::splitCommand(arguments));
    process.waitForFinished(60000);
    return QString::number(process.exitCode()) + u'|' + process.readAllStandardError() + u'|' +
           process.readAllStandardOutput();
}

// Each event of a calendar text: UID, start date, summary, description and reminder trigger.
QStringList Events(const QByteArray &text)
{
    QStringList events;
    icalcomponent *calendar = icalparser_parse_string(text.constData());
    for (icalcomponent *event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
         event; event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        const icaltimetype start = icalcomponent_get_dtstart(event);
        icalcomponent *alarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT);
        events << QStringList{icalcomponent_get_uid(event),
                              start.is_date ? "date" : "time",
                              icaltime_as_ical_string(start),
                              icalcomponent_get_summary(event),
                              icalcomponent_get_description(event),
                              icalproperty_get_value_as_string(
                                  icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY))}
                      .join(u'|');
    }
    icalcomponent_free(calendar);
    return events;
}

// A festival calendar's events: UID, start and end dates, summary and description.
QStringList FestivalEvents(const QByteArray &text)
{
    QStringList events;
    icalcomponent *calendar = icalparser_parse_string(text.constData());
    for (icalcomponent *event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
         event; event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
        events << QStringList{icalcomponent_get_uid(event),
                              icaltime_as_ical_string(icalcomponent_get_dtstart(event)),
                              icaltime_as_ical_string(icalcomponent_get_dtend(event)),
                              icalcomponent_get_summary(event),
                              icalcomponent_get_description(event)}
                      .join(u'|');
    icalcomponent_free(calendar);
    return events;
}

// A PDF's page count, then its first page's text as pdftotext reads it.
QString PdfText(const QString &path)
{
    QProcess info, text;
    info.start(QStringLiteral("pdfinfo"), {path});
    text.start(QStringLiteral("pdftotext"), {"-raw", "-f", "1", "-l", "1", path, "-"});
    info.waitForFinished();
    text.waitForFinished();
    const QString pages = QString::fromUtf8(info.readAllStandardOutput())
                              .section(QStringLiteral("Pages:"), 1)
                              .section(u'\n', 0, 0)
                              .trimmed();
    return pages + QStringLiteral(" pages\n") + QString::fromUtf8(text.readAllStandardOutput());
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void runs_data();
    void runs();
    void badUsage_data();
    void badUsage();
    void familyRegister();
    void familyCsv();
    void wallCalendarScripts_data();
    void wallCalendarScripts();
};

void TestCli::runs_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("expected"); // "status|error|output", or its start and "..."
    const QString gathas = QStringLiteral("No mah (Gatha days), YZ 1370, Shahenshahi\n");
    const struct
    {
        const char *name, *locale, *arguments;
        QString expected;
    } rows[] = {
        {"day first", "en_GB.UTF-8", "20-08-2001 2005",
         "0||20-Aug-2001\nVAHISHTOIST (35)\nThe Fifth Gatha - It's Papeti Day !\n" +
             QStringLiteral("Friday, 19 August 2005\n") + gathas},
        // The fifth Gatha day as Iranian Zoroastrian calendars print it.
        {"Persian names", "C", "--names persian --order dmy 20-08-2001 2005",
         "0||20-Aug-2001\nVAHISHTOIST (35) وهشتواش\nThe Fifth Gatha - It's Papeti Day !\n" +
             QStringLiteral("Friday, 19 August 2005\n") + gathas},
        {"Fasli Avardad-sal-gah", "C", "--calendar fasli --order dmy --json 20-03-2024 2025",
         "0||{\"calendar\":\"fasli\",\"entered\":\"2024-03-20\",\"mah\":null,\"mah_name\":null,"
         "\"mah_names\":null,\"meaning\":\"The day that makes the Fasli year whole, kept after th"
         "e Gathas when February has 29 days.\",\"name\":\"AVARDAD-SAL-GAH\",\"names\":{\"en\":\"A"
         "VARDAD-SAL-GAH\",\"fa\":\"اورداد\",\"gu\":\"અવરદાદ સાલ "
         "ગાહ\"},\"reckoning\":\"2024-03-20\",\"roz\":36,"
         "\"same_roz_date\":\"2025-03-20\",\"year\":\"2025\",\"yz_year\":1393}\n"},
        {"schedule table, an earlier year left out", "en_GB.UTF-8",
         "schedule --before-dawn --from 2000 --years 2 --months 1 21-08-2001",
         "0||21-Aug-2001: VAHISHTOIST (35), " + gathas +
             "Observance  Date                      Roz               Mah        YZ    Note\n"
             "Year 2001   Monday, 20 August 2001    VAHISHTOIST (35)  -          1370\n"
             "Month 1     Saturday, 25 August 2001  ASFANDARMAD (5)   Farvardin  1371  Gatha day "
             "5 kept on roz 5\n"},
        // The twelfth month's roz and mah are the first anniversary's: one observance.
        {"schedule table, the first varsi once", "en_GB.UTF-8",
         "schedule --order dmy --from 2002 --years 1 --months 12 25-08-2001",
         "0||25-Aug-2001: ASFANDARMAD (5), Mah Farvardin, YZ 1371, Shahenshahi\nObservance         "
         "   Date                        Roz              Mah            YZ    Note\nYear 2002 (mon"
         "th 12)  Sunday, 25 August 2002      ASFANDARMAD (5)  Farvardin      1372\nMonth 1  ..."},
        {"schedule in JSON, the event's day once", "C",
         "schedule --order dmy --from 2001 --years 1 --days 1 --json 25-08-2001",
         "0||{\"calendar\":\"shahenshahi\",\"entered\":\"2001-08-25\",\"mah\":1,\"mah_name\":"
         "\"Farvardin\",\"mah_names\":{\"en\":\"Farvardin\",\"fa\":\"فروردین\",\"gu\":\"ફરવરદીન"
         "\"},\"meaning\":\"The Discernment between Right and Wrong : Insight into the  Realities "
         "of Life (Asha), to distinguish Unrealities (druj).\",\"name\":\"ASFANDARMAD\",\"names\""
         ":{\"en\":\"ASFANDARMAD\",\"fa\":\"سپندارمذ\",\"gu\":\"સ્પેન્દાર્મદ\"},\"observances\""
         ":[{\"also\":[{\"kind\":\"day\",\"n\":1}],\"date\":\"2001-08-25\",\"kind\":\"year\","
         "\"mah\":1,\"mah_name\":\"Farvardin\",\"mah_names\":{\"en\":\"Farvardin\",\"fa\":\"فرو"
         "ردین\",\"gu\":\"ફરવરદીન\"},\"n\":2001,\"name\":\"ASFANDARMAD\",\"names\":{\"en\":"
         "\"ASFANDARMAD\",\"fa\":\"سپندارمذ\",\"gu\":\"સ્પેન્દાર્મદ\"},\"note\":null,\"roz\":5,"
         "\"yz_year\":1371}],\"person\":null,\"reckoning\":\"2001-08-25\",\"roz\":5,\"same_roz"
         "_date\":\"2001-08-25\",\"year\":\"2001\",\"yz_year\":1371}\n"},
        {"help", "C", "--help", "0||Usage: " DALVANE_CLI " [options] DATE [YEAR]\n..."},
        {"schedule help", "C", "schedule --help", "0||Usage: " DALVANE_CLI " [options] schedu..."},
        {"calendar file", "C",
         "schedule --calendar kadmi --before-dawn --from 2000 --years 1 --days 4 --remind 2 "
         "--ics - 21-08-2001",
         "0||2001-08-20-kadmi-day-4@dalvane.example.org|date|20010823|ARD-I-BEHESHT, day 4|Roz 3 A"
         "RD-I-BEHESHT: The Supreme Law of the Universe, Righteousness, Neki, Neeti, Reality.\nMah"
         " Ard-i-Behesht, YZ 1371, Kadmi\nEntered date 2001-08-21, before dawn, so reckoned from 2"
         "001-08-20|-P2D"},
        // A name keeps two people's events apart and the same name finds its own again.
        {"calendar file with a name", "C",
         "schedule --name \" Dinshaw  Mehta\" --from 2002 --years 1 --ics - 20-08-2001",
         "0||2001-08-20-shahenshahi-year-2002-Dinshaw%20Mehta@dalvane.example.org|date|20020820|Din"
         "shaw Mehta: VAHISHTOIST, year 2002|Observance for Dinshaw Mehta\nRoz 35 VAHISHTOIST: T"
         "he Fifth Gatha - It's Papeti Day !\nNo mah (Gatha days), YZ 1371, Shahenshahi\nEntered"
         " date 2001-08-20|"},
        // One event where two fall on one day, under the identity of the one that stands.
        {"calendar file, a year for a day", "C",
         "schedule --order dmy --name Framroze --from 2002 --years 1 --days 366 --remind 1 --ics - "
         "25-08-2001",
         "0||2001-08-25-shahenshahi-year-2002-Framroze@dalvane.example.org|date|20020825|Framroze: "
         "A"
         "SFANDARMAD, year 2002 (day 366)|Observance for Framroze\nRoz 5 ASFANDARMAD: The Discernme"
         "nt between Right and Wrong : Insight into the  Realities of Life (Asha), to distinguish "
         "Un"
         "realities (druj).\nMah Farvardin, YZ 1372, Shahenshahi\nEntered date 2001-08-25|-P1D"},
        {"today", "C", "--today --json", "0||{\"calendar\":..."},
        {"version", "C", "--version", "0||Dalvane version 2.0.2\n"},
        {"year first", "sv_SE.UTF-8", "schedule 20-08-2001",
         "1|Please Enter a Valid date in the Format: yyyy-mm-dd\n|"},
        {"from 10000", "C", "schedule --from 10000 1-1-2001",
         "1|Please Enter a Year between 1 and 9999\n|"},
        {"before sunrise in London", "C",
         "--order dmy --time 07:30 --place London --json 15-12-2025",
         "0||{\"before_sunrise\":true,\"calendar\":\"shahenshahi\",\"entered\":\"2025-12-15\","
         "\"gah\":\"Ushahin\",\"mah\":5,\"mah_name\":\"Amerdaad\",\"mah_names\":{\"en\":\"Amerda"
         "ad\",\"fa\":\"امرداد\",\"gu\":\"અમરદાદ\"},\"meaning\":\"The Good Mind, the Pure Heart. "
         "'The "
         "pure in Heart shall see "
         "God'.\",\"name\":\"BEHMAN\",\"names\":{\"en\":\"BEHMAN\",\"fa\":\"ب"
         "همن\",\"gu\":\"બહમન\"},\"place\":{"
         "\"latitude\":51.51,\"longitude\":-0.13,\"name\":\"London\",\"zone\":\"Europe/London\"},"
         "\"reckoning\":\"2025-12-14\",\"roz\":2,\"same_roz_date\":\"2026-12-14\",\"sunrise\":"
         "\"08:00\",\"sunset\":\"15:52\",\"time\":\"07:30\",\"year\":\"2026\",\"yz_year\":1395}\n"},
        {"after sunrise in Mumbai", "C", "--order dmy --time 07:30 --place Mumbai 15-12-2025 2026",
         "0||15-Dec-2025\nARD-I-BEHESHT (3)\nThe Supreme Law of the Universe, Righteousness, Neki, "
         "Neeti, Reality.\nTuesday, 15 December 2026\nMah Amerdaad, YZ 1395, Shahenshahi\n7:30 in "
         "Havan Gah, after sunrise at Mumbai (7:04): the roz of the day\n"},
        {"places", "C", "places --json",
         "0||[{\"latitude\":18.96,\"longitude\":72.82,\"name\":\"Mumbai..."},
        {"calendar file not writable", "C", "schedule --ics /nonexistent/out.ics 20-08-2001",
         "1|dalvane-cli: cannot write /nonexistent/out.ics: No such file or directory\n|"},
        {"festivals", "en_GB.UTF-8", "festivals --from 2025 --years 1",
         "0||Shahenshahi\nDate          Weekday  Festival                  Days  Roz  Mah       "
         "     YZ\n15-Jan-2025   Wed      Shehrevar Jashan          1     4    Shehrevar     "
         " 1394\n..."},
        {"festivals in JSON", "C", "festivals --calendar fasli --from 2024 --json",
         "0||{\"calendar\":\"fasli\",\"festivals\":[{\"date\":\"2024-01-07\",\"days\":1,\"mah\""
         ":10,\"name\":\"Dae Jashan\",\"roz\":23,\"yz_year\":1393},{\"date\":\"2024-01-16\",\"da"
         "ys\":1,\"mah\":11,\"name\":\"Bahman Jashan\",\"roz\":2,\"yz_year\":1393},{\"date\":\"20"
         "24-02-18\",\"days\":1,\"mah\":12,\"name\":\"Aspandarmad Jashan\",\"roz\":5,\"yz_year\""
         ":1393},{\"date\":\"2024-03-10\",\"days\":11,\"mah\":12,\"name\":\"Muktad\",\"roz\":2"
         "6,\"yz_year\":1393},{\"date\":\"2024-03-15\",\"days\":6,\"mah\":null,\"name\":\"Hama"
         "spathmaedem Gahambar\",\"roz\":31,\"yz_year\":1393},{\"date\":\"2024-03-20\",\"days\""
         ":1,\"mah\":null,\"name\":\"Pateti\",\"roz\":36,\"yz_year\":1393},{\"date\":\"2024-03-"
         "21\",\"days\":1,\"mah\":1,\"name\":\"Navroz\",\"roz\":1,\"yz_year\":1394}..."},
        {"festivals calendar file", "C", "festivals --calendar kadmi --from 2025 --ics -",
         "0||festival-paitishahem-gahambar-1394-kadmi@dalvane.example.org|20250107|20250112|Paiti"
         "shahem Gahambar|Paitishahem Gahambar: 5 days from roz 26 AASHTAAD, Mah Shehrevar, YZ 139"
         "4, in the Kadmi reckoning.\n..."},
        {"month", "en_GB.UTF-8", "month 2025-08",
         "0||       August 2025\nMah Asfandarmad, Gatha days, Farvardin; YZ 1394, 1395; Shahensha"
         "hi\n     Mo Tu We Th Fr Sa Su\nday               1  2  3\nroz              22 23 24\nd"
         "ay   4  5  6  7  8  9 10\nroz  25 26 27 28 29 30 31\nday  11 12 13 14 15 16 17\nroz  3"
         "2 33 34 35  1  2  3\nday  18 19 20 21 22 23 24\nroz   4  5  6  7  8  9 10\nday  25 2"
         "6 27 28 29 30 31\nroz  11 12 13 14 15 16 17\n\n05-Aug-2025  Tue  Muktad              "
         "      10 days, to 14-Aug-2025\n10-Aug-2025  Sun  Hamaspathmaedem Gahambar  5 days, to 1"
         "4-Aug-2025\n14-Aug-2025  Thu  Pateti\n15-Aug-2025  Fri  Navroz\n20-Aug-2025  Wed  Kho"
         "rdad Sal\n\nFirst quarter  Fri 01-Aug-2025 18:11\nFull moon      Sat 09-Aug-2025 "
         "13:25\nLast"
         " quarter   Sat 16-Aug-2025 10:42\nNew moon       Sat 23-Aug-2025 11:36\nFirst quarter  "
         "Sun 31-Aug-2025 11:55\n"},
        {"wall calendar", "en_US.UTF-8", "calendar --from 2025-08 --months 2 --pdf OUT.pdf",
         "0|||2 pages\nAugust 2025 Mah Asfandarmad, Gatha days, Farvardin; YZ 1394, 1395; Shahens"
         "hahi\nSunday Monday Tuesday Wednesday Thursday Friday Saturday\n1\n22 GOVAAD\n..."},
        // The US Naval Observatory's phases of January 2026 (10:03, 15:48, 19:52 and 4:47 UT)
        // in India's time.
        {"moon", "C", "moon --from 2026-01 --months 1 --place Mumbai",
         "0||Full moon      Sat 03-Jan-2026 15:33\nLast quarter   Sat 10-Jan-2026 21:18\nNew moon"
         "       Mon 19-Jan-2026 1:22\nFirst quarter  Mon 26-Jan-2026 10:17\n"},
        {"wall calendar not writable", "C", "calendar --pdf /nonexistent/out.pdf",
         "1|dalvane-cli: cannot write /nonexistent/out.pdf: No such file or directory\n|"},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << row.locale << row.arguments << row.expected;
}

void TestCli::runs()
{
    QFETCH(QString, locale);
    QFETCH(QString, arguments);
    QFETCH(QString, expected);
    const QTemporaryDir directory;
    const QString pdf = directory.filePath(QStringLiteral("out.pdf"));
    QString run = RunCli(locale, QString(arguments).replace(QStringLiteral("OUT.pdf"), pdf));
    if (run.contains(u"|BEGIN:VCALENDAR")) // read back by libical
        run = run.section(u'|', 0, 1) + u'|' +
              (arguments.startsWith(u"festivals") ? FestivalEvents
                                                  : Events)(run.section(u'|', 2).toUtf8())
                  .join(u'\n');
    if (arguments.contains(u"OUT.pdf"))
        run += u'|' + PdfText(pdf);
    QCOMPARE(expected.endsWith(u"...") ? run.left(expected.size() - 3) + "..." : run, expected);
}

void TestCli::badUsage_data()
{
    QTest::addColumn<QString>("arguments");
    for (const char *arguments : {"",
                                  "x 2005 2006",
                                  "--tomorrow",
                                  "--order dym x",
                                  "--order",
                                  "--today x 1",
                                  "--years 5 x",
                                  "--calendar julian x",
                                  "schedule",
                                  "schedule x 2005",
                                  "schedule --years 0 x",
                                  "schedule --years 1001 x",
                                  "schedule --months x x",
                                  "schedule --months 121 x",
                                  "schedule --days 4,x x",
                                  "schedule --days 36501 x",
                                  "schedule --remind -1 x",
                                  "schedule --json --ics - x",
                                  "festivals --calendar julian",
                                  "festivals --years 0",
                                  "festivals --years 1001",
                                  "festivals --from 99",
                                  "festivals --from 2025x",
                                  "festivals --json --ics -",
                                  "festivals 2025",
                                  "month 2025-13",
                                  "month 2025-8",
                                  "month 2025-08 2025-09",
                                  "month --calendar x",
                                  "calendar",
                                  "calendar --months 25 --pdf -",
                                  "calendar --from 2025/08 --pdf -",
                                  "calendar --from 9999-12 --months 2 --pdf -",
                                  "family",
                                  "family bury x",
                                  "family add x",
                                  "family add --name A --kind cat x",
                                  "family add --name A --months 121 x",
                                  "family edit x",
                                  "family remove 1 2",
                                  "family upcoming --json --ics -",
                                  "family upcoming --days 3661",
                                  "family upcoming --from 2026-1-1",
                                  "family remind --at-login maybe",

                                  "--names latin x",
                                  "schedule --names x x",
                                  "festivals --names urdu",
                                  "month --names gujrati",
                                  "month --place Atlantis",
                                  "calendar --names x --pdf -",
                                  "calendar --place Atlantis --pdf -",
                                  "moon --months 0",
                                  "moon --months 241",
                                  "moon --from 2026-1",
                                  "moon --place Atlantis",
                                  "moon 2026-01"})
        QTest::newRow(*arguments ? arguments : "nothing") << QString::fromLatin1(arguments);
    for (const char *arguments :
         {"--time 7:30 x", "--before-dawn --time 7:30 --place Pune x", "--place Atlantis x",
          "--place 51.5,-0.1 x", "--place 91,0,UTC x", "--place 0,181,UTC x",
          "--place 0,0,Mars/Olympus x", "--time 7.30 --place Pune x",
          "schedule --time 24:00 --place Pune x", "places x"})
        QTest::newRow(arguments) << QString::fromLatin1(arguments);
}

void TestCli::badUsage()
{
    QFETCH(QString, arguments);
    const QString run = RunCli(QStringLiteral("C"), arguments);
    QVERIFY2(run.startsWith(QStringLiteral("2|dalvane-cli: ")) && run.contains(u"\nUsage: ") &&
                 run.endsWith(u'|'),
             qPrintable(run));
}

// A register made, listed, exported and imported into another: the same entries, an entry
// already there skipped, a bad document refused whole.
void TestCli::familyRegister()
{
    const QTemporaryDir directory;
    const QString first = " --register " + directory.filePath("first.sqlite");
    const QString second = " --register " + directory.filePath("second.sqlite");
    const QString document = directory.filePath("family.json");
    QCOMPARE(RunCli("C", "family list --json" + first), "0||[]\n");
    QCOMPARE(RunCli("C", "family add --order dmy --name \"Dinshaw Mehta\" 20-08-2001" + first),
             "0||Added 1: Dinshaw Mehta\n");
    QCOMPARE(
        RunCli("C",
               "family add --kind birth --calendar fasli --order ymd --name Roshan 1971-02-01" +
                   first),
        "0||Added 2: Roshan\n");
    QVERIFY(RunCli("C", "family upcoming --from 2027-01-01 --days 365" + first)
                .contains(" Roz birthday 2027 "));
    QCOMPARE(RunCli("C", "family add --order ymd --name Roshan 1971-02-30" + first),
             "1|Please Enter a Valid date in the Format: yyyy-mm-dd\n|");
    QCOMPARE(RunCli("C", "family export " + document + first), "0||");
    QCOMPARE(RunCli("C", "family import " + document + second), "0||Imported 2, skipped 0\n");
    QCOMPARE(RunCli("C", "family import " + document + second), "0||Imported 0, skipped 2\n");
    QCOMPARE(RunCli("C", "family list --json" + second), RunCli("C", "family list --json" + first));
    QVERIFY(RunCli("C", "family list --json" + first)
                .contains("\"mah\":null,\"mah_name\":null,\"mah_names\":null,\"months\":12,"
                          "\"name\":\"VAHISHTOIST\""));
    // The first anniversary stands for the twelfth month, which has its roz and mah.
    const QString third = " --register " + directory.filePath("third.sqlite");
    QCOMPARE(RunCli("C", "family add --order dmy --name Framroze 25-08-2001" + third),
             "0||Added 1: Framroze\n");
    QCOMPARE(RunCli("C", "family upcoming --from 2002-08-25 --days 1 --json" + third),
             "0||{\"days\":1,\"from\":\"2002-08-25\",\"observances\":[{\"also\":[{\"kind\":\"mo"
             "nth\",\"n\":12}],\"date\":\"2002-08-25\",\"event\":\"death\",\"id\":1,\"kind\":\"ye"
             "ar\",\"mah\":1,\"mah_name\":\"Farvardin\",\"n\":2002,\"name\":\"ASFANDARMAD\",\"not"
             "e\":null,\"person\":\"Framroze\",\"roz\":5,\"yz_year\":1372}]}\n");
    QFile(document).open(QIODevice::WriteOnly);
    QVERIFY(RunCli("C", "family import " + document + second).startsWith("1|"));
    QCOMPARE(RunCli("C", "family remove 3" + second).section(u'|', 0, 0), "1");
}

// A register written as CSV and read into another: the same entries, however their texts are
// quoted, a death with no days included.
void TestCli::familyCsv()
{
    const QTemporaryDir directory;
    const QString first = " --register " + directory.filePath("first.sqlite");
    const QString second = " --register " + directory.filePath("second.sqlite");
    const QString document = directory.filePath("family.json"), csv = directory.filePath("a.csv");
    QFile file(document);
    QVERIFY(file.open(QIODevice::WriteOnly) &&
            file.write("{\"format\": \"dalvane-family\", \"version\": 1, \"people\": ["
                       "{\"person\": \"Irani, \\\"Rustom\\\" \u0aa1\u0acb\u0ab2\u0ac0\", "
                       "\"date\": \"2001-08-20\", \"days\": [], \"months\": 0, "
                       "\"note\": \"one, two\\nthree; \\\"four\\\"\\r\\n\"}, "
                       "{\"person\": \"Ava\", \"kind\": \"wedding\", \"date\": \"1999-12-10\", "
                       "\"calendar\": \"fasli\", \"time\": \"05:30\", "
                       "\"place\": \"19.07,72.88,Asia/Kolkata\"}, "
                       "{\"person\": \"Homi\", \"kind\": \"navjote\", \"date\": \"9999-12-31\", "
                       "\"before_dawn\": true}]}") > 0);
    file.close();
    QCOMPARE(RunCli("C", "family import " + document + first), "0||Imported 3, skipped 0\n");
    QCOMPARE(RunCli("C", "family export --csv " + csv + first), "0||");
    QCOMPARE(RunCli("C", "family import --csv " + csv + second), "0||Imported 3, skipped 0\n");
    QCOMPARE(RunCli("C", "family list --json" + second), RunCli("C", "family list --json" + first));
}

// The wall calendar of January 2026 in another script, read back: the font that holds the script
// embedded, the names in their own letters and order (the letters' joined forms read as the
// letters), the place in the heading and the full moon at its local time, the US Naval
// Observatory's 10:03 UT.
void TestCli::wallCalendarScripts_data()
{
    for (const char *column : {"names", "place", "font", "texts"})
        QTest::addColumn<QString>(column);
    QTest::newRow("Gujarati") << "gujarati"
                              << "Mumbai"
                              << "NotoSansGujaratiUI"
                              << "Mah Amerdaad અમરદાદ|બહેરામ|15:33";
    QTest::newRow("Persian") << "persian"
                             << "Tehran"
                             << "NotoSansArabicUI"
                             << "Mah Amerdaad امرداد|دی به دین|13:33";
}

void TestCli::wallCalendarScripts()
{
    QFETCH(QString, names);
    QFETCH(QString, place);
    QFETCH(QString, font);
    QFETCH(QString, texts);
    const QTemporaryDir directory;
    const QString pdf = directory.filePath(QStringLiteral("out.pdf"));
    QCOMPARE(RunCli("C", QStringLiteral("calendar --from 2026-01 --months 1 --names %1 --place %2 "
                                        "--pdf %3")
                             .arg(names, place, pdf)),
             "0||");
    QProcess fonts, text;
    fonts.start(QStringLiteral("pdffonts"), {pdf});
    text.start(QStringLiteral("pdftotext"), {pdf, "-"});
    fonts.waitForFinished();
    text.waitForFinished();
    QVERIFY(QString::fromUtf8(fonts.readAllStandardOutput())
                .contains(QRegularExpression(font + "-Regular .* yes ")));
    const QString page = QString::fromUtf8(text.readAllStandardOutput())
                             .normalized(QString::NormalizationForm_KC)
                             .remove(QRegularExpression("[\\x{202A}-\\x{202E}]"));
    for (const QString &text : texts.split(u'|') + QStringList{"moon at " + place})
        QVERIFY2(page.contains(text), qPrintable(text + " in " + page));
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"

// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar file written without a library, against libical: the bytes libical writes for
// the same events, and what libical reads back from them; and what the events say.
#include "calendar/icalendar.h"
#include "calendar/observancetext.h"

#include <QTest>
#include <libical/ical.h>

namespace {

QByteArray Bytes(const std::string &text)
{
    return QByteArray::fromStdString(text);
}

// The events made with libical itself, as the program made them before it wrote its own.
QByteArray LibicalWritten(const std::vector<core::CalendarEvent> &events, std::int64_t stamp)
{
    icalcomponent *calendar = icalcomponent_new_vcalendar();
    icalcomponent_add_property(calendar, icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar, icalproperty_new_prodid("-//Dalvane//dalvane-cli//EN"));
    const icaltimetype dtstamp =
        icaltime_from_timet_with_zone(time_t(stamp), 0, icaltimezone_get_utc_timezone());
    for (const core::CalendarEvent &e : events) {
        icalcomponent *event = icalcomponent_new_vevent();
        icalcomponent_add_property(event, icalproperty_new_uid(e.uid.c_str()));
        icalcomponent_add_property(event, icalproperty_new_dtstamp(dtstamp));
        icaltimetype start = icaltime_null_date();
        start.year = e.start.year();
        start.month = e.start.month();
        start.day = e.start.day();
        icalcomponent_add_property(event, icalproperty_new_dtstart(start));
        icalcomponent_add_property(event, icalproperty_new_dtend(icaltime_add(
                                              start, icaldurationtype_from_int(86400 * e.days))));
        icalcomponent_add_property(event, icalproperty_new_summary(e.summary.c_str()));
        icalcomponent_add_property(event, icalproperty_new_description(e.description.c_str()));
        icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        if (e.remindDays) {
            icalcomponent *alarm = icalcomponent_new_valarm();
            icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
            icalcomponent_add_property(
                alarm, icalproperty_new_trigger(icaltriggertype_from_int(-*e.remindDays * 86400)));
            icalcomponent_add_property(alarm, icalproperty_new_description(e.summary.c_str()));
            icalcomponent_add_component(event, alarm);
        }
        icalcomponent_add_component(calendar, event);
    }
    const QByteArray text = icalcomponent_as_ical_string(calendar);
    icalcomponent_free(calendar);
    return text;
}

// What libical reads of each event: UID, start, end, summary, description, and the reminder's
// trigger and text; then the file as libical writes again what it read.
QStringList ReadBack(const QByteArray &text)
{
    QStringList read;
    icalcomponent *calendar = icalparser_parse_string(text.constData());
    for (icalcomponent *event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
         event; event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        icalcomponent *alarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT);
        read << QStringList{icalcomponent_get_uid(event),
                            icaltime_as_ical_string(icalcomponent_get_dtstart(event)),
                            icaltime_as_ical_string(icalcomponent_get_dtend(event)),
                            icalcomponent_get_summary(event),
                            icalcomponent_get_description(event),
                            alarm
                                ? icalproperty_get_value_as_string(icalcomponent_get_first_property(
                                      alarm, ICAL_TRIGGER_PROPERTY))
                                : "",
                            alarm ? icalcomponent_get_description(alarm) : ""}
                    .join(u'|');
    }
    read << icalcomponent_as_ical_string(calendar);
    icalcomponent_free(calendar);
    return read;
}

CalendarDate Date(int year, int month, int day)
{
    return *CalendarDate::fromYmd(year, month, day);
}

const std::string kLong = "Ārmaitī, Dinshaw; \"Dinu\" \\ Mehta-Framroze of Navsari: ગુજરાતી "
                          "વહીસ્તોઈસ્ત and فارسی وهشتواش, a name long enough to fold twice over";

} // namespace

Q_DECLARE_METATYPE(core::CalendarEvent)

class TestICalendar : public QObject
{
    Q_OBJECT

private slots:
    void asLibicalWritesIt_data();
    void asLibicalWritesIt();
    void foldsAsLibical();
    void eventTexts_data();
    void eventTexts();
};

void TestICalendar::asLibicalWritesIt_data()
{
    QTest::addColumn<core::CalendarEvent>("event");
    QTest::addColumn<QString>("read"); // as libical reads it back
    QTest::newRow("plain, a reminder two days before")
        << core::CalendarEvent{"u@h", Date(2026, 8, 15), 1, "VAHISHTOIST, year 2026", "Roz 35", 2}
        << "u@h|20260815|20260816|VAHISHTOIST, year 2026|Roz 35|-P2D|VAHISHTOIST, year 2026";
    QTest::newRow("escapes, lines, controls dropped, no reminder")
        << core::CalendarEvent{"a,b;c",        Date(2001, 8, 20),        1,
                               "A, B; C \\ D", "one\r\ntwo,\tthree\f\b", {}}
        << "a,b;c|20010820|20010821|A, B; C \\ D|one\ntwo,\tthree||";
    QTest::newRow("a long name folded, at once")
        << core::CalendarEvent{"x",
                               Date(2024, 3, 20),
                               1,
                               kLong + ": VAHISHTOIST, year 2030",
                               "Observance for " + kLong,
                               0}
        << QString::fromStdString("x|20240320|20240321|" + kLong + ": VAHISHTOIST, year 2030|" +
                                  "Observance for " + kLong + "|PT0S|" + kLong +
                                  ": VAHISHTOIST, year 2030");
    QTest::newRow("a week before, ten days long, over 29 February")
        << core::CalendarEvent{"m", Date(2024, 2, 25), 10, "Muktad", "Roz 26", 7}
        << "m|20240225|20240306|Muktad|Roz 26|-P1W|Muktad";
    QTest::newRow("a year before, the last day of 3000")
        << core::CalendarEvent{"y", Date(3000, 12, 30), 1, "Y", "D", 365}
        << "y|30001230|30001231|Y|D|-P365D|Y";
}

// The bytes libical writes, and libical reads them as they were meant and writes them again
// alike.
void TestICalendar::asLibicalWritesIt()
{
    QFETCH(core::CalendarEvent, event);
    QFETCH(QString, read);
    const std::int64_t stamp = 1796620800; // 2026-12-07 05:20 UTC
    const QByteArray written = Bytes(core::CalendarFileText({event, event}, stamp));
    QCOMPARE(written, LibicalWritten({event, event}, stamp));
    QVERIFY(written.contains("\r\nDTSTAMP:20261207T052000Z\r\n"));
    QCOMPARE(ReadBack(written), QStringList({read, read, QString::fromUtf8(written)}));
}

// Texts of every length around the fold, of letters of one to four octets, blanks, colons and
// semicolons, folded where libical folds them.
void TestICalendar::foldsAsLibical()
{
    const char *pieces[] = {"a", " ", ":", ";", "\\", "é", "ગુ", "😀", ",", "\n"};
    unsigned seed = 1;
    const auto next = [&] { return (seed = seed * 1103515245 + 12345) >> 16; };
    for (int round = 0; round < 600; ++round) {
        std::string text;
        const size_t length = 50 + round % 150;
        // One kind of piece alone, or many kinds mixed.
        const unsigned only = round % 3 == 0 ? next() % std::size(pieces) : std::size(pieces);
        while (text.size() < length)
            text += pieces[only < std::size(pieces) ? only : next() % std::size(pieces)];
        const core::CalendarEvent event{text, Date(2025, 1, 1), 1, text, text, 3};
        QCOMPARE(Bytes(core::CalendarFileText({event}, 0)), LibicalWritten({event}, 0));
    }
}

void TestICalendar::eventTexts_data()
{
    QTest::addColumn<int>("kind");      // an EventKind, or -1 for the festivals of the year
    QTest::addColumn<QString>("dates"); // entered and reckoned from
    QTest::addColumn<QString>("person");
    QTest::addColumn<QString>("place"); // where sunrise moved the date back
    QTest::addColumn<QString>("event"); // the first event's UID, summary and description
    QTest::newRow("a navjote's yearly, before sunrise at London")
        << int(EventKind::Navjote) << "2025-12-15 2025-12-14"
        << "Roshan Irani"
        << "London"
        << "2025-12-14-shahenshahi-navjote-anniversary-2026-Roshan%20Irani@dalvane.example.org|R"
           "oshan Irani: BEHMAN, navjote anniversary 2026|Observance for Roshan Irani\nRoz 2 BEHMA"
           "N: The Good Mind, the Pure Heart. 'The pure in Heart shall see God'.\nMah Amerdaad, "
           "YZ 1396, Shahenshahi\nEntered date 2025-12-15, before sunrise at London, so reckoned "
           "from 2025-12-14";
    QTest::newRow("a death's, before dawn, no name")
        << int(EventKind::Death) << "2025-12-15 2025-12-14"
        << ""
        << ""
        << "2025-12-14-shahenshahi-year-2026@dalvane.example.org|BEHMAN, year 2026|Roz 2 BEHMAN: "
           "The Good Mind, the Pure Heart. 'The pure in Heart shall see God'.\nMah Amerdaad, YZ "
           "1396, Shahenshahi\nEntered date 2025-12-15, before dawn, so reckoned from 2025-12-14";
    QTest::newRow("a festival of one day")
        << -1 << ""
        << ""
        << ""
        << "festival-navroz-1395-shahenshahi@dalvane.example.org|Navroz|Navroz: 1 day from roz 1 "
           "HORMUZD, Mah Farvardin, YZ 1395, in the Shahenshahi reckoning.";
}

// The words of a schedule's and a festival's events, and the identity that finds them again.
void TestICalendar::eventTexts()
{
    QFETCH(int, kind);
    QFETCH(QString, dates);
    QFETCH(QString, person);
    QFETCH(QString, place);
    QFETCH(QString, event);
    std::vector<core::CalendarEvent> events;
    if (kind < 0) {
        events = core::FestivalEvents(FestivalsBeginningIn(2025, 1, Reckoning::Shahenshahi),
                                      Reckoning::Shahenshahi);
        std::erase_if(events, [](const core::CalendarEvent &e) { return e.summary != "Navroz"; });
    } else {
        const auto date = [&](int i) {
            const QStringList ymd = dates.section(u' ', i, i).split(u'-');
            return Date(ymd[0].toInt(), ymd[1].toInt(), ymd[2].toInt());
        };
        const core::ScheduleOwner owner{date(0),
                                        date(1),
                                        Reckoning::Shahenshahi,
                                        ZoroastrianDayOf(date(1), Reckoning::Shahenshahi),
                                        person.toStdString(),
                                        std::string(core::YearlyName(EventKind(kind))),
                                        place.toStdString()};
        events = core::ObservanceEvents(
            MakeSchedule(owner.rozDate, owner.calendar, {{2026}, 0, {}}), owner, std::nullopt);
    }
    QVERIFY(!events.empty());
    const core::CalendarEvent &e = events.front();
    QCOMPARE(QString::fromStdString(e.uid + '|' + e.summary + '|' + e.description), event);
}

QTEST_GUILESS_MAIN(TestICalendar)
#include "tst_icalendar.moc"

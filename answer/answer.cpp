// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer.h"

#include "addresses.h"
#include "regional.h"
#include "writtenforms.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QUrl>
#include <algorithm>
#include <libical/ical.h>
#include <memory>

namespace {

QString mahLabel(const ZoroastrianDay &day)
{
    return day.mah != 0 ? QStringLiteral("Mah ") + FromLatin1(MahName(day.mah))
                        : QStringLiteral("No mah (Gatha days)");
}

// "Mah Meher, YZ 1394, Shahenshahi"
QString reckoningLine(const ZoroastrianDay &day, Reckoning calendar)
{
    return QStringLiteral("%1, YZ %2, %3")
        .arg(mahLabel(day))
        .arg(day.yzYear)
        .arg(CalendarTitle(calendar));
}

QString kindName(ObservanceKind kind)
{
    return kind == ObservanceKind::Year    ? QStringLiteral("year")
           : kind == ObservanceKind::Month ? QStringLiteral("month")
                                           : QStringLiteral("day");
}

QString what(const Observance &entry)
{
    return kindName(entry.kind) + u' ' + QString::number(entry.n);
}

void addDay(QJsonObject &object, const ZoroastrianDay &day)
{
    object[u"roz"] = day.roz;
    object[u"name"] = FromLatin1(RozRowOf(day.roz).name);
    object[u"mah"] = day.mah != 0 ? QJsonValue(day.mah) : QJsonValue();
    object[u"mah_name"] = day.mah != 0 ? QJsonValue(FromLatin1(MahName(day.mah))) : QJsonValue();
    object[u"yz_year"] = day.yzYear;
}

QJsonObject placeObject(const Place &place)
{
    return {{"name", place.name},
            {"latitude", place.latitude},
            {"longitude", place.longitude},
            {"zone", QString::fromUtf8(place.zone.id())}};
}

// "6:40 in Ushahin Gah, before sunrise at London (8:01): the roz of the day before"
QString sunLine(const SunAnswer &sun)
{
    if (!sun.time)
        return QStringLiteral("Sunrise %1, sunset %2 at %3")
            .arg(ShortClock(sun.sunrise), ShortClock(sun.sunset), sun.place.name);
    return QStringLiteral("%1 in %2 Gah, %3 sunrise at %4 (%5): the roz of the day%6")
        .arg(sun.time->toString(QStringLiteral("H:mm")), FromLatin1(GahName(sun.gah)),
             sun.beforeSunrise ? QStringLiteral("before") : QStringLiteral("after"), sun.place.name,
             ShortClock(sun.sunrise), sun.beforeSunrise ? QStringLiteral(" before") : QString());
}

} // namespace

std::optional<SunAnswer> SunAnswerFor(const Place &place, CalendarDate entered,
                                      std::optional<QTime> time, Reckoning calendar,
                                      const RegionalSettings &settings, QString *problem)
{
    const SunDay day = SunOn(entered, place.latitude, place.longitude);
    if (day.daylight != Daylight::RisesAndSets) {
        *problem =
            QStringLiteral("No sunrise at %1 on %2: the sun stays %3 the horizon all day")
                .arg(place.name, FormatDate(entered, QStringLiteral("dd-mmm-yyyy"), settings),
                     day.daylight == Daylight::AlwaysUp ? QStringLiteral("above")
                                                        : QStringLiteral("below"));
        return std::nullopt;
    }
    SunAnswer answer{place,
                     LocalTimeOf(day.rise, place.zone),
                     LocalTimeOf(day.set, place.zone),
                     time,
                     Gah::Havan,
                     false};
    if (!time)
        return answer;
    const UtSeconds moment = UtOf(entered, *time, place.zone);
    answer.beforeSunrise = moment < day.rise;
    // Before sunrise the night's solar midnight follows the noon of the day before; where that
    // day has none (the edge of a polar night) twelve hours before this day's noon stands in.
    UtSeconds previousTransit = day.transit - 86400;
    if (answer.beforeSunrise && entered > CalendarDate::first()) {
        const SunDay before = SunOn(entered.previousDay(), place.latitude, place.longitude);
        if (before.daylight == Daylight::RisesAndSets)
            previousTransit = before.transit;
    }
    answer.gah =
        GahAt(moment, day, previousTransit, KeepsSecondHavan(ZoroastrianDayOf(entered, calendar)));
    return answer;
}

Answer Calculate(CalendarDate entered, CalendarDate reckoning, Reckoning calendar,
                 const QString &yearText, DateOrderCode order, const RegionalSettings &settings)
{
    Answer answer{entered,     reckoning,    calendar,     ZoroastrianDayOf(reckoning, calendar),
                  yearText,    std::nullopt, std::nullopt, {},
                  std::nullopt};
    if (calendar == Reckoning::Shahenshahi)
        answer.day.roz = ReckonRoz(reckoning, order);
    const std::u16string year16(reinterpret_cast<const char16_t *>(yearText.utf16()),
                                yearText.size());
    answer.sameRozDate = SameRozDateIn(calendar, reckoning, year16, order, settings.rules);
    return answer;
}

std::variant<Answer, InputProblem> Ask(const Question &question, const RegionalSettings &settings)
{
    const std::optional<CalendarDate> entered =
        ParseDate(question.dateText, question.order, settings);
    if (!entered)
        return InputProblem{InputProblem::Date, InvalidDateMessage(question.order)};
    if (!IsNumeric(question.yearText, settings))
        return InputProblem{InputProblem::Year, QStringLiteral("Please Enter a Valid Year")};
    const double year = Val(question.yearText, settings);
    if (year < 1 || year > 9999)
        return InputProblem{InputProblem::Year,
                            QStringLiteral("Please Enter a Year between 1 and 9999")};
    std::optional<SunAnswer> sun;
    if (question.place) {
        QString problem;
        sun = SunAnswerFor(*question.place, *entered, question.time, question.calendar, settings,
                           &problem);
        if (!sun)
            return InputProblem{InputProblem::Date, problem};
    }
    // The day before the first day of the calendar is refused as an invalid date.
    const std::optional<CalendarDate> reckoning =
        BeforeDawnShift(*entered, question.beforeDawn || (sun && sun->beforeSunrise));
    if (!reckoning)
        return InputProblem{InputProblem::Date, InvalidDateMessage(question.order)};

    Answer answer = Calculate(*entered, *reckoning, question.calendar, question.yearText,
                              question.order, settings);
    answer.sun = sun;
    if (question.schedule) {
        ScheduleRequest request = *question.schedule;
        request.years = TargetYears(int(year), question.yearCount, settings.rules);
        answer.observances = MakeSchedule(*reckoning, question.calendar, request);
        answer.person = PersonName(question.person);
    }
    return answer;
}

QString PersonName(const QString &typed)
{
    // A control character would cut the name short in the calendar file, or break a line.
    QString name;
    for (QChar c : typed)
        if (c.isSpace() || c.category() != QChar::Other_Control)
            name += c;
    return name.simplified();
}

std::optional<std::vector<int>> NumberList(const QString &text, int low, int high)
{
    std::vector<int> numbers;
    if (text.trimmed().isEmpty())
        return numbers;
    for (const QString &item : text.split(u',')) {
        bool ok = false;
        const int number = item.trimmed().toInt(&ok);
        if (!ok || number < low || number > high)
            return std::nullopt;
        numbers.push_back(number);
    }
    return numbers;
}

QString CalendarTitle(Reckoning calendar)
{
    QString name = CalendarName(calendar);
    name[0] = name[0].toUpper();
    return name;
}

QString ObservanceLabel(const Observance &entry)
{
    QString label = what(entry);
    label[0] = label[0].toUpper();
    return label;
}

QString RozText(const ZoroastrianDay &day)
{
    return QStringLiteral("%1 (%2)").arg(FromLatin1(RozRowOf(day.roz).name)).arg(day.roz);
}

QString MahText(const ZoroastrianDay &day)
{
    return day.mah != 0 ? FromLatin1(MahName(day.mah)) : QStringLiteral("-");
}

QString ObservanceNote(const Observance &entry, const ZoroastrianDay &own)
{
    if (entry.gathaKeptAs == 0)
        return {};
    return QStringLiteral("%1 kept on roz %2")
        .arg(own.roz == kAvardadSalGah ? QStringLiteral("Avardad-sal-gah, as the fifth Gatha day,")
                                       : QStringLiteral("Gatha day %1").arg(own.roz - 30))
        .arg(entry.gathaKeptAs);
}

QStringList ObservanceColumnTitles()
{
    return {"Observance", "Date", "Roz", "Mah", "YZ", "Note"};
}

QStringList ObservanceColumns(const Observance &entry, const Answer &answer,
                              const RegionalSettings &settings)
{
    return {ObservanceLabel(entry),
            FormatDate(entry.date, QStringLiteral("Long Date"), settings),
            RozText(entry.day),
            MahText(entry.day),
            QString::number(entry.day.yzYear),
            ObservanceNote(entry, answer.day)};
}

QString ScheduleHeading(const Answer &answer, const RegionalSettings &settings)
{
    return FormatDate(answer.entered, QStringLiteral("dd-mmm-yyyy"), settings) +
           QStringLiteral(": ") + RozText(answer.day) + QStringLiteral(", ") +
           reckoningLine(answer.day, answer.calendar);
}

QString ScheduleSummary(const Answer &answer, const RegionalSettings &settings)
{
    return ScheduleHeading(answer, settings) + u'\n' +
           FromLatin1(RozRowOf(answer.day.roz).meaning) +
           (answer.sun ? u'\n' + sunLine(*answer.sun) : QString());
}

QString CalendarName(Reckoning calendar)
{
    return calendar == Reckoning::Shahenshahi ? QStringLiteral("shahenshahi")
           : calendar == Reckoning::Kadmi     ? QStringLiteral("kadmi")
                                              : QStringLiteral("fasli");
}

std::optional<Reckoning> ReckoningNamed(const QString &name)
{
    for (Reckoning calendar : {Reckoning::Shahenshahi, Reckoning::Kadmi, Reckoning::Fasli}) {
        if (name == CalendarName(calendar))
            return calendar;
    }
    return std::nullopt;
}

QString toText(const Answer &answer, const RegionalSettings &settings)
{
    const RozRow &row = RozRowOf(answer.day.roz);
    if (!answer.observances) {
        const QString same = answer.sameRozDate ? FormatDate(*answer.sameRozDate,
                                                             QStringLiteral("Long Date"), settings)
                                                : QStringLiteral("Cannot be Calculated");
        QStringList lines{FormatDate(answer.entered, QStringLiteral("dd-mmm-yyyy"), settings),
                          RozText(answer.day), FromLatin1(row.meaning), same,
                          reckoningLine(answer.day, answer.calendar)};
        if (answer.sun)
            lines << sunLine(*answer.sun);
        return lines.join(u'\n') + u'\n';
    }
    // A terminal's table keeps the short date and the roz number in a column of its own.
    std::vector<QStringList> rows = {{"Observance", "Date", "Roz", "Name", "Mah", "YZ"}};
    for (const Observance &entry : *answer.observances) {
        rows.push_back({ObservanceLabel(entry),
                        FormatDate(entry.date, QStringLiteral("dd-mmm-yyyy"), settings),
                        QString::number(entry.day.roz), FromLatin1(RozRowOf(entry.day.roz).name),
                        MahText(entry.day), QString::number(entry.day.yzYear),
                        ObservanceNote(entry, answer.day)});
    }
    const QString heading = answer.person.isEmpty() ? QString() : answer.person + u'\n';
    return heading + ScheduleHeading(answer, settings) + u'\n' +
           (answer.sun ? sunLine(*answer.sun) + u'\n' : QString()) + ColumnTable(rows);
}

QByteArray toJson(const Answer &answer)
{
    QJsonObject object;
    object[u"entered"] = IsoDate(answer.entered);
    object[u"reckoning"] = IsoDate(answer.reckoning);
    object[u"calendar"] = CalendarName(answer.calendar);
    addDay(object, answer.day);
    object[u"meaning"] = FromLatin1(RozRowOf(answer.day.roz).meaning);
    object[u"year"] = answer.yearText;
    object[u"same_roz_date"] =
        answer.sameRozDate ? QJsonValue(IsoDate(*answer.sameRozDate)) : QJsonValue();
    if (answer.sun) {
        object[u"place"] = placeObject(answer.sun->place);
        object[u"sunrise"] = FullClock(answer.sun->sunrise);
        object[u"sunset"] = FullClock(answer.sun->sunset);
        if (answer.sun->time) {
            object[u"time"] = answer.sun->time->toString(QStringLiteral("HH:mm"));
            object[u"gah"] = FromLatin1(GahName(answer.sun->gah));
            object[u"before_sunrise"] = answer.sun->beforeSunrise;
        }
    }
    if (answer.observances) {
        QJsonArray list;
        for (const Observance &entry : *answer.observances) {
            QJsonObject item{
                {"kind", kindName(entry.kind)}, {"n", entry.n}, {"date", IsoDate(entry.date)}};
            addDay(item, entry.day);
            const QString text = ObservanceNote(entry, answer.day);
            item[u"note"] = text.isEmpty() ? QJsonValue() : QJsonValue(text);
            list.append(item);
        }
        object[u"observances"] = list;
        object[u"person"] = answer.person.isEmpty() ? QJsonValue() : QJsonValue(answer.person);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

QString PlacesText()
{
    std::vector<QStringList> rows;
    for (const PlaceRow &row : BuiltInPlaces()) {
        const Place place = PlaceOf(row);
        rows.push_back({place.name, QString::number(place.latitude, 'f', 2),
                        QString::number(place.longitude, 'f', 2),
                        QString::fromUtf8(place.zone.id())});
    }
    return ColumnTable(rows);
}

QByteArray PlacesJson()
{
    QJsonArray list;
    for (const PlaceRow &row : BuiltInPlaces())
        list.append(placeObject(PlaceOf(row)));
    return QJsonDocument(list).toJson(QJsonDocument::Compact) + '\n';
}

QByteArray toICalendar(const Answer &answer, const QDateTime &stamp, std::optional<int> remindDays)
{
    const CalendarFile calendar = NewCalendarFile();
    const icaltimetype dtstamp = IcalStamp(stamp.toSecsSinceEpoch());
    const QString host = QUrl(kWebAddress).host();
    const QString calendarName = CalendarName(answer.calendar);
    const QString entered =
        answer.entered == answer.reckoning
            ? QStringLiteral("Entered date %1").arg(IsoDate(answer.entered))
        : answer.sun
            ? QStringLiteral("Entered date %1, before sunrise at %2, so reckoned from %3")
                  .arg(IsoDate(answer.entered), answer.sun->place.name, IsoDate(answer.reckoning))
            : QStringLiteral("Entered date %1, before dawn, so reckoned from %2")
                  .arg(IsoDate(answer.entered), IsoDate(answer.reckoning));

    for (const Observance &entry : *answer.observances) {
        const RozRow &row = RozRowOf(entry.day.roz);
        icalcomponent *event = icalcomponent_new_vevent();
        // The same inputs give the same identity, so importing again updates the events; the
        // person's name keeps two people's observances of one date apart. Without a name the
        // identity is the one files written before names existed carry.
        QString uid = QStringLiteral("%1-%2-%3-%4")
                          .arg(IsoDate(answer.reckoning), calendarName, kindName(entry.kind),
                               QString::number(entry.n));
        if (!answer.person.isEmpty())
            uid += u'-' + QString::fromLatin1(answer.person.toUtf8().toPercentEncoding());
        uid += u'@' + host;
        icalcomponent_add_property(event, icalproperty_new_uid(uid.toUtf8().constData()));
        icalcomponent_add_property(event, icalproperty_new_dtstamp(dtstamp));
        const icaltimetype start = IcalDate(entry.date);
        icalcomponent_add_property(event, icalproperty_new_dtstart(start));
        icalcomponent_add_property(
            event, icalproperty_new_dtend(icaltime_add(start, icaldurationtype_from_int(86400))));
        const QString summary =
            (answer.person.isEmpty() ? QString() : answer.person + QStringLiteral(": ")) +
            FromLatin1(row.name) + QStringLiteral(", ") + what(entry);
        icalcomponent_add_property(event, icalproperty_new_summary(summary.toUtf8().constData()));
        QStringList description = {
            QStringLiteral("Roz %1 %2: %3")
                .arg(QString::number(entry.day.roz), FromLatin1(row.name), FromLatin1(row.meaning)),
            reckoningLine(entry.day, answer.calendar), entered};
        if (entry.gathaKeptAs != 0)
            description.insert(2, ObservanceNote(entry, answer.day));
        if (!answer.person.isEmpty())
            description.prepend(QStringLiteral("Observance for %1").arg(answer.person));
        icalcomponent_add_property(
            event, icalproperty_new_description(description.join(u'\n').toUtf8().constData()));
        icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        if (remindDays) {
            icalcomponent *alarm = icalcomponent_new_valarm();
            icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
            icaltriggertype trigger = icaltriggertype_from_int(-*remindDays * 86400);
            icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
            icalcomponent_add_property(alarm,
                                       icalproperty_new_description(summary.toUtf8().constData()));
            icalcomponent_add_component(event, alarm);
        }
        icalcomponent_add_component(calendar.get(), event);
    }
    return QByteArray(icalcomponent_as_ical_string(calendar.get()));
}

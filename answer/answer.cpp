// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer/answer.h"

#include "answer/writtenforms.h"
#include "calendar/checks.h"
#include "calendar/familyentry.h"
#include "platform/addresses.h"
#include "platform/regional.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QUrl>
#include <algorithm>
#include <libical/ical.h>
#include <memory>

namespace {

constexpr Script kScripts[] = {Script::English, Script::Gujarati, Script::Persian};

// "Mah Meher, YZ 1394, Shahenshahi"
QString reckoningLine(const ZoroastrianDay &day, Reckoning calendar, Script names = Script::English)
{
    return QStringLiteral("%1, YZ %2, %3")
        .arg(MahLabel(day, names))
        .arg(day.yzYear)
        .arg(CalendarTitle(calendar));
}

} // namespace

QString ObservanceKindName(ObservanceKind kind)
{
    return kind == ObservanceKind::Year    ? QStringLiteral("year")
           : kind == ObservanceKind::Month ? QStringLiteral("month")
                                           : QStringLiteral("day");
}

// A yearly observance other than a death's is named for what it keeps ("Roz birthday").
bool NamedYearly(const Observance &entry, const Answer &answer)
{
    return entry.kind == ObservanceKind::Year && !answer.yearlyName.isEmpty();
}

// "year 2026", "day 4", or "roz birthday 2026".
namespace {

QString what(const Observance &entry, const Answer &answer)
{
    return (NamedYearly(entry, answer) ? answer.yearlyName.toLower()
                                       : ObservanceKindName(entry.kind)) +
           u' ' + QString::number(entry.n);
}

// "year", or "roz-birthday": what an observance is, in its calendar identity.
QString slugOf(const Observance &entry, const Answer &answer)
{
    return NamedYearly(entry, answer) ? answer.yearlyName.toLower().replace(u' ', u'-')
                                      : ObservanceKindName(entry.kind);
}

// {"en": ..., "gu": ..., "fa": ...}: the keys are the languages' ISO 639-1 codes.
QJsonObject allNames(std::string_view (*nameIn)(int, Script), int n)
{
    return {{"en", FromCore(nameIn(n, Script::English))},
            {"gu", FromCore(nameIn(n, Script::Gujarati))},
            {"fa", FromCore(nameIn(n, Script::Persian))}};
}

void addDay(QJsonObject &object, const ZoroastrianDay &day)
{
    object[u"roz"] = day.roz;
    object[u"name"] = FromCore(RozRowOf(day.roz).name);
    object[u"names"] = allNames(RozNameIn, day.roz);
    object[u"mah"] = day.mah != 0 ? QJsonValue(day.mah) : QJsonValue();
    object[u"mah_name"] = day.mah != 0 ? QJsonValue(FromCore(MahName(day.mah))) : QJsonValue();
    object[u"mah_names"] = day.mah != 0 ? QJsonValue(allNames(MahNameIn, day.mah)) : QJsonValue();
    object[u"yz_year"] = day.yzYear;
}

// The English name, and the other script's beside it.
QString beside(const QString &english, std::string_view other, Script names)
{
    return names == Script::English ? english : english + u' ' + FromCore(other);
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
        .arg(sun.time->toString(QStringLiteral("H:mm")), FromCore(GahName(sun.gah)),
             sun.beforeSunrise ? QStringLiteral("before") : QStringLiteral("after"), sun.place.name,
             ShortClock(sun.sunrise), sun.beforeSunrise ? QStringLiteral(" before") : QString());
}

} // namespace

QJsonObject DayObject(const ZoroastrianDay &day)
{
    QJsonObject object;
    addDay(object, day);
    return object;
}

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

Answer Calculate(CalendarDate entered, CalendarDate rozDate, Reckoning calendar,
                 const QString &yearText, DateOrderCode order, const RegionalSettings &settings)
{
    Answer answer{entered, rozDate, calendar, ZoroastrianDayOf(rozDate, calendar), yearText, {}, {},
                  {},      {},      {}};
    if (calendar == Reckoning::Shahenshahi)
        answer.day.roz = ReckonRoz(rozDate, order);
    answer.sameRozDate = SameRozDateIn(calendar, rozDate, ToCore(yearText), order, settings.rules);
    return answer;
}

QString CalendarTitle(Reckoning calendar)
{
    QString name = CalendarName(calendar);
    name[0] = name[0].toUpper();
    return name;
}

QString ObservanceLabel(const Observance &entry, const Answer &answer)
{
    QString label = what(entry, answer);
    label[0] = label[0].toUpper();
    return label;
}

std::optional<Script> ScriptNamed(const QString &key)
{
    for (Script script : kScripts) {
        if (key == ScriptKey(script))
            return script;
    }
    return std::nullopt;
}

QString ScriptKey(Script script)
{
    return script == Script::English    ? QStringLiteral("english")
           : script == Script::Gujarati ? QStringLiteral("gujarati")
                                        : QStringLiteral("persian");
}

QString ScriptTitle(Script script)
{
    return script == Script::English    ? QStringLiteral("English")
           : script == Script::Gujarati ? QStringLiteral("ગુજરાતી")
                                        : QStringLiteral("فارسی");
}

QString ScriptKeys()
{
    return QStringLiteral("%1, %2 or %3")
        .arg(ScriptKey(kScripts[0]), ScriptKey(kScripts[1]), ScriptKey(kScripts[2]));
}

QString ScriptFamily(Script script)
{
    return script == Script::Gujarati  ? QStringLiteral("Noto Sans Gujarati UI")
           : script == Script::Persian ? QStringLiteral("Noto Sans Arabic UI")
                                       : QString();
}

QString RozText(const ZoroastrianDay &day, Script names)
{
    return beside(QStringLiteral("%1 (%2)").arg(FromCore(RozRowOf(day.roz).name)).arg(day.roz),
                  RozNameIn(day.roz, names), names);
}

QString MahLabel(const ZoroastrianDay &day, Script names)
{
    return day.mah != 0 ? QStringLiteral("Mah ") + MahText(day, names)
                        : QStringLiteral("No mah (Gatha days)");
}

QString MahText(const ZoroastrianDay &day, Script names)
{
    return day.mah != 0 ? beside(FromCore(MahName(day.mah)), MahNameIn(day.mah, names), names)
                        : QStringLiteral("-");
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

std::span<const ObservanceColumn> ObservanceColumns()
{
    using Settings = const RegionalSettings &;
    static const ObservanceColumn columns[] = {
        {"Observance",
         [](const Observance &e, const Answer &answer, Settings) {
             return ObservanceLabel(e, answer);
         },
         [](const Observance &e, const Answer &) { return QVariant(int(e.kind) * 100000 + e.n); }},
        {"Date",
         [](const Observance &e, const Answer &, Settings settings) {
             return FormatDate(e.date, QStringLiteral("Long Date"), settings);
         },
         [](const Observance &e, const Answer &) {
             return QVariant(ToQDate(e.date).toJulianDay());
         }},
        {"Roz",
         [](const Observance &e, const Answer &answer, Settings) {
             return RozText(e.day, answer.names);
         },
         [](const Observance &e, const Answer &) { return QVariant(e.day.roz); }},
        {"Mah",
         [](const Observance &e, const Answer &answer, Settings) {
             return MahText(e.day, answer.names);
         },
         [](const Observance &e, const Answer &) { return QVariant(e.day.mah); }},
        {"YZ",
         [](const Observance &e, const Answer &, Settings) {
             return QString::number(e.day.yzYear);
         },
         [](const Observance &e, const Answer &) { return QVariant(e.day.yzYear); }},
        {"Note",
         [](const Observance &e, const Answer &answer, Settings) {
             return ObservanceNote(e, answer.day);
         },
         [](const Observance &e, const Answer &answer) {
             return QVariant(ObservanceNote(e, answer.day));
         }},
    };
    return columns;
}

std::vector<QStringList> ObservanceRows(const Answer &answer, const RegionalSettings &settings)
{
    std::vector<QStringList> rows(1);
    for (const ObservanceColumn &column : ObservanceColumns())
        rows.front() << QString::fromLatin1(column.title);
    for (const Observance &entry : answer.observances.value_or(std::vector<Observance>{})) {
        QStringList &row = rows.emplace_back();
        for (const ObservanceColumn &column : ObservanceColumns())
            row << column.text(entry, answer, settings);
    }
    return rows;
}

QString ScheduleHeading(const Answer &answer, const RegionalSettings &settings)
{
    return FormatDate(answer.entered, QStringLiteral("dd-mmm-yyyy"), settings) +
           QStringLiteral(": ") + RozText(answer.day, answer.names) + QStringLiteral(", ") +
           reckoningLine(answer.day, answer.calendar, answer.names);
}

QString ScheduleSummary(const Answer &answer, const RegionalSettings &settings)
{
    return ScheduleHeading(answer, settings) + u'\n' + FromCore(RozRowOf(answer.day.roz).meaning) +
           (answer.sun ? u'\n' + sunLine(*answer.sun) : QString());
}

QString SameRozText(const std::optional<CalendarDate> &date, const RegionalSettings &settings)
{
    return date ? FormatDate(*date, QStringLiteral("Long Date"), settings)
                : FromCore(kCannotBeCalculated);
}

QString CalendarName(Reckoning calendar)
{
    return FromCore(ReckoningWord(calendar));
}

std::optional<Reckoning> ReckoningNamed(const QString &name)
{
    return ReckoningOfWord(name.toStdString());
}

QString toText(const Answer &answer, const RegionalSettings &settings)
{
    const RozRow &row = RozRowOf(answer.day.roz);
    if (!answer.observances) {
        const QString same = SameRozText(answer.sameRozDate, settings);
        QStringList lines{FormatDate(answer.entered, QStringLiteral("dd-mmm-yyyy"), settings),
                          RozText(answer.day, answer.names), FromCore(row.meaning), same,
                          reckoningLine(answer.day, answer.calendar, answer.names)};
        if (answer.sun)
            lines << sunLine(*answer.sun);
        return lines.join(u'\n') + u'\n';
    }
    const QString heading = answer.person.isEmpty() ? QString() : answer.person + u'\n';
    return heading + ScheduleHeading(answer, settings) + u'\n' +
           (answer.sun ? sunLine(*answer.sun) + u'\n' : QString()) +
           ColumnTable(ObservanceRows(answer, settings));
}

QJsonObject ObservanceObject(const Observance &entry, const Answer &answer)
{
    QJsonObject item{
        {"kind", ObservanceKindName(entry.kind)}, {"n", entry.n}, {"date", IsoDate(entry.date)}};
    addDay(item, entry.day);
    const QString text = ObservanceNote(entry, answer.day);
    item[u"note"] = text.isEmpty() ? QJsonValue() : QJsonValue(text);
    return item;
}

QByteArray toJson(const Answer &answer)
{
    QJsonObject object;
    object[u"entered"] = IsoDate(answer.entered);
    object[u"reckoning"] = IsoDate(answer.rozDate);
    object[u"calendar"] = CalendarName(answer.calendar);
    addDay(object, answer.day);
    object[u"meaning"] = FromCore(RozRowOf(answer.day.roz).meaning);
    object[u"year"] = answer.yearText;
    object[u"same_roz_date"] =
        answer.sameRozDate ? QJsonValue(IsoDate(*answer.sameRozDate)) : QJsonValue();
    if (answer.sun) {
        object[u"place"] = placeObject(answer.sun->place);
        object[u"sunrise"] = FullClock(answer.sun->sunrise);
        object[u"sunset"] = FullClock(answer.sun->sunset);
        if (answer.sun->time) {
            object[u"time"] = answer.sun->time->toString(QStringLiteral("HH:mm"));
            object[u"gah"] = FromCore(GahName(answer.sun->gah));
            object[u"before_sunrise"] = answer.sun->beforeSunrise;
        }
    }
    if (answer.observances) {
        QJsonArray list;
        for (const Observance &entry : *answer.observances)
            list.append(ObservanceObject(entry, answer));
        object[u"observances"] = list;
        object[u"person"] = answer.person.isEmpty() ? QJsonValue() : QJsonValue(answer.person);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

QString PlacesText()
{
    std::vector<QStringList> rows;
    for (const PlaceRow &row : BuiltInPlaces()) {
        const Place place = PlaceFromRow(row);
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
        list.append(placeObject(PlaceFromRow(row)));
    return QJsonDocument(list).toJson(QJsonDocument::Compact) + '\n';
}

namespace {

// How an answer's observances say where their date came from.
QString EnteredLine(const Answer &answer)
{
    if (answer.entered == answer.rozDate)
        return QStringLiteral("Entered date %1").arg(IsoDate(answer.entered));
    if (answer.sun)
        return QStringLiteral("Entered date %1, before sunrise at %2, so reckoned from %3")
            .arg(IsoDate(answer.entered), answer.sun->place.name, IsoDate(answer.rozDate));
    return QStringLiteral("Entered date %1, before dawn, so reckoned from %2")
        .arg(IsoDate(answer.entered), IsoDate(answer.rozDate));
}

// The same inputs give the same identity, so importing again updates the events; the person's
// name keeps two people's observances of one date apart. Without a name the identity is the one
// files written before names existed carry.
QString EventIdentity(const Observance &entry, const Answer &answer)
{
    QString uid = QStringLiteral("%1-%2-%3-%4")
                      .arg(IsoDate(answer.rozDate), CalendarName(answer.calendar),
                           slugOf(entry, answer), QString::number(entry.n));
    if (!answer.person.isEmpty())
        uid += u'-' + QString::fromLatin1(answer.person.toUtf8().toPercentEncoding());
    return uid + u'@' + QUrl(kWebAddress).host();
}

icalcomponent *ObservanceEvent(const Observance &entry, const Answer &answer,
                               const icaltimetype &stamp, std::optional<int> remindDays)
{
    const RozRow &row = RozRowOf(entry.day.roz);
    icalcomponent *event = icalcomponent_new_vevent();
    icalcomponent_add_property(
        event, icalproperty_new_uid(EventIdentity(entry, answer).toUtf8().constData()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
    const icaltimetype start = IcalDate(entry.date);
    icalcomponent_add_property(event, icalproperty_new_dtstart(start));
    icalcomponent_add_property(
        event, icalproperty_new_dtend(icaltime_add(start, icaldurationtype_from_int(86400))));
    const QString summary =
        (answer.person.isEmpty() ? QString() : answer.person + QStringLiteral(": ")) +
        FromCore(row.name) + QStringLiteral(", ") + what(entry, answer);
    icalcomponent_add_property(event, icalproperty_new_summary(summary.toUtf8().constData()));
    QStringList description = {
        QStringLiteral("Roz %1 %2: %3")
            .arg(QString::number(entry.day.roz), FromCore(row.name), FromCore(row.meaning)),
        reckoningLine(entry.day, answer.calendar), EnteredLine(answer)};
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
    return event;
}

} // namespace

void AddObservanceEvents(icalcomponent *calendar, const Answer &answer, const QDateTime &stamp,
                         std::optional<int> remindDays)
{
    const icaltimetype dtstamp = IcalStamp(stamp.toSecsSinceEpoch());
    for (const Observance &entry : answer.observances.value_or(std::vector<Observance>{}))
        icalcomponent_add_component(calendar, ObservanceEvent(entry, answer, dtstamp, remindDays));
}

QByteArray toICalendar(const Answer &answer, const QDateTime &stamp, std::optional<int> remindDays)
{
    const CalendarFile calendar = NewCalendarFile();
    AddObservanceEvents(calendar.get(), answer, stamp, remindDays);
    return QByteArray(icalcomponent_as_ical_string(calendar.get()));
}

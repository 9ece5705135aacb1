// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer/answer.h"

#include "answer/writtenforms.h"
#include "calendar/checks.h"
#include "calendar/familyentry.h"
#include "platform/regional.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <algorithm>

namespace {

constexpr Script kScripts[] = {Script::English, Script::Gujarati, Script::Persian};

// "Mah Meher, YZ 1394, Shahenshahi"
QString reckoningLine(const ZoroastrianDay &day, Reckoning calendar, Script names = Script::English)
{
    return FromCore(core::ReckoningLine(day, calendar, names));
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
        *problem = FromCore(NoSunriseMessage(
            place.name.toStdString(),
            FormatDate(entered, QStringLiteral("dd-mmm-yyyy"), settings).toStdString(),
            day.daylight));
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
    const SunMoment at = SunMomentOf(UtOf(entered, *time, place.zone), entered, day, place.latitude,
                                     place.longitude, calendar);
    answer.beforeSunrise = at.beforeSunrise;
    answer.gah = at.gah;
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
    return FromCore(core::CalendarTitle(calendar));
}

QString ObservanceKindName(ObservanceKind kind)
{
    return FromCore(core::ObservanceKindName(kind));
}

QString ObservanceLabel(const Observance &entry, const Answer &answer)
{
    return FromCore(core::ObservanceLabel(entry, answer.yearlyName.toStdString()));
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
    return FromCore(core::RozText(day, names));
}

QString MahLabel(const ZoroastrianDay &day, Script names)
{
    return FromCore(core::MahLabel(day, names));
}

QString MahText(const ZoroastrianDay &day, Script names)
{
    return FromCore(core::MahText(day, names));
}

QString ObservanceNote(const Observance &entry, const ZoroastrianDay &own)
{
    return FromCore(core::ObservanceNote(entry, own));
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
    return FromCore(core::CalendarName(calendar));
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
    QJsonArray also;
    for (const AlsoKept &other : entry.also)
        also.append(QJsonObject{{"kind", ObservanceKindName(other.kind)}, {"n", other.n}});
    QJsonObject item{{"kind", ObservanceKindName(entry.kind)},
                     {"n", entry.n},
                     {"date", IsoDate(entry.date)},
                     {"also", also}};
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

// Whose observances these are and how their date was reckoned, as the events say it.
core::ScheduleOwner OwnerOf(const Answer &answer)
{
    return {answer.entered,
            answer.rozDate,
            answer.calendar,
            answer.day,
            answer.person.toStdString(),
            answer.yearlyName.toStdString(),
            answer.sun ? answer.sun->place.name.toStdString() : std::string()};
}

} // namespace

void AddObservanceEvents(std::vector<core::CalendarEvent> &events, const Answer &answer,
                         std::optional<int> remindDays)
{
    if (!answer.observances)
        return;
    std::vector<core::CalendarEvent> more =
        core::ObservanceEvents(*answer.observances, OwnerOf(answer), remindDays);
    events.insert(events.end(), std::make_move_iterator(more.begin()),
                  std::make_move_iterator(more.end()));
}

QByteArray CalendarFileBytes(const std::vector<core::CalendarEvent> &events, const QDateTime &stamp)
{
    return QByteArray::fromStdString(core::CalendarFileText(events, stamp.toSecsSinceEpoch()));
}

QByteArray toICalendar(const Answer &answer, const QDateTime &stamp, std::optional<int> remindDays)
{
    std::vector<core::CalendarEvent> events;
    AddObservanceEvents(events, answer, remindDays);
    return CalendarFileBytes(events, stamp);
}

// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer/familydocument.h"

#include "answer/question.h"
#include "answer/writtenforms.h"
#include "platform/coretext.h"
#include "platform/placetime.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace {

const QString kFormat = QStringLiteral("dalvane-family");
constexpr int kVersion = 1;

constexpr int kLongestName = 200;
constexpr int kLongestNote = 1000;
constexpr int kLastDay = 36500; // a hundred years of days
constexpr int kMostMonths = 120;

// A JSON number that is a whole number in int's range.
std::optional<int> WholeNumber(const QJsonValue &value)
{
    const double number = value.toDouble();
    if (!value.isDouble() || number != std::trunc(number) || std::abs(number) > 1e9)
        return std::nullopt;
    return int(number);
}

// An ISO date "yyyy-mm-dd" within the calendar.
std::optional<CalendarDate> IsoDateOf(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]{4})-([0-9]{2})-([0-9]{2})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return CalendarDate::fromYmd(match.captured(1).toInt(), match.captured(2).toInt(),
                                 match.captured(3).toInt());
}

// One entry of the document, fields missing or null taking their defaults; the problem with a
// field in words otherwise. EntryProblem checks the values after.
std::variant<FamilyEntry, QString> EntryOf(const QJsonObject &object)
{
    const auto given = [&](const char *key) {
        const QJsonValue value = object.value(QLatin1String(key));
        return !value.isNull() && !value.isUndefined();
    };
    FamilyEntry entry;
    if (!object.value(u"person").isString())
        return QStringLiteral("the person must be given as text");
    entry.person = object.value(u"person").toString();
    if (given("kind")) {
        const std::optional<EventKind> kind = EventKindNamed(object.value(u"kind").toString());
        if (!kind)
            return QStringLiteral("the kind must be death, birth, wedding, navjote or other");
        entry.kind = *kind;
    }
    const std::optional<CalendarDate> date = IsoDateOf(object.value(u"date").toString());
    if (!date)
        return QStringLiteral("the date must be given as yyyy-mm-dd, from 0100-01-01 to "
                              "9999-12-31");
    entry.date = *date;
    if (given("calendar")) {
        const std::optional<Reckoning> calendar =
            ReckoningNamed(object.value(u"calendar").toString());
        if (!calendar)
            return QStringLiteral("the calendar must be shahenshahi, kadmi or fasli");
        entry.calendar = *calendar;
    }
    if (given("before_dawn")) {
        if (!object.value(u"before_dawn").isBool())
            return QStringLiteral("before_dawn must be true or false");
        entry.beforeDawn = object.value(u"before_dawn").toBool();
    }
    if (given("time")) {
        entry.time = ReadClockTime(object.value(u"time").toString());
        if (!entry.time)
            return QStringLiteral("the time must be given as HH:MM");
    }
    if (given("place")) {
        if (!object.value(u"place").isString())
            return QStringLiteral("the place must be given as text");
        entry.place = object.value(u"place").toString();
    }
    if ((given("days") || given("months")) && entry.kind != EventKind::Death)
        return QStringLiteral("days and months are kept for a death only");
    if (given("days")) {
        const QString notDays = QStringLiteral("the days must be a list of whole numbers");
        if (!object.value(u"days").isArray())
            return notDays;
        entry.days.clear();
        for (const QJsonValue day : object.value(u"days").toArray()) {
            const std::optional<int> number = WholeNumber(day);
            if (!number)
                return notDays;
            entry.days.push_back(*number);
        }
    }
    if (given("months")) {
        const std::optional<int> months = WholeNumber(object.value(u"months"));
        if (!months)
            return QStringLiteral("the months must be a whole number");
        entry.months = *months;
    }
    if (given("note")) {
        if (!object.value(u"note").isString())
            return QStringLiteral("the note must be given as text");
        entry.note = object.value(u"note").toString();
    }
    return entry;
}

} // namespace

std::optional<QString> EntryProblem(FamilyEntry &entry)
{
    entry.person = PersonName(entry.person);
    if (entry.person.isEmpty())
        return QStringLiteral("the person's name is empty");
    if (entry.person.toUcs4().size() > kLongestName)
        return QStringLiteral("the person's name is longer than %1 characters").arg(kLongestName);
    entry.place = entry.place.trimmed();
    if (entry.time && entry.place.isEmpty())
        return QStringLiteral("a time is kept only with a place");
    if (!entry.place.isEmpty()) {
        QString problem;
        if (!ReadPlace(entry.place, &problem))
            return problem;
    }
    if (entry.kind != EventKind::Death) {
        entry.days = FamilyEntry().days;
        entry.months = FamilyEntry().months;
    }
    for (int day : entry.days) {
        if (day < 1 || day > kLastDay)
            return QStringLiteral("day %1 is out of range: 1 to %2").arg(day).arg(kLastDay);
    }
    std::sort(entry.days.begin(), entry.days.end());
    entry.days.erase(std::unique(entry.days.begin(), entry.days.end()), entry.days.end());
    if (entry.months < 0 || entry.months > kMostMonths)
        return QStringLiteral("%1 months is out of range: 0 to %2")
            .arg(entry.months)
            .arg(kMostMonths);
    if (entry.note.toUcs4().size() > kLongestNote)
        return QStringLiteral("the note is longer than %1 characters").arg(kLongestNote);
    return std::nullopt;
}

std::optional<QString> TypedEntryProblem(const QString &dateText, DateOrderCode order,
                                         FamilyEntry &entry, const RegionalSettings &settings)
{
    Question question;
    question.dateText = dateText.trimmed();
    question.order = order;
    question.beforeDawn = entry.beforeDawn;
    question.calendar = entry.calendar;
    question.yearText = QString::number(Today().year());
    QString problem;
    if (entry.time)
        question.place = ReadPlace(entry.place, &problem), question.time = entry.time;
    const std::variant<CheckedQuestion, InputProblem> checked = Check(question, settings);
    if (const auto *bad = std::get_if<InputProblem>(&checked))
        return bad->message;
    entry.date = std::get<CheckedQuestion>(checked).entered;
    return EntryProblem(entry);
}

std::variant<FamilyEntry, QString> ReadTypedEntry(const TypedEntry &typed,
                                                  const RegionalSettings &settings)
{
    FamilyEntry entry;
    entry.person = typed.person;
    entry.kind = typed.kind;
    entry.calendar = typed.calendar;
    entry.note = typed.note;
    entry.months = typed.months;
    if (typed.time.trimmed().isEmpty()) {
        entry.beforeDawn = typed.beforeDawn;
    } else {
        entry.time = ReadClockTime(typed.time);
        if (!entry.time)
            return InvalidTimeMessage();
        entry.place = typed.place;
    }
    if (entry.kind == EventKind::Death) {
        const std::optional<std::vector<int>> days = NumberList(typed.days, 1, kLastDay);
        if (!days)
            return InvalidDaysMessage();
        entry.days = *days;
    }
    if (std::optional<QString> problem =
            TypedEntryProblem(typed.date, typed.order, entry, settings))
        return *problem;
    return entry;
}

QByteArray FamilyDocument(const std::vector<FamilyEntry> &entries)
{
    QJsonArray people;
    for (const FamilyEntry &entry : entries) {
        const bool death = entry.kind == EventKind::Death;
        QJsonArray days;
        for (int day : entry.days)
            days.append(day);
        people.append(QJsonObject{
            {"person", entry.person},
            {"kind", EventKindName(entry.kind)},
            {"date", IsoDate(entry.date)},
            {"calendar", CalendarName(entry.calendar)},
            {"before_dawn", entry.beforeDawn},
            {"time", entry.time ? QJsonValue(entry.time->toString(u"HH:mm")) : QJsonValue()},
            {"place", QJsonValue::fromVariant(TextOrNull(entry.place))},
            {"days", death ? QJsonValue(days) : QJsonValue()},
            {"months", death ? QJsonValue(entry.months) : QJsonValue()},
            {"note", QJsonValue::fromVariant(TextOrNull(entry.note))},
        });
    }
    return QJsonDocument(
               QJsonObject{{"format", kFormat}, {"version", kVersion}, {"people", people}})
        .toJson();
}

std::variant<std::vector<FamilyEntry>, QString> ReadFamilyDocument(const QByteArray &document)
{
    const QJsonObject root = QJsonDocument::fromJson(document).object();
    const std::optional<int> version = WholeNumber(root.value(u"version"));
    const QString notOurs = QStringLiteral("not a Dalvane family document");
    if (root.value(u"format") != kFormat || !version || *version < 1)
        return notOurs;
    // Asked before anything else of the document: a later version may be built differently.
    if (*version > kVersion)
        return QStringLiteral("a family document of version %1, from a newer Dalvane; this one "
                              "reads version %2")
            .arg(*version)
            .arg(kVersion);
    if (!root.value(u"people").isArray())
        return notOurs;
    std::vector<FamilyEntry> entries;
    const QJsonArray people = root.value(u"people").toArray();
    for (qsizetype i = 0; i < people.size(); ++i) {
        std::variant<FamilyEntry, QString> read =
            people.at(i).isObject() ? EntryOf(people.at(i).toObject())
                                    : QStringLiteral("an entry must be a JSON object");
        if (auto *entry = std::get_if<FamilyEntry>(&read)) {
            if (std::optional<QString> problem = EntryProblem(*entry))
                read = *problem;
        }
        if (const QString *problem = std::get_if<QString>(&read))
            return QStringLiteral("entry %1: %2").arg(QString::number(i + 1), *problem);
        entries.push_back(std::get<FamilyEntry>(read));
    }
    return entries;
}

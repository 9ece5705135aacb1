// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer/familydocument.h"

#include "answer/question.h"
#include "answer/writtenforms.h"
#include "calendar/familydocument.h"
#include "platform/coretext.h"
#include "platform/placetime.h"

std::optional<QString> EntryProblem(FamilyEntry &entry)
{
    FamilyRecord record = ToCore(entry);
    const std::optional<EntryFault> fault = EntryProblem(record, SystemKnowsZone);
    entry = FromCore(record);
    return fault ? std::optional(FromCore(fault->message)) : std::nullopt;
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
        const std::optional<std::vector<int>> days = NumberList(typed.days, 1, kLastKeptDay);
        if (!days)
            return InvalidDaysMessage();
        entry.days = *days;
    }
    if (std::optional<QString> problem =
            TypedEntryProblem(typed.date, typed.order, entry, settings))
        return *problem;
    return entry;
}

namespace {

std::variant<std::vector<FamilyEntry>, QString>
EntriesOf(const std::variant<std::vector<FamilyRecord>, std::string> &read)
{
    if (const std::string *problem = std::get_if<std::string>(&read))
        return FromCore(std::string_view(*problem));
    return FromCore(std::get<std::vector<FamilyRecord>>(read));
}

std::string_view Bytes(const QByteArray &bytes)
{
    return {bytes.constData(), size_t(bytes.size())};
}

} // namespace

QByteArray FamilyDocument(const std::vector<FamilyEntry> &entries)
{
    return QByteArray::fromStdString(FamilyDocument(ToCore(entries)));
}

QByteArray FamilyCsvFile(const std::vector<FamilyEntry> &entries)
{
    return QByteArray::fromStdString(FamilyCsv(ToCore(entries)));
}

std::variant<std::vector<FamilyEntry>, QString> ReadFamilyDocument(const QByteArray &document)
{
    return EntriesOf(ReadFamilyDocument(Bytes(document), SystemKnowsZone));
}

std::variant<std::vector<FamilyEntry>, QString>
ReadFamilyCsvFile(const QByteArray &file, std::optional<DateOrderCode> order,
                  const RegionalSettings &settings)
{
    return EntriesOf(ReadFamilyCsv(Bytes(file), order, settings.rules, SystemKnowsZone));
}

std::variant<std::vector<FamilyEntry>, QString> ReadFamilyFile(const QByteArray &file,
                                                               std::optional<DateOrderCode> order,
                                                               const RegionalSettings &settings)
{
    return IsJsonDocument(Bytes(file)) ? ReadFamilyDocument(file)
                                       : ReadFamilyCsvFile(file, order, settings);
}

// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer/question.h"

#include "calendar/checks.h"
#include "calendar/roz.h"
#include "platform/coretext.h"
#include "platform/regional.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

InputProblem DateProblem(TypedProblem::Check check, const QString &message)
{
    return {TypedProblem::Date, message, check};
}

} // namespace

QString PersonName(const QString &typed)
{
    return FromCore(PersonNameOf(typed.toStdString()));
}

std::variant<CheckedQuestion, InputProblem> Check(const Question &question,
                                                  const RegionalSettings &settings)
{
    const std::variant<TypedDates, TypedProblem> typed =
        CheckTyped(ToCore(question.dateText.toCaseFolded()), question.order, question.beforeDawn,
                   question.place.has_value(), ToCore(question.yearText), settings.rules);
    if (const auto *problem = std::get_if<TypedProblem>(&typed))
        return InputProblem{problem->field, FromCore(problem->message), problem->check};
    const auto &[entered, rozDate, year] = std::get<TypedDates>(typed);
    if (!question.place)
        return CheckedQuestion{entered, *rozDate, year, std::nullopt};

    QString problem;
    std::optional<SunAnswer> sun = SunAnswerFor(*question.place, entered, question.time,
                                                question.calendar, settings, &problem);
    if (!sun)
        return DateProblem(TypedProblem::NoSunrise, problem);
    const std::optional<CalendarDate> shifted =
        BeforeDawnShift(entered, question.beforeDawn || sun->beforeSunrise);
    if (!shifted)
        return DateProblem(TypedProblem::NotADate, FromCore(InvalidDateMessage(question.order)));
    return CheckedQuestion{entered, *shifted, year, std::move(sun)};
}

std::variant<Answer, InputProblem> Ask(const Question &question, const RegionalSettings &settings)
{
    const std::variant<CheckedQuestion, InputProblem> checked = Check(question, settings);
    if (const auto *problem = std::get_if<InputProblem>(&checked))
        return *problem;
    const CheckedQuestion &input = std::get<CheckedQuestion>(checked);
    Answer answer = Calculate(input.entered, input.rozDate, question.calendar, question.yearText,
                              question.order, settings);
    answer.sun = input.sun;
    answer.names = question.names;
    if (question.schedule) {
        ScheduleRequest request = *question.schedule;
        request.years = TargetYears(int(input.year), question.yearCount, settings.rules);
        answer.observances = MakeSchedule(input.rozDate, question.calendar, request);
        answer.person = PersonName(question.person);
    }
    return answer;
}

// The Schedule window's and the Family window's texts, which a translation of those windows
// translates in one place.
QString InvalidTimeMessage()
{
    return QCoreApplication::translate("Schedule", kInvalidTimeMessage.data());
}

QString InvalidDaysMessage()
{
    return QCoreApplication::translate("Schedule", kInvalidDaysMessage.data());
}

QString BeforeDawnCaption()
{
    return QCoreApplication::translate("Schedule",
                                       "&Between midnight and 6 AM (the roz of the day before)");
}

QString TimeHintCaption()
{
    return QCoreApplication::translate("Schedule",
                                       "( Optional: the roz then goes by sunrise at the place )");
}

QString UnwritableFileMessage(const QString &what, const QString &path, const QString &reason)
{
    return QStringLiteral("The %1 %2 cannot be written: %3").arg(what, path, reason);
}

std::optional<std::vector<int>> NumberList(const QString &text, int low, int high)
{
    return ReadNumberList(ToCore(text), low, high);
}

std::optional<qint64> ReadId(const QString &text)
{
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{1,18}")));
    const qint64 id = pattern.match(text).hasMatch() ? text.toLongLong() : 0;
    return id > 0 ? std::optional(id) : std::nullopt;
}

std::optional<int> ParseNumberIn(const QString &text, int low, int high)
{
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QStringLiteral("-?[0-9]{1,9}")));
    if (!pattern.match(text).hasMatch())
        return std::nullopt;
    const int value = text.toInt();
    return value >= low && value <= high ? std::optional<int>(value) : std::nullopt;
}

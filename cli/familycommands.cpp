// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// `family`: the register of whose days the family keeps, what is coming, and the reminder. Each
// family command has its own parser; all take --register FILE.
#include "answer/family.h"
#include "answer/familydocument.h"
#include "answer/question.h"
#include "cli/cli.h"
#include "platform/desktop.h"
#include "platform/placetime.h"
#include "platform/regional.h"

#include <QCommandLineParser>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <cstring>

namespace {

const QString kIdHelp = QStringLiteral("The entry's number.");
const QString kCommandHelp = QStringLiteral("The family command.");

struct FamilyCommandRow
{
    const char *name;
    const char *help;
    int (*run)(const QStringList &arguments);
};

QCommandLineOption RegisterOption()
{
    return {QStringLiteral("register"),
            QStringLiteral("The register to use instead of ") + FamilyRegister::DefaultPath() +
                u'.',
            QStringLiteral("FILE")};
}

// A family command's parser: help, --register, and "family COMMAND" as its first operands.
void Declare(QCommandLineParser &parser, const char *command, const QString &description)
{
    parser.setApplicationDescription(description);
    parser.addHelpOption();
    parser.addOption(RegisterOption());
    parser.addPositionalArgument(QStringLiteral("family"), QStringLiteral("The command."));
    parser.addPositionalArgument(QString::fromLatin1(command), kCommandHelp);
}

QString RegisterPath(const QCommandLineParser &parser)
{
    return parser.isSet(QStringLiteral("register")) ? parser.value(QStringLiteral("register"))
                                                    : FamilyRegister::DefaultPath();
}

// The register's answer, or its problem as bad input.
template<typename T>
std::optional<int> Failed(const std::variant<T, QString> &result)
{
    if (const QString *problem = std::get_if<QString>(&result))
        return InputError(*problem);
    return std::nullopt;
}

// The options an entry is made of, for add and edit alike.
struct EntryOptions
{
    explicit EntryOptions(QCommandLineParser &parser);
    // Sets the fields of the options given; the bad usage in words, or an empty text.
    QString read(const QCommandLineParser &parser, FamilyEntry &entry) const;
    // The order DATE is typed in: --order, or the regional one.
    DateOrderCode orderOf(const QCommandLineParser &parser, const RegionalSettings &settings) const;

    QCommandLineOption name{QStringLiteral("name"), QStringLiteral("Whose day this is."),
                            QStringLiteral("TEXT")};
    QCommandLineOption kind{QStringLiteral("kind"),
                            QStringLiteral("death (the default), birth, wedding, navjote or "
                                           "other."),
                            QStringLiteral("KIND")};
    QCommandLineOption days{QStringLiteral("days"),
                            QStringLiteral("For a death, the N-th days to keep: each 1 to 36500 "
                                           "(4,10,30)."),
                            QStringLiteral("LIST")};
    QCommandLineOption months{QStringLiteral("months"),
                              QStringLiteral("For a death, the months of the same roz: 0 to 120 "
                                             "(12)."),
                              QStringLiteral("N")};
    QCommandLineOption note{QStringLiteral("note"),
                            QStringLiteral("A note, up to 1,000 "
                                           "characters."),
                            QStringLiteral("TEXT")};
};

EntryOptions::EntryOptions(QCommandLineParser &parser)
{
    parser.addOptions({name, kind, CalendarOption(), BeforeDawnOption(), TimeOption(),
                       PlaceOption(), OrderOption(), days, months, note});
}

QString EntryOptions::read(const QCommandLineParser &parser, FamilyEntry &entry) const
{
    if (parser.isSet(name))
        entry.person = parser.value(name);
    if (parser.isSet(kind)) {
        const std::optional<EventKind> named = EventKindNamed(parser.value(kind));
        if (!named)
            return QStringLiteral("--kind takes death, birth, wedding, navjote or other");
        entry.kind = *named;
    }
    if (parser.isSet(QStringLiteral("calendar"))) {
        const std::optional<Reckoning> calendar = ReadCalendar(parser);
        if (!calendar)
            return CalendarUsage();
        entry.calendar = *calendar;
    }
    if (parser.isSet(days)) {
        const std::optional<std::vector<int>> list =
            NumberList(parser.value(days), 1, kLastKeptDay);
        if (!list)
            return DaysUsage();
        entry.days = *list;
    }
    if (parser.isSet(months)) {
        const NumberRead read = ReadNumber(parser, months, 0, kMostKeptMonths);
        if (!read.value)
            return read.problem;
        entry.months = *read.value;
    }
    if (parser.isSet(note))
        entry.note = parser.value(note);
    std::optional<QTime> time;
    std::optional<Place> place;
    if (const QString problem = ReadSunOptions(parser, &time, &place); !problem.isEmpty())
        return problem;
    if (parser.isSet(QStringLiteral("before-dawn")))
        entry.beforeDawn = true, entry.time.reset();
    if (place)
        entry.place = parser.value(QStringLiteral("place"));
    if (time)
        entry.time = time, entry.beforeDawn = false;
    if (entry.time && entry.place.isEmpty())
        return TimeNeedsPlaceUsage();
    DateOrderCode order = kYearMonthDay;
    return ReadOrder(parser, &order);
}

DateOrderCode EntryOptions::orderOf(const QCommandLineParser &parser,
                                    const RegionalSettings &settings) const
{
    DateOrderCode order = DetectDateOrder(settings);
    ReadOrder(parser, &order);
    return order;
}

int Add(const QStringList &arguments)
{
    QCommandLineParser parser;
    Declare(parser, "add", QStringLiteral("Keeps a person's day in the register."));
    const EntryOptions options(parser);
    parser.addPositionalArgument(QStringLiteral("DATE"), QStringLiteral("The date of the event."));
    if (const std::optional<int> status = Parse(parser, arguments))
        return *status;
    if (!parser.isSet(options.name))
        return UsageError(parser, QStringLiteral("family add needs --name"));
    FamilyEntry entry;
    if (const QString problem = options.read(parser, entry); !problem.isEmpty())
        return UsageError(parser, problem);
    if (parser.positionalArguments().size() != 3)
        return UsageError(parser, QStringLiteral("give one DATE"));
    const RegionalSettings settings = RegionalSettings::fromLocale();
    if (const std::optional<QString> problem = TypedEntryProblem(
            parser.positionalArguments()[2], options.orderOf(parser, settings), entry, settings))
        return InputError(*problem);
    FamilyRegister familyRegister(RegisterPath(parser));
    const std::variant<qint64, QString> added = familyRegister.Add(entry);
    if (const std::optional<int> status = Failed(added))
        return *status;
    Print(stdout, QStringLiteral("Added %1: %2\n").arg(std::get<qint64>(added)).arg(entry.person));
    return 0;
}

int Edit(const QStringList &arguments)
{
    QCommandLineParser parser;
    Declare(parser, "edit",
            QStringLiteral("Changes the fields given of an entry; a DATE after "
                           "the ID changes its date."));
    const EntryOptions options(parser);
    parser.addPositionalArgument(QStringLiteral("ID"), kIdHelp);
    parser.addPositionalArgument(QStringLiteral("DATE"), QStringLiteral("A new date."),
                                 QStringLiteral("[DATE]"));
    if (const std::optional<int> status = Parse(parser, arguments))
        return *status;
    const QStringList operands = parser.positionalArguments();
    const std::optional<qint64> id = operands.size() > 2 ? ReadId(operands[2]) : std::nullopt;
    if (!id || operands.size() > 4)
        return UsageError(parser, QStringLiteral("give the entry's ID, a number, and at most a "
                                                 "DATE"));
    FamilyRegister familyRegister(RegisterPath(parser));
    std::variant<FamilyEntry, QString> found = familyRegister.Entry(*id);
    if (const std::optional<int> status = Failed(found))
        return *status;
    FamilyEntry entry = std::get<FamilyEntry>(found);
    if (const QString problem = options.read(parser, entry); !problem.isEmpty())
        return UsageError(parser, problem);
    // An unchanged date is read back in the order it is written in, to check the rest with it.
    const RegionalSettings settings = RegionalSettings::fromLocale();
    const bool newDate = operands.size() == 4;
    const QString date =
        newDate ? operands[3] : FormatDate(entry.date, QStringLiteral("yyyy-mm-dd"), settings);
    if (const std::optional<QString> problem = TypedEntryProblem(
            date, newDate ? options.orderOf(parser, settings) : kYearMonthDay, entry, settings))
        return InputError(*problem);
    if (const std::optional<QString> problem = familyRegister.Update(*id, entry))
        return InputError(*problem);
    Print(stdout, QStringLiteral("Changed %1: %2\n").arg(*id).arg(entry.person));
    return 0;
}

int Remove(const QStringList &arguments)
{
    QCommandLineParser parser;
    Declare(parser, "remove", QStringLiteral("Takes an entry out of the register."));
    parser.addPositionalArgument(QStringLiteral("ID"), kIdHelp);
    if (const std::optional<int> status = Parse(parser, arguments))
        return *status;
    const QStringList operands = parser.positionalArguments();
    const std::optional<qint64> id = operands.size() == 3 ? ReadId(operands[2]) : std::nullopt;
    if (!id)
        return UsageError(parser, QStringLiteral("give the entry's ID, a number"));
    FamilyRegister familyRegister(RegisterPath(parser));
    const std::variant<FamilyEntry, QString> found = familyRegister.Entry(*id);
    if (const std::optional<int> status = Failed(found))
        return *status;
    if (const std::optional<QString> problem = familyRegister.Remove(*id))
        return InputError(*problem);
    Print(stdout,
          QStringLiteral("Removed %1: %2\n").arg(*id).arg(std::get<FamilyEntry>(found).person));
    return 0;
}

int List(const QStringList &arguments)
{
    QCommandLineParser parser;
    Declare(parser, "list", QStringLiteral("The entries, in the order they were added."));
    const QCommandLineOption json = JsonOption();
    parser.addOption(json);
    if (const std::optional<int> status = Parse(parser, arguments))
        return *status;
    if (parser.positionalArguments().size() != 2)
        return UsageError(parser, QStringLiteral("family list takes no operand"));
    const std::variant<std::vector<FamilyEntry>, QString> entries =
        FamilyRegister(RegisterPath(parser)).Entries();
    if (const std::optional<int> status = Failed(entries))
        return *status;
    const RegionalSettings settings = RegionalSettings::fromLocale();
    const auto &list = std::get<std::vector<FamilyEntry>>(entries);
    Print(stdout, parser.isSet(json) ? FamilyListJson(list, settings)
                                     : FamilyListText(list, settings).toUtf8());
    return 0;
}

// The span of days --from and --days name: today and `days` by default.
struct Span
{
    std::optional<CalendarDate> from;
    NumberRead days;
    QString problem() const
    {
        return from ? days.problem : QStringLiteral("--from takes a date as YYYY-MM-DD");
    }
};

Span ReadSpan(const QCommandLineParser &parser, const QCommandLineOption &from,
              const QCommandLineOption &days)
{
    Span span{Today(), ReadNumber(parser, days, 1, 3660)};
    if (parser.isSet(from)) {
        const QDate date = QDate::fromString(parser.value(from), Qt::ISODate);
        span.from = QRegularExpression(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"))
                            .match(parser.value(from))
                            .hasMatch()
                        ? FromQDate(date)
                        : std::nullopt;
    }
    return span;
}

QCommandLineOption FromOption()
{
    return {QStringLiteral("from"), QStringLiteral("The first day, YYYY-MM-DD (today)."),
            QStringLiteral("YYYY-MM-DD")};
}

int UpcomingCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    Declare(parser, "upcoming",
            QStringLiteral("Every observance of every entry in the days "
                           "asked for, in date order."));
    const QCommandLineOption from = FromOption();
    const QCommandLineOption days(QStringLiteral("days"),
                                  QStringLiteral("How many days: 1 to 3660 (30)."),
                                  QStringLiteral("N"), QStringLiteral("30"));
    const QCommandLineOption json = JsonOption();
    const QCommandLineOption ics(QStringLiteral("ics"),
                                 QStringLiteral("Write them as an iCalendar file to import (- for "
                                                "standard output)."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption remind = RemindOption();
    parser.addOptions({from, days, json, ics, remind});
    if (const std::optional<int> status = Parse(parser, arguments))
        return *status;
    const Span span = ReadSpan(parser, from, days);
    const NumberRead remindDays = ReadNumber(parser, remind, 0, 365);
    for (const QString &problem : {span.problem(), remindDays.problem})
        if (!problem.isEmpty())
            return UsageError(parser, problem);
    if (parser.isSet(json) && parser.isSet(ics))
        return UsageError(parser, JsonWithIcsUsage());
    if (parser.positionalArguments().size() != 2)
        return UsageError(parser, QStringLiteral("family upcoming takes no operand"));

    const std::variant<std::vector<FamilyEntry>, QString> entries =
        FamilyRegister(RegisterPath(parser)).Entries();
    if (const std::optional<int> status = Failed(entries))
        return *status;
    const RegionalSettings settings = RegionalSettings::fromLocale();
    const Upcoming upcoming = UpcomingObservances(std::get<std::vector<FamilyEntry>>(entries),
                                                  *span.from, *span.days.value, settings);
    if (parser.isSet(ics))
        return WriteOut(parser.value(ics),
                        toICalendar(upcoming, QDateTime::currentDateTimeUtc(), remindDays.value));
    Print(stdout, parser.isSet(json) ? toJson(upcoming) : toText(upcoming, settings).toUtf8());
    return 0;
}

QCommandLineOption CsvOption(const QString &help)
{
    return {QStringLiteral("csv"), help};
}

int Export(const QStringList &arguments)
{
    QCommandLineParser parser;
    Declare(parser, "export",
            QStringLiteral("Writes the register as a JSON document, to keep as a backup or to\n"
                           "import elsewhere, or as CSV for a spreadsheet."));
    const QCommandLineOption csv =
        CsvOption(QStringLiteral("Write CSV (a header row, then a row an entry) instead of JSON."));
    parser.addOption(csv);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The document to write (- for standard output)."));
    if (const std::optional<int> status = Parse(parser, arguments))
        return *status;
    if (parser.positionalArguments().size() != 3)
        return UsageError(parser, QStringLiteral("give one FILE"));
    const std::variant<std::vector<FamilyEntry>, QString> entries =
        FamilyRegister(RegisterPath(parser)).Entries();
    if (const std::optional<int> status = Failed(entries))
        return *status;
    const auto &list = std::get<std::vector<FamilyEntry>>(entries);
    return WriteOut(parser.positionalArguments()[2],
                    parser.isSet(csv) ? FamilyCsvFile(list) : FamilyDocument(list));
}

int Import(const QStringList &arguments)
{
    QCommandLineParser parser;
    Declare(parser, "import",
            QStringLiteral("Adds the entries of a JSON document that export wrote, or of a CSV\n"
                           "file whose header row names its columns: person, date, and any of\n"
                           "kind, calendar, before_dawn, time, place, days, months and note.\n"
                           "All or none; those already kept are skipped."));
    const QCommandLineOption csv =
        CsvOption(QStringLiteral("Read the file as CSV, whatever it begins with."));
    const QCommandLineOption order(QStringLiteral("order"),
                                   QStringLiteral("The order a CSV file's dates are typed in "
                                                  "besides YYYY-MM-DD: dmy, mdy or ymd, read as "
                                                  "the regional settings write dates."),
                                   QStringLiteral("O"));
    parser.addOptions({csv, order});
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The document to read (- for standard input)."));
    if (const std::optional<int> status = Parse(parser, arguments))
        return *status;
    if (parser.positionalArguments().size() != 3)
        return UsageError(parser, QStringLiteral("give one FILE"));
    DateOrderCode typedOrder = kYearMonthDay;
    if (const QString problem = ReadOrder(parser, &typedOrder); !problem.isEmpty())
        return UsageError(parser, problem);
    const QString path = parser.positionalArguments()[2];
    QFile file(path);
    const bool opened =
        path == u"-" ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    if (!opened)
        return InputError(
            QStringLiteral("dalvane-cli: cannot read %1: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    const std::optional<DateOrderCode> dates =
        parser.isSet(order) ? std::optional(typedOrder) : std::nullopt;
    const RegionalSettings settings = RegionalSettings::fromLocale();
    // A file named .json is a family document whatever it holds, so that a broken one is
    // refused as one rather than read as a spreadsheet's.
    const std::variant<std::vector<FamilyEntry>, QString> read =
        parser.isSet(csv)                              ? ReadFamilyCsvFile(bytes, dates, settings)
        : path.endsWith(u".json", Qt::CaseInsensitive) ? ReadFamilyDocument(bytes)
                                                       : ReadFamilyFile(bytes, dates, settings);
    if (const std::optional<int> status = Failed(read))
        return *status;
    FamilyRegister familyRegister(RegisterPath(parser));
    const std::variant<FamilyRegister::ImportCount, QString> count =
        familyRegister.Import(std::get<std::vector<FamilyEntry>>(read));
    if (const std::optional<int> status = Failed(count))
        return *status;
    const auto [imported, skipped] = std::get<FamilyRegister::ImportCount>(count);
    Print(stdout, QStringLiteral("Imported %1, skipped %2\n").arg(imported).arg(skipped));
    return 0;
}

// The reminder says the observances in words: as a desktop notification, or on standard output
// where the desktop has no notification service.
int Remind(const QStringList &arguments)
{
    QCommandLineParser parser;
    Declare(parser, "remind", QStringLiteral("Reminds of the observances of the coming days."));
    const QCommandLineOption from = FromOption();
    const QCommandLineOption days(QStringLiteral("days"),
                                  QStringLiteral("How many days: 1 to 3660 (7)."),
                                  QStringLiteral("N"), QStringLiteral("7"));
    const QCommandLineOption atLogin(QStringLiteral("at-login"),
                                     QStringLiteral("yes: remind at every login; no: no more."),
                                     QStringLiteral("yes|no"));
    parser.addOptions({from, days, atLogin});
    if (const std::optional<int> status = Parse(parser, arguments))
        return *status;
    const Span span = ReadSpan(parser, from, days);
    if (!span.problem().isEmpty())
        return UsageError(parser, span.problem());
    const QString login = parser.value(atLogin);
    if (parser.isSet(atLogin) && login != u"yes" && login != u"no")
        return UsageError(parser, QStringLiteral("--at-login takes yes or no"));
    if (parser.positionalArguments().size() != 2)
        return UsageError(parser, QStringLiteral("family remind takes no operand"));
    if (parser.isSet(atLogin)) {
        if (const std::optional<QString> problem = SetRemindAtLogin(login == u"yes"))
            return InputError(*problem);
        return 0;
    }

    const std::variant<std::vector<FamilyEntry>, QString> entries =
        FamilyRegister(RegisterPath(parser)).Entries();
    if (const std::optional<int> status = Failed(entries))
        return *status;
    const RegionalSettings settings = RegionalSettings::fromLocale();
    const Upcoming upcoming = UpcomingObservances(std::get<std::vector<FamilyEntry>>(entries),
                                                  *span.from, *span.days.value, settings);
    if (upcoming.items.empty())
        return 0;
    const QString body = ReminderLines(upcoming, settings).join(u'\n');
    if (!Notify(ReminderSummary(upcoming), body))
        Print(stdout, ReminderSummary(upcoming) + u'\n' + body + u'\n');
    return 0;
}

constexpr FamilyCommandRow kFamilyCommands[] = {
    {"add", "keep a person's day", Add},
    {"edit", "change an entry", Edit},
    {"remove", "take an entry out", Remove},
    {"list", "the entries", List},
    {"upcoming", "what is coming, as a table, JSON or a calendar file", UpcomingCommand},
    {"export", "the register as a JSON document, or CSV with --csv", Export},
    {"import", "entries from such a document or a CSV file", Import},
    {"remind", "a reminder of the coming days, or one at every login", Remind},
};

} // namespace

int FamilyCommand(const QStringList &arguments)
{
    const QString name = arguments.value(2);
    const auto found = std::ranges::find_if(kFamilyCommands, [&](const FamilyCommandRow &row) {
        return name == QLatin1String(row.name);
    });
    if (found != std::end(kFamilyCommands))
        return found->run(arguments);

    QCommandLineParser parser;
    QStringList commands;
    for (const FamilyCommandRow &row : kFamilyCommands)
        commands << QStringLiteral("  dalvane-cli family %1 %2")
                        .arg(QString::fromLatin1(row.name).leftJustified(9),
                             QString::fromLatin1(row.help));
    parser.setApplicationDescription(
        QStringLiteral("The family register: whose days the family keeps, on this computer.\n") +
        CommandsHelp(commands));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("family"), QStringLiteral("The command."));
    parser.addPositionalArgument(QStringLiteral("COMMAND"), kCommandHelp);
    if (const std::optional<int> status = Parse(parser, arguments))
        return *status;
    return UsageError(parser, name.isEmpty()
                                  ? QStringLiteral("give a family command")
                                  : QStringLiteral("no family command \"%1\"").arg(name));
}

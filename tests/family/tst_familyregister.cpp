// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The family register on real files, its document, the notification and the login launcher.
#include "answer/familydocument.h"
#include "platform/desktop.h"
#include "tests/support/testsupport.h"

#include <QDBusConnection>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <thread>

char *toString(const std::vector<FamilyEntry> &entries)
{
    QByteArray ids;
    for (const FamilyEntry &entry : entries)
        ids += QByteArray::number(entry.id) + ' ';
    return qstrdup("ids " + ids + FamilyDocument(entries));
}

namespace {

FamilyEntry Rustom()
{
    FamilyEntry entry;
    entry.person = "Rustom Irani", entry.date = *CalendarDate::fromYmd(2001, 8, 20);
    return entry;
}

// What a register or a document answers, or the test fails with its message.
template<typename T>
T Got(std::variant<T, QString> answer)
{
    if (const QString *problem = std::get_if<QString>(&answer)) {
        QTest::qFail(qPrintable(*problem), __FILE__, __LINE__);
        return T();
    }
    return std::get<T>(std::move(answer));
}

// The problem a register or a document answers.
template<typename T>
QString Problem(const std::variant<T, QString> &answer)
{
    const QString *problem = std::get_if<QString>(&answer);
    return problem ? *problem : QStringLiteral("(no problem)");
}

// Runs SQL on a file as another program does; what it prints.
QByteArray Sql(const QString &path, const QString &statements)
{
    QProcess sqlite;
    sqlite.start("sqlite3", {path, statements});
    if (!sqlite.waitForFinished() || sqlite.exitCode() != 0)
        QTest::qFail("sqlite3 failed (apt-get install sqlite3): " + sqlite.readAllStandardError(),
                     __FILE__, __LINE__);
    return sqlite.readAllStandardOutput().trimmed();
}

// The names in a file's folder and the file's bytes, to see that nothing there changed.
QByteArray Contents(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QDir(QFileInfo(path).path()).entryList(QDir::Files).join(u' ').toUtf8() + file.readAll();
}

// A document of `copies` entries alike: Rustom's day with the JSON `fields` put over it; or
// `fields` itself when it is a whole document.
QByteArray DocumentOf(const QString &fields, int copies = 1)
{
    if (fields.startsWith(u"{\"format\""))
        return fields.toUtf8();
    QJsonObject entry{{"person", "Rustom Irani"}, {"date", "2001-08-20"}};
    const QJsonObject given = QJsonDocument::fromJson(fields.toUtf8()).object();
    for (auto field = given.begin(); field != given.end(); ++field)
        entry[field.key()] = field.value();
    QJsonArray people;
    while (copies-- > 0)
        people << entry;
    return QJsonDocument({{"format", "dalvane-family"}, {"version", 1}, {"people", people}})
        .toJson();
}

// A session bus that starts no services of its own.
const char kBusConfig[] = R"(<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen>
<auth>EXTERNAL</auth><policy context="default"><allow own="*"/><allow send_destination="*"/>
<allow receive_sender="*"/></policy></busconfig>)";

} // namespace

// The notification service as the test stands in for it: it keeps what it is sent.
class Notifications : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QStringList received;

public slots:
    uint Notify(const QString &application, uint, const QString &, const QString &summary,
                const QString &body, const QStringList &, const QVariantMap &, int)
    {
        received << application << summary << body;
        return 1;
    }
};

class TestFamilyRegister : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    QString file(const QString &name) const { return m_folder.filePath(name); }

private slots:
    // The register in the XDG data folder: reading, and failing to change, a register that does
    // not exist leave no trace of it; the first change makes it, with its folder.
    void madeOnFirstChange()
    {
        qputenv("XDG_DATA_HOME", file("data").toUtf8());
        FamilyRegister family;
        QVERIFY(Got(family.Entries()).empty());
        QCOMPARE(family.Remove(1).value_or(""), family.path() + ": no entry 1");
        QVERIFY(family.Update(1, Rustom()) && !QFileInfo::exists(file("data/dalvane")));
        FamilyEntry stored = Rustom();
        stored.id = Got(family.Add(Rustom()));
        QCOMPARE(Got(FamilyRegister(file("data/dalvane/family.sqlite")).Entries()),
                 std::vector{stored});
        QVERIFY(family.Remove(stored.id + 1) && !family.Remove(stored.id));
        QVERIFY(Got(family.Entries()).empty());
    }

    void migratesVersionOne()
    {
        const QString path = file("version1.sqlite");
        Sql(path, "PRAGMA application_id = 1145130070; PRAGMA user_version = 1; "
                  "CREATE TABLE family (id INTEGER PRIMARY KEY AUTOINCREMENT, person TEXT NOT "
                  "NULL, kind TEXT NOT NULL, date TEXT NOT NULL, calendar TEXT NOT NULL, "
                  "before_dawn INTEGER NOT NULL, days TEXT NOT NULL, months INTEGER NOT NULL); "
                  "INSERT INTO family VALUES (NULL, 'Rustom Irani', 'death', '2001-08-20', "
                  "'kadmi', 1, '4,10', 6), (NULL, 'Homi', 'navjote', '0100-01-01', 'fasli', 0, "
                  "'4,10,30', 12)");
        FamilyEntry rustom = Rustom(), homi;
        rustom.id = 1, rustom.calendar = Reckoning::Kadmi, rustom.beforeDawn = true;
        rustom.days = {4, 10}, rustom.months = 6;
        homi.id = 2, homi.person = "Homi", homi.kind = EventKind::Navjote;
        homi.calendar = Reckoning::Fasli;
        FamilyRegister family(path);
        QCOMPARE(Got(family.Entries()), (std::vector{rustom, homi}));
        QCOMPARE(Sql(path, "PRAGMA user_version; PRAGMA journal_mode"), "2\nwal");
        rustom.time = QTime(5, 30), rustom.place = "Mumbai", rustom.note = "at home";
        QVERIFY(!family.Update(1, rustom));
        QCOMPARE(Got(family.Entries()), (std::vector{rustom, homi}));
    }

    // Refused for reading and for each change, and the folder stays as it was.
    void refusesWithoutTouching_data()
    {
        AddRows("text file | - | not a Dalvane family register\n"
                "other program | CREATE TABLE notes (text TEXT) | not a Dalvane family register\n"
                "other program's mark | PRAGMA application_id = 7 | not a Dalvane family register\n"
                "newer Dalvane | PRAGMA application_id = 1145130070;PRAGMA user_version = 3 | "
                "written by a newer Dalvane (register version 3; this one reads up to version 2)");
    }
    void refusesWithoutTouching()
    {
        const QStringList fields = Fields();
        QTemporaryDir folder;
        const QString path = folder.filePath("family.sqlite");
        QFile text(path);
        if (fields[0] == u'-')
            QVERIFY(text.open(QIODevice::WriteOnly) && text.write("Rustom 2001-08-20\n") > 0);
        else
            Sql(path, fields[0]);
        text.close();
        const QByteArray before = Contents(path);
        const QString expected = QDir::toNativeSeparators(path) + ": " + fields[1];
        FamilyRegister family(path);
        QCOMPARE(Problem(family.Entries()), expected);
        QCOMPARE(Problem(family.Add(Rustom())), expected);
        QCOMPARE(Problem(family.Import({Rustom()})), expected);
        QCOMPARE(family.Remove(1).value_or(""), expected);
        QCOMPARE(Contents(path), before);
    }

    // A failing entry, here one the file itself refuses, keeps the entries before it out too.
    void importIsAllOrNothing()
    {
        FamilyRegister family(file("whole.sqlite"));
        FamilyEntry kept = Rustom(), first = kept, refused = kept;
        kept.id = Got(family.Add(Rustom()));
        Sql(family.path(), "CREATE TRIGGER refuse BEFORE INSERT ON family WHEN NEW.person = "
                           "'Refused' BEGIN SELECT RAISE(ABORT, 'refused'); END");
        first.person = "Homi", refused.person = "Refused";
        QVERIFY(Problem(family.Import({first, refused})).contains("refused"));
        QCOMPARE(Got(family.Entries()), std::vector{kept});
    }

    // The same entry as one kept: the same person, kind, date and calendar.
    void importSkipsWhatIsThere_data()
    {
        AddRows(R"(same but the note | {"note": "again"} | 0
other person | {"person": "Homi"} | 1
other kind | {"kind": "birth"} | 1
other date | {"date": "2001-08-21"} | 1
other calendar | {"calendar": "fasli"} | 1)");
    }
    void importSkipsWhatIsThere()
    {
        const QStringList fields = Fields();
        QTemporaryDir folder;
        FamilyRegister family(folder.filePath("family.sqlite"));
        QVERIFY(Got(family.Add(Rustom())));
        // Twice: the second of two alike in one import is skipped as well.
        const auto count = Got(family.Import(Got(ReadFamilyDocument(DocumentOf(fields[0], 2)))));
        QCOMPARE(count.imported, fields[1].toInt());
        QCOMPARE(count.skipped, 2 - count.imported);
        QCOMPARE(Got(family.Entries()).size(), size_t(1 + count.imported));
    }

    // Two registers on one file, each in its own thread, both making it and writing at once; an
    // import reads before it writes, the harder case.
    void twoWritersAtOnce()
    {
        const QString path = file("shared/family.sqlite");
        QStringList problems[2];
        const auto write = [&](int writer) {
            FamilyRegister family(path);
            FamilyEntry entry = Rustom();
            for (int n = 0; n < 100; ++n) {
                entry.person = QStringLiteral("Writer %1 entry %2").arg(writer).arg(n);
                const auto answer = family.Import({entry, Rustom()});
                if (const QString *problem = std::get_if<QString>(&answer))
                    problems[writer] << *problem;
            }
        };
        std::thread other(write, 1);
        write(0);
        other.join();
        QVERIFY2(problems[0].isEmpty() && problems[1].isEmpty(),
                 qPrintable((problems[0] + problems[1]).join(u'\n')));
        QCOMPARE(Got(FamilyRegister(path).Entries()).size(), size_t(201));
    }

    // Every field read and written back, and a document with only what is required.
    void documentRoundTrip()
    {
        const QByteArray document = R"({"format": "dalvane-family", "version": 1, "people": [
            {"person": " Rustom\tIrani\u0001 ", "kind": "death", "date": "2001-08-20",
             "calendar": "kadmi", "before_dawn": true, "time": "05:30", "place": "Mumbai",
             "days": [36500, 4, 1, 4], "months": 120, "note": "at home"},
            {"person": "ડોલી", "kind": "wedding", "date": "0100-01-01", "calendar": "fasli",
             "days": null, "months": null, "note": null},
            {"person": "Homi", "date": "9999-12-31"}]})";
        FamilyEntry rustom = Rustom(), dolly, homi;
        rustom.beforeDawn = true, rustom.time = QTime(5, 30), rustom.place = "Mumbai";
        rustom.calendar = Reckoning::Kadmi, rustom.days = {1, 4, 36500}, rustom.months = 120;
        rustom.note = "at home";
        dolly.person = "ડોલી", dolly.kind = EventKind::Wedding, dolly.calendar = Reckoning::Fasli;
        homi.person = "Homi", homi.date = CalendarDate::last();
        const std::vector<FamilyEntry> entries = Got(ReadFamilyDocument(document));
        QCOMPARE(entries, (std::vector{rustom, dolly, homi}));
        QCOMPARE(Got(ReadFamilyDocument(FamilyDocument(entries))), entries);
    }

    // Whole documents refused, and every check of an entry on Rustom's day with a field changed.
    void refusesDocuments_data()
    {
        AddRows(R"(not JSON | {"format": | not a Dalvane family document
other format | {"format": "khal", "version": 1, "people": []} | not a Dalvane family document
no people | {"format": "dalvane-family", "version": 1} | not a Dalvane family document
newer, built differently | {"format": "dalvane-family", "version": 2, "family": {}} | a family document of version 2, from a newer Dalvane; this one reads version 1
entry not an object | {"format": "dalvane-family", "version": 1, "people": [1]} | entry 1: an entry must be a JSON object
second entry bad | {"format": "dalvane-family", "version": 1, "people": [{"person": "A", "date": "2001-08-20"}, {"person": "B"}]} | entry 2: the date must be given as yyyy-mm-dd, from 0100-01-01 to 9999-12-31
no person | {"person": null} | entry 1: the person must be given as text
name of controls only | {"person": "\u0007 \u0001"} | entry 1: the person's name is empty
name too long | {"person": "NAME201"} | entry 1: the person's name is longer than 200 characters
unknown kind | {"kind": "funeral"} | entry 1: the kind must be death, birth, wedding, navjote or other
no such day | {"date": "2001-02-29"} | entry 1: the date must be given as yyyy-mm-dd, from 0100-01-01 to 9999-12-31
before the calendar | {"date": "0099-12-31"} | entry 1: the date must be given as yyyy-mm-dd, from 0100-01-01 to 9999-12-31
unknown calendar | {"calendar": "julian"} | entry 1: the calendar must be shahenshahi, kadmi or fasli
before_dawn not a truth | {"before_dawn": "yes"} | entry 1: before_dawn must be true or false
time without place | {"time": "05:30"} | entry 1: a time is kept only with a place
no such time | {"time": "24:00", "place": "Mumbai"} | entry 1: the time must be given as HH:MM
unknown place | {"place": "Atlantis"} | entry 1: "Atlantis" is no built-in place
day 0 | {"days": [0]} | entry 1: day 0 is out of range: 1 to 36500
day past a hundred years | {"days": [4, 36501]} | entry 1: day 36501 is out of range: 1 to 36500
days not whole | {"days": [1.5]} | entry 1: the days must be a list of whole numbers
months | {"months": 121} | entry 1: 121 months is out of range: 0 to 120
days for a birth | {"kind": "birth", "days": [4]} | entry 1: days and months are kept for a death only
note too long | {"note": "NOTE1001"} | entry 1: the note is longer than 1000 characters)");
    }
    void refusesDocuments()
    {
        const QStringList fields = Fields();
        QByteArray document = DocumentOf(fields[0]);
        document.replace("NAME201", QByteArray(201, 'x'))
            .replace("NOTE1001", QByteArray(1001, 'x'));
        QCOMPARE(Problem(ReadFamilyDocument(document)), fields[1]);
    }

    // The launcher in the XDG autostart folder as the desktop's own validator reads it, running
    // the reminders, made and taken away again.
    void remindsAtLogin()
    {
        qputenv("XDG_CONFIG_HOME", file("login").toUtf8());
        QCOMPARE(AutostartPath(), file("login/autostart/dalvane-reminders.desktop"));
        QVERIFY(!SetRemindAtLogin(true) && RemindsAtLogin());
        QProcess validate;
        validate.setProcessChannelMode(QProcess::MergedChannels);
        validate.start("desktop-file-validate", {AutostartPath()});
        QVERIFY2(validate.waitForFinished(), "apt-get install desktop-file-utils");
        QCOMPARE(validate.readAll() + QByteArray::number(validate.exitCode()), "0");
        QFile launcher(AutostartPath());
        QVERIFY(launcher.open(QIODevice::ReadOnly) &&
                launcher.readAll().contains("\nExec=dalvane-cli family remind\n"));
        QVERIFY(!SetRemindAtLogin(false) && !RemindsAtLogin() && !SetRemindAtLogin(false));
    }

    // On a session bus of the test's own: false without a word while no service is there, then
    // the service's own argument types.
    void notifies()
    {
        QTemporaryFile config;
        QVERIFY(config.open() && config.write(kBusConfig) > 0 && config.flush());
        QProcess bus;
        bus.start("dbus-daemon",
                  {"--nofork", "--print-address", "--config-file", config.fileName()});
        QVERIFY2(bus.waitForReadyRead(), "apt-get install dbus-daemon");
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus.readLine().trimmed());
        QTest::failOnWarning(QRegularExpression(".*"));
        QVERIFY(!Notify("Unheard", "nobody listens"));
        Notifications service;
        QDBusConnection session = QDBusConnection::sessionBus();
        QVERIFY(session.registerService("org.freedesktop.Notifications") &&
                session.registerObject("/org/freedesktop/Notifications", &service,
                                       QDBusConnection::ExportAllSlots));
        QVERIFY(Notify("Rustom Irani", "Day 10 is tomorrow"));
        QCOMPARE(service.received, (QStringList{"Dalvane", "Rustom Irani", "Day 10 is tomorrow"}));
        session.unregisterObject("/org/freedesktop/Notifications");
        bus.kill(), bus.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestFamilyRegister)
#include "tst_familyregister.moc"

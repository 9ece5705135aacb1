// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The command-line calculator, run as a user runs it: the built executable under a chosen
// regional setting, its output, messages and exit status.
#include <QDate>
#include <QProcess>
#include <QTest>

namespace {

struct Run
{
    int status;
    QString out;
    QString err;
};

Run RunCli(const QString &locale, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LANG"));
    environment.remove(QStringLiteral("LC_TIME"));
    environment.insert(QStringLiteral("LC_ALL"), locale);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(DALVANE_CLI), arguments);
    if (!process.waitForFinished(60000))
        return {-1, {}, QStringLiteral("did not finish")};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void calculates_data();
    void calculates();
    void badInput_data();
    void badInput();
    void badUsage_data();
    void badUsage();
    void helpAndVersion();
    void today();
};

void TestCli::calculates_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("output");
    const QString papeti = QStringLiteral("The Fifth Gatha - It's Papeti Day !");
    QTest::newRow("example, day first")
        << "en_GB.UTF-8" << QStringList{"20-08-2001", "2005"}
        << "20-Aug-2001\nVAHISHTOIST (35)\n" + papeti + "\nFriday, 19 August 2005\n";
    QTest::newRow("example, month first")
        << "en_US.UTF-8" << QStringList{"08/20/2001", "2005"}
        << "20-Aug-2001\nVAHISHTOIST (35)\n" + papeti + "\nFriday, August 19, 2005\n";
    QTest::newRow("order given") << "en_GB.UTF-8"
                                 << QStringList{"--order", "ymd", "2001-08-20", "2005"}
                                 << "20-Aug-2001\nVAHISHTOIST (35)\n" + papeti +
                                        "\nFriday, 19 August 2005\n";
    QTest::newRow("before dawn") << "en_GB.UTF-8"
                                 << QStringList{"--before-dawn", "21-08-2001", "2001"}
                                 << "21-Aug-2001\nVAHISHTOIST (35)\n" + papeti +
                                        "\nMonday, 20 August 2001\n";
    QTest::newRow("earlier year") << "en_GB.UTF-8" << QStringList{"20-08-2001", "2000"}
                                  << "20-Aug-2001\nVAHISHTOIST (35)\n" + papeti +
                                         "\nCannot be Calculated\n";
    QTest::newRow("leap day to a common year")
        << "en_GB.UTF-8" << QStringList{"29-02-2004", "2005"}
        << "29-Feb-2004\nTIR (13)\nthe Sirius or Dog star, 'the brightest star in the "
           "heavens'.\nMonday, 28 February 2005\n";
    QTest::newRow("year with a fraction")
        << "en_GB.UTF-8" << QStringList{"20-08-2001", "2005.5"}
        << "20-Aug-2001\nVAHISHTOIST (35)\n" + papeti + "\nCannot be Calculated\n";
    QTest::newRow("json") << "en_GB.UTF-8" << QStringList{"--json", "20-08-2001", "2005"}
                          << "{\"entered\": \"2001-08-20\", \"reckoning\": \"2001-08-20\", "
                             "\"roz\": 35, \"name\": \"VAHISHTOIST\", \"meaning\": \"" +
                                 papeti +
                                 "\", \"year\": \"2005\", \"same_roz_date\": \"2005-08-19\"}\n";
    QTest::newRow("json, not computable, year as given")
        << "en_GB.UTF-8" << QStringList{"--json", "--before-dawn", "21-08-2001", " 2000"}
        << "{\"entered\": \"2001-08-21\", \"reckoning\": \"2001-08-20\", \"roz\": 35, \"name\": "
           "\"VAHISHTOIST\", \"meaning\": \"" +
               papeti + "\", \"year\": \" 2000\", \"same_roz_date\": null}\n";
    QTest::newRow("German echo and long date")
        << "de_DE.UTF-8" << QStringList{"20.08.2001", "2005"}
        << "20-Aug.-2001\nVAHISHTOIST (35)\n" + papeti + "\nFreitag, 19. August 2005\n";
}

void TestCli::calculates()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, arguments);
    QFETCH(QString, output);
    const Run run = RunCli(locale, arguments);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.out, output);
    QCOMPARE(run.status, 0);
}

void TestCli::badInput_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    const QString dmy = QStringLiteral("Please Enter a Valid date in the Format: dd-mm-yyyy\n");
    QTest::newRow("day first") << "en_GB.UTF-8" << QStringList{"31-02-2001", "2005"} << dmy;
    QTest::newRow("month first") << "en_US.UTF-8" << QStringList{"20/08/2001"}
                                 << "Please Enter a Valid date in the Format: mm-dd-yyyy\n";
    QTest::newRow("year first") << "sv_SE.UTF-8" << QStringList{"20-08-2001"}
                                << "Please Enter a Valid date in the Format: yyyy-mm-dd\n";
    QTest::newRow("order given") << "en_GB.UTF-8" << QStringList{"--order", "mdy", "20-08-2001"}
                                 << "Please Enter a Valid date in the Format: mm-dd-yyyy\n";
    QTest::newRow("time of day") << "en_GB.UTF-8" << QStringList{"10:30", "2005"} << dmy;
    QTest::newRow("bad date and bad year") << "en_GB.UTF-8" << QStringList{"x", "y"} << dmy;
    QTest::newRow("before dawn on the first day")
        << "en_GB.UTF-8" << QStringList{"--before-dawn", "01-01-0100", "2005"} << dmy;
    QTest::newRow("year not numeric")
        << "en_GB.UTF-8" << QStringList{"20-08-2001", "abc"} << "Please Enter a Valid Year\n";
    QTest::newRow("empty year") << "en_GB.UTF-8" << QStringList{"20-08-2001", ""}
                                << "Please Enter a Valid Year\n";
    QTest::newRow("year 0") << "en_GB.UTF-8" << QStringList{"20-08-2001", "0"}
                            << "Please Enter a Year between 1 and 9999\n";
    QTest::newRow("year 10000") << "en_GB.UTF-8" << QStringList{"20-08-2001", "10000"}
                                << "Please Enter a Year between 1 and 9999\n";
}

void TestCli::badInput()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Run run = RunCli(locale, arguments);
    QCOMPARE(run.err, message);
    QCOMPARE(run.out, QString());
    QCOMPARE(run.status, 1);
}

void TestCli::badUsage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("too many") << QStringList{"20-08-2001", "2005", "2006"};
    QTest::newRow("unknown option") << QStringList{"--tomorrow"};
    QTest::newRow("bad order") << QStringList{"--order", "dym", "20-08-2001"};
    QTest::newRow("order missing its value") << QStringList{"--order"};
    QTest::newRow("today with a date") << QStringList{"--today", "20-08-2001", "2005"};
}

void TestCli::badUsage()
{
    QFETCH(QStringList, arguments);
    const Run run = RunCli(QStringLiteral("en_GB.UTF-8"), arguments);
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains(QStringLiteral("usage: dalvane-cli")), qPrintable(run.err));
    QCOMPARE(run.out, QString());
}

void TestCli::helpAndVersion()
{
    const Run help = RunCli(QStringLiteral("C"), {QStringLiteral("--help")});
    QCOMPARE(help.status, 0);
    QVERIFY(help.out.startsWith(QStringLiteral("usage: dalvane-cli")));
    const Run version = RunCli(QStringLiteral("C"), {QStringLiteral("--version")});
    QCOMPARE(version.status, 0);
    QCOMPARE(version.out, QStringLiteral("Dalvane version 2.0.2\n"));
}

void TestCli::today()
{
    const QDate before = QDate::currentDate();
    const Run run = RunCli(QStringLiteral("hu_HU.UTF-8"), {"--today", "--json"});
    const QDate after = QDate::currentDate();
    QCOMPARE(run.status, 0);
    QVERIFY2(
        run.out.contains(QStringLiteral("\"entered\": \"%1\"").arg(before.toString(Qt::ISODate))) ||
            run.out.contains(
                QStringLiteral("\"entered\": \"%1\"").arg(after.toString(Qt::ISODate))),
        qPrintable(run.out));
    QVERIFY2(run.out.contains(QStringLiteral("\"year\": \"%1\"").arg(after.year())),
             qPrintable(run.out));
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"

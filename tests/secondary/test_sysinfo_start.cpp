// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmabout.h"
#include "qtwindowservices.h"
#include "registry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The desktop's own program start and file test; only the message box is recorded, so that a
// failure shows up as a test failure rather than a box nobody closes.
class DesktopServicesWithoutBoxes : public QtWindowServices
{
public:
    void ShowMessage(QWidget *, const QString &prompt) override { messages << prompt; }
    void ShowWarning(QWidget *, const QString &prompt) override { messages << prompt; }
    QStringList messages;
};

} // namespace

// System Info on this desktop: the stand-in registry finds a system-information program on the
// PATH and the About window starts it as a real process.
class TestSysInfoStart : public QObject
{
    Q_OBJECT

private slots:
    void startsProgramFoundOnPath_data();
    void startsProgramFoundOnPath();
};

void TestSysInfoStart::startsProgramFoundOnPath_data()
{
    QTest::addColumn<QString>("programName");
    QTest::addColumn<bool>("starts");
    QTest::newRow("hardinfo") << "hardinfo" << true;
    QTest::newRow("kinfocenter") << "kinfocenter" << true;
    QTest::newRow("no known program") << "msinfo32" << false;
}

void TestSysInfoStart::startsProgramFoundOnPath()
{
    QFETCH(QString, programName);
    QFETCH(bool, starts);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString marker = dir.filePath(QStringLiteral("started"));
    const QString program = dir.filePath(programName);
    {
        QFile script(program);
        QVERIFY(script.open(QIODevice::WriteOnly));
        // Only shell built-ins: the PATH holds nothing but this folder.
        script.write("#!/bin/sh\necho \"$0\" > '" + marker.toLocal8Bit() + "'\n");
        script.close();
        QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", dir.path().toLocal8Bit());

    const auto registry = CreateSystemRegistry();
    DesktopServicesWithoutBoxes services;
    frmAbout window(services, *registry);
    window.StartSysInfo();
    qputenv("PATH", savedPath);

    if (!starts) {
        QCOMPARE(services.messages,
                 QStringList{QStringLiteral("System Information Is Unavailable At This Time")});
        QTest::qWait(300);
        QVERIFY(!QFile::exists(marker));
        return;
    }
    QCOMPARE(services.messages, QStringList{});
    // The script writes the marker once it runs; its content is the path it was started by.
    const auto written = [&marker] {
        QFile file(marker);
        return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()).trimmed()
                                              : QString();
    };
    QTRY_COMPARE_WITH_TIMEOUT(written(), program, 10000);
}

QTEST_MAIN(TestSysInfoStart)
#include "test_sysinfo_start.moc"

// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "registry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <memory>

namespace {

constexpr char kMsinfoKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

// Makes a file at `dir`/`name`: an executable script, or a plain file when `executable` is false.
QString MakeFile(const QString &dir, const QString &name, bool executable = true)
{
    QDir().mkpath(dir);
    const QString path = dir + QLatin1Char('/') + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write("#!/bin/sh\nexit 0\n");
    file.close();
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        permissions |= QFile::ExeOwner;
    file.setPermissions(permissions);
    return path;
}

} // namespace

// The stand-in holds the path of the first system-information program on the PATH under the
// key and value that Windows uses, and nothing else.
class TestRegistryStandIn : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void findsProgramInOrder_data();
    void findsProgramInOrder();
    void storesTextAsWindowsDoes_data();
    void storesTextAsWindowsDoes();
    void everythingElseIsMissing_data();
    void everythingElseIsMissing();
    void closedKeyCannotBeRead();

private:
    std::unique_ptr<QTemporaryDir> m_dir; // fresh for every row
    QByteArray m_savedPath;
};

void TestRegistryStandIn::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_savedPath = qgetenv("PATH");
}

void TestRegistryStandIn::cleanup()
{
    qputenv("PATH", m_savedPath);
}

void TestRegistryStandIn::findsProgramInOrder_data()
{
    // Files as "folder/name" (a trailing "-" makes a non-executable file, "/" a folder), the
    // PATH as folders in order, and the expected "folder/name" or empty for none.
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("pathFolders");
    QTest::addColumn<QString>("expected");

    QTest::newRow("hardinfo alone")
        << QStringList{"a/hardinfo"} << QStringList{"a"} << "a/hardinfo";
    QTest::newRow("first folder holding hardinfo")
        << QStringList{"a/hardinfo", "b/hardinfo"} << QStringList{"b", "a"} << "b/hardinfo";
    QTest::newRow("hardinfo before kinfocenter of an earlier folder")
        << QStringList{"a/kinfocenter", "b/hardinfo"} << QStringList{"a", "b"} << "b/hardinfo";
    QTest::newRow("kinfocenter before gnome-system-monitor")
        << QStringList{"a/gnome-system-monitor", "b/kinfocenter"} << QStringList{"a", "b"}
        << "b/kinfocenter";
    QTest::newRow("hardinfo2 before kinfocenter")
        << QStringList{"a/kinfocenter", "a/hardinfo2"} << QStringList{"a"} << "a/hardinfo2";
    QTest::newRow("xfce4-taskmanager as the last resort")
        << QStringList{"a/xfce4-taskmanager"} << QStringList{"a"} << "a/xfce4-taskmanager";
    QTest::newRow("non-executable hardinfo skipped")
        << QStringList{"a/hardinfo-", "a/kinfocenter"} << QStringList{"a"} << "a/kinfocenter";
    QTest::newRow("folder named hardinfo skipped")
        << QStringList{"a/hardinfo/", "b/mate-system-monitor"} << QStringList{"a", "b"}
        << "b/mate-system-monitor";
    QTest::newRow("folder off the PATH ignored")
        << QStringList{"a/hardinfo"} << QStringList{"b"} << QString();
    QTest::newRow("empty PATH entry skipped")
        << QStringList{"a/kinfocenter"} << QStringList{"", "a"} << "a/kinfocenter";
    QTest::newRow("no program") << QStringList{} << QStringList{"a"} << QString();
}

void TestRegistryStandIn::findsProgramInOrder()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, pathFolders);
    QFETCH(QString, expected);

    const QString root = m_dir->path();
    for (const QString &file : files) {
        if (file.endsWith(QLatin1Char('/'))) {
            QVERIFY(QDir().mkpath(root + QLatin1Char('/') + file));
            continue;
        }
        const bool executable = !file.endsWith(QLatin1Char('-'));
        const QString name = executable ? file : file.chopped(1);
        QVERIFY(!MakeFile(root + QLatin1Char('/') + name.section(QLatin1Char('/'), 0, 0),
                          name.section(QLatin1Char('/'), 1))
                     .isEmpty());
        if (!executable)
            QFile::setPermissions(root + QLatin1Char('/') + name,
                                  QFile::ReadOwner | QFile::WriteOwner);
    }
    QStringList path;
    for (const QString &folder : pathFolders)
        path << (folder.isEmpty() ? QString() : root + QLatin1Char('/') + folder);
    qputenv("PATH", path.join(QLatin1Char(':')).toLocal8Bit());

    const auto registry = CreateSystemRegistry();
    Registry::Handle key = 0;
    const std::int32_t opened =
        registry->RegOpenKeyExA(Registry::HKEY_LOCAL_MACHINE, kMsinfoKey, 0, 0x2003F, &key);
    if (expected.isEmpty()) {
        QCOMPARE(opened, Registry::ERROR_FILE_NOT_FOUND);
        return;
    }
    QCOMPARE(opened, Registry::ERROR_SUCCESS);
    std::array<std::uint8_t, 1024> buffer{};
    std::uint32_t size = 1024;
    std::uint32_t type = 0;
    QCOMPARE(registry->RegQueryValueExA(key, "PATH", nullptr, &type, buffer.data(), &size),
             Registry::ERROR_SUCCESS);
    QCOMPARE(registry->RegCloseKey(key), Registry::ERROR_SUCCESS);
    const QString found = QString::fromLocal8Bit(reinterpret_cast<const char *>(buffer.data()));
    QCOMPARE(found, root + QLatin1Char('/') + expected);
}

void TestRegistryStandIn::storesTextAsWindowsDoes_data()
{
    QTest::addColumn<int>("room"); // bytes offered; -1 offers no buffer
    QTest::addColumn<int>("expectedResult");

    QTest::newRow("ample buffer") << 1024 << int(Registry::ERROR_SUCCESS);
    QTest::newRow("exact room for the NUL") << 0 << int(Registry::ERROR_SUCCESS);
    QTest::newRow("one byte short") << -2 << int(Registry::ERROR_MORE_DATA);
    QTest::newRow("no buffer asks the size") << -1 << int(Registry::ERROR_SUCCESS);
}

void TestRegistryStandIn::storesTextAsWindowsDoes()
{
    QFETCH(int, room);
    QFETCH(int, expectedResult);

    const QString program = MakeFile(m_dir->path() + QStringLiteral("/bin"), "kinfocenter");
    qputenv("PATH", (m_dir->path() + QStringLiteral("/bin")).toLocal8Bit());
    const QByteArray text = program.toLocal8Bit();
    const auto needed = static_cast<std::uint32_t>(text.size() + 1);

    const auto registry = CreateSystemRegistry();
    Registry::Handle key = 0;
    QCOMPARE(registry->RegOpenKeyExA(Registry::HKEY_LOCAL_MACHINE, kMsinfoKey, 0, 0x2003F, &key),
             Registry::ERROR_SUCCESS);
    // 0 offers exactly the bytes needed, -2 one fewer.
    const std::uint32_t offered = room == 0    ? needed
                                  : room == -2 ? needed - 1
                                  : room < 0   ? 0
                                               : static_cast<std::uint32_t>(room);
    std::array<std::uint8_t, 1024> buffer{};
    buffer.fill(0xAA);
    std::uint32_t size = offered;
    std::uint32_t type = 0;
    const std::int32_t result = registry->RegQueryValueExA(
        key, "PATH", nullptr, &type, room == -1 ? nullptr : buffer.data(), &size);
    registry->RegCloseKey(key);

    QCOMPARE(result, expectedResult);
    QCOMPARE(type, Registry::REG_SZ);
    QCOMPARE(size, needed);
    if (result == Registry::ERROR_SUCCESS && room != -1) {
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(buffer.data()), text.size()), text);
        QCOMPARE(buffer[text.size()], std::uint8_t(0));
    }
}

void TestRegistryStandIn::everythingElseIsMissing_data()
{
    QTest::addColumn<uint>("root");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("openResult");
    QTest::addColumn<int>("queryResult");

    const uint local = Registry::HKEY_LOCAL_MACHINE;
    QTest::newRow("the folder key of the second lookup")
        << local << QByteArray("SOFTWARE\\Microsoft\\Shared Tools Location") << QByteArray("MSINFO")
        << int(Registry::ERROR_FILE_NOT_FOUND) << 0;
    QTest::newRow("the current user's root")
        << 0x80000001u << QByteArray(kMsinfoKey) << QByteArray("PATH")
        << int(Registry::ERROR_FILE_NOT_FOUND) << 0;
    QTest::newRow("another value of the key")
        << local << QByteArray(kMsinfoKey) << QByteArray("MSINFO") << int(Registry::ERROR_SUCCESS)
        << int(Registry::ERROR_FILE_NOT_FOUND);
    QTest::newRow("key name in another case")
        << local << QByteArray("software\\microsoft\\shared tools\\msinfo") << QByteArray("path")
        << int(Registry::ERROR_SUCCESS) << int(Registry::ERROR_SUCCESS);
    QTest::newRow("a parent key") << local << QByteArray("SOFTWARE\\Microsoft\\Shared Tools")
                                  << QByteArray("PATH") << int(Registry::ERROR_FILE_NOT_FOUND) << 0;
}

void TestRegistryStandIn::everythingElseIsMissing()
{
    QFETCH(uint, root);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    QFETCH(int, openResult);
    QFETCH(int, queryResult);

    MakeFile(m_dir->path() + QStringLiteral("/bin"), "hardinfo");
    qputenv("PATH", (m_dir->path() + QStringLiteral("/bin")).toLocal8Bit());

    const auto registry = CreateSystemRegistry();
    Registry::Handle handle = 0;
    QCOMPARE(registry->RegOpenKeyExA(root, key.constData(), 0, 0x2003F, &handle), openResult);
    if (openResult != Registry::ERROR_SUCCESS)
        return;
    std::array<std::uint8_t, 1024> buffer{};
    std::uint32_t size = 1024;
    std::uint32_t type = 0;
    QCOMPARE(
        registry->RegQueryValueExA(handle, value.constData(), nullptr, &type, buffer.data(), &size),
        queryResult);
    QCOMPARE(registry->RegCloseKey(handle), Registry::ERROR_SUCCESS);
}

void TestRegistryStandIn::closedKeyCannotBeRead()
{
    MakeFile(m_dir->path() + QStringLiteral("/bin"), "hardinfo");
    qputenv("PATH", (m_dir->path() + QStringLiteral("/bin")).toLocal8Bit());
    const auto registry = CreateSystemRegistry();
    Registry::Handle key = 0;
    QCOMPARE(registry->RegOpenKeyExA(Registry::HKEY_LOCAL_MACHINE, kMsinfoKey, 0, 0x2003F, &key),
             Registry::ERROR_SUCCESS);
    QCOMPARE(registry->RegCloseKey(key), Registry::ERROR_SUCCESS);
    std::array<std::uint8_t, 1024> buffer{};
    std::uint32_t size = 1024;
    std::uint32_t type = 0;
    QCOMPARE(registry->RegQueryValueExA(key, "PATH", nullptr, &type, buffer.data(), &size),
             Registry::ERROR_INVALID_HANDLE);
    QCOMPARE(registry->RegCloseKey(key), Registry::ERROR_INVALID_HANDLE);
}

QTEST_GUILESS_MAIN(TestRegistryStandIn)
#include "test_registry_standin.moc"

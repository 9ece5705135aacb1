// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeregistry.h"
#include "keyvalue.h"

#include <QTest>

namespace {

const std::string kKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kValue = "PATH";

std::string Bytes(const QByteArray &bytes)
{
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QByteArray Text(const std::string &text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

class TestKeyValue : public QObject
{
    Q_OBJECT

private slots:
    void decodesStoredBytes_data();
    void decodesStoredBytes();
    void failedReadEmptiesKeyVal_data();
    void failedReadEmptiesKeyVal();
    void sizeZeroIsAnError_data();
    void sizeZeroIsAnError();
    void passesTheCallForms();
};

void TestKeyValue::decodesStoredBytes_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("sizeOut"); // -1: the count of stored bytes
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray nul(1, '\0');
    QTest::newRow("text with final NUL")
        << 1u << QByteArray("C:\\Windows\\msinfo32.exe") + nul << -1 << QByteArray()
        << QByteArray("C:\\Windows\\msinfo32.exe");
    QTest::newRow("text without final NUL")
        << 1u << QByteArray("abc") << -1 << QByteArray() << QByteArray("abc");
    QTest::newRow("text of a NUL alone") << 1u << nul << -1 << QByteArray() << QByteArray();
    QTest::newRow("text replaces what was there")
        << 1u << QByteArray("new") + nul << -1 << QByteArray("old") << QByteArray("new");
    QTest::newRow("size ends on an inner NUL")
        << 1u << QByteArray("ab") + nul + QByteArray("cd") + nul << 3 << QByteArray()
        << QByteArray("ab");
    QTest::newRow("size shorter than the bytes")
        << 1u << QByteArray("abcdef") << 3 << QByteArray() << QByteArray("abc");
    QTest::newRow("text filling the whole buffer")
        << 1u << QByteArray(1024, 'a') << -1 << QByteArray() << QByteArray(1024, 'a');
    QTest::newRow("text of 1023 and NUL fills the buffer")
        << 1u << QByteArray(1023, 'b') + nul << -1 << QByteArray() << QByteArray(1023, 'b');
    QTest::newRow("size reported past the buffer keeps the buffer")
        << 1u << QByteArray(1024, 'c') << 2000 << QByteArray() << QByteArray(1024, 'c');
    QTest::newRow("number stored 4 3 2 1")
        << 4u << QByteArray::fromHex("04030201") << -1 << QByteArray() << QByteArray("&h1234");
    QTest::newRow("number 258") << 4u << QByteArray::fromHex("02010000") << -1 << QByteArray()
                                << QByteArray("&h012");
    QTest::newRow("number 5") << 4u << QByteArray::fromHex("05000000") << -1 << QByteArray()
                              << QByteArray("&h005");
    QTest::newRow("number 0") << 4u << QByteArray::fromHex("00000000") << -1 << QByteArray()
                              << QByteArray("&h000");
    QTest::newRow("number with every byte set")
        << 4u << QByteArray::fromHex("FF00100A") << -1 << QByteArray() << QByteArray("&hA100FF");
    QTest::newRow("number 0xFFFFFFFF")
        << 4u << QByteArray::fromHex("FFFFFFFF") << -1 << QByteArray() << QByteArray("&hFFFFFFFF");
    QTest::newRow("binary leaves KeyVal")
        << 3u << QByteArray("\x01\x02", 2) << -1 << QByteArray("kept") << QByteArray("kept");
    QTest::newRow("expandable text leaves KeyVal")
        << 2u << QByteArray("%SystemRoot%") + nul << -1 << QByteArray() << QByteArray();
    QTest::newRow("multi-text leaves KeyVal")
        << 7u << QByteArray("a") + nul + nul << -1 << QByteArray("x") << QByteArray("x");
}

void TestKeyValue::decodesStoredBytes()
{
    QFETCH(uint, type);
    QFETCH(QByteArray, stored);
    QFETCH(int, sizeOut);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, expected);

    FakeRegistry registry;
    FakeRegistry::Value value;
    value.type = type;
    value.bytes = Bytes(stored);
    if (sizeOut >= 0)
        value.sizeOut = static_cast<std::uint32_t>(sizeOut);
    registry.setValue(kKey, kValue, value);

    std::string KeyVal = Bytes(before);
    const bool read = GetKeyValue(registry, Registry::HKEY_LOCAL_MACHINE, kKey, kValue, KeyVal);
    QVERIFY(read);
    QCOMPARE(Text(KeyVal), expected);
    QCOMPARE(registry.closes.size(), std::size_t(1));
    QVERIFY2(registry.openHandles.empty(), "the key stays open");
}

void TestKeyValue::failedReadEmptiesKeyVal_data()
{
    QTest::addColumn<int>("openResult"); // 0 opens; else the key's open error
    QTest::addColumn<bool>("valueStored");
    QTest::addColumn<int>("storedSize");
    QTest::addColumn<int>("queryResult");
    QTest::addColumn<int>("expectedCloses");

    QTest::newRow("key missing") << -1 << false << 0 << 0 << 0;
    QTest::newRow("access refused") << 5 << false << 0 << 0 << 0;
    QTest::newRow("value missing") << 0 << false << 0 << 0 << 1;
    QTest::newRow("value of 1025 bytes") << 0 << true << 1025 << 0 << 1;
    QTest::newRow("query refused") << 0 << true << 4 << 5 << 1;
}

void TestKeyValue::failedReadEmptiesKeyVal()
{
    QFETCH(int, openResult);
    QFETCH(bool, valueStored);
    QFETCH(int, storedSize);
    QFETCH(int, queryResult);
    QFETCH(int, expectedCloses);

    FakeRegistry registry;
    if (openResult >= 0)
        registry.addKey(kKey, openResult);
    if (valueStored) {
        FakeRegistry::Value value;
        value.bytes = std::string(static_cast<std::size_t>(storedSize), 'x');
        value.result = queryResult;
        registry.setValue(kKey, kValue, value);
    }

    std::string KeyVal = "previous";
    QVERIFY(!GetKeyValue(registry, Registry::HKEY_LOCAL_MACHINE, kKey, kValue, KeyVal));
    QCOMPARE(KeyVal, std::string());
    QCOMPARE(registry.closes.size(), std::size_t(expectedCloses));
    QVERIFY2(registry.openHandles.empty(), "the key stays open");
}

void TestKeyValue::sizeZeroIsAnError_data()
{
    QTest::addColumn<uint>("type");
    QTest::newRow("text") << 1u;
    QTest::newRow("number") << 4u;
    QTest::newRow("binary") << 3u;
}

void TestKeyValue::sizeZeroIsAnError()
{
    QFETCH(uint, type);
    FakeRegistry registry;
    FakeRegistry::Value value;
    value.type = type;
    value.bytes = std::string("abcd", 4);
    value.sizeOut = 0;
    registry.setValue(kKey, kValue, value);

    std::string KeyVal;
    QVERIFY_THROWS_EXCEPTION(
        KeyValueError, GetKeyValue(registry, Registry::HKEY_LOCAL_MACHINE, kKey, kValue, KeyVal));
    QCOMPARE(registry.closes.size(), std::size_t(1));
    QVERIFY2(registry.openHandles.empty(), "the key stays open after the error");
}

void TestKeyValue::passesTheCallForms()
{
    FakeRegistry registry;
    FakeRegistry::Value value;
    value.bytes = std::string("x\0", 2);
    registry.setValue(kKey, kValue, value);

    std::string KeyVal;
    QVERIFY(GetKeyValue(registry, Registry::HKEY_LOCAL_MACHINE, kKey, kValue, KeyVal));

    QCOMPARE(registry.opens.size(), std::size_t(1));
    QCOMPARE(registry.opens[0].root, 0x80000002u);
    QCOMPARE(registry.opens[0].key, kKey);
    QCOMPARE(registry.opens[0].options, 0u);
    QCOMPARE(registry.opens[0].samDesired, 0x2003Fu);
    QCOMPARE(registry.queries.size(), std::size_t(1));
    QCOMPARE(registry.queries[0].valueName, kValue);
    QVERIFY(registry.queries[0].reservedIsNull);
    QVERIFY(registry.queries[0].typeOutGiven);
    QCOMPARE(registry.queries[0].sizeIn, 1024u);
    QVERIFY2(registry.queries[0].bufferAllNul, "the buffer is not all NUL on entry");
    QCOMPARE(registry.closes.size(), std::size_t(1));
    QCOMPARE(registry.closes[0], registry.queries[0].key);
}

QTEST_GUILESS_MAIN(TestKeyValue)
#include "test_keyvalue.moc"

// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The roz and mah names in Gujarati and Persian: in their own script, each roz its own name,
// each mah spelled as the roz it is named after, and a few against print.
#include "calendar/names.h"
#include "testsupport.h"

#include <QSet>

namespace {

QString Name(std::string_view name)
{
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

Script ScriptNamed(const QString &name)
{
    return name == u"Gujarati"  ? Script::Gujarati
           : name == u"Persian" ? Script::Persian
                                : Script::English;
}

} // namespace

class TestNames : public QObject
{
    Q_OBJECT

private slots:
    void ownScript_data();
    void ownScript();
    void distinctRoz_data();
    void distinctRoz();
    void mahAsItsRoz_data();
    void mahAsItsRoz();
    void printed_data();
    void printed();
};

// Letters of the script's Unicode block only (printable ASCII for English), besides blanks and
// the zero-width (non-)joiner.
void TestNames::ownScript_data()
{
    AddRows("English | English | 0021 | 007E\n"
            "Gujarati | Gujarati | 0A80 | 0AFF\n"
            "Persian | Persian | 0600 | 06FF");
}

void TestNames::ownScript()
{
    const QStringList fields = Fields();
    const Script script = ScriptNamed(fields[0]);
    QStringList names;
    for (int roz = 1; roz <= 36; ++roz)
        names << Name(RozNameIn(roz, script));
    for (int mah = 1; mah <= 12; ++mah)
        names << Name(MahNameIn(mah, script));
    for (const QString &name : names) {
        QVERIFY2(!name.isEmpty(), "an empty name");
        for (const QChar c : name)
            QVERIFY2((c.unicode() >= fields[1].toUShort(nullptr, 16) &&
                      c.unicode() <= fields[2].toUShort(nullptr, 16)) ||
                         c == u' ' || c == QChar(0x200C) || c == QChar(0x200D),
                     qPrintable(name));
    }
}

void TestNames::distinctRoz_data()
{
    AddRows("English | English\n"
            "Gujarati | Gujarati\n"
            "Persian | Persian");
}

void TestNames::distinctRoz()
{
    const Script script = ScriptNamed(Fields()[0]);
    QSet<QString> seen;
    for (int roz = 1; roz <= 36; ++roz) {
        const QString name = Name(RozNameIn(roz, script));
        QVERIFY2(!seen.contains(name), qPrintable(name));
        seen.insert(name);
    }
}

// Which roz a mah is named after comes from the English names, where mah and roz share their
// spelling but for the capitals; Dae has no namesake. The row's last field is the mah that the
// script names otherwise.
void TestNames::mahAsItsRoz_data()
{
    AddRows("Gujarati | Gujarati | 0\n"
            "Persian, but Esfand | Persian | 12");
}

void TestNames::mahAsItsRoz()
{
    const QStringList fields = Fields();
    const Script script = ScriptNamed(fields[0]);
    int namesakes = 0;
    for (int mah = 1; mah <= 12; ++mah)
        for (int roz = 1; roz <= 36; ++roz)
            if (Name(MahNameIn(mah, Script::English)).toUpper() ==
                    Name(RozNameIn(roz, Script::English)) &&
                mah != fields[1].toInt()) {
                ++namesakes;
                QCOMPARE(Name(MahNameIn(mah, script)), Name(RozNameIn(roz, script)));
            }
    QCOMPARE(namesakes, fields[1] == u"0" ? 11 : 10);
}

// Gujarati: the Bombay Samachar's almanac column, 2023 and 2024, and the Parsi Times's Bahman.
// Persian: the Persian Wikipedia's list of the days of the month and the Unicode CLDR month names.
void TestNames::printed_data()
{
    AddRows("Gujarati roz 8 | Gujarati | roz | 8 | દએપઆદર\n"
            "Gujarati roz 25 | Gujarati | roz | 25 | અશીશવંઘ\n"
            "Gujarati roz 2, the Parsi Times | Gujarati | roz | 2 | બહમન\n"
            "Gujarati mah 2 | Gujarati | mah | 2 | અર્દીબહેશ્ત\n"
            "Gujarati mah 10 | Gujarati | mah | 10 | દએ\n"
            "Gujarati mah 12 | Gujarati | mah | 12 | સ્પેન્દાર્મદ\n"
            "Persian roz 15 | Persian | roz | 15 | دی به مهر\n"
            "Persian roz 30 | Persian | roz | 30 | انارام\n"
            "Persian mah 5 | Persian | mah | 5 | امرداد\n"
            "Persian mah 12 | Persian | mah | 12 | اسفند");
}

void TestNames::printed()
{
    const QStringList fields = Fields();
    const Script script = ScriptNamed(fields[0]);
    const int n = fields[2].toInt();
    QCOMPARE(Name(fields[1] == u"roz" ? RozNameIn(n, script) : MahNameIn(n, script)), fields[3]);
}

QTEST_GUILESS_MAIN(TestNames)
#include "tst_names.moc"

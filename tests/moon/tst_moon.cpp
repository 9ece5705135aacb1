// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The phases of the moon against published times.
#include "calendar/moon.h"
#include "testsupport.h"

#include <QDateTime>

namespace {

UtSeconds Ut(const QString &iso)
{
    return QDateTime::fromString(iso + u'Z', Qt::ISODate).toSecsSinceEpoch();
}

} // namespace

class TestMoon : public QObject
{
    Q_OBJECT

private slots:
    void phases_data();
    void phases();
    void bounds_data();
    void bounds();
};

// Within two minutes of the published times of 2026, in UT. The full moons as the 2026
// full-moon calendar in US newspapers gives them in US Eastern time (crbcnews.com, February
// 2026), converted to UT; the new moon of 18 January as the US Naval Observatory gives it, and
// the first quarter of 26 January as timeanddate.com does (both in bez-kabli.pl, 21 January
// 2026). The full moon of 3 January is the US Naval Observatory's 10:03 UT.
void TestMoon::phases_data()
{
    AddRows("January full moon | full | 2026-01-03T10:03\n"
            "January new moon | new | 2026-01-18T19:52\n"
            "January first quarter | first_quarter | 2026-01-26T04:47\n"
            "February full moon | full | 2026-02-01T22:09\n"
            "March full moon, eclipsed | full | 2026-03-03T11:38\n"
            "April full moon | full | 2026-04-02T02:12\n"
            "May full moon | full | 2026-05-01T17:23\n"
            "blue moon | full | 2026-05-31T08:45\n"
            "June full moon | full | 2026-06-29T23:57\n"
            "July full moon | full | 2026-07-29T14:36\n"
            "August full moon, eclipsed | full | 2026-08-28T04:19\n"
            "September full moon | full | 2026-09-26T16:49\n"
            "October full moon | full | 2026-10-26T04:12\n"
            "November full moon | full | 2026-11-24T14:54\n"
            "December full moon | full | 2026-12-24T01:28");
}

void TestMoon::phases()
{
    const QStringList fields = Fields();
    static const std::vector<MoonPhaseInstant> year = MoonPhasesBetween(
        Ut(QStringLiteral("2026-01-01T00:00")), Ut(QStringLiteral("2027-01-01T00:00")));
    const UtSeconds published = Ut(fields[1]);
    UtSeconds nearest = std::numeric_limits<UtSeconds>::max() / 2;
    for (const MoonPhaseInstant &phase : year)
        if (QLatin1StringView(MoonPhaseKey(phase.phase)) == fields[0] &&
            std::abs(phase.at - published) < std::abs(nearest - published))
            nearest = phase.at;
    QVERIFY2(std::abs(nearest - published) <= 120,
             qPrintable(QDateTime::fromSecsSinceEpoch(nearest, Qt::UTC).toString(Qt::ISODate)));
}

// A phase belongs to the span that starts at its minute, not to the one that ends there.
void TestMoon::bounds_data()
{
    AddRows("starting at the phase | 0 | 60 | 1\n"
            "ending at the phase | -86400 | 0 | 0");
}

void TestMoon::bounds()
{
    const QStringList fields = Fields();
    const UtSeconds full = Ut(QStringLiteral("2026-01-03T10:03"));
    const UtSeconds at = MoonPhasesBetween(full - 600, full + 600).at(0).at;
    const std::vector<MoonPhaseInstant> span =
        MoonPhasesBetween(at + fields[0].toLongLong(), at + fields[1].toLongLong());
    QCOMPARE(std::count_if(span.begin(), span.end(),
                           [at](const MoonPhaseInstant &phase) { return phase.at == at; }),
             fields[2].toLong());
}

QTEST_GUILESS_MAIN(TestMoon)
#include "tst_moon.moc"

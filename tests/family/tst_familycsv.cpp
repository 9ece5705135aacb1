// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The family's CSV as the calendar core reads it, for the desktop and the page alike: what each
// file yields, written back as the core writes CSV, or the row and column it is refused at.
#include "calendar/familydocument.h"
#include "tests/support/testsupport.h"

namespace {

// The file of a table cell: \r and \n as line ends, <BOM> as a byte-order mark, <FF> as a byte
// that is no UTF-8, and <Q> as a quote that the table may not hold (moc stops reading a file at
// a raw string with an odd number of quotes).
std::string FileOf(const QString &cell)
{
    QString text = cell;
    text.replace(QStringLiteral("\\r"), QStringLiteral("\r"))
        .replace(QStringLiteral("\\n"), QStringLiteral("\n"))
        .replace(QStringLiteral("<BOM>"), QStringLiteral("\uFEFF"))
        .replace(QStringLiteral("<Q>"), QStringLiteral("\""))
        .replace(QStringLiteral("<FF>"), QString());
    std::string file = text.toStdString();
    if (cell.contains(QStringLiteral("<FF>")))
        file += '\xFF';
    return file;
}

// The front end's time zones: Kolkata's alone.
bool KolkataOnly(std::string_view zone)
{
    return zone == "Asia/Kolkata";
}

} // namespace

class TestFamilyCsv : public QObject
{
    Q_OBJECT

private slots:
    // File | --order (- for none) | the entries as the core writes them back, rows after the
    // header joined by \n, or the problem.
    void reads_data()
    {
        AddRows(
            R"(plain | person,date\nRustom,2001-08-20\n | - | Rustom,death,2001-08-20,shahenshahi,false,,,"4,10,30",12,
quoted, embedded comma, quote and line end | person,date,note\n"Irani, Rustom",2001-08-20,"one\nsaid ""hi"""\n | - | "Irani, Rustom",death,2001-08-20,shahenshahi,false,,,"4,10,30",12,"one\nsaid ""hi"""
byte-order mark and CRLF | <BOM>person,date\r\nRustom,2001-08-20\r\nHomi,2002-01-01 | - | Rustom,death,2001-08-20,shahenshahi,false,,,"4,10,30",12,\nHomi,death,2002-01-01,shahenshahi,false,,,"4,10,30",12,
semicolons, a comma in a cell | person;date;days\nRustom;2001-08-20;"4,10"\n | - | Rustom,death,2001-08-20,shahenshahi,false,,,"4,10",12,
names in other case and order | DATE;Kind;PERSON;Before_Dawn;Calendar\n2001-08-20;Birth;Ava;TRUE;Fasli\n | - | Ava,birth,2001-08-20,fasli,true,,,,,
every column, no days | person,kind,date,calendar,before dawn,time,place,days,months,note\nRustom,death,2001-08-20,kadmi,no,5:30, Mumbai ,none,0,at home\n | - | Rustom,death,2001-08-20,kadmi,false,05:30,Mumbai,none,0,at home
typed order besides ISO | person,date\nRustom,20/08/2001\nHomi,2002-01-01\n | dmy | Rustom,death,2001-08-20,shahenshahi,false,,,"4,10,30",12,\nHomi,death,2002-01-01,shahenshahi,false,,,"4,10,30",12,
empty rows and cells skipped | person,date,,\n,,,\nRustom,2001-08-20,,\n\n | - | Rustom,death,2001-08-20,shahenshahi,false,,,"4,10,30",12,
header only | person,date\r\n | - | 
missing required column | person,note\nRustom,at home\n | - | row 1: the header row names no date column
unknown column | person,date,colour\nRustom,2001-08-20,red\n | - | row 1: no column is named "colour"; the columns are person, date, kind, calendar, before_dawn, time, place, days, months and note
bad date in row 7 | person,date\nA,2001-01-01\nB,2001-01-02\nC,2001-01-03\nD,2001-01-04\nE,2001-01-05\nF,2001-02-30\n | - | row 7, column date: the date must be given as yyyy-mm-dd, from 0100-01-01 to 9999-12-31
a row of two lines counts once | person,note,date\nA,"two\nlines",2001-01-01\nB,,30-02-2001\n | dmy | row 3, column date: the date must be given as yyyy-mm-dd or dd-mm-yyyy, from 0100-01-01 to 9999-12-31
quote never closed | person,date\n<Q>Rustom,2001-08-20\n | - | row 2: a quoted cell must be closed by a quote before the next cell or row
text after a closing quote | person,date\n"Rustom" Irani,2001-08-20\n | - | row 2: a quoted cell must be closed by a quote before the next cell or row
days for a birth | person,date,kind,days\nAva,2001-08-20,birth,4\n | - | row 2, column days: days and months are kept for a death only
a check of the entry names its column | person,date,time\nRustom,2001-08-20,05:30\n | - | row 2, column time: a time is kept only with a place
no such place | person,date,place\nRustom,2001-08-20,Atlantis\n | - | row 2, column place: "Atlantis" is no built-in place
a zone the front end does not know | person,date,place\nRustom,2001-08-20,"51.51,-0.13,Europe/London"\n | - | row 2, column place: the time zone "Europe/London" is unknown to this system
a cell under no column | person,date\nRustom,2001-08-20,x\n | - | row 2: cell 3 is under no column the header row names
not UTF-8 | person,date\nRustom<FF>,2001-08-20\n | - | the file is not UTF-8 text)");
    }
    void reads()
    {
        const QStringList fields = Fields();
        const std::optional<DateOrderCode> order =
            fields[1] == u"dmy" ? std::optional(kDayMonthYear) : std::nullopt;
        const auto read = ReadFamilyCsv(FileOf(fields[0]), order, DateTextRules(), KolkataOnly);
        QString got;
        if (const auto *entries = std::get_if<std::vector<FamilyRecord>>(&read)) {
            got = QString::fromStdString(FamilyCsv(*entries)).section(QStringLiteral("\r\n"), 1);
            got.chop(2);
            got.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        } else {
            got = QString::fromStdString(std::get<std::string>(read));
        }
        QCOMPARE(got, QString::fromStdString(FileOf(fields[2])));
    }
};

QTEST_GUILESS_MAIN(TestFamilyCsv)
#include "tst_familycsv.moc"

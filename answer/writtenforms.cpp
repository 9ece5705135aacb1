// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer/writtenforms.h"

#include "calendar/observancetext.h"
#include "platform/regional.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>

QString IsoDate(CalendarDate date)
{
    return QString::fromLatin1(core::IsoDate(date));
}

JsonWriter &JsonWriter::begin(char bracket)
{
    separate();
    m_text += bracket;
    m_first = true;
    return *this;
}

JsonWriter &JsonWriter::end(char bracket)
{
    m_text += bracket;
    m_first = false;
    return *this;
}

JsonWriter &JsonWriter::key(std::string_view name)
{
    separate();
    m_text += '"';
    m_text.append(name.data(), qsizetype(name.size()));
    m_text += "\":";
    m_first = true;
    return *this;
}

JsonWriter &JsonWriter::value(const QString &text)
{
    separate();
    // Most texts need no escape and are written as they are; the others are escaped by
    // QJsonDocument itself, as one text of a list.
    const bool plain = std::ranges::all_of(
        text, [](QChar c) { return c >= u' ' && c != u'"' && c != u'\\' && !c.isSurrogate(); });
    if (plain) {
        m_text += '"';
        m_text += text.toUtf8();
        m_text += '"';
    } else
        m_text += QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact).chopped(1).mid(1);
    return *this;
}

JsonWriter &JsonWriter::value(std::string_view utf8)
{
    separate();
    m_text += '"';
    m_text.append(utf8.data(), qsizetype(utf8.size()));
    m_text += '"';
    return *this;
}

JsonWriter &JsonWriter::value(CalendarDate date)
{
    separate();
    m_text += '"' + QByteArray::fromStdString(core::IsoDate(date)) + '"';
    return *this;
}

JsonWriter &JsonWriter::value(qint64 number)
{
    separate();
    m_text += QByteArray::number(number);
    return *this;
}

JsonWriter &JsonWriter::null()
{
    separate();
    m_text += "null";
    return *this;
}

void JsonWriter::separate()
{
    if (!m_first)
        m_text += ',';
    m_first = false;
}

namespace {

// The columns a terminal gives the text: a Gujarati vowel sign above or below its letter and a
// zero-width joiner take none, as the C library's wcwidth() counts them.
qsizetype TerminalWidth(const QString &text)
{
    qsizetype width = 0;
    for (const char32_t c : text.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        width += category != QChar::Mark_NonSpacing && category != QChar::Mark_Enclosing &&
                 category != QChar::Other_Format;
    }
    return width;
}

} // namespace

QString ColumnTable(const std::vector<QStringList> &rows)
{
    std::vector<qsizetype> widths;
    for (const QStringList &row : rows) {
        widths.resize(std::max(widths.size(), size_t(row.size())));
        for (qsizetype i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], TerminalWidth(row[i]));
    }
    QString text;
    for (const QStringList &row : rows) {
        QString line;
        for (qsizetype i = 0; i < row.size(); ++i)
            line += row[i] + QString(widths[i] + 2 - TerminalWidth(row[i]), u' ');
        text += line.trimmed() + u'\n';
    }
    return text;
}

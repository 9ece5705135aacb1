// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/suncommands.h"

#include <QCommandLineParser>
#include <cstdio>

SunOptions::SunOptions()
    : m_timeOption(QStringLiteral("time"),
                   QStringLiteral("The local time of the event at --place, HH:MM on the 24-hour "
                                  "clock: before sunrise it belongs to the day before."),
                   QStringLiteral("HH:MM")),
      m_placeOption(QStringLiteral("place"),
                    QStringLiteral("Where the event was: a name from `dalvane-cli places` or "
                                   "LAT,LON,ZONE (e.g. 51.51,-0.13,Europe/London); alone it "
                                   "gives the day's sunrise and sunset."),
                    QStringLiteral("PLACE"))
{}

void SunOptions::addTo(QCommandLineParser &parser) const
{
    parser.addOptions({m_timeOption, m_placeOption});
}

QString SunOptions::read(const QCommandLineParser &parser, bool beforeDawn)
{
    if (parser.isSet(m_timeOption)) {
        if (!parser.isSet(m_placeOption))
            return QStringLiteral("--time needs --place: sunrise depends on where the event was");
        if (beforeDawn)
            return QStringLiteral("--time and --before-dawn cannot go together: the time and "
                                  "the place say whether it was before sunrise");
        m_time = ReadClockTime(parser.value(m_timeOption));
        if (!m_time)
            return QStringLiteral("--time takes HH:MM on the 24-hour clock, e.g. 07:30, not "
                                  "\"%1\"")
                .arg(parser.value(m_timeOption));
    }
    if (parser.isSet(m_placeOption)) {
        QString problem;
        m_place = ReadPlace(parser.value(m_placeOption), &problem);
        if (!m_place)
            return QStringLiteral("--place: %1 (dalvane-cli places lists the built-in places)")
                .arg(problem);
    }
    return {};
}

void SunOptions::fill(Question &question) const
{
    question.place = m_place;
    question.time = m_time;
}

int PlacesCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("The built-in places: name, latitude, longitude and time zone."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Answer in JSON."));
    parser.addOption(json);
    parser.addPositionalArgument(QStringLiteral("places"), QStringLiteral("The command."));
    const bool parsed = parser.parse(arguments);
    if (!parsed || parser.positionalArguments().size() != 1) {
        std::fputs(
            QStringLiteral("dalvane-cli: %1\n%2")
                .arg(parsed ? QStringLiteral("places takes no operands") : parser.errorText(),
                     parser.helpText())
                .toUtf8()
                .constData(),
            stderr);
        return 2;
    }
    const QByteArray text = parser.isSet(help)   ? parser.helpText().toUtf8()
                            : parser.isSet(json) ? PlacesJson()
                                                 : PlacesText().toUtf8();
    std::fputs(text.constData(), stdout);
    return 0;
}

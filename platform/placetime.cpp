// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/placetime.h"

#include "calendar/familyentry.h"
#include "platform/coretext.h"
#include "platform/regional.h"

#include <algorithm>
#include <cmath>

Place PlaceFromRow(const PlaceRow &row)
{
    return {QString::fromUtf8(row.name.data(), qsizetype(row.name.size())), row.latitude,
            row.longitude, QTimeZone(QByteArray(row.zone.data(), qsizetype(row.zone.size())))};
}

int HomePlaceIndex(const QByteArray &systemZoneId)
{
    const QTimeZone system(systemZoneId);
    int inTerritory = -1;
    for (int i = 0; i < int(BuiltInPlaces().size()); ++i) {
        const QTimeZone zone = PlaceFromRow(BuiltInPlaces()[size_t(i)]).zone;
        if (zone.id() == system.id())
            return i;
        if (inTerritory < 0 && system.isValid() && zone.territory() == system.territory())
            inTerritory = i;
    }
    return std::max(inTerritory, 0);
}

bool SystemKnowsZone(std::string_view zone)
{
    return QTimeZone::isTimeZoneIdAvailable(QByteArray(zone.data(), qsizetype(zone.size())));
}

std::optional<Place> ReadPlace(const QString &text, QString *problem)
{
    const std::variant<PlaceText, std::string> read =
        ReadPlaceText(text.toStdString(), SystemKnowsZone);
    if (const std::string *bad = std::get_if<std::string>(&read)) {
        *problem = FromCore(*bad);
        return std::nullopt;
    }
    const PlaceText &place = std::get<PlaceText>(read);
    return Place{FromCore(place.name), place.latitude, place.longitude,
                 QTimeZone(QByteArray::fromStdString(place.zone))};
}

std::optional<QTime> ReadClockTime(const QString &text)
{
    const std::optional<int> minutes = ClockMinutes(text.toStdString());
    return minutes ? std::optional(QTime(*minutes / 60, *minutes % 60)) : std::nullopt;
}

UtSeconds UtOf(CalendarDate date, QTime time, const QTimeZone &zone)
{
    return UtOfLocal(date, time.hour() * 60 + time.minute(), [&](UtSeconds moment) {
        return zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(moment, Qt::UTC));
    });
}

TimeZones DesktopZones()
{
    return {SystemKnowsZone, [](std::string_view zone, UtSeconds moment) {
                return QTimeZone(QByteArray(zone.data(), qsizetype(zone.size())))
                    .offsetFromUtc(QDateTime::fromSecsSinceEpoch(moment, Qt::UTC));
            }};
}

QTimeZone LocalZone()
{
    return QTimeZone::systemTimeZone();
}

QDateTime LocalTimeOf(UtSeconds moment, const QTimeZone &zone)
{
    return QDateTime::fromSecsSinceEpoch(moment, zone);
}

QString ShortClock(const QDateTime &local)
{
    return local.time().toString(QStringLiteral("H:mm"));
}

QString FullClock(const QDateTime &local)
{
    return local.time().toString(QStringLiteral("HH:mm"));
}

// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/placetime.h"

#include "calendar/familyentry.h"
#include "platform/coretext.h"
#include "platform/regional.h"

#include <QRegularExpression>
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

std::optional<Place> ReadPlace(const QString &text, QString *problem)
{
    const QString given = text.trimmed();
    if (!given.contains(u',')) {
        const QByteArray name = given.toUtf8();
        if (const PlaceRow *row = BuiltInPlace(std::string_view(name.constData(), name.size())))
            return PlaceFromRow(*row);
        *problem = QStringLiteral("\"%1\" is no built-in place").arg(given);
        return std::nullopt;
    }
    const QStringList parts = given.split(u',');
    bool latitudeRead = false, longitudeRead = false;
    const double latitude = parts.value(0).trimmed().toDouble(&latitudeRead);
    const double longitude = parts.value(1).trimmed().toDouble(&longitudeRead);
    if (parts.size() != 3 || !latitudeRead || !longitudeRead || !std::isfinite(latitude) ||
        !std::isfinite(longitude)) {
        *problem = QStringLiteral("\"%1\" is not LAT,LON,ZONE (for example "
                                  "51.51,-0.13,Europe/London)")
                       .arg(given);
        return std::nullopt;
    }
    if (std::abs(latitude) > 90) {
        *problem = QStringLiteral("the latitude %1 is out of range: -90 to 90").arg(parts[0]);
        return std::nullopt;
    }
    if (std::abs(longitude) > 180) {
        *problem = QStringLiteral("the longitude %1 is out of range: -180 to 180").arg(parts[1]);
        return std::nullopt;
    }
    const QByteArray id = parts[2].trimmed().toUtf8();
    if (id.isEmpty() || !QTimeZone::isTimeZoneIdAvailable(id)) {
        *problem = QStringLiteral("the time zone \"%1\" is unknown to this system")
                       .arg(QString::fromUtf8(id));
        return std::nullopt;
    }
    return Place{given, latitude, longitude, QTimeZone(id)};
}

std::optional<std::string> PlaceProblem(std::string_view text)
{
    QString problem;
    if (ReadPlace(FromCore(text), &problem))
        return std::nullopt;
    return problem.toStdString();
}

std::optional<QTime> ReadClockTime(const QString &text)
{
    const std::optional<int> minutes = ClockMinutes(text.toStdString());
    return minutes ? std::optional(QTime(*minutes / 60, *minutes % 60)) : std::nullopt;
}

UtSeconds UtOf(CalendarDate date, QTime time, const QTimeZone &zone)
{
    const QDate day = ToQDate(date);
    const QDateTime local(day, time, zone);
    if (local.isValid() && local.time() == time)
        return local.toSecsSinceEpoch();
    // In the spring gap: the offset in force just before the change.
    const QDateTime before(day.addDays(-1), time, zone);
    return QDateTime(day, time, Qt::UTC).toSecsSinceEpoch() - before.offsetFromUtc();
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

// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/familyupcoming.h"
#include "calendar/places.h"
#include "calendar/placetext.h"
#include "calendar/sun.h"

#include <QDateTime>
#include <QString>
#include <QTime>
#include <QTimeZone>
#include <optional>
#include <string_view>

// A place with its civil time zone as the system knows it.
struct Place
{
    QString name; // the built-in name, or the text given as LAT,LON,ZONE
    double latitude;
    double longitude;
    QTimeZone zone;
};

Place PlaceFromRow(const PlaceRow &row);
// The built-in place a user here most likely means, as an index into BuiltInPlaces(): the first
// in the system's own time zone, else the first in its country, else the first of all.
int HomePlaceIndex(const QByteArray &systemZoneId);

// A built-in place by name (any case) or "LAT,LON,ZONE" such as "51.51,-0.13,Europe/London", as
// ReadPlaceText reads it with the system's time zones. nullopt with `problem` set to what is
// wrong: no such place, not that form, a latitude or longitude out of range, or a zone the
// system does not know.
std::optional<Place> ReadPlace(const QString &text, QString *problem);

// Whether the system knows a time zone of that IANA name: the desktop's ZoneKnown.
bool SystemKnowsZone(std::string_view zone);

// The system's time zones as the calendar core asks for them.
TimeZones DesktopZones();

// A 24-hour local time "HH:MM" (one-digit hours too), as ClockMinutes reads it; nullopt for
// anything else.
std::optional<QTime> ReadClockTime(const QString &text);

// The system's own time zone, where a moment is said without a place.
QTimeZone LocalZone();

// Local civil time at a place to universal time and back, summer time included as the
// system's time zone data has it, read as UtOfLocal (calendar/sun.h) reads a local time.
UtSeconds UtOf(CalendarDate date, QTime time, const QTimeZone &zone);
QDateTime LocalTimeOf(UtSeconds moment, const QTimeZone &zone);

// "H:MM" as the text line writes a time, "HH:MM" as JSON and the window do.
QString ShortClock(const QDateTime &local);
QString FullClock(const QDateTime &local);

// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The small pieces every written form of an answer uses, kept in one place so that the
// schedule's and the festivals' texts and calendar files write a date or a table alike.
#include "calendar/calendardate.h"
#include "platform/coretext.h"

#include <QString>
#include <QStringList>
#include <libical/ical.h>
#include <memory>
#include <string_view>
#include <vector>

QString IsoDate(CalendarDate date);       // "2025-08-15"
icaltimetype IcalDate(CalendarDate date); // an all-day date for a calendar file
using CalendarFile = std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)>;
// An empty calendar with the version and the producer every file of ours carries.
CalendarFile NewCalendarFile();
// The time of writing, which RFC 5545 asks of every event, in UTC.
icaltimetype IcalStamp(qint64 secondsSinceEpoch);
// Columns two blanks apart, each as wide as its widest entry, for a terminal.
QString ColumnTable(const std::vector<QStringList> &rows);

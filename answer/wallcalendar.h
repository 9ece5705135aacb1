// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answer/festivalanswer.h"

#include <QPageLayout>
#include <QTimeZone>

class QPagedPaintDevice;
struct Place;

// A4 landscape with a margin every printer can reach.
QPageLayout WallCalendarPageLayout();

// The wall calendar, one page per Gregorian month from `first`, into whatever page the device
// has (a PDF writer on the command line, the printer the user chose in the window): the month,
// its mah(s), YZ year(s) and the reckoning at the top, a grid of weeks from the regional first
// day of the week, and in each day's box the day, the roz number and name (and the name in
// another script under it), where a mah or a year begins, the festivals, and a phase of the
// moon marked with its symbol and its time in `zone` beside the day. At a place, the heading
// names it, each box gives the day's sunrise and sunset at its foot, and the phases are in the
// place's time. Every text is measured on
// the device and made smaller where it would not fit its box, so nothing is clipped or drawn
// over another. Months past the end of the calendar are left out.
void PaintWallCalendar(QPagedPaintDevice &device, YearMonth first, int months, Reckoning calendar,
                       const RegionalSettings &settings, Script names = Script::English,
                       const Place *place = nullptr, const QTimeZone &zone = QTimeZone::utc());

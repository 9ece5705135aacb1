// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class QPagedPaintDevice;
struct Answer;
struct RegionalSettings;

// A heading, a paragraph and a table (titles first) down the pages of a printer or a PDF
// writer, the titles again on each new page. The type gets smaller, to 7 points, where the
// columns would not fit the page; past that the last column wraps.
void PrintTable(QPagedPaintDevice &device, const QString &heading, const QString &summary,
                const std::vector<QStringList> &rows);

// A schedule's printout: its person and reckoning as heading, the summary and the table in date
// order.
void PrintSchedule(QPagedPaintDevice &device, const Answer &answer,
                   const RegionalSettings &settings);

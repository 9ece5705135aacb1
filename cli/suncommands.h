// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answer/answer.h"

#include <QCommandLineOption>
#include <QStringList>

class QCommandLineParser;

// --time and --place: the sunrise rule and the Gah at a place, for the single calculation and
// for the schedule.
class SunOptions
{
public:
    SunOptions();
    void addTo(QCommandLineParser &parser) const;

    // Reads the two options; the bad usage in words, or an empty text.
    QString read(const QCommandLineParser &parser, bool beforeDawn);

    // The place and the time read, into the question.
    void fill(Question &question) const;

private:
    QCommandLineOption m_timeOption;
    QCommandLineOption m_placeOption;
    std::optional<Place> m_place;
    std::optional<QTime> m_time;
};

// dalvane-cli places [--json]: the built-in places. Returns the exit status.
int PlacesCommand(const QStringList &arguments);

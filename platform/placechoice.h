// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QComboBox;
class QWidget;

// The windows' Place choice: the built-in places, the first in the system's own time zone
// chosen.
QComboBox *MakePlaceChoice(QWidget *parent, const QByteArray &systemZoneId);
// Chooses a place as an entry holds it; one typed as LAT,LON,ZONE on the command line joins the
// choice. An empty place leaves the choice as it is.
void ChoosePlace(QComboBox *choice, const QString &place);

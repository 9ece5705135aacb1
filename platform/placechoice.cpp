// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/placechoice.h"

#include "platform/placetime.h"

#include <QComboBox>

QComboBox *MakePlaceChoice(QWidget *parent, const QByteArray &systemZoneId)
{
    auto *choice = new QComboBox(parent);
    choice->setObjectName(QStringLiteral("cboPlace"));
    for (const PlaceRow &row : BuiltInPlaces())
        choice->addItem(PlaceFromRow(row).name);
    choice->setCurrentIndex(HomePlaceIndex(systemZoneId));
    return choice;
}

void ChoosePlace(QComboBox *choice, const QString &place)
{
    if (place.isEmpty())
        return;
    if (choice->findText(place, Qt::MatchFixedString) < 0)
        choice->addItem(place);
    choice->setCurrentIndex(choice->findText(place, Qt::MatchFixedString));
}

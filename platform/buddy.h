// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QString>

// A label with its field as buddy: the access key moves there and the field is spoken by the
// label's own words.
inline QLabel *Buddy(const QString &caption, QWidget *field)
{
    auto *label = new QLabel(caption);
    label->setBuddy(field);
    field->setAccessibleName(QString(caption).remove(u'&'));
    return label;
}

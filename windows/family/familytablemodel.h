// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/calendardate.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <map>
#include <vector>

// A table of texts as the answer layer writes it, titles first. The sort role orders a column
// given keys by them (an id, a day) and every other column by its text, so a date sorts by
// day and not by the words of its month.
class FamilyTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // keys[column][row], for the columns that sort by a number.
    void SetRows(std::vector<QStringList> rows, std::map<int, std::vector<qint64>> keys = {});

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<QStringList> m_rows;
    std::map<int, std::vector<qint64>> m_keys;
};

// A day as a number that orders as the days do.
constexpr qint64 DayKey(CalendarDate date)
{
    return date.year() * 10000 + date.month() * 100 + date.day();
}

// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/schedule/observancemodel.h"

ObservanceModel::ObservanceModel(const RegionalSettings &settings, QObject *parent)
    : QAbstractTableModel(parent), m_settings(settings)
{}

void ObservanceModel::SetAnswer(const std::optional<Answer> &answer)
{
    beginResetModel();
    m_answer = answer;
    m_rows.clear();
    if (m_answer && m_answer->observances) {
        for (const Observance &entry : *m_answer->observances)
            m_rows.push_back(ObservanceColumns(entry, *m_answer, m_settings));
    }
    endResetModel();
}

int ObservanceModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ObservanceModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(ObservanceColumnTitles().size());
}

QVariant ObservanceModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole)
        return m_rows[index.row()][index.column()];
    if (role != Qt::UserRole)
        return {};
    // Sorting: a long date, "Day 10" and a roz number sort as what they stand for, not as text.
    const Observance &entry = (*m_answer->observances)[index.row()];
    switch (index.column()) {
    case 0:
        return int(entry.kind) * 100000 + entry.n;
    case 1:
        return ToQDate(entry.date).toJulianDay();
    case 2:
        return entry.day.roz;
    case 3:
        return entry.day.mah;
    case 4:
        return entry.day.yzYear;
    default:
        return m_rows[index.row()][index.column()];
    }
}

QVariant ObservanceModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return ObservanceColumnTitles().value(section);
}

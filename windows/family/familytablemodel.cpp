// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/family/familytablemodel.h"

void FamilyTableModel::SetRows(std::vector<QStringList> rows,
                               std::map<int, std::vector<qint64>> keys)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_keys = std::move(keys);
    endResetModel();
}

int FamilyTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || m_rows.empty() ? 0 : int(m_rows.size()) - 1;
}

int FamilyTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() || m_rows.empty() ? 0 : int(m_rows.front().size());
}

QVariant FamilyTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const QString &text = m_rows[size_t(index.row()) + 1][index.column()];
    if (role == Qt::DisplayRole)
        return text;
    if (role != Qt::UserRole)
        return {};
    const auto keyed = m_keys.find(index.column());
    return keyed == m_keys.end() ? QVariant(text) : QVariant(keyed->second[size_t(index.row())]);
}

QVariant FamilyTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    return m_rows.front()[section];
}

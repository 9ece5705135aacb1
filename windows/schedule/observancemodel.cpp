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
    m_rows = m_answer ? ObservanceRows(*m_answer, m_settings) : std::vector<QStringList>{};
    endResetModel();
}

int ObservanceModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || m_rows.empty() ? 0 : int(m_rows.size()) - 1;
}

int ObservanceModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(ObservanceColumns().size());
}

QVariant ObservanceModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole)
        return m_rows[size_t(index.row()) + 1][index.column()];
    if (role != Qt::UserRole)
        return {};
    const Observance &entry = (*m_answer->observances)[size_t(index.row())];
    return ObservanceColumns()[size_t(index.column())].sortKey(entry, *m_answer);
}

QVariant ObservanceModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromLatin1(ObservanceColumns()[size_t(section)].title);
}

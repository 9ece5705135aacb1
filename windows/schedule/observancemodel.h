// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answer/answer.h"
#include "platform/regional.h"

#include <QAbstractTableModel>

// A schedule's observances as a table, in the columns every listing of a schedule has; the sort
// role orders by what each column stands for.
class ObservanceModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ObservanceModel(const RegionalSettings &settings, QObject *parent = nullptr);

    // A schedule's answer, or none: the table empties.
    void SetAnswer(const std::optional<Answer> &answer);
    const std::optional<Answer> &CurrentAnswer() const { return m_answer; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const RegionalSettings &m_settings;
    std::optional<Answer> m_answer;
    std::vector<QStringList> m_rows; // titles first
};

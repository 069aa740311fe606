// The person grid's model: the filtered and sorted person list of the opened file.
#pragma once

#include <memory>
#include <vector>

#include <QAbstractTableModel>

#include "app/person_list.h"

namespace qv {

class PersonTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // Shows the persons of data (or none); clears filters and sort priorities.
    void SetPersons(const TAhnenData* data);
    void SetFilter(int column, const QString& text);
    QString Filter(int column) const;
    // The sort button of column 0, 1 or 2: that column becomes the most significant key.
    void RaiseSortPriority(int column);
    const SortPriorities& Priorities() const { return m_priorities; }

    // The person index shown in row, or -1.
    int64_t PersonAt(int row) const;
    int ListedCount() const { return static_cast<int>(m_rows.size()); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    void Refilled(int listedCount);

private:
    void Refill();

    const TAhnenData* m_data = nullptr;
    std::unique_ptr<PersonListIndex> m_index;
    PersonFilters m_filters;
    SortPriorities m_priorities = kInitialSortPriorities;
    std::vector<int64_t> m_rows;
};

}  // namespace qv

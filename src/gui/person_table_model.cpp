// Refilling the person grid from the shared list logic.
#include "gui/person_table_model.h"

#include <QColor>
#include <QFont>

#include "app/qt_text.h"

namespace qv {
namespace {

// A filter left in a column whose edit is closed would empty the list unseen, so its header
// is tinted and its caption set in bold.
const QColor kFilteredHeaderTint(255, 214, 110);

}  // namespace

void PersonTableModel::SetPersons(const TAhnenData* data)
{
    m_data = data;
    m_index = data ? std::make_unique<PersonListIndex>(*data) : nullptr;
    m_filters = {};
    m_priorities = kInitialSortPriorities;
    Refill();
    emit headerDataChanged(Qt::Horizontal, 0, kPersonColumnCount - 1);
}

void PersonTableModel::SetFilter(int column, const QString& text)
{
    m_filters[column] = Utf8FromQString(text);
    Refill();
    emit headerDataChanged(Qt::Horizontal, column, column);
}

QString PersonTableModel::Filter(int column) const { return QStringFromUtf8(m_filters[column]); }

void PersonTableModel::RaiseSortPriority(int column)
{
    qv::RaiseSortPriority(m_priorities, column);
    Refill();
}

void PersonTableModel::Refill()
{
    beginResetModel();
    m_rows = m_index ? m_index->Rows(m_filters, m_priorities) : std::vector<int64_t>{};
    endResetModel();
    emit Refilled(ListedCount());
}

int64_t PersonTableModel::PersonAt(int row) const
{
    return row >= 0 && row < ListedCount() ? m_rows[row] : -1;
}

int PersonTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ListedCount();
}

int PersonTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kPersonColumnCount;
}

QVariant PersonTableModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !m_data || index.row() >= ListedCount()) return {};
    return QStringFromUtf8(PersonColumnText(m_data->Persons[m_rows[index.row()]], index.column()));
}

QVariant PersonTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section >= kPersonColumnCount) return {};
    if (role == Qt::DisplayRole) return QString::fromUtf8(kPersonColumnCaptions[section]);
    if (role == Qt::ToolTipRole) return QStringLiteral("Hier klicken um Filter einzustellen");
    if (m_filters[section].empty()) return {};
    if (role == Qt::BackgroundRole) return kFilteredHeaderTint;
    if (role == Qt::FontRole) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    return {};
}

}  // namespace qv

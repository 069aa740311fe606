// The person grid: seven columns, a filter edit over each header cell, three sort buttons.
#pragma once

#include <array>

#include <QTableView>

#include "gui/person_table_model.h"

class QLineEdit;
class QToolButton;

namespace qv {

class PersonGrid : public QTableView {
    Q_OBJECT

public:
    explicit PersonGrid(QWidget* parent = nullptr);

    PersonTableModel& Model() { return m_model; }
    // The person of the current row, or -1.
    int64_t CurrentPerson() const;
    // The persons of all selected rows, in list order.
    std::vector<int64_t> SelectedPersons() const;
    // Shows the filter edit of a column and focuses it (as a click on its header cell does).
    void ShowFilterEdit(int column);
    QLineEdit* FilterEdit(int column) const { return m_filterEdits[column]; }
    QToolButton* SortButton(int column) const { return m_sortButtons[column]; }

signals:
    void PersonDoubleClicked(int64_t person);
    void PersonContextMenu(int64_t person, const QPoint& globalPosition);
    void CurrentPersonChanged(int64_t person);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void CreateOverlays();
    void LayOutColumns();
    void PlaceOverlays();

    PersonTableModel m_model;
    std::array<QLineEdit*, kPersonColumnCount> m_filterEdits{};
    std::array<QToolButton*, 3> m_sortButtons{};
};

}  // namespace qv

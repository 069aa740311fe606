// The "Ausgewählte" page: a view of the selection list, which keeps the items in order.
#pragma once

#include <QListWidget>

#include "app/selection_list.h"

namespace qv {

class SelectionPage : public QListWidget {
    Q_OBJECT

public:
    SelectionPage(SelectionList& list, QWidget* parent = nullptr);

    // Shows the list's items again (after additions, removals or a new file).
    void Refresh(const TAhnenData* data);
    // "Entfernen": removes the marked items.
    void RemoveMarked();

signals:
    void SelectionChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    SelectionList& m_list;
    const TAhnenData* m_data = nullptr;
};

}  // namespace qv

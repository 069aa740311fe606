// Showing and editing the selection list.
#include "gui/selection_page.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

#include "app/qt_text.h"
#include "data/ahnen_data.h"

namespace qv {

SelectionPage::SelectionPage(SelectionList& list, QWidget* parent)
    : QListWidget(parent), m_list(list)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
    setWhatsThis("Ausgewählte Personen für Tabellen und Grafiken. Entf entfernt die markierten "
                 "Einträge; das Kontextmenü bietet \"Alle markieren\" und \"Entfernen\".");
}

void SelectionPage::Refresh(const TAhnenData* data)
{
    m_data = data;
    clear();
    if (data) {
        for (int64_t person : m_list.Items())
            addItem(QStringFromUtf8(SelectionItemText(data->Persons[person])));
    }
    emit SelectionChanged();
}

void SelectionPage::RemoveMarked()
{
    for (int i = 0; i < count(); ++i) m_list.SetHighlighted(i, item(i)->isSelected());
    m_list.RemoveHighlighted();
    Refresh(m_data);
}

void SelectionPage::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete)
        RemoveMarked();
    else
        QListWidget::keyPressEvent(event);
}

void SelectionPage::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addAction("Alle markieren", this, [this] {
        m_list.HighlightAll();
        selectAll();
    });
    menu.addAction("Entfernen", this, &SelectionPage::RemoveMarked);
    menu.exec(event->globalPos());
}

}  // namespace qv

// Grid behaviour: column layout, header overlays and the person-level signals.
#include "gui/person_grid.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>

namespace qv {
namespace {

constexpr int kColumnWeights[kPersonColumnCount - 1] = {65, 100, 100, 75, 100, 75};

}  // namespace

PersonGrid::PersonGrid(QWidget* parent) : QTableView(parent), m_model(this)
{
    setModel(&m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    verticalHeader()->hide();
    // Fixed row heights keep a 100,000-row refill from measuring every row.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    CreateOverlays();
    setWhatsThis(
        "Personenliste: Doppelklick wählt auf der Seite \"Bezugspersonen\" Proband und "
        "Kekule-Nr. 1, auf der Seite \"Ausgewählte\" fügt er die Person der Auswahl hinzu. "
        "Ein Klick auf einen Spaltenkopf zeigt das Filterfeld der Spalte; die Pfeile sortieren.");

    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &PersonGrid::ShowFilterEdit);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &PersonGrid::PlaceOverlays);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &PersonGrid::PlaceOverlays);
    connect(this, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        int64_t person = m_model.PersonAt(index.row());
        if (person >= 0) emit PersonDoubleClicked(person);
    });
    connect(&m_model, &PersonTableModel::modelReset, this, [this] {
        if (m_model.ListedCount() > 0) selectRow(0);
    });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                emit CurrentPersonChanged(m_model.PersonAt(current.row()));
            });
}

void PersonGrid::CreateOverlays()
{
    for (int c = 0; c < kPersonColumnCount; ++c) {
        auto* edit = new QLineEdit(horizontalHeader());
        edit->hide();
        connect(edit, &QLineEdit::textChanged, this,
                [this, c](const QString& text) { m_model.SetFilter(c, text); });
        m_filterEdits[c] = edit;
    }
    for (int c = 0; c < 3; ++c) {
        auto* button = new QToolButton(horizontalHeader());
        button->setAutoRaise(true);
        button->setArrowType(Qt::DownArrow);
        button->setToolTip(QStringLiteral("Hier klicken um zu sortieren"));
        connect(button, &QToolButton::clicked, this, [this, c] { m_model.RaiseSortPriority(c); });
        m_sortButtons[c] = button;
    }
}

int64_t PersonGrid::CurrentPerson() const { return m_model.PersonAt(currentIndex().row()); }

std::vector<int64_t> PersonGrid::SelectedPersons() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    std::vector<int64_t> persons;
    for (int row : rows) persons.push_back(m_model.PersonAt(row));
    return persons;
}

void PersonGrid::ShowFilterEdit(int column)
{
    for (int c = 0; c < kPersonColumnCount; ++c) m_filterEdits[c]->setVisible(c == column);
    PlaceOverlays();
    m_filterEdits[column]->setFocus();
}

void PersonGrid::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    LayOutColumns();
    PlaceOverlays();
}

void PersonGrid::LayOutColumns()
{
    // Six weighted columns share the width; the last takes what is left.
    const int available = std::max(0, viewport()->width());
    int used = 0;
    for (int c = 0; c < kPersonColumnCount - 1; ++c) {
        int width = available * kColumnWeights[c] / 600;
        setColumnWidth(c, width);
        used += width;
    }
    setColumnWidth(kPersonColumnCount - 1, std::max(available - used, 20));
}

void PersonGrid::PlaceOverlays()
{
    QHeaderView* header = horizontalHeader();
    const int height = header->height();
    for (int c = 0; c < kPersonColumnCount; ++c) {
        int x = header->sectionViewportPosition(c);
        int width = header->sectionSize(c) - (c < 3 ? height : 0);
        m_filterEdits[c]->setGeometry(x + 2, 0, std::max(width - 2, 10), height);
        if (c < 3) m_sortButtons[c]->setGeometry(x + header->sectionSize(c) - height, 0, height, height);
    }
}

void PersonGrid::contextMenuEvent(QContextMenuEvent* event)
{
    // The mouse's event comes through the viewport with the position already in its
    // coordinates; the menu key's acts on the current row.
    QModelIndex index;
    if (event->reason() != QContextMenuEvent::Keyboard) index = indexAt(event->pos());
    // A right click on a marked row keeps the marking; elsewhere it marks the row clicked.
    if (index.isValid() && selectionModel()->isRowSelected(index.row(), {}))
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    else if (index.isValid())
        setCurrentIndex(index);
    emit PersonContextMenu(CurrentPerson(), event->globalPos());
}

}  // namespace qv

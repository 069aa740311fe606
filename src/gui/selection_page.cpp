// Adding, removing and marking selected persons; their flags live in the selection state.
#include "gui/selection_page.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

#include "app/qt_text.h"
#include "data/ahnen_data.h"

namespace qv {
namespace {

constexpr int kPersonRole = Qt::UserRole;

QString OrQuestionMark(const std::string& text)
{
    QString shown = QStringFromUtf8(text);
    return shown.trimmed().isEmpty() ? QStringLiteral("?") : shown;
}

}  // namespace

QString SelectionItemText(const TAhnenData& data, int64_t person)
{
    const TPerson& p = data.Persons[person];
    return QStringLiteral("%1 - %2, %3")
        .arg(QStringFromUtf8(p.Id), OrQuestionMark(p.Surname), OrQuestionMark(p.GivenNames));
}

SelectionPage::SelectionPage(SelectionState& state, QWidget* parent)
    : QListWidget(parent), m_state(state)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
}

bool SelectionPage::AddPerson(const TAhnenData& data, int64_t person)
{
    if (m_state.IsSelected(person)) return false;
    auto* item = new QListWidgetItem(SelectionItemText(data, person), this);
    item->setData(kPersonRole, QVariant::fromValue<qlonglong>(person));
    if (m_state.Selected.size() < data.Persons.size()) m_state.Selected.resize(data.Persons.size());
    m_state.Selected[person] = true;
    emit SelectionChanged(count());
    return true;
}

void SelectionPage::RemoveMarked()
{
    for (QListWidgetItem* item : selectedItems()) {
        int64_t person = item->data(kPersonRole).toLongLong();
        if (m_state.IsSelected(person)) m_state.Selected[person] = false;
        delete item;
    }
    emit SelectionChanged(count());
}

void SelectionPage::Clear()
{
    clear();
    std::fill(m_state.Selected.begin(), m_state.Selected.end(), false);
    emit SelectionChanged(0);
}

std::vector<int64_t> SelectionPage::Persons() const
{
    std::vector<int64_t> persons;
    for (int i = 0; i < count(); ++i) persons.push_back(item(i)->data(kPersonRole).toLongLong());
    return persons;
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
    menu.addAction("Alle markieren", this, &QListWidget::selectAll);
    menu.addAction("Entfernen", this, &SelectionPage::RemoveMarked);
    menu.exec(event->globalPos());
}

}  // namespace qv

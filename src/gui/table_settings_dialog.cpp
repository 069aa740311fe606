// Editing the table column definitions, written through to the settings at every change.
#include "gui/table_settings_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/dialog_ranges.h"
#include "app/help_topics.h"
#include "app/placeholder_lists.h"
#include "app/qt_text.h"
#include "app/table_column_editing.h"

namespace qv {
namespace {

constexpr int kCaptionColumn = 1;
constexpr int kTemplateColumn = 2;
constexpr int kSortColumn = 3;

QTableWidgetItem* FixedItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

}  // namespace

TableSettingsDialog::TableSettingsDialog(Kind kind, TImageSettings& settings, QWidget* parent)
    : QDialog(parent),
      m_kind(kind),
      m_settings(settings),
      m_count(new QSpinBox(this)),
      m_grid(new QTableWidget(this)),
      m_placeholders(new QListWidget(this))
{
    bool persons = Sorting();
    setWindowTitle(persons ? "Einstellungen - Tabelle - Personen"
                           : "Einstellungen - Tabelle - Generationen");
    m_count->setRange(1, 50);
    QStringList headers = {"Nr.", "Spaltenkopf", "Spalteninhalt"};
    if (persons) headers << "Sort.";
    m_grid->setColumnCount(headers.size());
    m_grid->setHorizontalHeaderLabels(headers);
    m_grid->verticalHeader()->hide();
    m_grid->setWordWrap(false);
    m_grid->setColumnWidth(0, 30);
    m_grid->setColumnWidth(kCaptionColumn, 140);
    m_grid->horizontalHeader()->setSectionResizeMode(kTemplateColumn, QHeaderView::Stretch);
    if (persons) m_grid->setColumnWidth(kSortColumn, 100);
    for (const std::string& p : persons ? PersonTablePlaceholders() : GenerationPlaceholders())
        m_placeholders->addItem(QStringFromUtf8(p));
    m_placeholders->setObjectName(kPlaceholderPanel);

    auto* up = new QToolButton(this);
    up->setArrowType(Qt::UpArrow);
    auto* down = new QToolButton(this);
    down->setArrowType(Qt::DownArrow);
    auto* clearSort = new QPushButton("Sort. löschen", this);
    clearSort->setVisible(persons);

    auto* group = new QGroupBox(persons ? "Tabelle - Personen" : "Tabelle - Generationen", this);
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(new QLabel("Spaltenanzahl:", group));
    countRow->addWidget(m_count);
    countRow->addStretch();
    countRow->addWidget(clearSort);
    auto* arrows = new QVBoxLayout;
    arrows->addWidget(up);
    arrows->addWidget(down);
    arrows->addStretch();
    auto* body = new QHBoxLayout;
    body->addWidget(m_grid, 3);
    body->addLayout(arrows);
    body->addWidget(m_placeholders, 1);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(countRow);
    groupLayout->addLayout(body);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("Erstellen", QDialogButtonBox::AcceptRole);
    buttons->addButton("Abbrechen", QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    resize(760, 460);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_count, &QSpinBox::valueChanged, this, &TableSettingsDialog::SetColumnCount);
    connect(m_grid, &QTableWidget::itemChanged, this, &TableSettingsDialog::WriteBack);
    connect(m_grid, &QTableWidget::cellClicked, this, [this](int row, int column) {
        if (column == kSortColumn) ClickSortMark(row);
    });
    connect(up, &QToolButton::clicked, this, [this] { MoveCurrentRow(-1); });
    connect(down, &QToolButton::clicked, this, [this] { MoveCurrentRow(+1); });
    connect(clearSort, &QPushButton::clicked, this, [this] {
        ClearSortMarks(m_settings.TableColumns);
        Fill();
    });
    connect(m_placeholders, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { AppendPlaceholder(item->text()); });
}

int TableSettingsDialog::RowCount() const
{
    return static_cast<int>(Sorting() ? m_settings.TableColumns.size()
                                      : m_settings.GenTableColumns.size());
}

void TableSettingsDialog::Fill()
{
    // An empty definition shows (and is used) as one column.
    ApplyDialogRanges(m_settings);
    m_filling = true;
    int rows = RowCount();
    m_count->setValue(rows);
    m_grid->setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        m_grid->setItem(r, 0, FixedItem(QString::number(r + 1)));
        if (Sorting()) {
            const PersonTableColumn& c = m_settings.TableColumns[r];
            m_grid->setItem(r, kCaptionColumn, new QTableWidgetItem(QStringFromUtf8(c.Caption)));
            m_grid->setItem(r, kTemplateColumn, new QTableWidgetItem(QStringFromUtf8(c.Template)));
            m_grid->setItem(r, kSortColumn, FixedItem(QStringFromUtf8(c.SortSpec)));
        } else {
            const GenerationTableColumn& c = m_settings.GenTableColumns[r];
            m_grid->setItem(r, kCaptionColumn, new QTableWidgetItem(QStringFromUtf8(c.Caption)));
            m_grid->setItem(r, kTemplateColumn, new QTableWidgetItem(QStringFromUtf8(c.Template)));
        }
    }
    m_filling = false;
}

void TableSettingsDialog::WriteBack()
{
    if (m_filling) return;
    for (int r = 0; r < m_grid->rowCount() && r < RowCount(); ++r) {
        std::string caption = Utf8FromQString(m_grid->item(r, kCaptionColumn)->text());
        std::string content = Utf8FromQString(m_grid->item(r, kTemplateColumn)->text());
        if (Sorting()) {
            m_settings.TableColumns[r].Caption = caption;
            m_settings.TableColumns[r].Template = content;
        } else {
            m_settings.GenTableColumns[r].Caption = caption;
            m_settings.GenTableColumns[r].Template = content;
        }
    }
}

void TableSettingsDialog::SetColumnCount(int count)
{
    if (m_filling) return;
    if (Sorting())
        m_settings.TableColumns.resize(count);
    else
        m_settings.GenTableColumns.resize(count);
    Fill();
}

void TableSettingsDialog::ClickSortMark(int row)
{
    CycleSortMark(m_settings.TableColumns, static_cast<size_t>(row));
    Fill();
}

void TableSettingsDialog::MoveCurrentRow(int delta)
{
    int row = m_grid->currentRow();
    bool moved = Sorting() ? MoveColumn(m_settings.TableColumns, row, delta)
                           : MoveColumn(m_settings.GenTableColumns, row, delta);
    if (!moved) return;
    Fill();
    m_grid->setCurrentCell(row + delta, std::max(m_grid->currentColumn(), kCaptionColumn));
}

void TableSettingsDialog::AppendPlaceholder(const QString& placeholder)
{
    // The placeholder goes to the caption or content cell the user is at.
    int column = m_grid->currentColumn();
    QTableWidgetItem* item = m_grid->currentItem();
    if (!item || (column != kCaptionColumn && column != kTemplateColumn)) return;
    item->setText(item->text() + placeholder);
}

}  // namespace qv

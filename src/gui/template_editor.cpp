// Editing template lines with the placeholders at hand.
#include "gui/template_editor.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_text.h"

namespace qv {

TArrayOfString LinesOf(const QString& text)
{
    TArrayOfString lines;
    for (const QString& line : text.split('\n')) lines.push_back(Utf8FromQString(line));
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

QString TextOf(const TArrayOfString& lines)
{
    QStringList text;
    for (const std::string& line : lines) text << QStringFromUtf8(line);
    return text.join('\n');
}

TemplateEditor::TemplateEditor(const QString& title, const std::vector<std::string>& placeholders,
                               QWidget* parent)
    : QDialog(parent), m_text(new QPlainTextEdit(this)), m_placeholders(new QListWidget(this))
{
    setWindowTitle(title);
    for (const std::string& p : placeholders) m_placeholders->addItem(QStringFromUtf8(p));
    auto* insert = new QPushButton("<", this);
    insert->setFixedWidth(32);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("Übernehmen", QDialogButtonBox::AcceptRole);
    buttons->addButton("Abbrechen", QDialogButtonBox::RejectRole);

    auto* row = new QHBoxLayout;
    row->addWidget(m_text, 3);
    row->addWidget(insert);
    row->addWidget(m_placeholders, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    resize(640, 360);

    connect(insert, &QPushButton::clicked, this, &TemplateEditor::InsertSelectedPlaceholder);
    connect(m_placeholders, &QListWidget::itemDoubleClicked, this,
            &TemplateEditor::InsertSelectedPlaceholder);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TemplateEditor::InsertSelectedPlaceholder()
{
    if (QListWidgetItem* item = m_placeholders->currentItem()) {
        m_text->insertPlainText(item->text());
        m_text->setFocus();
    }
}

void TemplateEditor::Load(const TArrayOfString& lines) { m_text->setPlainText(TextOf(lines)); }

TArrayOfString TemplateEditor::Lines() const { return LinesOf(m_text->toPlainText()); }

}  // namespace qv

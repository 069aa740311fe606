// Editing header and footer HTML.
#include "gui/text_block_editor.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/template_editor.h"

namespace qv {

TextBlockEditor::TextBlockEditor(const QString& title, QWidget* parent)
    : QDialog(parent), m_text(new QPlainTextEdit(this))
{
    setWindowTitle(title);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(m_text);
    // The preview pane is resized by dragging its top edge and closed with its small button.
    m_previewPane = new QWidget(splitter);
    m_preview = new QTextBrowser(m_previewPane);
    auto* close = new QToolButton(m_previewPane);
    close->setText("×");
    close->setAutoRaise(true);
    auto* paneLayout = new QVBoxLayout(m_previewPane);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    paneLayout->addWidget(close, 0, Qt::AlignRight);
    paneLayout->addWidget(m_preview);
    splitter->addWidget(m_previewPane);
    m_previewPane->hide();

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("Übernehmen", QDialogButtonBox::AcceptRole);
    QPushButton* preview = buttons->addButton("Vorschau", QDialogButtonBox::ActionRole);
    QPushButton* load = buttons->addButton("Datei laden", QDialogButtonBox::ActionRole);
    buttons->addButton("Abbrechen", QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    layout->addWidget(buttons);
    resize(640, 420);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(preview, &QPushButton::clicked, this, &TextBlockEditor::ShowPreview);
    connect(close, &QToolButton::clicked, m_previewPane, &QWidget::hide);
    connect(load, &QPushButton::clicked, this, [this] {
        QString path = QFileDialog::getOpenFileName(this, QString(), QString(),
                                                    "HTML-Datei (*.htm *.html);;alle Dateien (*)");
        if (!path.isEmpty()) LoadFile(path);
    });
}

void TextBlockEditor::Load(const TArrayOfString& lines) { m_text->setPlainText(TextOf(lines)); }

TArrayOfString TextBlockEditor::Lines() const { return LinesOf(m_text->toPlainText()); }

void TextBlockEditor::ShowPreview()
{
    m_preview->setHtml(m_text->toPlainText());
    m_previewPane->show();
}

bool TextBlockEditor::PreviewVisible() const { return m_previewPane->isVisibleTo(this); }

void TextBlockEditor::LoadFile(const QString& path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) m_text->setPlainText(QString::fromUtf8(file.readAll()));
}

}  // namespace qv

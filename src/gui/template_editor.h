// The template editors: a text box, a placeholder list, "<", "Übernehmen" and "Abbrechen".
#pragma once

#include <string>
#include <vector>

#include <QDialog>

#include "data/array_types.h"

class QListWidget;
class QPlainTextEdit;

namespace qv {

class TemplateEditor : public QDialog {
    Q_OBJECT

public:
    TemplateEditor(const QString& title, const std::vector<std::string>& placeholders,
                   QWidget* parent = nullptr);

    // Loads the lines into the text box; after "Übernehmen" Lines() are the edited lines.
    void Load(const TArrayOfString& lines);
    TArrayOfString Lines() const;
    QPlainTextEdit& Text() { return *m_text; }
    QListWidget& Placeholders() { return *m_placeholders; }
    void InsertSelectedPlaceholder();

private:
    QPlainTextEdit* m_text;
    QListWidget* m_placeholders;
};

// The text box's lines; a trailing empty line is not kept.
TArrayOfString LinesOf(const QString& text);
QString TextOf(const TArrayOfString& lines);

}  // namespace qv

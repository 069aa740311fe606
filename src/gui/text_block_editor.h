// The header and footer text editor: HTML lines with a preview and loading from a file.
#pragma once

#include <QDialog>

#include "data/array_types.h"

class QPlainTextEdit;
class QTextBrowser;
class QWidget;

namespace qv {

class TextBlockEditor : public QDialog {
    Q_OBJECT

public:
    TextBlockEditor(const QString& title, QWidget* parent = nullptr);

    void Load(const TArrayOfString& lines);
    TArrayOfString Lines() const;
    // "Vorschau": shows the HTML in a pane below the text.
    void ShowPreview();
    // "Datei laden": replaces the text with the file's contents.
    void LoadFile(const QString& path);
    QTextBrowser& Preview() { return *m_preview; }
    bool PreviewVisible() const;

private:
    QPlainTextEdit* m_text;
    QWidget* m_previewPane;
    QTextBrowser* m_preview;
};

}  // namespace qv

// A word-processor document (Office Open XML, .docx) built in memory and saved with libzip.
#pragma once

#include <string>

#include <pugixml.hpp>

namespace qv {

class WordDocument {
public:
    WordDocument();

    // A paragraph of one run.
    void AddParagraph(const std::string& text, int points = 0, bool bold = false);
    // Where tables and paragraphs go, before the section properties.
    pugi::xml_node AddBodyElement(const char* name);
    // Writes the package through a temporary file; throws Error when that fails.
    void Save(const std::string& path) const;

private:
    pugi::xml_document m_document;
    pugi::xml_node m_body;
    pugi::xml_node m_section;
};

// Appends a run to a paragraph: text with line breaks as <w:br/>, characters XML cannot hold
// left out.
void AppendRun(pugi::xml_node paragraph, const std::string& text, bool bold, bool superscript,
               int points = 0);

}  // namespace qv

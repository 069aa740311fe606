// The parts of a minimal .docx package and the runs of its paragraphs.
#include "tables/word_document.h"

#include <sstream>

#include <zip.h>

#include "data/atomic_file.h"
#include "data/error.h"

namespace qv {
namespace {

constexpr const char* kMainNamespace =
    "http://schemas.openxmlformats.org/wordprocessingml/2006/main";

constexpr const char* kContentTypes =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" "
    "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/word/document.xml\" ContentType=\"application/"
    "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/></Types>";

constexpr const char* kPackageRelations =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
    "relationships/officeDocument\" Target=\"word/document.xml\"/></Relationships>";

// XML 1.0 holds tab, line feed and carriage return, but no other control characters.
bool IsXmlCharacter(char c)
{
    return static_cast<unsigned char>(c) >= 0x20 || c == '\t';
}

void AppendText(pugi::xml_node run, const std::string& text)
{
    pugi::xml_node t = run.append_child("w:t");
    t.append_attribute("xml:space") = "preserve";
    t.text() = text.c_str();
}

[[noreturn]] void ThrowCannotWrite(const std::string& path, const std::string& reason)
{
    throw Error("Datei " + path + " kann nicht geschrieben werden. " + reason);
}

void AddEntry(zip_t* archive, const char* name, const std::string& bytes, const std::string& path)
{
    zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
    if (!source || zip_file_add(archive, name, source, ZIP_FL_ENC_UTF_8) < 0) {
        if (source) zip_source_free(source);
        ThrowCannotWrite(path, zip_strerror(archive));
    }
}

// The finished archive's bytes; the buffer is freed.
std::string ArchiveBytes(zip_source_t* buffer, const std::string& path)
{
    std::string bytes;
    zip_stat_t stat;
    zip_int64_t read = -1;
    if (zip_source_stat(buffer, &stat) == 0 && zip_source_open(buffer) == 0) {
        bytes.resize(size_t(stat.size));
        read = zip_source_read(buffer, bytes.data(), stat.size);
        zip_source_close(buffer);
    }
    zip_source_free(buffer);
    if (read < 0 || size_t(read) != bytes.size()) ThrowCannotWrite(path, "");
    return bytes;
}

}  // namespace

WordDocument::WordDocument()
{
    pugi::xml_node root = m_document.append_child("w:document");
    root.append_attribute("xmlns:w") = kMainNamespace;
    m_body = root.append_child("w:body");
    m_section = m_body.append_child("w:sectPr");
}

pugi::xml_node WordDocument::AddBodyElement(const char* name)
{
    return m_body.insert_child_before(name, m_section);
}

void WordDocument::AddParagraph(const std::string& text, int points, bool bold)
{
    pugi::xml_node paragraph = AddBodyElement("w:p");
    if (!text.empty()) AppendRun(paragraph, text, bold, false, points);
}

void AppendRun(pugi::xml_node paragraph, const std::string& text, bool bold, bool superscript,
               int points)
{
    pugi::xml_node run = paragraph.append_child("w:r");
    pugi::xml_node properties =
        bold || superscript || points > 0 ? run.append_child("w:rPr") : pugi::xml_node();
    if (bold) properties.append_child("w:b");
    if (points > 0) properties.append_child("w:sz").append_attribute("w:val") = 2 * points;
    if (superscript)
        properties.append_child("w:vertAlign").append_attribute("w:val") = "superscript";
    std::string line;
    for (size_t i = 0; i <= text.size(); ++i) {
        char c = i < text.size() ? text[i] : '\n';
        if (c == '\r') continue;
        if (c != '\n') {
            if (IsXmlCharacter(c)) line += c;
            continue;
        }
        if (!line.empty()) AppendText(run, line);
        if (i < text.size()) run.append_child("w:br");
        line.clear();
    }
}

void WordDocument::Save(const std::string& path) const
{
    std::ostringstream xml;
    xml << "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
    m_document.save(xml, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    std::string document = xml.str();
    // The archive is built in memory: libzip writes a file through a temporary of its own that
    // an interrupted run would leave behind beside the output.
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* archive = buffer ? zip_open_from_source(buffer, ZIP_TRUNCATE, &error) : nullptr;
    if (!archive) {
        if (buffer) zip_source_free(buffer);
        ThrowCannotWrite(path, zip_error_strerror(&error));
    }
    zip_source_keep(buffer);
    std::string types = kContentTypes, relations = kPackageRelations;
    try {
        AddEntry(archive, "[Content_Types].xml", types, path);
        AddEntry(archive, "_rels/.rels", relations, path);
        AddEntry(archive, "word/document.xml", document, path);
    } catch (const Error&) {
        zip_discard(archive);
        zip_source_free(buffer);
        throw;
    }
    if (zip_close(archive) != 0) {
        std::string reason = zip_strerror(archive);
        zip_discard(archive);
        zip_source_free(buffer);
        ThrowCannotWrite(path, reason);
    }
    WriteFileAtomically(path, ArchiveBytes(buffer, path));
}

}  // namespace qv

// Reading back written .xlsx and .docx files: their XML parts and the cell styles of a sheet.
#pragma once

#include <string>

#include <gtest/gtest.h>
#include <zip.h>
#include <pugixml.hpp>

namespace qv::test {

inline std::string ZipEntry(const std::string& path, const char* name)
{
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &error);
    if (!archive) return {};
    std::string bytes;
    zip_stat_t stat;
    zip_file_t* file = nullptr;
    if (zip_stat(archive, name, 0, &stat) == 0 && (file = zip_fopen(archive, name, 0))) {
        bytes.resize(stat.size);
        if (zip_fread(file, bytes.data(), stat.size) != static_cast<zip_int64_t>(stat.size))
            bytes.clear();
        zip_fclose(file);
    }
    zip_discard(archive);
    return bytes;
}

// One XML part of a package, parsed; fails the test when it is missing or malformed.
inline pugi::xml_document XmlPart(const std::string& path, const char* name)
{
    pugi::xml_document document;
    std::string bytes = ZipEntry(path, name);
    EXPECT_FALSE(bytes.empty()) << name;
    EXPECT_TRUE(document.load_buffer(bytes.data(), bytes.size())) << name;
    return document;
}

// A worksheet's cells by reference ("B3"), with what their style says.
class Sheet {
public:
    Sheet(const std::string& path, const char* sheetPart)
        : m_sheet(XmlPart(path, sheetPart)),
          m_styles(XmlPart(path, "xl/styles.xml")),
          m_strings(XmlPart(path, "xl/sharedStrings.xml"))
    {
    }

    pugi::xml_node Cell(const std::string& ref) const
    {
        return m_sheet.select_node(("//c[@r='" + ref + "']").c_str()).node();
    }
    bool IsNumber(const std::string& ref) const
    {
        pugi::xml_node c = Cell(ref);
        return c && !c.attribute("t") && c.child("v");
    }
    // The shared string's text (runs joined), superscript runs in "^(" ")".
    std::string Text(const std::string& ref) const
    {
        pugi::xml_node c = Cell(ref);
        if (std::string(c.attribute("t").value()) != "s") return {};
        pugi::xml_node si = Nth(m_strings.child("sst"), c.child("v").text().as_int());
        if (si.child("t")) return si.child("t").text().get();
        std::string text;
        for (pugi::xml_node r : si.children("r")) {
            bool raised = std::string(r.child("rPr").child("vertAlign").attribute("val").value()) ==
                          "superscript";
            text += raised ? "^(" + std::string(r.child("t").text().get()) + ")"
                           : std::string(r.child("t").text().get());
        }
        return text;
    }
    pugi::xml_node Xf(const std::string& ref) const
    {
        return Nth(m_styles.child("styleSheet").child("cellXfs"),
                   Cell(ref).attribute("s").as_int());
    }
    bool Bold(const std::string& ref) const
    {
        pugi::xml_node fonts = m_styles.child("styleSheet").child("fonts");
        return Nth(fonts, Xf(ref).attribute("fontId").as_int()).child("b");
    }
    std::string Border(const std::string& ref, const char* side) const
    {
        pugi::xml_node borders = m_styles.child("styleSheet").child("borders");
        return Nth(borders, Xf(ref).attribute("borderId").as_int())
            .child(side)
            .attribute("style")
            .value();
    }
    const pugi::xml_document& Xml() const { return m_sheet; }

private:
    static pugi::xml_node Nth(pugi::xml_node parent, int n)
    {
        pugi::xml_node child = parent.first_child();
        for (int i = 0; i < n && child; ++i) child = child.next_sibling();
        return child;
    }

    pugi::xml_document m_sheet, m_styles, m_strings;
};

}  // namespace qv::test

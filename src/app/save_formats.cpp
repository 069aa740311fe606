// Save-dialog filter entries and the extension rule.
#include "app/save_formats.h"

#include <algorithm>

namespace qv {
namespace {

// There is no office automation here, so spreadsheets and documents are Office Open XML.
const std::vector<SaveFilter> kAllFilters = {
    {kFormatBmp, "Windows Bitmap (*.bmp)", "*.bmp"},
    {kFormatPng, "Portable Network Graphics (*.png)", "*.png"},
    {kFormatPdf, "Adobe PDF-Dateien (*.pdf)", "*.pdf"},
    {kFormatSvg, "Scalable Vector Graphics (*.svg)", "*.svg"},
    {kFormatSvgInteractive, "Scalable Vector Graphics (interaktiv) (*.svg)", "*.svg"},
    {kFormatHtml, "HTML-Dokument (*.html; *.htm)", "*.html; *.htm"},
    {kFormatHtmlInteractive, "HTML-Dokument (interaktiv) (*.html; *.htm)", "*.html; *.htm"},
    {kFormatText, "Textdatei (*.txt)", "*.txt"},
    {kFormatXlsx, "Microsoft Excel-Arbeitsmappe (*.xlsx)", "*.xlsx"},
    {kFormatDocx, "Microsoft Word-Dokument (*.docx)", "*.docx"},
    {kFormatRtf, "RichText-datei (*.rtf)", "*.rtf"},
};

std::string Trimmed(const std::string& text)
{
    size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::vector<SaveFilter> SaveFilters(const std::vector<int>& codes)
{
    std::vector<SaveFilter> filters;
    for (int code : codes) {
        auto it = std::find_if(kAllFilters.begin(), kAllFilters.end(),
                               [code](const SaveFilter& f) { return f.code == code; });
        if (it != kAllFilters.end()) filters.push_back(*it);
    }
    return filters;
}

std::vector<std::string> FilterExtensions(const SaveFilter& filter)
{
    std::vector<std::string> extensions;
    size_t start = 0;
    while (start <= filter.patterns.size()) {
        size_t end = std::min(filter.patterns.find(';', start), filter.patterns.size());
        std::string pattern = Trimmed(filter.patterns.substr(start, end - start));
        if (pattern.starts_with('*')) pattern.erase(0, 1);
        if (!pattern.empty()) extensions.push_back(pattern);
        start = end + 1;
    }
    return extensions;
}

std::string DialogNameFilter(const SaveFilter& filter)
{
    std::string patterns = filter.patterns;
    std::erase(patterns, ';');
    return filter.caption + " (" + patterns + ")";
}

int DialogFilterIndex(const std::vector<SaveFilter>& filters, const std::string& reported,
                      const std::string& typedName)
{
    std::string shown = Trimmed(reported);
    for (size_t i = 0; i < filters.size(); ++i) {
        if (shown == DialogNameFilter(filters[i]) || shown == filters[i].caption)
            return static_cast<int>(i);
    }
    for (size_t i = 0; i < filters.size(); ++i) {
        if (ApplyExtensionRule(typedName, FilterExtensions(filters[i])) == typedName)
            return static_cast<int>(i);
    }
    return 0;
}

std::string ApplyExtensionRule(const std::string& name, const std::vector<std::string>& extensions)
{
    if (extensions.empty()) return name;
    size_t slash = name.find_last_of('/');
    size_t dot = name.find_last_of('.');
    bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    std::string extension = hasExtension ? name.substr(dot) : "";
    if (std::find(extensions.begin(), extensions.end(), extension) != extensions.end()) return name;
    return (hasExtension ? name.substr(0, dot) : name) + extensions.front();
}

}  // namespace qv

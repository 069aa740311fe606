// The file formats an output command offers in its save dialog, by their format codes.
#pragma once

#include <string>
#include <vector>

namespace qv {

// Format codes; an output lists the ones it writes, in the order the dialog offers them.
enum SaveFormat : int {
    kFormatBmp = 1,
    kFormatPng = 2,
    kFormatPdf = 4,
    kFormatSvg = 8,
    kFormatSvgInteractive = 16,
    kFormatHtml = 32,
    kFormatHtmlInteractive = 64,
    kFormatText = 128,
    kFormatXlsx = 256,
    kFormatDocx = 512,
    kFormatRtf = 1024,
};

struct SaveFilter {
    int code;
    std::string caption;   // "Portable Network Graphics (*.png)"
    std::string patterns;  // "*.png", or "*.html; *.htm"
};

std::vector<SaveFilter> SaveFilters(const std::vector<int>& codes);
// The filter's extensions: the patterns split at ";", trimmed, without the leading "*".
std::vector<std::string> FilterExtensions(const SaveFilter& filter);
// The entry as a file dialog takes it: the caption, then the patterns in a bracket of their own
// (without ";") that the dialog filters by and may hide.
std::string DialogNameFilter(const SaveFilter& filter);
// The index of the entry a file dialog reports as chosen, in either its full or its shortened
// form (Qt 6.4 reports the caption alone once the patterns are hidden). Should a dialog report
// none of them, the first entry whose extension the typed name has, else the first entry.
int DialogFilterIndex(const std::vector<SaveFilter>& filters, const std::string& reported,
                      const std::string& typedName);
// The name with its extension replaced by the first of extensions unless it is exactly one
// of them ("tafel.PNG" with the PNG filter becomes "tafel.png").
std::string ApplyExtensionRule(const std::string& name, const std::vector<std::string>& extensions);

// The orders the outputs offer.
inline const std::vector<int> kTreeChartFormats = {kFormatPng, kFormatBmp, kFormatSvg,
                                                   kFormatSvgInteractive, kFormatPdf,
                                                   kFormatHtml, kFormatHtmlInteractive};
inline const std::vector<int> kTableFormats = {kFormatXlsx, kFormatDocx, kFormatHtml};
inline const std::vector<int> kSiblingListFormats = {kFormatText, kFormatXlsx, kFormatDocx,
                                                     kFormatHtml};

}  // namespace qv

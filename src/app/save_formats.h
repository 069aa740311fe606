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

// Recording and shortening recent file paths.
#include "app/recent_files.h"

#include <algorithm>

namespace qv {
namespace {

// Counts code points, so that umlauts in a path count once.
size_t Utf8Length(const std::string& text)
{
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// The first count code points of text.
std::string Utf8Prefix(const std::string& text, size_t count)
{
    size_t i = 0;
    for (size_t seen = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && seen++ == count) break;
    }
    return text.substr(0, i);
}

}  // namespace

void RecordRecentFile(std::vector<std::string>& list, const std::string& path)
{
    auto it = std::find(list.begin(), list.end(), path);
    if (it != list.end()) list.erase(it);
    list.insert(list.begin(), path);
    if (list.size() > kMaxRecentFiles) list.resize(kMaxRecentFiles);
}

std::string RecentFileCaption(const std::string& path)
{
    if (Utf8Length(path) < 50) return path;
    size_t slash = path.find_last_of("/\\");
    std::string directory = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    auto keep = static_cast<size_t>(std::max<long>(3, 46 - static_cast<long>(Utf8Length(name))));
    return Utf8Prefix(directory, keep) + "...\\" + name;
}

}  // namespace qv

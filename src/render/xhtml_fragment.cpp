// A small HTML reader that writes what it reads as XHTML.
#include "render/xhtml_fragment.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <span>
#include <string_view>

#include "render/html_entities.h"
#include "render/xml_text.h"

namespace qv {
namespace {

using Names = std::initializer_list<std::string_view>;

constexpr std::string_view kVoidElements[] = {"area",  "base",   "br",    "col",  "embed",
                                              "hr",    "img",    "input", "link", "meta",
                                              "param", "source", "track", "wbr"};
// Elements whose content is text up to their end tag, never markup.
constexpr std::string_view kRawTextElements[] = {"script", "style", "textarea", "title"};
// Start tags before which HTML ends an open paragraph.
constexpr std::string_view kEndParagraph[] = {
    "address", "article",  "aside",   "blockquote", "center", "dd", "div", "dl",
    "dt",      "fieldset", "figure",  "footer",     "form",   "h1", "h2",  "h3",
    "h4",      "h5",       "h6",      "header",     "hr",     "li", "nav", "ol",
    "p",       "pre",      "section", "table",      "ul"};
// Elements that keep an implied or stray end from reaching the elements around them.
constexpr std::string_view kScopes[] = {"applet", "button", "caption", "marquee",
                                        "object", "table",  "td",      "th"};

constexpr std::string_view kSpaces = " \t\r\n\f";
constexpr size_t kNone = std::string_view::npos;
constexpr XmlTextOptions kTextOptions{false, true};
constexpr XmlTextOptions kAttributeOptions{true, true};

bool IsIn(std::span<const std::string_view> names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return lower;
}

// Names without a colon, so that no namespace prefix is left undeclared.
bool IsXmlName(std::string_view name, bool attribute)
{
    if (name.empty() || !(IsAsciiLetter(name[0]) || (attribute && name[0] == '_'))) return false;
    if (attribute && name.starts_with("xmlns")) return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.';
    });
}

// The code point of a numeric reference's digits; 0 when they are no number.
char32_t NumericReference(std::string_view digits, int base)
{
    uint32_t value = 0;
    auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (digits.empty() || result.ptr != digits.data() + digits.size()) return 0;
    if (result.ec != std::errc() || value == 0 || value > 0x10FFFF) return 0xFFFD;
    return (value >= 0xD800 && value <= 0xDFFF) ? 0xFFFD : char32_t(value);
}

// The character of the reference at text[at] ("&auml;", "&#228;", "&#xE4;"); advances at past
// it. 0, with at unchanged, where no reference stands.
char32_t ReadReference(std::string_view text, size_t& at)
{
    // No reference is longer: a text of many "&" without ";" is not searched to its end each time.
    size_t semicolon = text.substr(at, 40).find(';');
    if (semicolon == kNone) return 0;
    semicolon += at;
    std::string_view body = text.substr(at + 1, semicolon - at - 1);
    char32_t c = 0;
    if (body.starts_with("#x") || body.starts_with("#X"))
        c = NumericReference(body.substr(2), 16);
    else if (body.starts_with("#"))
        c = NumericReference(body.substr(1), 10);
    else
        c = HtmlEntityCodePoint(body);
    if (c != 0) at = semicolon + 1;
    return c;
}

void AppendHtmlText(std::string& out, std::string_view text, XmlTextOptions options)
{
    for (size_t pos = 0; pos < text.size();) {
        size_t amp = text.find('&', pos);
        AppendXmlText(out, text.substr(pos, amp - pos), options);
        if (amp == kNone) return;
        pos = amp;
        char32_t c = ReadReference(text, pos);
        if (c == 0) {
            out += "&amp;";
            ++pos;
        } else {
            AppendXmlCharacter(out, c, options);
        }
    }
}

size_t SkipSpaces(std::string_view html, size_t pos)
{
    pos = html.find_first_not_of(kSpaces, pos);
    return pos == kNone ? html.size() : pos;
}

size_t SkipPast(std::string_view html, size_t pos, std::string_view end)
{
    size_t found = html.find(end, pos);
    return found == kNone ? html.size() : found + end.size();
}

struct HtmlTag {
    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes;
};

// One attribute from pos: name, then "=" and a quoted or bare value, or no value at all.
// Returns the position after it; kNone when the text ends inside it.
size_t ReadAttribute(std::string_view html, size_t pos, HtmlTag& tag)
{
    size_t start = pos;
    while (pos < html.size() && kSpaces.find(html[pos]) == kNone && html[pos] != '/' &&
           html[pos] != '>' && (html[pos] != '=' || pos == start))
        ++pos;
    std::string name = Lower(html.substr(start, pos - start));
    pos = SkipSpaces(html, pos);
    if (pos >= html.size() || html[pos] != '=') {
        tag.attributes.emplace_back(std::move(name), std::string());
        return pos;
    }
    pos = SkipSpaces(html, pos + 1);
    if (pos >= html.size()) return kNone;
    size_t valueStart = pos, valueEnd;
    if (html[pos] == '"' || html[pos] == '\'') {
        valueEnd = html.find(html[pos], ++valueStart);
        pos = valueEnd == kNone ? kNone : valueEnd + 1;
    } else {
        valueEnd = pos = html.find_first_of(" \t\r\n\f>", pos);
    }
    if (pos == kNone) return kNone;
    tag.attributes.emplace_back(std::move(name),
                                std::string(html.substr(valueStart, valueEnd - valueStart)));
    return pos;
}

// The tag whose name starts at pos; returns the position after its ">", kNone when it has none.
size_t ReadTag(std::string_view html, size_t pos, HtmlTag& tag)
{
    size_t nameEnd = html.find_first_of(" \t\r\n\f/>", pos);
    if (nameEnd == kNone) return kNone;
    tag.name = Lower(html.substr(pos, nameEnd - pos));
    for (pos = nameEnd;;) {
        pos = html.find_first_not_of(" \t\r\n\f/", pos);
        if (pos == kNone) return kNone;
        if (html[pos] == '>') return pos + 1;
        pos = ReadAttribute(html, pos, tag);
        if (pos == kNone) return kNone;
    }
}

class XhtmlWriter {
public:
    std::string Convert(std::string_view html);

private:
    size_t Markup(std::string_view html, size_t at);
    size_t RawText(std::string_view html, size_t pos, const std::string& name);
    void StartTag(const HtmlTag& tag);
    void EndTag(const std::string& name);
    void CloseImplied(const std::string& name);
    void CloseInnermost(Names targets, Names boundaries);
    void CloseDownTo(size_t depth);

    std::vector<std::string> m_open;
    std::string m_out;
};

std::string XhtmlWriter::Convert(std::string_view html)
{
    for (size_t pos = 0; pos < html.size();) {
        size_t open = html.find('<', pos);
        AppendHtmlText(m_out, html.substr(pos, open - pos), kTextOptions);
        if (open == kNone) break;
        pos = Markup(html, open);
    }
    CloseDownTo(0);
    return std::move(m_out);
}

// Reads what starts with the "<" at html[at]; returns the position after it.
size_t XhtmlWriter::Markup(std::string_view html, size_t at)
{
    std::string_view rest = html.substr(at);
    if (rest.starts_with("<!--")) return SkipPast(html, at + 4, "-->");
    if (rest.starts_with("<!") || rest.starts_with("<?")) return SkipPast(html, at + 2, ">");
    const bool end = rest.starts_with("</");
    const size_t nameAt = at + (end ? 2 : 1);
    if (nameAt >= html.size() || !IsAsciiLetter(html[nameAt])) {
        if (end) return SkipPast(html, nameAt, ">");
        m_out += "&lt;";  // a "<" that opens no tag is text
        return at + 1;
    }
    HtmlTag tag;
    size_t next = ReadTag(html, nameAt, tag);
    if (next == kNone) return html.size();
    if (end) {
        EndTag(tag.name);
        return next;
    }
    StartTag(tag);
    return IsIn(kRawTextElements, tag.name) ? RawText(html, next, tag.name) : next;
}

// The content of a raw-text element as text, up to its end tag (which the caller reads next).
size_t XhtmlWriter::RawText(std::string_view html, size_t pos, const std::string& name)
{
    size_t end = Lower(html.substr(pos)).find("</" + name);
    end = end == kNone ? html.size() : pos + end;
    AppendXmlText(m_out, html.substr(pos, end - pos), kTextOptions);
    return end;
}

void XhtmlWriter::StartTag(const HtmlTag& tag)
{
    if (!IsXmlName(tag.name, false)) return;
    CloseImplied(tag.name);
    (m_out += '<') += tag.name;
    std::vector<std::string_view> written;
    for (const auto& [name, value] : tag.attributes) {
        // XML allows each attribute once; HTML readers keep the first.
        if (!IsXmlName(name, true) ||
            std::find(written.begin(), written.end(), name) != written.end())
            continue;
        written.push_back(name);
        ((m_out += ' ') += name) += "=\"";
        AppendHtmlText(m_out, value, kAttributeOptions);
        m_out += '"';
    }
    if (IsIn(kVoidElements, tag.name)) {
        m_out += "/>";
        return;
    }
    m_out += '>';
    m_open.push_back(tag.name);
}

void XhtmlWriter::EndTag(const std::string& name)
{
    if (name == "br") {  // HTML readers take "</br>" for "<br>"
        StartTag({name, {}});
        return;
    }
    for (size_t i = m_open.size(); i-- > 0;) {
        if (m_open[i] == name) {
            CloseDownTo(i);
            return;
        }
        if (IsIn(kScopes, m_open[i])) return;
    }
}

// Ends the elements that a new start tag ends in HTML without an end tag of their own.
void XhtmlWriter::CloseImplied(const std::string& name)
{
    if (IsIn(kEndParagraph, name)) CloseInnermost({"p"}, {});
    if (name == "li")
        CloseInnermost({"li"}, {"ul", "ol"});
    else if (name == "dd" || name == "dt")
        CloseInnermost({"dd", "dt"}, {"dl"});
    else if (name == "td" || name == "th")
        CloseInnermost({"td", "th"}, {"tr"});
    else if (name == "tr") {
        CloseInnermost({"td", "th"}, {"tr"});
        CloseInnermost({"tr"}, {});
    } else if (name == "option")
        CloseInnermost({"option"}, {"select"});
}

// Closes the innermost open element named in targets, unless a boundary comes first.
void XhtmlWriter::CloseInnermost(Names targets, Names boundaries)
{
    for (size_t i = m_open.size(); i-- > 0;) {
        if (IsIn({targets.begin(), targets.size()}, m_open[i])) {
            CloseDownTo(i);
            return;
        }
        if (IsIn({boundaries.begin(), boundaries.size()}, m_open[i]) || IsIn(kScopes, m_open[i]))
            return;
    }
}

void XhtmlWriter::CloseDownTo(size_t depth)
{
    while (m_open.size() > depth) {
        ((m_out += "</") += m_open.back()) += '>';
        m_open.pop_back();
    }
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

}  // namespace

std::vector<std::string> XhtmlFromHtml(const std::vector<std::string>& lines)
{
    if (lines.empty()) return {};
    std::string html;
    for (const std::string& line : lines) (html += line) += '\n';
    if (!html.empty()) html.pop_back();
    return SplitLines(XhtmlWriter().Convert(html));
}

}  // namespace qv

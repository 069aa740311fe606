// A small RTF reader: the subset our own writer produces, shown with Qt's text formats.
#include "tables/rtf_document.h"

#include <cctype>
#include <cstdlib>
#include <vector>

#include <QTextCursor>
#include <QTextDocument>

#include "data/text_encoding.h"

namespace qv {
namespace {

// Tab stops every half inch, as word processors place them without \tx.
constexpr double kDefaultTabStop = 48.0;

QString Windows1252Char(char byte)
{
    return QString::fromStdString(
        Utf8FromSingleByte(std::string_view(&byte, 1), SingleByteCodePage::Windows1252));
}

struct CharState {
    bool bold = false;
    bool underline = false;
    QTextCharFormat::VerticalAlignment vertical = QTextCharFormat::AlignNormal;
    int halfPoints = 24;
    // Inside the font table or another destination whose text is not shown.
    bool hidden = false;
};

struct ControlWord {
    std::string name;
    bool hasNumber = false;
    long number = 0;
};

class RtfReader {
public:
    RtfReader(std::string_view rtf, QTextDocument& document) : m_rtf(rtf), m_cursor(&document) {}
    void Read();

private:
    void ReadControl();
    ControlWord ReadWord();
    void Apply(const ControlWord& word);
    // Text gathers in m_pending and is inserted with one format per run.
    void Insert(const QString& text);
    void Flush();
    void SkipFallback();

    std::string_view m_rtf;
    size_t m_at = 0;
    QTextCursor m_cursor;
    std::vector<CharState> m_stack{CharState{}};
    QString m_pending;
    // Set by "{\*": the group is an optional destination and is skipped.
    bool m_groupStart = false;
};

void RtfReader::Read()
{
    while (m_at < m_rtf.size()) {
        char c = m_rtf[m_at];
        bool groupStart = m_groupStart;
        m_groupStart = false;
        if (c == '{') {
            Flush();
            m_stack.push_back(m_stack.back());
            m_groupStart = true;
            ++m_at;
        } else if (c == '}') {
            Flush();
            if (m_stack.size() > 1) m_stack.pop_back();
            ++m_at;
        } else if (c == '\\') {
            m_groupStart = groupStart;
            ReadControl();
            m_groupStart = false;
        } else {
            ++m_at;
            // Line ends in RTF source are formatting, not text.
            if (c != '\r' && c != '\n') Insert(Windows1252Char(c));
        }
    }
    Flush();
}

ControlWord RtfReader::ReadWord()
{
    ControlWord word;
    while (m_at < m_rtf.size() && std::isalpha(static_cast<unsigned char>(m_rtf[m_at])))
        word.name += m_rtf[m_at++];
    size_t digits = m_at;
    if (m_at < m_rtf.size() && m_rtf[m_at] == '-') ++m_at;
    while (m_at < m_rtf.size() && std::isdigit(static_cast<unsigned char>(m_rtf[m_at]))) ++m_at;
    if (m_at > digits) {
        std::string number(m_rtf.substr(digits, m_at - digits));
        word.hasNumber = number != "-";
        word.number = std::strtol(number.c_str(), nullptr, 10);
    }
    if (m_at < m_rtf.size() && m_rtf[m_at] == ' ') ++m_at;
    return word;
}

void RtfReader::ReadControl()
{
    ++m_at;
    if (m_at >= m_rtf.size()) return;
    char symbol = m_rtf[m_at];
    if (symbol == '\\' || symbol == '{' || symbol == '}') {
        ++m_at;
        Insert(QString(QChar::fromLatin1(symbol)));
    } else if (symbol == '\'') {
        std::string hex(m_rtf.substr(m_at + 1, 2));
        m_at += 1 + hex.size();
        bool valid = hex.size() == 2 && std::isxdigit(static_cast<unsigned char>(hex[0])) &&
                     std::isxdigit(static_cast<unsigned char>(hex[1]));
        if (valid)
            Insert(Windows1252Char(static_cast<char>(std::strtol(hex.c_str(), nullptr, 16))));
    } else if (symbol == '*') {
        ++m_at;
        if (m_groupStart) m_stack.back().hidden = true;
    } else if (std::isalpha(static_cast<unsigned char>(symbol))) {
        Apply(ReadWord());
    } else {
        ++m_at;
    }
}

void RtfReader::SkipFallback()
{
    if (m_at >= m_rtf.size()) return;
    if (m_rtf[m_at] == '\\' && m_at + 1 < m_rtf.size() && m_rtf[m_at + 1] == '\'')
        m_at = std::min(m_rtf.size(), m_at + 4);
    else if (m_rtf[m_at] != '\\' && m_rtf[m_at] != '{' && m_rtf[m_at] != '}')
        ++m_at;
}

void RtfReader::Apply(const ControlWord& word)
{
    const std::string& name = word.name;
    if (name == "tab") return Insert("\t");
    if (name == "line") return Insert(QString(QChar::LineSeparator));
    if (name == "u" && word.hasNumber) {
        Insert(QString(QChar(static_cast<char16_t>(static_cast<int16_t>(word.number)))));
        return SkipFallback();
    }
    Flush();
    CharState& state = m_stack.back();
    bool on = !word.hasNumber || word.number != 0;
    if (name == "b")
        state.bold = on;
    else if (name == "ul")
        state.underline = on;
    else if (name == "ulnone")
        state.underline = false;
    else if (name == "super")
        state.vertical = QTextCharFormat::AlignSuperScript;
    else if (name == "sub")
        state.vertical = QTextCharFormat::AlignSubScript;
    else if (name == "nosupersub")
        state.vertical = QTextCharFormat::AlignNormal;
    else if (name == "plain") {
        bool hidden = state.hidden;
        state = CharState{};
        state.hidden = hidden;
    } else if (name == "fs" && word.number > 0)
        state.halfPoints = static_cast<int>(word.number);
    else if (name == "fonttbl" || name == "colortbl" || name == "stylesheet" || name == "info")
        state.hidden = true;
    else if (name == "par" && !state.hidden)
        m_cursor.insertBlock();
}

void RtfReader::Insert(const QString& text)
{
    if (!m_stack.back().hidden) m_pending += text;
}

void RtfReader::Flush()
{
    if (m_pending.isEmpty()) return;
    const CharState& state = m_stack.back();
    QTextCharFormat format;
    format.setFontFamilies({"Arial"});
    format.setFontPointSize(state.halfPoints / 2.0);
    format.setFontWeight(state.bold ? QFont::Bold : QFont::Normal);
    format.setFontUnderline(state.underline);
    format.setVerticalAlignment(state.vertical);
    m_cursor.insertText(m_pending, format);
    m_pending.clear();
}

}  // namespace

void LoadRtf(std::string_view rtf, QTextDocument& document)
{
    document.clear();
    QTextOption option = document.defaultTextOption();
    option.setTabStopDistance(kDefaultTabStop);
    document.setDefaultTextOption(option);
    RtfReader(rtf, document).Read();
}

}  // namespace qv

// Drawing the progress line with carriage returns, at most a few times a second.
#include "cli/progress_bar.h"

#include <sys/ioctl.h>
#include <unistd.h>
#include <algorithm>
#include <cstdio>

#include "cli/interrupt.h"

namespace qv::cli {
namespace {

constexpr auto kRedrawInterval = std::chrono::milliseconds(100);
constexpr int kBarWidth = 20;

int TerminalColumns()
{
    winsize size{};
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 20) return size.ws_col;
    return 80;
}

// Cuts UTF-8 text to at most columns characters, never inside a character.
std::string Fitted(const std::string& text, int columns)
{
    int characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (++characters > columns) return text.substr(0, i);
    }
    return text;
}

}  // namespace

ProgressBar::ProgressBar() : m_terminal(isatty(STDERR_FILENO) == 1) {}

ProgressBar::~ProgressBar()
{
    Clear();
}

ProgressCallback ProgressBar::Callback()
{
    return [this](const std::string& text, int64_t position, int64_t maximum) {
        return Update(text, position, maximum);
    };
}

bool ProgressBar::Update(const std::string& text, int64_t position, int64_t maximum)
{
    if (!m_terminal) return InterruptRequested();
    if (text.empty()) {
        Clear();
        return InterruptRequested();
    }
    int percent =
        maximum > 0 ? static_cast<int>(std::clamp<int64_t>(position * 100 / maximum, 0, 100)) : 0;
    auto now = std::chrono::steady_clock::now();
    if (text != m_text || (percent != m_percent && now - m_lastDraw >= kRedrawInterval)) {
        Draw(text, percent);
        m_text = text;
        m_percent = percent;
        m_lastDraw = now;
    }
    return InterruptRequested();
}

void ProgressBar::Draw(const std::string& text, int percent)
{
    int filled = percent * kBarWidth / 100;
    std::string bar = " [" + std::string(filled, '#') + std::string(kBarWidth - filled, '.') +
                      "] " + std::to_string(percent) + "%";
    int room = std::max(0, TerminalColumns() - 1 - static_cast<int>(bar.size()));
    std::fprintf(stderr, "\r\x1b[K%s%s", Fitted(text, room).c_str(), bar.c_str());
    std::fflush(stderr);
    m_shown = true;
}

void ProgressBar::Clear()
{
    if (!m_shown) return;
    std::fputs("\r\x1b[K", stderr);
    std::fflush(stderr);
    m_shown = false;
    m_text.clear();
}

}  // namespace qv::cli

// A one-line progress bar on stderr for the long work of the batch tool.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "data/progress.h"

namespace qv::cli {

// Draws "text [#####.....] 42%" over itself when stderr is a terminal (and nothing
// otherwise); an empty text clears the line. Its callback answers whether Ctrl-C was pressed.
class ProgressBar {
public:
    ProgressBar();
    ~ProgressBar();
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    // The callback to hand to the engine and the writers; valid while the bar lives.
    ProgressCallback Callback();
    bool Update(const std::string& text, int64_t position, int64_t maximum);

private:
    void Draw(const std::string& text, int percent);
    void Clear();

    bool m_terminal;
    bool m_shown = false;
    std::string m_text;
    int m_percent = -1;
    std::chrono::steady_clock::time_point m_lastDraw;
};

}  // namespace qv::cli

// Ctrl-C as a cancel request for long work of the batch tool.
#pragma once

namespace qv::cli {

// Exit status of a command cancelled with Ctrl-C (128 + SIGINT, as shells report it).
constexpr int kInterruptedStatus = 130;

// The first SIGINT only sets the flag that the progress callbacks answer with; a second one
// ends the program at once.
void InstallInterruptHandler();
bool InterruptRequested();

}  // namespace qv::cli

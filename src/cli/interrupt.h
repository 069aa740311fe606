// Ctrl-C as a cancel request for long work of the batch tool, and clean ends on fatal signals.
#pragma once

namespace qv::cli {

// Exit status of a command cancelled with Ctrl-C (128 + SIGINT, as shells report it).
constexpr int kInterruptedStatus = 130;

// SIGINT, SIGTERM, SIGHUP and SIGPIPE end the program as their default does, but first remove
// the temporary file of an output being written; a file size limit makes writing fail with a
// message instead of ending the program.
void InstallTerminationHandlers();
// From now on the first SIGINT only sets the flag that the progress callbacks answer with; a
// second one ends the program at once.
void InstallInterruptHandler();
bool InterruptRequested();

}  // namespace qv::cli

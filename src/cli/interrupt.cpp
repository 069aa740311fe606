// The SIGINT handler and its flag.
#include "cli/interrupt.h"

#include <csignal>

namespace qv::cli {
namespace {

volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void OnInterrupt(int)
{
    g_interrupted = 1;
}

}  // namespace

void InstallInterruptHandler()
{
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    // Back to the default after the first signal, so a second Ctrl-C ends a stuck run.
    action.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &action, nullptr);
}

bool InterruptRequested()
{
    return g_interrupted != 0;
}

}  // namespace qv::cli

// The signal handlers and the interrupt flag.
#include "cli/interrupt.h"

#include <csignal>

#include "data/atomic_file.h"

namespace qv::cli {
namespace {

volatile std::sig_atomic_t g_interrupted = 0;

void Handle(int signal, void (*handler)(int))
{
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
}

extern "C" void OnFatalSignal(int signal)
{
    RemovePendingTempFiles();
    Handle(signal, SIG_DFL);
    raise(signal);
}

extern "C" void OnInterrupt(int signal)
{
    // A second Ctrl-C ends a run that does not stop by itself.
    if (g_interrupted) OnFatalSignal(signal);
    g_interrupted = 1;
}

}  // namespace

void InstallTerminationHandlers()
{
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) Handle(signal, OnFatalSignal);
    Handle(SIGXFSZ, SIG_IGN);
}

void InstallInterruptHandler()
{
    Handle(SIGINT, OnInterrupt);
}

bool InterruptRequested()
{
    return g_interrupted != 0;
}

}  // namespace qv::cli

#include "fpe_trap.h"

#include <csignal>
#include <cfenv>
#include <unistd.h>

namespace app {

namespace {

void write(const char* text) {
    std::size_t length = 0;
    while (text[length] != '\0') ++length;
    // Nothing is left to do about a failed write on the way out.
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, text, length);
}

// Only async-signal-safe calls: the program is in an undefined state.
void onFloatingPointException(int, siginfo_t* info, void*) {
    const char* what = "floating-point exception";
    switch (info->si_code) {
        case FPE_FLTINV:
            what = "invalid floating-point operation";
            break;
        case FPE_FLTDIV:
            what = "floating-point division by zero";
            break;
        case FPE_FLTOVF:
            what = "floating-point overflow";
            break;
        default:
            break;
    }
    write("arvex-sim: ");
    write(what);
    write(" trapped (--trap-fpe); run it in a debugger to see where\n");
    _exit(kFloatingPointExitCode);
}

}  // namespace

void trapFloatingPointExceptions() {
    struct sigaction action = {};
    action.sa_sigaction = onFloatingPointException;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    sigaction(SIGFPE, &action, nullptr);
    feclearexcept(FE_ALL_EXCEPT);
    feenableexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
}

}  // namespace app

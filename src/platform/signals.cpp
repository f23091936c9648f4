#include "platform/signals.h"

#include <pthread.h>
#include <signal.h>

#include <iterator>

std::atomic<int> stopSignal{0};

namespace {

constexpr int stopSignals[] = {SIGTERM, SIGHUP, SIGINT, SIGQUIT};
// Filled at the first call, before the library has touched any handler.
bool ignoredAtStart[std::size(stopSignals)];
bool noted = false;

void onStopSignal(int number) { stopSignal.store(number); }

} // namespace

void takeStopSignals()
{
    static_assert(std::atomic<int>::is_always_lock_free, "a signal handler may only touch lock-free atomics");
    struct sigaction take = {}, ignore = {}, before = {};
    take.sa_handler = onStopSignal;
    // A blocking call (the message box waits for its window to close) carries on after the signal.
    take.sa_flags = SA_RESTART;
    sigemptyset(&take.sa_mask);
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    for (std::size_t i = 0; i < std::size(stopSignals); ++i) {
        if (!noted) {
            sigaction(stopSignals[i], nullptr, &before);
            ignoredAtStart[i] = before.sa_handler == SIG_IGN;
        }
        sigaction(stopSignals[i], ignoredAtStart[i] ? &ignore : &take, nullptr);
    }
    noted = true;
}

int exitStatus(int status)
{
    const int number = stopSignal.load();
    return number ? 128 + number : status;
}

namespace {

sigset_t stopSignalSet()
{
    sigset_t set;
    sigemptyset(&set);
    for (int number : stopSignals)
        sigaddset(&set, number);
    return set;
}

} // namespace

void blockStopSignals()
{
    const sigset_t set = stopSignalSet();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

void unblockStopSignals()
{
    const sigset_t set = stopSignalSet();
    pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
}

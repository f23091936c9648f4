#pragma once
// SIGTERM, SIGHUP, SIGINT and SIGQUIT end the game the way the close button does: the current
// pass finishes, the library shuts down in order, and the exit status names the signal.

#include <atomic>

// The stop signal that arrived (the last one, if several did), 0 while none has. Set from the
// signal handler, on whichever thread took the signal.
extern std::atomic<int> stopSignal;

// Makes each stop signal only set stopSignal, except those the game was started with ignored,
// which stay ignored. Called at program start, and again right after the library has put its
// own handlers in: those would shut the library down under the running game.
void takeStopSignals();

// The exit status: status, or 128 + the stop signal once one has come, as a shell reports it.
int exitStatus(int status);

// Holds the stop signals back from every thread started meanwhile (the library's own), so that
// none can come while the library is starting, whose handlers would take it down half-built.
// Called first thing, before the library starts.
void blockStopSignals();

// Lets the stop signals in, a pending one at once. Called once the game's handlers are back in
// place after the library has started.
void unblockStopSignals();

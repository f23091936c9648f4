// Windows' C library gives a program without a console (or with its streams closed) streams that
// swallow what is written, and it has no broken-pipe signal: nothing to mend there.
#include "platform/streams.h"

void openStandardStreams() {}
void ignoreBrokenPipes() {}

#pragma once
// Standard input, output and error as the game writes them: always open, and a reader that has
// gone away costs a failed write, not the game.

// Opens /dev/null on each of descriptors 0, 1 and 2 that is closed, so that no file the game or
// the library opens later (the X connection, a sound device) can take its place and be written
// to as stderr. Called before anything else.
void openStandardStreams();

// Makes a write to a pipe whose reader has gone fail with EPIPE instead of ending the game.
void ignoreBrokenPipes();

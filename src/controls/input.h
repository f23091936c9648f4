#pragma once
// The keyboard handler.

// True while an action key seen down has not yet been seen released: one action per press.
extern bool holding;

// Turns the keys that are down now into at most one player action; ESC ends the game.
void input();

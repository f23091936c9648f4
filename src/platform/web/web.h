/* What the browser's drivers share among themselves. */
#ifndef RYKE_WEB_H
#define RYKE_WEB_H

/* Lets go of every key held down: the page no longer hears their release once it lost the focus. */
void _web_release_keys(void);

/* Calls fn every ms milliseconds from the browser's event loop, until _web_stop(the id it
 * returns). Unlike Emscripten's own intervals these do not hold the program open: the game
 * ends when main returns, as it does elsewhere. */
typedef void (*WEB_CALL)(void);
int _web_every(int ms, WEB_CALL fn);
void _web_stop(int id);

#endif

/* What the browser's drivers share among themselves. */
#ifndef RYKE_WEB_H
#define RYKE_WEB_H

/* Lets go of every key held down: the page no longer hears their release once it lost the focus. */
void _web_release_keys(void);

#endif

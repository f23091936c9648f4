/* The library's configuration in the browser: Emscripten's C library, one thread, little-endian. */
#ifndef ALWEBCFG_H
#define ALWEBCFG_H

#ifndef SCAN_DEPEND
   #include <fcntl.h>
   #include <unistd.h>
#endif

#define ALLEGRO_PLATFORM_STR  "Web"
#define ALLEGRO_LITTLE_ENDIAN
#define ALLEGRO_USE_CONSTRUCTOR

/* The game draws at 32 bits and loads 24-bit pictures; 8 bits is the font's depth. */
#define ALLEGRO_COLOR8
#define ALLEGRO_COLOR24
#define ALLEGRO_COLOR32

#define ALLEGRO_HAVE_DIRENT_H   1
#define ALLEGRO_HAVE_INTTYPES_H 1
#define ALLEGRO_HAVE_STDINT_H   1
#define ALLEGRO_HAVE_SYS_TIME_H 1
#define ALLEGRO_HAVE_SYS_STAT_H 1
#define ALLEGRO_HAVE_MKSTEMP    1

/* Emscripten's C library, like glibc, has none of these: the library's own stand in. */
#define ALLEGRO_NO_STRICMP
#define ALLEGRO_NO_STRLWR
#define ALLEGRO_NO_STRUPR

#define ALLEGRO_EXTRA_HEADER "allegro/platform/alweb.h"

#endif

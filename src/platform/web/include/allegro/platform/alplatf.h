/* The library's platform header for the browser build (scripts/web.sh): the library's own
 * CMake writes this file for the systems it knows; the browser is not one of them. */
#define ALLEGRO_WEB
/* WebAssembly has no assembler of the library's: the C versions of every routine. */
#define ALLEGRO_NO_ASM
#define ALLEGRO_USE_C

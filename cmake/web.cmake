# The browser build links the library scripts/web.sh builds with Emscripten, the browser's
# drivers in it. The target is named as pkg-config names it on Linux, so everything that links
# the library is built the same way everywhere.
set(RYKE_ALLEGRO_PREFIX "" CACHE PATH "The browser library's install prefix (made by scripts/web.sh)")
if(NOT EXISTS "${RYKE_ALLEGRO_PREFIX}/lib/liballeg.a")
  message(FATAL_ERROR "No browser Allegro under RYKE_ALLEGRO_PREFIX='${RYKE_ALLEGRO_PREFIX}': build with scripts/web.sh")
endif()
add_library(PkgConfig::ALLEGRO STATIC IMPORTED)
set_target_properties(PkgConfig::ALLEGRO PROPERTIES
  IMPORTED_LOCATION "${RYKE_ALLEGRO_PREFIX}/lib/liballeg.a"
  INTERFACE_INCLUDE_DIRECTORIES "${RYKE_ALLEGRO_PREFIX}/include"
  INTERFACE_COMPILE_DEFINITIONS ALLEGRO_STATICLINK)

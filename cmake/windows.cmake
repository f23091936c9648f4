# The Windows build links the library statically, from the prefix scripts/windows.sh installs it
# in, together with the DirectX and system libraries it calls, so that ryke.exe needs only the
# DLLs Windows comes with. The target is named as pkg-config names it on Linux, so everything
# that links the library is built the same way on both.
set(RYKE_ALLEGRO_PREFIX "" CACHE PATH "The static library's install prefix (made by scripts/windows.sh)")
if(NOT EXISTS "${RYKE_ALLEGRO_PREFIX}/lib/liballeg.a")
  message(FATAL_ERROR "No static Allegro under RYKE_ALLEGRO_PREFIX='${RYKE_ALLEGRO_PREFIX}': build with scripts/windows.sh")
endif()
add_library(PkgConfig::ALLEGRO STATIC IMPORTED)
set_target_properties(PkgConfig::ALLEGRO PROPERTIES
  IMPORTED_LOCATION "${RYKE_ALLEGRO_PREFIX}/lib/liballeg.a"
  INTERFACE_INCLUDE_DIRECTORIES "${RYKE_ALLEGRO_PREFIX}/include"
  INTERFACE_COMPILE_DEFINITIONS ALLEGRO_STATICLINK
  INTERFACE_LINK_LIBRARIES "dinput;ddraw;dxguid;winmm;dsound;ole32;gdi32;user32;comdlg32;kernel32")
# The C++ and GCC runtimes go inside the programs.
add_link_options(-static)

option(RYKE_WINE_TESTS "Register the tests that run the Windows build under Wine" OFF)

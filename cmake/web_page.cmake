# The page's game (ryke.js, ryke.wasm and ryke.data, the pictures and sounds packed for the
# page's file system) and the bout runner for node; scripts/web.sh puts the page together.
set(_web_common -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=64MB -sEXIT_RUNTIME=1)

# The game's loops sleep to give the browser its turn, which Asyncify makes possible: every
# function that may be on the stack then is instrumented (calls through pointers too, which the
# library's drivers and the game's callbacks make).
target_link_options(ryke PRIVATE ${_web_common} -sASYNCIFY=1 -sASYNCIFY_STACK_SIZE=65536
  -sENVIRONMENT=web -lidbfs.js --pre-js ${PROJECT_SOURCE_DIR}/dist/web/pre.js
  "SHELL:--preload-file ${PROJECT_SOURCE_DIR}/images@/images"
  "SHELL:--preload-file ${PROJECT_SOURCE_DIR}/sound@/sound")
set_target_properties(ryke PROPERTIES SUFFIX .js
  LINK_DEPENDS "${PROJECT_SOURCE_DIR}/dist/web/pre.js")

# The bout runner reads and writes the host's files under node, and never sleeps.
target_link_options(ryke_replay_cli PRIVATE ${_web_common} -sENVIRONMENT=node -sNODERAWFS=1)
set_target_properties(ryke_replay_cli PROPERTIES SUFFIX .js)

option(RYKE_WEB_TESTS "Register the tests of the page in headless Chromium and of the bout runner under node" OFF)
if(RYKE_WEB_TESTS)
  enable_testing()
  add_subdirectory(tests/web)
endif()

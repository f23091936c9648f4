# Writes the menu entry at install time, once the prefix is known: its Exec= line names
# RYKE_LAUNCHER as the desktop entry format requires, whatever characters the path holds.
# A path with a space or another reserved character is put in double quotes, in which ", `, $
# and \ take a backslash; every backslash is then doubled again as the file's strings ask, and
# a % is written %% so that it is not read as a field code.
set(_exec "${RYKE_LAUNCHER}")
if(_exec MATCHES "[\n\r\t]")
  message(FATAL_ERROR "the menu entry cannot name a launcher whose path holds a control character: ${_exec}")
endif()
if(_exec MATCHES "[] \"'\\\\><~|&;$*?#()`[]")
  foreach(special "\\" "\"" "`" "$")
    string(REPLACE "${special}" "\\${special}" _exec "${_exec}")
  endforeach()
  set(_exec "\"${_exec}\"")
  string(REPLACE "\\" "\\\\" _exec "${_exec}")
endif()
string(REPLACE "%" "%%" RYKE_EXEC "${_exec}")
configure_file("${RYKE_DESKTOP_IN}" "${RYKE_DESKTOP_OUT}" @ONLY)

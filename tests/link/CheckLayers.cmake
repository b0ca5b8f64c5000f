# The include rule of the layers, run as a test (cmake -DSOURCE_DIR=src -P):
# the model, the link and the user-interface helpers never include the shell,
# the session layer or a window; the link never includes the user interface
# (it is transport); the model includes no Qt. Prints every offending line
# and fails when there is one.
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "CheckLayers.cmake needs -DSOURCE_DIR=<the src folder>")
endif()

set(violations "")

# check(<folder> <regex of forbidden include targets> <why>)
function(check folder forbidden why)
  file(GLOB_RECURSE files "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  if(NOT files)
    message(FATAL_ERROR "no sources under ${SOURCE_DIR}/${folder}")
  endif()
  foreach(file IN LISTS files)
    file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*$" "\\1" target "${line}")
      if(target MATCHES "${forbidden}")
        file(RELATIVE_PATH where "${SOURCE_DIR}" "${file}")
        list(APPEND violations "${where}: ${line}  (${why})")
      endif()
    endforeach()
  endforeach()
  set(violations "${violations}" PARENT_SCOPE)
endfunction()

set(upper "^(shell|session)/|(^|/)views/")
check(model "${upper}" "the model is below the shell, the session and the windows")
check(link "${upper}" "the link is below the shell, the session and the windows")
check(ui "${upper}" "the user-interface helpers are below the shell, the session and the windows")
check(link "^ui/" "the link is transport: boxes are shown above it")
check(model "^Q|^Qt[A-Za-z]*/" "the model is plain C++")

if(violations)
  list(LENGTH violations count)
  string(REPLACE ";" "\n  " listed "${violations}")
  message(FATAL_ERROR "${count} include(s) break the layers:\n  ${listed}")
endif()
message(STATUS "layers hold: model, link and ui include nothing above them; the model has no Qt")

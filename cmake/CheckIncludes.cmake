# Fails when a source file includes across a forbidden line.
#   cmake -DROOT=<repo> -DRULES="folder>forbidden;folder>forbidden" -P CheckIncludes.cmake
# Each rule names a folder (relative to ROOT) and an include prefix that no
# file under it may use, e.g. "plantsaver/animation>plantsaver/startup/".
set(failures "")
foreach(rule IN LISTS RULES)
  string(REPLACE ">" ";" parts "${rule}")
  list(GET parts 0 folder)
  list(GET parts 1 forbidden)
  file(GLOB_RECURSE sources "${ROOT}/${folder}/*.h" "${ROOT}/${folder}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"${forbidden}")
    foreach(line IN LISTS includes)
      file(RELATIVE_PATH relative "${ROOT}" "${source}")
      string(APPEND failures "  ${relative}: ${line}\n")
    endforeach()
  endforeach()
endforeach()
if(failures)
  message(FATAL_ERROR "Includes across a forbidden line:\n${failures}")
endif()

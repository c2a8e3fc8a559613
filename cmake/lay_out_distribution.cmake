# Lays out the distribution folder OUT: every program in PROGRAMS and file in
# FILES packed into an archive named after it with "_" appended, files80.dld
# naming archive and final name of each, and the installer SETUP itself.
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}")

set(entries "")
set(count 0)
foreach(source IN LISTS PROGRAMS FILES)
  get_filename_component(name "${source}" NAME)
  execute_process(COMMAND "${PACKER}" "${source}" "${OUT}/${name}_" RESULT_VARIABLE packed)
  if(NOT packed EQUAL 0)
    message(FATAL_ERROR "cannot pack ${source}")
  endif()
  string(APPEND entries "${name}_ ${name}\n")
  math(EXPR count "${count} + 1")
endforeach()
file(WRITE "${OUT}/files80.dld" "${count}\n${entries}")
file(COPY "${SETUP}" DESTINATION "${OUT}")

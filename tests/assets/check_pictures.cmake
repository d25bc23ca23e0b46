# cmake -DGENERATOR=<picturegen> -DASSETS=<assets dir> -DWORK=<scratch dir> -P check_pictures.cmake
# Runs the picture generator into a scratch folder and compares every picture it writes
# byte for byte with the committed one in the assets folder.
foreach(var GENERATOR ASSETS WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "check_pictures: ${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND "${GENERATOR}" "${WORK}" RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "check_pictures: picturegen failed (${rc}):\n${out}${err}")
endif()

file(GLOB made RELATIVE "${WORK}" "${WORK}/*.png")
list(LENGTH made count)
if(count EQUAL 0)
  message(FATAL_ERROR "check_pictures: picturegen wrote no pictures")
endif()

set(stale "")
foreach(name IN LISTS made)
  if(NOT EXISTS "${ASSETS}/${name}")
    list(APPEND stale "${name} (missing in assets)")
    continue()
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK}/${name}" "${ASSETS}/${name}" RESULT_VARIABLE diff)
  if(NOT diff EQUAL 0)
    list(APPEND stale "${name}")
  endif()
endforeach()

if(stale)
  list(JOIN stale "\n  " text)
  message(FATAL_ERROR "check_pictures: these pictures differ from the generator's output; "
                      "run picturegen with the assets folder and commit them:\n  ${text}")
endif()
message(STATUS "check_pictures: ${count} pictures up to date")

# cmake -DGENERATOR=<picturegen> -DASSETS=<assets dir> -DWORK=<scratch dir> -P check_pictures.cmake
# Runs the picture generator into a scratch folder and compares every picture it writes
# byte for byte with the committed one in the assets folder.
foreach(var GENERATOR ASSETS WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "check_pictures: ${var} is not set")
  endif()
endforeach()

# Anti-aliased edges may come out one or two levels apart on another processor (the
# rasterizer's vector paths round differently), so pictures whose bytes differ still pass
# when they have the same size and no channel of any pixel is more than 2/255 apart.
find_program(MAGICK_COMPARE compare)
function(pixels_alike made committed)
  set(alike FALSE PARENT_SCOPE)
  if(NOT MAGICK_COMPARE)
    return()
  endif()
  execute_process(COMMAND "${MAGICK_COMPARE}" -metric PAE "${made}" "${committed}" null:
                  RESULT_VARIABLE rc ERROR_VARIABLE metric OUTPUT_QUIET)
  # "171.333 (0.00261438)": the largest difference of a channel, as a share of full scale.
  if(rc GREATER 1 OR NOT metric MATCHES "\\(([0-9.e+-]+)\\)")
    return()
  endif()
  if(CMAKE_MATCH_1 LESS_EQUAL 0.0079)
    set(alike TRUE PARENT_SCOPE)
  endif()
endfunction()

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
    pixels_alike("${WORK}/${name}" "${ASSETS}/${name}")
    if(NOT alike)
      list(APPEND stale "${name}")
    endif()
  endif()
endforeach()

if(stale)
  list(JOIN stale "\n  " text)
  message(FATAL_ERROR "check_pictures: these pictures differ from the generator's output; "
                      "run picturegen with the assets folder and commit them:\n  ${text}")
endif()
message(STATUS "check_pictures: ${count} pictures up to date")

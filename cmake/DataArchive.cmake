# DATEN.ZIP: the members of assets/ and the two fonts taken from Debian's packages,
# zipped at build time and linked into the executable's read-only data.

set(FONT_ARIAL /usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf)
set(FONT_DIGITAL /usr/share/fonts/truetype/dseg/DSEG7Classic-Regular.ttf)
foreach(font ${FONT_ARIAL} ${FONT_DIGITAL})
  if(NOT EXISTS ${font})
    message(FATAL_ERROR "${font} is missing: run scripts/install-deps.sh")
  endif()
endforeach()

file(GLOB_RECURSE ARCHIVE_ASSETS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/assets/*)
list(FILTER ARCHIVE_ASSETS EXCLUDE REGEX "/assets/licenses/")
set(ARCHIVE_ZIP ${CMAKE_BINARY_DIR}/DATEN.ZIP)
add_custom_command(
  OUTPUT ${ARCHIVE_ZIP}
  COMMAND ${CMAKE_COMMAND} -DASSETS=${PROJECT_SOURCE_DIR}/assets
          -DSTAGING=${CMAKE_BINARY_DIR}/archive -DOUTPUT=${ARCHIVE_ZIP}
          -DFONT_ARIAL=${FONT_ARIAL} -DFONT_DIGITAL=${FONT_DIGITAL}
          -P ${PROJECT_SOURCE_DIR}/cmake/MakeArchive.cmake
  DEPENDS ${ARCHIVE_ASSETS} ${PROJECT_SOURCE_DIR}/cmake/MakeArchive.cmake
  COMMENT "Zipping the data archive"
  VERBATIM)

set(ARCHIVE_ASM ${CMAKE_BINARY_DIR}/DatenArchiv.S)
# file(CONFIGURE) writes only when the text differs, so an unchanged tree does not
# reassemble the archive and relink every target.
file(CONFIGURE OUTPUT ${ARCHIVE_ASM} CONTENT
  "    .section .rodata
    .global lesmora_archive_begin
    .global lesmora_archive_end
    .balign 16
lesmora_archive_begin:
    .incbin \"${ARCHIVE_ZIP}\"
lesmora_archive_end:
    .section .note.GNU-stack,\"\",@progbits
" @ONLY)
set_source_files_properties(${ARCHIVE_ASM} PROPERTIES OBJECT_DEPENDS ${ARCHIVE_ZIP})
add_library(lesmora_archive STATIC ${ARCHIVE_ASM} src/data/archive/EmbeddedArchive.cpp)
target_include_directories(lesmora_archive PRIVATE ${PROJECT_SOURCE_DIR}/src)

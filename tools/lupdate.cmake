# Brings an English catalogue up to date with the texts of the sources: a text still in the
# sources keeps its translation, a new one enters unfinished, one gone from the sources leaves.
# Usage: cmake -DLUPDATE=<lupdate> -DSOURCE_DIR=<tree> -DCATALOGUE=<file.ts> -P lupdate.cmake
# `make translations` runs it on translations/tonnelix_en.ts, the catalogue test on a copy, so
# both see exactly what the other sees.
foreach(var LUPDATE SOURCE_DIR CATALOGUE)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "lupdate.cmake needs -D${var}=...")
  endif()
endforeach()

# The files in a fixed order: new texts enter the catalogue in the order lupdate meets them.
file(GLOB_RECURSE sources LIST_DIRECTORIES false
  "${SOURCE_DIR}/src/*.cpp" "${SOURCE_DIR}/src/*.h")
list(SORT sources)

# No source locations: line numbers would change the catalogue at every edit of a file.
execute_process(
  COMMAND "${LUPDATE}" -silent -locations none -no-obsolete -I "${SOURCE_DIR}/src" ${sources}
          -ts "${CATALOGUE}"
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed on ${CATALOGUE}")
endif()

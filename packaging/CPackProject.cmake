# Read by cpack before it packs: unless SOURCE_DATE_EPOCH is set already, the package's time
# stamps are the time of the last commit of the tree it is built from, so that building one tree
# twice gives the same bytes. Outside a git tree the time stamps stay those of the files.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  get_filename_component(tonnelix_tree "${CMAKE_CURRENT_LIST_DIR}" DIRECTORY)
  execute_process(COMMAND git -C "${tonnelix_tree}" log -1 --format=%ct
    OUTPUT_VARIABLE tonnelix_epoch OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE tonnelix_git ERROR_QUIET)
  if(tonnelix_git EQUAL 0 AND tonnelix_epoch MATCHES "^[0-9]+$")
    set(ENV{SOURCE_DATE_EPOCH} "${tonnelix_epoch}")
  endif()
endif()

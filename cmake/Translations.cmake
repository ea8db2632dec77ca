# SPDX-License-Identifier: GPL-3.0-or-later
# The languages the game and Reelkit ship, each with a catalogue per project:
# translations/<catalogue>_<language>.ts, a source kept in the repository. The build
# only turns them into .qm files (lrelease); a developer refreshes them from the code
# with `cmake --build build --target update_translations`.
set(TIDEWATCH_LANGUAGES
    bg ca cs da de es fi fr gd hr hu it ja ko lv nl nn pl pt_BR ru sk tr uk zh_CN zh_TW)

# add_catalogue(TARGET catalogue SCAN folder OUTPUT folder DESTINATION folder)
# Builds the .qm files of `catalogue` into OUTPUT before TARGET, installs them to
# DESTINATION, and adds a step to update_translations that reads the texts of SCAN.
function(add_catalogue target catalogue)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "SCAN;OUTPUT;DESTINATION" "")
  set(ts_files "")
  foreach(language IN LISTS TIDEWATCH_LANGUAGES)
    set(ts ${CMAKE_CURRENT_SOURCE_DIR}/translations/${catalogue}_${language}.ts)
    set_source_files_properties(${ts} PROPERTIES OUTPUT_LOCATION ${arg_OUTPUT})
    list(APPEND ts_files ${ts})
  endforeach()
  # An unfinished text stays English rather than show a translation nobody checked.
  qt_add_lrelease(${target} TS_FILES ${ts_files} QM_FILES_OUTPUT_VARIABLE qm_files
                  OPTIONS -nounfinished -silent)
  install(FILES ${qm_files} DESTINATION ${arg_DESTINATION})
  if(NOT TARGET update_translations)
    add_custom_target(update_translations)
  endif()
  add_custom_target(${catalogue}_update_translations
    COMMAND Qt6::lupdate -locations none -no-obsolete -I ${arg_SCAN} ${arg_SCAN} -ts ${ts_files}
    VERBATIM)
  add_dependencies(update_translations ${catalogue}_update_translations)
endfunction()

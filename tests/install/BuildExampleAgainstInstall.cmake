# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DBUILD_TREE=... -DEXAMPLE=... -DWORK=... -DLANGUAGES=de,fr,... -DDATADIR=...
#       -DREELKIT_TRANSLATIONSDIR=... [-DCOMPILER_LAUNCHER=...] -P this file
function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${what} failed (${result}):\n${out}\n${err}")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK})
set(prefix ${WORK}/prefix)
run("install" ${CMAKE_COMMAND} --install ${BUILD_TREE} --prefix ${prefix})
# Every language's translations come along, the game's with its data, Reelkit's with the library.
string(REPLACE "," ";" LANGUAGES "${LANGUAGES}")
foreach(language IN LISTS LANGUAGES)
  foreach(qm ${DATADIR}/translations/tidewatch_${language}.qm ${REELKIT_TRANSLATIONSDIR}/reelkit_${language}.qm)
    if(NOT EXISTS ${prefix}/${qm})
      message(FATAL_ERROR "not installed: ${qm}")
    endif()
  endforeach()
endforeach()
run("configure" ${CMAKE_COMMAND} -S ${EXAMPLE} -B ${WORK}/build -DCMAKE_PREFIX_PATH=${prefix}
    -DCMAKE_CXX_COMPILER_LAUNCHER=${COMPILER_LAUNCHER})
run("build" ${CMAKE_COMMAND} --build ${WORK}/build)

# The package must come from the scratch prefix, not from a copy installed elsewhere.
file(STRINGS ${WORK}/build/CMakeCache.txt found_dir REGEX "^Reelkit_DIR:")
string(FIND "${found_dir}" "${prefix}/" at)
if(NOT at GREATER -1)
  message(FATAL_ERROR "Reelkit came from elsewhere: ${found_dir}")
endif()

# The usage answer proves the program starts and loads libreelkit from the prefix.
execute_process(COMMAND ${WORK}/build/reelpane-player RESULT_VARIABLE result ERROR_VARIABLE err)
if(NOT result EQUAL 2 OR NOT err MATCHES "usage: reelpane-player")
  message(FATAL_ERROR "reelpane-player did not start as expected (${result}): ${err}")
endif()

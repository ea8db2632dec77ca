# SPDX-License-Identifier: GPL-3.0-or-later
# Where `cmake --install` puts the game, relative to CMAKE_INSTALL_PREFIX. The defaults
# suit any prefix; a distribution that keeps games apart passes, for example,
#   -DTIDEWATCH_INSTALL_BINDIR=games -DTIDEWATCH_INSTALL_DATADIR=share/games/tidewatch
# The program finds its data and its loadable libraries relative to its own folder,
# so these paths are turned into relative ones here, once, for both the install rules
# and the lookup.
set(TIDEWATCH_INSTALL_BINDIR ${CMAKE_INSTALL_BINDIR} CACHE STRING
    "Folder of the game's program, relative to the install prefix")
set(TIDEWATCH_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/tidewatch CACHE STRING
    "Folder of the game's read-only data (radar animation, sound cues)")
set(TIDEWATCH_INSTALL_PLUGINDIR ${CMAKE_INSTALL_LIBDIR}/tidewatch CACHE STRING
    "Folder of the game's own libraries, loaded at run time")
set(TIDEWATCH_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/tidewatch CACHE STRING
    "Folder of the game's README, which its about view opens")

# relative_to_program(VAR folder): VAR = folder as seen from the installed program.
function(relative_to_program var folder)
  cmake_path(ABSOLUTE_PATH TIDEWATCH_INSTALL_BINDIR BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX}
             NORMALIZE OUTPUT_VARIABLE from)
  cmake_path(ABSOLUTE_PATH folder BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX}
             NORMALIZE OUTPUT_VARIABLE to)
  file(RELATIVE_PATH relative ${from} ${to})
  set(${var} ${relative} PARENT_SCOPE)
endfunction()

relative_to_program(TIDEWATCH_DATA_FROM_PROGRAM ${TIDEWATCH_INSTALL_DATADIR})
relative_to_program(TIDEWATCH_PLUGIN_FROM_PROGRAM ${TIDEWATCH_INSTALL_PLUGINDIR})
relative_to_program(TIDEWATCH_DOC_FROM_PROGRAM ${TIDEWATCH_INSTALL_DOCDIR})
relative_to_program(TIDEWATCH_LIB_FROM_PROGRAM ${CMAKE_INSTALL_LIBDIR})

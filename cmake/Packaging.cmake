# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
# Installation: one program folder holding the executable, its data files, the tunes,
# the manual and the uninstaller; a desktop entry, icons, AppStream metadata, a manual page
# and a link on the games' path; and a Debian package that prepares the folders every user
# of the machine shares.

set(NUMBRELLA_PROGRAM_DIR "lib/numbrella" CACHE STRING "The program folder, relative to the install prefix")
set(NUMBRELLA_PACKAGE_CONTACT "The Numbrella team <dev@numbrella.invalid>" CACHE STRING
    "The package's maintainer; the team has no public mail address yet")
set(NUMBRELLA_SCREENSHOT_URL "" CACHE STRING
    "The https address where docs/screenshots/ is published; empty: the metadata names no screenshots")

set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(generated ${CMAKE_BINARY_DIR}/packaging)

# Hardened like Debian's own packages: checked buffer functions, a stack protector, and
# relocations made read-only before the program runs. Every target of the project links
# numbrella_warnings, so the compile flags reach the libraries the executable is built from.
set(optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
target_compile_definitions(numbrella_warnings INTERFACE "$<${optimised}:_FORTIFY_SOURCE=2>")
target_compile_options(numbrella_warnings INTERFACE "$<${optimised}:-fstack-protector-strong>")
target_link_options(numbrella PRIVATE "$<${optimised}:LINKER:-z,relro,-z,now>")

install(TARGETS numbrella RUNTIME DESTINATION ${NUMBRELLA_PROGRAM_DIR})
list(TRANSFORM NUMBRELLA_DATA_FILES PREPEND ${PROJECT_SOURCE_DIR}/data/ OUTPUT_VARIABLE data_paths)
install(FILES ${data_paths} DESTINATION ${NUMBRELLA_PROGRAM_DIR})
install(PROGRAMS ${PROJECT_SOURCE_DIR}/src/app/uninstall.sh DESTINATION ${NUMBRELLA_PROGRAM_DIR} RENAME uninstall)

# The command "numbrella" of the manual page: a relative link from the games' folder, so the
# program still finds its data files beside the executable it resolves to.
file(RELATIVE_PATH link_target /prefix/games /prefix/${NUMBRELLA_PROGRAM_DIR}/numbrella)
file(MAKE_DIRECTORY ${generated})
file(CREATE_LINK ${link_target} ${generated}/numbrella SYMBOLIC)
install(FILES ${generated}/numbrella DESTINATION games)

install(FILES ${packaging}/numbrella.desktop DESTINATION share/applications)
install(FILES ${packaging}/numbrella.svg DESTINATION share/icons/hicolor/scalable/apps)
# The fixed sizes are drawn from the one picture at build time.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icons)
foreach(size 48 64 128 256)
  set(icon ${generated}/icons/${size}x${size}/numbrella.png)
  add_custom_command(OUTPUT ${icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${generated}/icons/${size}x${size}
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${icon} ${packaging}/numbrella.svg
    DEPENDS ${packaging}/numbrella.svg VERBATIM)
  install(FILES ${icon} DESTINATION share/icons/hicolor/${size}x${size}/apps)
  list(APPEND icons ${icon})
endforeach()

# Debian keeps its documentation gzipped without a time stamp, so the package is the same
# from one build to the next.
set(gzipped)
foreach(page numbrella.6 changelog)
  add_custom_command(OUTPUT ${generated}/${page}.gz
    COMMAND gzip -9nc ${packaging}/${page} > ${generated}/${page}.gz
    DEPENDS ${packaging}/${page} VERBATIM)
  list(APPEND gzipped ${generated}/${page}.gz)
endforeach()
add_custom_target(numbrella_package_files ALL DEPENDS ${icons} ${gzipped})
install(FILES ${generated}/numbrella.6.gz DESTINATION share/man/man6)
install(FILES ${generated}/changelog.gz ${packaging}/copyright DESTINATION share/doc/numbrella)

# The screenshots are named only where they are really published: an address the team does
# not own would give software centres broken pictures.
if(NUMBRELLA_SCREENSHOT_URL AND NOT NUMBRELLA_SCREENSHOT_URL MATCHES "^https://")
  message(FATAL_ERROR "NUMBRELLA_SCREENSHOT_URL must be an https address")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${packaging}/numbrella.metainfo.xml.in)
file(READ ${packaging}/numbrella.metainfo.xml.in metainfo)
if(NOT NUMBRELLA_SCREENSHOT_URL)
  string(REGEX REPLACE "[ ]*<!-- screenshots -->.*<!-- /screenshots -->\n" "" metainfo "${metainfo}")
endif()
string(REGEX REPLACE "/$" "" NUMBRELLA_SCREENSHOT_URL "${NUMBRELLA_SCREENSHOT_URL}")
string(CONFIGURE "${metainfo}" metainfo @ONLY)
file(CONFIGURE OUTPUT ${generated}/invalid.numbrella.numbrella.metainfo.xml CONTENT "${metainfo}")
install(FILES ${generated}/invalid.numbrella.numbrella.metainfo.xml DESTINATION share/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME numbrella)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${NUMBRELLA_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Arithmetic facts practice for children")
set(CPACK_PACKAGE_DESCRIPTION "Numbrella drills children in the addition, subtraction,
multiplication and division tables of 1 to 10, against the clock, and
keeps each child's scores.
.
The children of one computer share one player list: the players' files
live in /var/lib/numbrella/players, which belongs to the group numbrella
and only its members may change. Installing adds every desktop user (user
ids 1000 to 59999) to the group; a user created later is added with the
command: adduser <name> numbrella. A user takes the group after logging
in again.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A drill played against the clock: Debian's section games, as its command in /usr/games
# and its manual page in section 6 are.
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# Libraries are found by shlibdeps; the platform plugin, FluidSynth and the soundfont are
# loaded at run time.
# adduser: the package's scripts make the group numbrella and add the desktop users to it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libfluidsynth${FLUIDSYNTH_SO_MAJOR}, timgm6mb-soundfont, adduser")
# Qt's own dialogs (saving, printing) in German, French and Spanish.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${packaging}/postinst ${packaging}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

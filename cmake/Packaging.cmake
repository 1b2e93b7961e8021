# Installation: one program folder holding the executable, its data files, the tunes,
# the manual and the uninstaller; a desktop entry and an icon; and a Debian package
# that prepares the folders every user of the machine shares.

set(NUMBRELLA_PROGRAM_DIR "lib/numbrella" CACHE STRING "The program folder, relative to the install prefix")

install(TARGETS numbrella RUNTIME DESTINATION ${NUMBRELLA_PROGRAM_DIR})
# Printing on paper: Qt's printing library is loaded through this module only.
install(TARGETS numbrella_printer LIBRARY DESTINATION ${NUMBRELLA_PROGRAM_DIR})
list(TRANSFORM NUMBRELLA_DATA_FILES PREPEND ${PROJECT_SOURCE_DIR}/data/ OUTPUT_VARIABLE data_paths)
install(FILES ${data_paths} DESTINATION ${NUMBRELLA_PROGRAM_DIR})
install(PROGRAMS ${PROJECT_SOURCE_DIR}/src/app/uninstall.sh DESTINATION ${NUMBRELLA_PROGRAM_DIR} RENAME uninstall)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/numbrella.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/numbrella.svg DESTINATION share/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME numbrella)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Numbrella team <numbrella@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Arithmetic facts practice for children")
set(CPACK_PACKAGE_DESCRIPTION "Numbrella drills children in the addition, subtraction, multiplication
and division tables of 1 to 10, against the clock, and keeps each child's scores.
.
The children of one computer share one player list: the players' files
live in /var/lib/numbrella/players, which belongs to the group numbrella
and only its members may change. Installing adds every desktop user (user
ids 1000 to 59999) to the group; a user created later is added with the
command: adduser <name> numbrella. A user takes the group after logging
in again.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Libraries are found by shlibdeps; the platform plugin, FluidSynth and the soundfont are
# loaded at run time.
# adduser: the package's scripts make the group numbrella and add the desktop users to it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libfluidsynth${FLUIDSYNTH_SO_MAJOR}, timgm6mb-soundfont, adduser")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/packaging/postinst ${PROJECT_SOURCE_DIR}/packaging/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

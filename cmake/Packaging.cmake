# Installed as a Linux program: the program directory under lib/prefig (the
# rules of each target put it there), the programs on the PATH as links into
# it, the desktop entry, MIME types and icon in their freedesktop places, and
# a manual page made from the command line's own help. scripts/package.sh
# turns the same install into a Debian package.
include(GNUInstallDirs)

set(release_dir ${CMAKE_BINARY_DIR}/release)
file(MAKE_DIRECTORY ${release_dir}/bin)
# Relative links, so that they hold under any prefix and DESTDIR; the
# programs see their real file (/proc/self/exe) and so their program directory.
foreach(program prefig prefig-host)
  file(CREATE_LINK ../${PREFIG_INSTALL_DIR}/${program} ${release_dir}/bin/${program} SYMBOLIC)
  install(FILES ${release_dir}/bin/${program} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

# Made by the programs themselves, so they cannot drift from them.
add_custom_command(OUTPUT ${release_dir}/prefig.1
  COMMAND prefig manual ${release_dir}/prefig.1
  DEPENDS prefig
  COMMENT "prefig manual prefig.1" VERBATIM)
add_custom_command(OUTPUT ${release_dir}/ConfigPaths.cfg
  COMMAND prefig paths defaults ${release_dir}/ConfigPaths.cfg
  DEPENDS prefig
  COMMENT "prefig paths defaults ConfigPaths.cfg" VERBATIM)
add_custom_target(release_files ALL DEPENDS ${release_dir}/prefig.1 ${release_dir}/ConfigPaths.cfg)

install(FILES ${release_dir}/prefig.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# Installed, the program directory is not the user's to write: the settings
# go to the user's config directory, as the paths dialog's defaults say.
install(FILES ${release_dir}/ConfigPaths.cfg DESTINATION ${PREFIG_INSTALL_DIR})

set(desktop_dir ${PROJECT_SOURCE_DIR}/resources/desktop)
install(FILES ${desktop_dir}/prefig-host.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_dir}/prefig.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${desktop_dir}/prefig-host.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The Debian package. Its dependencies come from dpkg-shlibdeps as Debian
# package names; the Qt plug-ins loaded at run time (platforms, SVG icons)
# lie in libqt6gui6 and libqt6svg6, which the libraries name already.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME prefig)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Prefig developers <prefig@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Settings module and configuration store of a CNC program editor")
set(CPACK_PACKAGE_DESCRIPTION
    "Prefig keeps the settings of a CNC program editor: one INI file for the editor and one per\n"
    "machine type, edited in place so that comments and unknown keys survive. It holds the\n"
    "settings dialog (prefig-host, an editor stand-in) and the prefig command line for\n"
    "administrators and scripts.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/stage)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, xdg-utils, shared-mime-info, desktop-file-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "policykit-1")
set(CPACK_STRIP_FILES ON)
include(CPack)

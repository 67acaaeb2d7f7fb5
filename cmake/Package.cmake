# `cpack -G DEB` (the Makefile's `make package`): plv7steuerung_<version>-<release>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME plv7steuerung)
set(CPACK_PACKAGE_VERSION ${PLV7_VERSION})
# The package's own revision: the program's version with a Debian revision is what makes
# changelog.Debian.gz beside the upstream changelog.gz the right pair of names.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(PLV7_DEBIAN_VERSION ${PLV7_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
set(CPACK_PACKAGE_VENDOR "PLV-7 Steuerung")
set(CPACK_PACKAGE_CONTACT "PLV-7 Steuerung <plv7steuerung@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "control program for the PLV-7 analog I/O box on RS-232")
# The summary above is the first line of the package's description, this text the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "plv7steuerung sets the four outputs of a PLV-7 in physical units, samples its\n\
four inputs with meters, a triggered chart and a text log, and keeps channel\n\
scalings in files. plv7ctl runs the box's commands from the command line and\n\
plv7-sim serves a simulated box on a pseudo-terminal.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries the programs link (Qt, QCustomPlot, the C++ run-time) as dpkg-shlibdeps
# finds them; the platform plug-ins come with libqt6gui6.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# Folders as Debian wants them whatever the packager's umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# /usr/share/doc/plv7steuerung: the copyright file, the upstream changelog and the package's
# changelog, made from the version and its date; both changelogs compressed without a time
# stamp so that the package builds the same twice.
set(PLV7_DEBIAN_SOURCE ${PLV7_RESOURCES_SOURCE}/debian)
set(PLV7_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
find_program(PLV7_DATE date REQUIRED)
execute_process(COMMAND ${PLV7_DATE} -u -R -d "${PLV7_VERSION_DATE} 12:00"
                OUTPUT_VARIABLE PLV7_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
set(debian_changelog ${CMAKE_BINARY_DIR}/doc/changelog.Debian)
configure_file(${PLV7_DEBIAN_SOURCE}/changelog.Debian.in ${debian_changelog} @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/CHANGELOG.md ${CMAKE_BINARY_DIR}/doc/changelog COPYONLY)
set(changelogs)
foreach(changelog ${debian_changelog} ${CMAKE_BINARY_DIR}/doc/changelog)
    add_custom_command(OUTPUT ${changelog}.gz DEPENDS ${changelog}
        COMMAND ${PLV7_GZIP} -9nf -k ${changelog} VERBATIM)
    list(APPEND changelogs ${changelog}.gz)
endforeach()
add_custom_target(plv7_changelogs ALL DEPENDS ${changelogs})
install(FILES ${changelogs} ${PLV7_DEBIAN_SOURCE}/copyright DESTINATION ${PLV7_DOC_DIR})
# Lintian's remarks that do not apply to this package, each with its reason.
install(FILES ${PLV7_DEBIAN_SOURCE}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ${CPACK_PACKAGE_NAME})

include(CPack)

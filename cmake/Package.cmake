# `cpack -G DEB` (the Makefile's `make package`): plv7steuerung_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME plv7steuerung)
set(CPACK_PACKAGE_VERSION ${PLV7_VERSION})
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
include(CPack)

# The version and the install layout, as headers every layer can include: "base/Version.h"
# and "base/Installationsorte.h", generated into the build folder.
set(PLV7_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)

# The program's resources: <datadir>/plv7steuerung, found from the program's own folder.
set(PLV7_RESOURCE_SUBDIR plv7steuerung)
if(IS_ABSOLUTE "${CMAKE_INSTALL_BINDIR}" OR IS_ABSOLUTE "${CMAKE_INSTALL_DATADIR}")
    message(FATAL_ERROR "The programs find their resources relative to themselves: "
                        "CMAKE_INSTALL_BINDIR and CMAKE_INSTALL_DATADIR must be relative")
endif()
file(RELATIVE_PATH PLV7_RESOURCES_FROM_BINDIR /prefix/${CMAKE_INSTALL_BINDIR}
     /prefix/${CMAKE_INSTALL_DATADIR}/${PLV7_RESOURCE_SUBDIR})
# In the build folder the resources are copied to <build>/share/plv7steuerung; the programs
# and test programs lie two folders below the build folder (src/app, tests/gui).
set(PLV7_BUILD_RESOURCES_DIR ${CMAKE_BINARY_DIR}/share/${PLV7_RESOURCE_SUBDIR})
set(PLV7_RESOURCES_FROM_BUILD_PROGRAM ../../share/${PLV7_RESOURCE_SUBDIR})

# The version's date as the info window shows it: month/year.
if(NOT PLV7_VERSION_DATE MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-[0-9][0-9]$")
    message(FATAL_ERROR "PLV7_VERSION_DATE must be YYYY-MM-DD, not ${PLV7_VERSION_DATE}")
endif()
set(PLV7_VERSION_MONTH "${CMAKE_MATCH_2}/${CMAKE_MATCH_1}")

configure_file(${CMAKE_CURRENT_LIST_DIR}/templates/Version.h.in
               ${PLV7_GENERATED_DIR}/base/Version.h @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/templates/Installationsorte.h.in
               ${PLV7_GENERATED_DIR}/base/Installationsorte.h @ONLY)
add_library(plv7_version INTERFACE)
target_include_directories(plv7_version INTERFACE ${PLV7_GENERATED_DIR})

# `cmake --install`: the three programs, the resources the control program finds relative to
# itself, a desktop entry with its icon and AppStream metadata, and the manual pages.
set(PLV7_RESOURCES_SOURCE ${CMAKE_SOURCE_DIR}/resources)

install(TARGETS plv7steuerung plv7ctl plv7-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Tool-bar images: installed to <datadir>/plv7steuerung/buttons and copied to the same place
# under the build folder, so a program in either finds them the same way.
file(GLOB PLV7_BUTTON_IMAGES CONFIGURE_DEPENDS ${PLV7_RESOURCES_SOURCE}/buttons/*.png)
set(build_buttons)
foreach(image ${PLV7_BUTTON_IMAGES})
    get_filename_component(name ${image} NAME)
    set(copy ${PLV7_BUILD_RESOURCES_DIR}/buttons/${name})
    add_custom_command(OUTPUT ${copy} DEPENDS ${image}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${image} ${copy} VERBATIM)
    list(APPEND build_buttons ${copy})
endforeach()
add_custom_target(plv7_resources ALL DEPENDS ${build_buttons})
add_dependencies(plv7_gui plv7_resources)
install(FILES ${PLV7_BUTTON_IMAGES}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/${PLV7_RESOURCE_SUBDIR}/buttons)

install(FILES ${PLV7_RESOURCES_SOURCE}/desktop/plv7steuerung.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# What software centres show, with the build's version and date.
set(PLV7_METAINFO org.example.plv7steuerung.metainfo.xml)
configure_file(${PLV7_RESOURCES_SOURCE}/metainfo/${PLV7_METAINFO}.in
               ${CMAKE_BINARY_DIR}/metainfo/${PLV7_METAINFO} @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/metainfo/${PLV7_METAINFO}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PLV7_RESOURCES_SOURCE}/icons/plv7steuerung.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 48 128)
    install(FILES ${PLV7_RESOURCES_SOURCE}/icons/plv7steuerung-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME plv7steuerung.png)
endforeach()

# Manual pages carry the build's version and its date and are installed compressed, as Debian
# expects.
find_program(PLV7_GZIP gzip REQUIRED)
set(man_pages)
foreach(program plv7steuerung plv7ctl plv7-sim)
    set(page ${CMAKE_BINARY_DIR}/man/${program}.1)
    configure_file(${PLV7_RESOURCES_SOURCE}/man/${program}.1.in ${page} @ONLY)
    add_custom_command(OUTPUT ${page}.gz DEPENDS ${page}
        COMMAND ${PLV7_GZIP} -9nf -k ${page} VERBATIM)
    list(APPEND man_pages ${page}.gz)
endforeach()
add_custom_target(plv7_man_pages ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

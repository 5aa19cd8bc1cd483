# `cmake --install` lays out a complete installation under the prefix:
#   lib/goalrun/            the programs with the files they read beside them
#   bin/goalrun             a link to the program
#   share/applications/     the desktop entry, which opens save files
#   share/icons/hicolor/    the icon
#   share/mime/packages/    the save file type: *.sav, or files that start with "Vomera"
set(goalrun_install_dir lib/goalrun)

install(TARGETS goalrun goalrun-cli RUNTIME DESTINATION ${goalrun_install_dir})
install(FILES TeamNameList.txt goalrun_help.html icons/goalrun.svg
        DESTINATION ${goalrun_install_dir})
install(FILES icons/goalrun-256.png DESTINATION ${goalrun_install_dir} RENAME goalrun.png)

foreach(size 16 24 32 48 64 128 256)
    install(FILES icons/goalrun-${size}.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME goalrun.png)
endforeach()
install(FILES icons/goalrun.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES desktop/goalrun-mime.xml DESTINATION share/mime/packages RENAME goalrun.xml)

# The link and the desktop entry name the prefix chosen at install time, which may differ from
# the one known at configure time (`cmake --install build --prefix DIR`).
install(CODE "set(GOALRUN_DESKTOP_IN \"${CMAKE_CURRENT_SOURCE_DIR}/desktop/goalrun.desktop.in\")")
install(CODE [[
    set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
    file(MAKE_DIRECTORY "${root}/bin" "${root}/share/applications")
    file(CREATE_LINK ../lib/goalrun/goalrun "${root}/bin/goalrun" SYMBOLIC)
    file(CREATE_LINK ../lib/goalrun/goalrun-cli "${root}/bin/goalrun-cli" SYMBOLIC)
    set(GOALRUN_BIN "${CMAKE_INSTALL_PREFIX}/bin/goalrun")
    configure_file("${GOALRUN_DESKTOP_IN}" "${root}/share/applications/goalrun.desktop" @ONLY)
    message(STATUS "Installing: ${root}/bin/goalrun and the desktop entry")
    # Let the desktop learn the new file type and entry at once, where its tools exist.
    if(NOT DEFINED ENV{DESTDIR} OR "$ENV{DESTDIR}" STREQUAL "")
        find_program(update_mime update-mime-database)
        find_program(update_desktop update-desktop-database)
        if(update_mime)
            execute_process(COMMAND "${update_mime}" "${root}/share/mime" OUTPUT_QUIET ERROR_QUIET)
        endif()
        if(update_desktop)
            execute_process(COMMAND "${update_desktop}" "${root}/share/applications"
                            OUTPUT_QUIET ERROR_QUIET)
        endif()
    endif()
]])

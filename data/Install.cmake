# `cmake --install` lays out a complete installation under the prefix:
#   lib/goalrun/            the programs with the files they read beside them
#   bin/goalrun             a link to the program
#   share/applications/     the desktop entry, which opens save files
#   share/icons/hicolor/    the icon
#   share/mime/packages/    the save file type: *.sav, or files that start with "Vomera"
#   share/metainfo/         the software-centre description
#   share/man/man6/         the manual pages goalrun(6) and goalrun-cli(6), in English
#   share/man/ja/man6/      the same manual pages in Japanese
#   share/doc/goalrun/      the copyright notice and the change log
#   share/lintian/overrides/ the package checker's notes that are answered, with the reasons
# The desktop entry and the description are named by the id example.vomera.goalrun, the maker's
# address reversed.
set(goalrun_install_dir lib/goalrun)
set(goalrun_id example.vomera.goalrun)

install(TARGETS goalrun goalrun-cli RUNTIME DESTINATION ${goalrun_install_dir})
install(FILES TeamNameList.txt ${goalrun_help_pages} icons/goalrun.svg
              goalrun.installed
        DESTINATION ${goalrun_install_dir})
install(FILES icons/goalrun-256.png DESTINATION ${goalrun_install_dir} RENAME goalrun.png)

foreach(size 16 24 32 48 64 128 256)
    install(FILES icons/goalrun-${size}.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME goalrun.png)
endforeach()
install(FILES icons/goalrun.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES desktop/goalrun-mime.xml DESTINATION share/mime/packages RENAME goalrun.xml)
install(FILES desktop/${goalrun_id}.metainfo.xml DESTINATION share/metainfo)
install(FILES doc/copyright DESTINATION share/doc/goalrun)

# Manual pages and the change log are installed compressed, as Debian's policy asks; -n leaves
# out the time stamp so that the same sources give the same bytes. The manual pages are in
# English in man/ and in Japanese in man/ja/, where man finds them for a Japanese reader.
set(goalrun_compressed)
foreach(file man/goalrun.6 man/goalrun-cli.6 man/ja/goalrun.6 man/ja/goalrun-cli.6 doc/changelog)
    set(output ${CMAKE_CURRENT_BINARY_DIR}/${file}.gz)
    get_filename_component(folder ${output} DIRECTORY)
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND gzip -9nc ${CMAKE_CURRENT_SOURCE_DIR}/${file} > ${output}
        DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${file}
        COMMENT "Compressing ${file}")
    list(APPEND goalrun_compressed ${output})
endforeach()
add_custom_target(goalrun_compressed ALL DEPENDS ${goalrun_compressed})
set(compressed ${CMAKE_CURRENT_BINARY_DIR})
install(FILES ${compressed}/man/goalrun.6.gz ${compressed}/man/goalrun-cli.6.gz
        DESTINATION share/man/man6)
install(FILES ${compressed}/man/ja/goalrun.6.gz ${compressed}/man/ja/goalrun-cli.6.gz
        DESTINATION share/man/ja/man6)
install(FILES ${compressed}/doc/changelog.gz DESTINATION share/doc/goalrun)

install(FILES lintian-overrides DESTINATION share/lintian/overrides RENAME goalrun)

# The links and the desktop entry name the prefix chosen at install time, which may differ from
# the one known at configure time (`cmake --install build --prefix DIR`); a stripping installation
# (the package's) strips as Debian does.
install(CODE "set(GOALRUN_STRIP \"${CMAKE_STRIP}\")")
install(CODE "set(GOALRUN_DESKTOP \"${goalrun_id}.desktop\")
              set(GOALRUN_DESKTOP_IN \"${CMAKE_CURRENT_SOURCE_DIR}/desktop/\${GOALRUN_DESKTOP}.in\")")
install(CODE [[
    set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
    # Stripped (the package) as Debian strips: the compiler's version notes go too.
    if(CMAKE_INSTALL_DO_STRIP)
        foreach(program goalrun goalrun-cli)
            execute_process(COMMAND "${GOALRUN_STRIP}" --remove-section=.comment
                                    --remove-section=.note "${root}/lib/goalrun/${program}"
                            COMMAND_ERROR_IS_FATAL ANY)
        endforeach()
    endif()
    # In /usr (the Debian package) the system's rules want a game's programs in /usr/games; the
    # links in bin/ stay, as that is where root's and scripts' search paths look.
    set(link_folders bin)
    if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
        list(APPEND link_folders games)
    endif()
    foreach(folder ${link_folders})
        file(MAKE_DIRECTORY "${root}/${folder}")
        foreach(program goalrun goalrun-cli)
            file(CREATE_LINK ../lib/goalrun/${program} "${root}/${folder}/${program}" SYMBOLIC)
        endforeach()
    endforeach()
    file(MAKE_DIRECTORY "${root}/share/applications")
    set(GOALRUN_BIN "${CMAKE_INSTALL_PREFIX}/bin/goalrun")
    configure_file("${GOALRUN_DESKTOP_IN}" "${root}/share/applications/${GOALRUN_DESKTOP}" @ONLY)
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

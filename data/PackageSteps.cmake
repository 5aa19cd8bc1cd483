# Run by cpack, not by the build: first as the project's CPack configuration file, before the
# package is made, then again as the post-build script, after it (CPACK_PACKAGE_FILES is set).
if(NOT DEFINED CPACK_PACKAGE_FILES)
    # Reproducible packages: every time stamp in the package is the time of the commit built,
    # unless the caller already set SOURCE_DATE_EPOCH (as Debian's tools do).
    include(${CMAKE_CURRENT_LIST_DIR}/CommitTime.cmake)
    goalrun_commit_time(epoch "${CPACK_GOALRUN_SOURCE_DIR}")
    if(epoch)
        set(ENV{SOURCE_DATE_EPOCH} ${epoch})
    endif()
    return()
endif()

# CPack counts a link as the file it points to, which made Installed-Size count the programs
# once for lib/goalrun/ and again for each link in bin/ and games/. The size is counted again
# here as dpkg-gencontrol counts it (each file rounded up to KiB, each link and folder 1 KiB),
# and dpkg-deb puts the package together again with the same files and times.
foreach(deb ${CPACK_PACKAGE_FILES})
    set(tree "${CPACK_TOPLEVEL_DIRECTORY}/installed-size")
    file(REMOVE_RECURSE "${tree}")
    execute_process(COMMAND dpkg-deb --raw-extract "${deb}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
    file(GLOB_RECURSE entries LIST_DIRECTORIES true "${tree}/*")
    set(size 0)
    foreach(entry ${entries})
        if(entry MATCHES "^${tree}/DEBIAN(/|$)")
            continue()
        elseif(IS_SYMLINK "${entry}" OR IS_DIRECTORY "${entry}")
            math(EXPR size "${size} + 1")
        else()
            file(SIZE "${entry}" bytes)
            math(EXPR size "${size} + (${bytes} + 1023) / 1024")
        endif()
    endforeach()
    file(READ "${tree}/DEBIAN/control" control)
    string(REGEX REPLACE "\nInstalled-Size: [0-9]+\n" "\nInstalled-Size: ${size}\n" control
           "${control}")
    file(WRITE "${tree}/DEBIAN/control" "${control}")
    execute_process(COMMAND dpkg-deb --root-owner-group -Z${CPACK_DEBIAN_COMPRESSION_TYPE}
                            --build "${tree}" "${deb}"
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE "${tree}")
    message(STATUS "Installed-Size of ${deb}: ${size} KiB")
endforeach()

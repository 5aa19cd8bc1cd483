# The flags of the release builds, the ones the package is made from: Debian 12's hardening flags
# (dpkg-buildflags with hardening=+all: fortified libc calls, stack protector, format checks,
# read-only relocations bound at start-up) and paths free of the folder the sources were checked
# out to, so that two checkouts of one commit give the same programs byte for byte. Debug builds
# (the sanitizer build) and the fuzz build keep their own flags; _FORTIFY_SOURCE needs the
# optimiser and would clash with their instrumentation.
if(GOALRUN_FUZZ)
    return()
endif()
set(goalrun_release $<CONFIG:Release,RelWithDebInfo,MinSizeRel>)
set(goalrun_release_flags -Wdate-time -U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2
    -fstack-protector-strong -Wformat -Werror=format-security
    -ffile-prefix-map=${CMAKE_SOURCE_DIR}=.)
cmake_path(IS_PREFIX CMAKE_SOURCE_DIR "${CMAKE_BINARY_DIR}" goalrun_build_inside)
if(NOT goalrun_build_inside)
    list(APPEND goalrun_release_flags -ffile-prefix-map=${CMAKE_BINARY_DIR}=build)
endif()
add_compile_options("$<${goalrun_release}:${goalrun_release_flags}>")
add_link_options("$<${goalrun_release}:LINKER:-z,relro,-z,now>")
# The compiled-in resources without the files' time stamps (format 1 has none).
set(CMAKE_AUTORCC_OPTIONS --format-version 1)

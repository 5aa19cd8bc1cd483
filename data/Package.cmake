# The Debian package, built by `cpack -G DEB` in the build folder (or the `package` target):
# goalrun_<version>_<arch>.deb with the installation of data/Install.cmake under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME goalrun)
set(CPACK_PACKAGE_VENDOR Vomera)
set(CPACK_PACKAGE_CONTACT "Vomera <support@vomera.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "soccer league management game")
# The long description, wrapped for 80-column terminals.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "ゴールラン (Goalrun) is a single-player soccer league management game, in\n"
    "Japanese or English. You manage the weakest of sixteen clubs through a double\n"
    "round robin of thirty matchdays: before each matchday you move money from\n"
    "the coach's funds into strengthening the club and see the predicted chance\n"
    "of winning. Wins earn a bonus and experience, experience raises the coach's\n"
    "level, and the level multiplies every investment. Games are kept in ten\n"
    "save slots.\n"
    "\n"
    "The package holds the window program goalrun and goalrun-cli, which plays\n"
    "the same game from a terminal or a script.")
# The installation takes the final prefix, so the desktop entry names /usr/bin/goalrun.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Japanese glyphs in their Japanese forms, and the window framework's own texts in Japanese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Time stamps from the commit and Installed-Size counted as dpkg does: data/PackageSteps.cmake.
set(CPACK_GOALRUN_SOURCE_DIR ${CMAKE_SOURCE_DIR})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PackageSteps.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/PackageSteps.cmake)
include(CPack)

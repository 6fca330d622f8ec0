# Installation into an FHS prefix and the Debian package (included by the top-level list).
#   bin/mindlark, bin/mindlark-pack
#   share/mindlark/                the demo data generated at build time (the program finds it
#                                  as ../share/mindlark beside itself and never writes there)
#   share/applications, share/metainfo, share/icons   the menu entry and its description
include(GNUInstallDirs)

install(TARGETS mindlark mindlark-pack RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The generator writes the data beside the programs; the programs themselves stay out.
install(DIRECTORY ${CMAKE_BINARY_DIR}/bin/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mindlark
        REGEX "/mindlark(-pack|-demo-data)?$" EXCLUDE)

set(MINDLARK_APP_ID org.mindlark.Mindlark)
set(packaging ${CMAKE_CURRENT_LIST_DIR})
install(FILES ${packaging}/${MINDLARK_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/${MINDLARK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging}/${MINDLARK_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mindlark)
set(CPACK_PACKAGE_VENDOR "Mindlark")
set(CPACK_PACKAGE_CONTACT "Mindlark developers <mindlark@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "picture exercises for children aged 3 to 7")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Mindlark is a full-screen suite of picture exercises for young children:\n"
    "counting, comparing, sums, matching pictures and words, puzzles, colouring,\n"
    "mazes, memory games and writing characters, with a complete demo course in\n"
    "Chinese. mindlark-pack lets teachers add their own lessons.")
string(REPLACE ";" "" CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # mindlark_<version>_<arch>.deb
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The shared libraries come from dpkg-shlibdeps; what the program loads at run time by
# name (Qt's platform and image plugins, the SQLite driver of the record of play, GStreamer for sound, the voice data, the fonts the
# windows are drawn in, the handwriting model) is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, libqt6sql6-sqlite, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, espeak-ng-data, fonts-noto-cjk, fonts-noto-color-emoji, tegaki-zinnia-simplified-chinese, xdg-utils")
include(CPack)

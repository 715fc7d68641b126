# What "cmake --install" puts where, and the Debian package ("make deb") made of it.
include(GNUInstallDirs)

set(KV_APP_ID io.vantorix.Kelvorandine)
set(KV_DATA ${CMAKE_INSTALL_DATADIR}/kelvorandine)

install(TARGETS kelvorandine kvtool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/samples/ DESTINATION ${KV_DATA}/samples FILES_MATCHING PATTERN "*.kvd"
        PATTERN "source" EXCLUDE)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/Language/ DESTINATION ${KV_DATA}/Language FILES_MATCHING PATTERN "*.lng")
if(EXISTS ${CMAKE_SOURCE_DIR}/help)
    install(DIRECTORY ${CMAKE_SOURCE_DIR}/help/ DESTINATION ${KV_DATA}/help)
endif()
install(FILES ${CMAKE_SOURCE_DIR}/data/${KV_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/${KV_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/data/${KV_APP_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${CMAKE_SOURCE_DIR}/data/icons/kelvorandine.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${KV_APP_ID}.svg)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${CMAKE_SOURCE_DIR}/data/icons/kelvorandine-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${KV_APP_ID}.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvorandine)
set(CPACK_PACKAGE_VENDOR Vantorix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION}.0)
set(CPACK_PACKAGE_CONTACT "Vantorix <support@vantorix.io>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "League tables of sports tournaments")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "League tables of sports tournaments\n Thirteen sports, groups or conferences with divisions, one to eight legs,\n points rules and tie-breaks; standings, results grids, fixture lists and\n statistics with charts, printed or exported as HTML, CSV, spreadsheets and\n pictures. Includes kvtool, the command line.")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window system's plugins are loaded at run time, so no library names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, shared-mime-info")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)

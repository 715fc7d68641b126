# What "cmake --install" puts where, and the Debian package ("make deb") made of it.
include(GNUInstallDirs)

set(KV_APP_ID io.vantorix.Kelvorandine)
set(KV_DATA ${CMAKE_INSTALL_DATADIR}/kelvorandine)

install(TARGETS kelvorandine kvtool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped install (the package's) also drops the compiler's notes, as Debian's tools do.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        foreach(program kelvorandine kvtool)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                                    --strip-unneeded \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${program}\")
        endforeach()
    endif()")
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

# The manual pages, the Debian changelog: compressed as Debian wants them (gzip -9, no name or
# time stamp inside, so that a build gives the same bytes every time).
set(KV_GZIPPED)
foreach(pair "man/kelvorandine.1;kelvorandine.1" "man/kvtool.1;kvtool.1" "debian/changelog;changelog")
    list(GET pair 0 source)
    list(GET pair 1 name)
    set(out ${CMAKE_BINARY_DIR}/packaging/${name}.gz)
    add_custom_command(OUTPUT ${out}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
        COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/data/${source} > ${out}
        DEPENDS ${CMAKE_SOURCE_DIR}/data/${source} VERBATIM)
    list(APPEND KV_GZIPPED ${out})
endforeach()
add_custom_target(kv_packaging ALL DEPENDS ${KV_GZIPPED})
install(FILES ${CMAKE_BINARY_DIR}/packaging/kelvorandine.1.gz ${CMAKE_BINARY_DIR}/packaging/kvtool.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/data/debian/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kelvorandine)
install(FILES ${CMAKE_SOURCE_DIR}/data/completion/kvtool
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvorandine)
set(CPACK_PACKAGE_VENDOR Vantorix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION}.0)
set(CPACK_PACKAGE_CONTACT "Vantorix <support@vantorix.io>")
# The synopsis is the first line of the Description; the text below it must not repeat it.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "league tables of sports tournaments")
set(CPACK_PACKAGE_DESCRIPTION
    "Kelvorandine keeps the standings of sports tournaments: thirteen sports,
groups or conferences with divisions, one to eight legs, points rules and
tie-breaks. Teams, fixtures and results are entered in its windows; it shows
standings, results grids, fixture lists and statistics with charts, prints
them, and exports them as HTML, CSV, spreadsheets and pictures.
.
The package also holds kvtool, which creates, imports, ranks, exports and
publishes tournaments on the command line.")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The libraries the programs link come from shlibdeps (the X11 platform plugin is part of
# libqt6gui6). The toolkit's own texts in the chosen language (Yes, No, ...) are recommended.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# Files and folders as Debian installs them, whatever the build's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)

# What `cmake --install` puts where (GNUInstallDirs), and the Debian package
# that CPack builds from it (`cpack -G DEB`):
#
#   bin/zenita
#   share/zenita/                       the city database that ships; read-only
#                                       once installed, so a first start copies
#                                       it to the user's data folder
#   share/applications/ID.desktop       the menu entry, for .epw and .csv files
#   share/metainfo/ID.metainfo.xml      AppStream, for software centres
#   share/mime/packages/ID.xml          the file type of .epw files
#   share/icons/hicolor/*/apps/ID.*     the icon, drawn by tools/make_assets.cpp
#   share/man/man1/zenita.1.gz          the command line
#   share/doc/zenita/                   copyright and changelog, as Debian wants
#
# ID is ZENITA_APP_ID. The texts of desktop/ name the version, the release
# date and the ID through @VARIABLES@ filled in here.

set(ZENITA_RELEASE_DATE 2026-12-07)
set(ZENITA_RELEASE_DATE_RFC2822 "Mon, 07 Dec 2026 00:00:00 +0000")
set(ZENITA_MAINTAINER "Equipe ZENITA <equipe@zenita.org>")

set(generated ${CMAKE_BINARY_DIR}/desktop)
configure_file(desktop/zenita.desktop ${generated}/${ZENITA_APP_ID}.desktop @ONLY)
configure_file(desktop/zenita.metainfo.xml ${generated}/${ZENITA_APP_ID}.metainfo.xml @ONLY)
configure_file(desktop/zenita.1 ${generated}/zenita.1 @ONLY)
configure_file(desktop/changelog ${generated}/changelog @ONLY)
# Debian wants these two compressed, without a time stamp in the header.
foreach(text zenita.1 changelog)
    execute_process(COMMAND gzip -9nc ${generated}/${text} OUTPUT_FILE ${generated}/${text}.gz
                    RESULT_VARIABLE gzip_status)
    if(NOT gzip_status EQUAL 0)
        message(FATAL_ERROR "gzip failed on ${generated}/${text}")
    endif()
endforeach()

install(TARGETS zenita RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES data/Latitudes.csv data/README.md DESTINATION ${ZENITA_INSTALL_DATABASE_DIR})
install(DIRECTORY data/cidades data/licenses DESTINATION ${ZENITA_INSTALL_DATABASE_DIR})

install(FILES ${generated}/${ZENITA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${generated}/${ZENITA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES desktop/zenita-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${ZENITA_APP_ID}.xml)
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES assets/icons/${size}x${size}/zenita.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${ZENITA_APP_ID}.png)
endforeach()
install(FILES assets/icons/scalable/zenita.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${ZENITA_APP_ID}.svg)
install(FILES ${generated}/zenita.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES desktop/copyright ${generated}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/zenita)
# The index is Windows-1252 by design: the files of the database are bytes.
install(FILES desktop/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides
        RENAME zenita)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zenita)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "ZENITA")
set(CPACK_PACKAGE_CONTACT ${ZENITA_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sun-path charts and shading masks for window design")
# The extended description, in lines Debian's tools show as they are.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "ZENITA draws the sun-path chart of any latitude from -65 to 65 degrees"
    "with a shading protractor turned to any facade orientation and the"
    "shading masks of overhangs and fins. For a city with hourly climate"
    "records it shows the temperature or the solar radiation along the sun"
    "paths and draws its seasonal wind roses. Cities are added by importing"
    "an hourly climate file such as an EnergyPlus weather file (EPW)."
    "The interface is in Portuguese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries from the binary; the face every picture is drawn with; Qt's
# Portuguese button captions.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

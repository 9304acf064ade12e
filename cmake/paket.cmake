# Installation in the standard places, the zor man page, checks of the desktop files,
# and the Debian package (cpack -G DEB in the build tree).
include(GNUInstallDirs)

set(ZOR_APP_ID de.zorwerk.Zorwerk)
set(ZOR_PAKET zorwerk)

install(TARGETS zor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET zorwerk)
  install(TARGETS zorwerk RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/resources/${ZOR_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/${ZOR_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/zorwerk.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${ZOR_APP_ID}.svg)
endif()
# Debian wants the licence as the package's copyright file.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${ZOR_PAKET}
  RENAME copyright)

# The man page is made from zor's own help, so it never tells a different story.
find_program(ZOR_HELP2MAN help2man)
if(ZOR_HELP2MAN)
  set(ZOR_MAN ${PROJECT_BINARY_DIR}/zor.1)
  add_custom_command(OUTPUT ${ZOR_MAN}.gz
    COMMAND ${CMAKE_COMMAND} -E env PATH=$<TARGET_FILE_DIR:zor>:$ENV{PATH}
      ${ZOR_HELP2MAN} --no-info --locale=C.UTF-8 --section=1 --manual=Benutzerbefehle --source=Zorwerk
      --include=${PROJECT_SOURCE_DIR}/resources/zor.h2m --output=${ZOR_MAN} zor
    COMMAND gzip -9nf ${ZOR_MAN}
    DEPENDS zor ${PROJECT_SOURCE_DIR}/resources/zor.h2m VERBATIM)
  add_custom_target(zor_man ALL DEPENDS ${ZOR_MAN}.gz)
  install(FILES ${ZOR_MAN}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(STATUS "help2man fehlt: keine Handbuchseite für zor")
endif()

find_program(ZOR_DESKTOP_VALIDATE desktop-file-validate)
if(ZOR_DESKTOP_VALIDATE)
  add_test(NAME paket.desktop COMMAND ${ZOR_DESKTOP_VALIDATE}
    ${PROJECT_SOURCE_DIR}/resources/${ZOR_APP_ID}.desktop)
  # The tool prints hints and still succeeds; only errors should fail.
  set_tests_properties(paket.desktop PROPERTIES LABELS paket FAIL_REGULAR_EXPRESSION "error:")
endif()
find_program(ZOR_APPSTREAMCLI appstreamcli)
if(ZOR_APPSTREAMCLI)
  add_test(NAME paket.metainfo COMMAND ${ZOR_APPSTREAMCLI} validate --no-net
    ${PROJECT_SOURCE_DIR}/resources/${ZOR_APP_ID}.metainfo.xml)
  set_tests_properties(paket.metainfo PROPERTIES LABELS paket)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${ZOR_PAKET})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Zorwerk")
set(CPACK_PACKAGE_CONTACT "Zorwerk-Entwickler <zorwerk@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Lehr-Werkbank für Fehlermodelle digitaler Kanäle")
set(CPACK_PACKAGE_DESCRIPTION "Vergleicht BSC-, Gilbert-Elliott- und McCullough-Kanäle an Fehlerfolge,\nFehlerabstandsverteilung und Fehlerkorrelationsfunktion und verfälscht Kopien\nbeliebiger Dateien durch solche Kanäle. Mit Skriptum und Versuchsanleitung;\ndas Werkzeug zor rechnet dieselben Kurven auf der Kommandozeile.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded as plugins, so shlibdeps cannot see them: the window system, SVG icons, sound and video.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-good, gstreamer1.0-plugins-base")
include(CPack)

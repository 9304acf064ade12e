# Installation in the standard places, man pages, bash completion, the teaching set,
# checks of the desktop files, and the Debian package (cpack -G DEB in the build tree).
include(GNUInstallDirs)

set(ZOR_APP_ID de.zorwerk.Zorwerk)
set(ZOR_PAKET zorwerk)
# Who answers for the package and where its pictures are published; a distributor sets
# their own. Lintian accepts these forms (a real domain part, a name before the address).
set(ZOR_PAKET_BETREUER "Zorwerk-Team <zorwerk@example.org>" CACHE STRING "Maintainer of the Debian package")
set(ZOR_HOMEPAGE "https://zorwerk.example.org" CACHE STRING "Home page named in the AppStream file")
set(ZOR_BILDER_URL "${ZOR_HOMEPAGE}/bilder" CACHE STRING
  "Where the help's pictures (resources/help/images) are published, for the AppStream screenshots")
set(ZOR_PAKET_RELEASE 1)
set(ZOR_PAKET_FASSUNG ${PROJECT_VERSION}-${ZOR_PAKET_RELEASE})
set(ZOR_PAKETDATEIEN ${PROJECT_SOURCE_DIR}/resources/paket)
set(ZOR_DOC ${CMAKE_INSTALL_DATADIR}/doc/${ZOR_PAKET})

install(TARGETS zor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ZOR_PAKETDATEIEN}/zor.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
  RENAME zor)
# Debian wants the licence as the package's copyright file, and a Debian changelog.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${ZOR_DOC} RENAME copyright)
configure_file(${ZOR_PAKETDATEIEN}/changelog.in ${PROJECT_BINARY_DIR}/paket/changelog.Debian @ONLY)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/paket/changelog.Debian.gz
  COMMAND gzip -9nkf ${PROJECT_BINARY_DIR}/paket/changelog.Debian
  DEPENDS ${PROJECT_BINARY_DIR}/paket/changelog.Debian VERBATIM)
add_custom_target(zor_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/paket/changelog.Debian.gz)
install(FILES ${PROJECT_BINARY_DIR}/paket/changelog.Debian.gz DESTINATION ${ZOR_DOC})

# The teaching set, written by zor itself at build time.
set(ZOR_BEISPIELE ${PROJECT_BINARY_DIR}/paket/beispiele)
set(ZOR_BEISPIELDATEIEN bild24.bmp bild8.bmp ton.wav melodie.mid film.avi LIESMICH.txt)
list(TRANSFORM ZOR_BEISPIELDATEIEN PREPEND ${ZOR_BEISPIELE}/ OUTPUT_VARIABLE ZOR_BEISPIELPFADE)
add_custom_command(OUTPUT ${ZOR_BEISPIELPFADE}
  COMMAND zor beispiele --force ${ZOR_BEISPIELE}
  DEPENDS zor VERBATIM)
add_custom_target(paket_beispiele ALL DEPENDS ${ZOR_BEISPIELPFADE})
install(FILES ${ZOR_BEISPIELPFADE} DESTINATION ${CMAKE_INSTALL_DATADIR}/${ZOR_PAKET}/beispiele)

# Man pages are made from the programs' own help, so they never tell a different story.
find_program(ZOR_HELP2MAN help2man)
# Each program runs by its bare name from the PATH, so its usage lines show that name.
function(zor_handbuch programm)
  set(seite ${PROJECT_BINARY_DIR}/paket/${programm}.1)
  add_custom_command(OUTPUT ${seite}.gz
    COMMAND ${CMAKE_COMMAND} -E env PATH=$<TARGET_FILE_DIR:${programm}>:$ENV{PATH} QT_QPA_PLATFORM=offscreen
      ${ZOR_HELP2MAN} --no-info --locale=C.UTF-8 --section=1 --manual=Benutzerbefehle --source=Zorwerk
      --version-string=${PROJECT_VERSION} --include=${ZOR_PAKETDATEIEN}/${programm}.h2m --output=${seite}
      ${programm}
    COMMAND sed -i -f ${ZOR_PAKETDATEIEN}/deutsch.sed ${seite}
    COMMAND gzip -9nf ${seite}
    DEPENDS ${programm} ${ZOR_PAKETDATEIEN}/${programm}.h2m ${ZOR_PAKETDATEIEN}/deutsch.sed VERBATIM)
  add_custom_target(${programm}_man ALL DEPENDS ${seite}.gz)
  install(FILES ${seite}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
if(ZOR_HELP2MAN)
  zor_handbuch(zor)
else()
  message(STATUS "help2man fehlt: keine Handbuchseiten")
endif()

if(TARGET zorwerk)
  install(TARGETS zorwerk zorwerk-render RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/resources/${ZOR_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  configure_file(${PROJECT_SOURCE_DIR}/resources/${ZOR_APP_ID}.metainfo.xml.in
    ${PROJECT_BINARY_DIR}/paket/${ZOR_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/paket/${ZOR_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/zorwerk.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${ZOR_APP_ID}.svg)
  # The file types the program opens, so a file manager offers it for them (the package's
  # triggers run update-mime-database and the icon cache).
  install(FILES ${ZOR_PAKETDATEIEN}/${ZOR_APP_ID}-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
    RENAME ${ZOR_APP_ID}.xml)
  file(GLOB ZOR_MIME_ICONS ${ZOR_PAKETDATEIEN}/mimetypes/*.svg)
  install(FILES ${ZOR_MIME_ICONS} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes)
  if(ZOR_HELP2MAN)
    zor_handbuch(zorwerk)
    zor_handbuch(zorwerk-render)
  endif()
endif()

find_program(ZOR_DESKTOP_VALIDATE desktop-file-validate)
if(ZOR_DESKTOP_VALIDATE)
  add_test(NAME paket.desktop COMMAND ${ZOR_DESKTOP_VALIDATE}
    ${PROJECT_SOURCE_DIR}/resources/${ZOR_APP_ID}.desktop)
  # The tool prints hints and still succeeds; only errors should fail.
  set_tests_properties(paket.desktop PROPERTIES LABELS paket FAIL_REGULAR_EXPRESSION "error:")
endif()
find_program(ZOR_XMLLINT xmllint)
if(ZOR_XMLLINT)
  add_test(NAME paket.mime COMMAND ${ZOR_XMLLINT} --noout ${ZOR_PAKETDATEIEN}/${ZOR_APP_ID}-mime.xml)
  set_tests_properties(paket.mime PROPERTIES LABELS paket)
endif()
find_program(ZOR_APPSTREAMCLI appstreamcli)
if(ZOR_APPSTREAMCLI AND TARGET zorwerk)
  add_test(NAME paket.metainfo COMMAND ${ZOR_APPSTREAMCLI} validate --no-net
    ${PROJECT_BINARY_DIR}/paket/${ZOR_APP_ID}.metainfo.xml)
  set_tests_properties(paket.metainfo PROPERTIES LABELS paket)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${ZOR_PAKET})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${ZOR_PAKET_RELEASE})
set(CPACK_PACKAGE_VENDOR "Zorwerk")
set(CPACK_PACKAGE_CONTACT ${ZOR_PAKET_BETREUER})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ZOR_PAKET_BETREUER})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ZOR_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Lehr-Werkbank für Fehlermodelle digitaler Kanäle")
set(CPACK_PACKAGE_DESCRIPTION "Vergleicht BSC-, Gilbert-Elliott- und McCullough-Kanäle an Fehlerfolge,\nFehlerabstandsverteilung und Fehlerkorrelationsfunktion und verfälscht Kopien\nbeliebiger Dateien durch solche Kanäle. Mit Skriptum, Versuchsanleitung und\nBeispieldateien; das Werkzeug zor rechnet dieselben Kurven auf der\nKommandozeile.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded as plugins, so shlibdeps cannot see them: the window system and the German texts
# of Qt's dialogs. The Qt libraries themselves (SVG included) come from shlibdeps.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
# Sound and video play through GStreamer; the libav plugin decodes most video formats.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-good, gstreamer1.0-plugins-base, gstreamer1.0-libav")
include(CPack)

# `make package`: a Debian package that apt installs together with everything the program needs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME taktzeit)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${TAKTZEIT_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Uhrzeit und Datum in die taktische Zeit umrechnen und zurück")
set(CPACK_PACKAGE_DESCRIPTION "\
Ein kleines Fenster, das eine Uhrzeit mit Datum in die taktische Zeit
umrechnet, wie sie im Funkverkehr und in Meldungen geschrieben wird: Tag,
Stunde, Minute, Monat und Jahr ohne Trennzeichen, zum Beispiel 141638okt09
für den 14. Oktober 2009, 16:38 Uhr. Eine getippte oder eingefügte
taktische Zeit rechnet es zurück in Uhrzeit und Datum.

Deutsche oder englische Monatsnamen, das Ergebnis mit einem Klick in der
Zwischenablage, die aktuelle Uhrzeit, das Datum und die taktische Zeit
stets in der Statusleiste. Fehlerhafte Eingaben werden gemeldet, nie
stillschweigend umgerechnet.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://${TAKTZEIT_WEB_ADDRESS}")
# The libraries come from the binary; the platform plugin, the font the fixed layout was drawn for and the
# time-zone database that shows date-time groups in local time do not.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-qpa-plugins, tzdata")
# A Wayland session without XWayland needs Qt's Wayland plugin.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)

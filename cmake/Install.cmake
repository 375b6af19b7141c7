# Install rules and the Debian package. The program finds its data relative to its own location
# (<prefix>/bin/../share/html-editor), so any prefix works and the build folder keeps working too.
include(GNUInstallDirs)

set(HTML_EDITOR_DATA_DIR "${CMAKE_INSTALL_DATADIR}/html-editor")
# The browser module; the program looks for it beside itself, then along this path from bin.
set(HTML_EDITOR_MODULE_DIR "${CMAKE_INSTALL_LIBDIR}/html-editor")
file(RELATIVE_PATH HTML_EDITOR_MODULE_DIR_FROM_BIN "/${CMAKE_INSTALL_BINDIR}" "/${HTML_EDITOR_MODULE_DIR}")
set(HTML_EDITOR_RELEASE_DATE "2026-12-09")
set(desktopSource "${CMAKE_SOURCE_DIR}/resources/desktop")
set(desktopBuild "${CMAKE_BINARY_DIR}/resources/desktop")

configure_file("${desktopSource}/html-editor.1.in" "${desktopBuild}/html-editor.1" @ONLY)
configure_file("${desktopSource}/de.kalmora.htmleditor.metainfo.xml.in"
               "${desktopBuild}/de.kalmora.htmleditor.metainfo.xml" @ONLY)

install(FILES "${desktopSource}/de.kalmora.htmleditor.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${desktopSource}/de.kalmora.htmleditor.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
install(FILES "${desktopBuild}/de.kalmora.htmleditor.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES "${desktopBuild}/html-editor.1" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
install(DIRECTORY "${CMAKE_SOURCE_DIR}/resources/examples/"
        DESTINATION "${HTML_EDITOR_DATA_DIR}/examples")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME html-editor)
set(CPACK_PACKAGE_VENDOR KALMORA)
set(CPACK_PACKAGE_CONTACT "KALMORA <html-editor@kalmora.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Quelltext-Editor für HTML-, XHTML-, PHP- und CSS-Dateien")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Schneller Editor für Webseiten, die von Hand geschrieben werden: farbiger Quelltext,\n"
       "Browser-Vorschau, Hunderte Einfügebefehle für Tags, Tabellen, Formulare, CSS,\n"
       "JavaScript und PHP, Rückgängig über 400 Schritte, Suchen und Drucken.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The X11/Wayland platform plugins are only recommended by Qt, but the program needs them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# German texts in Qt's own dialogs and a font with every glyph the editor shows.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-dejavu-core, xdg-utils")
include(CPack)

# The Debian package (scripts/package): the four programs, the default files
# and the sample PBX database, the user guide, the desktop entry, icon,
# AppStream metadata, file types, manual pages and the README. Its
# dependencies are computed from the programs' shared libraries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kiv)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "KIV maintainers <kiv@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "configuration editor and programmer for a voicemail and auto-attendant unit")
# The summary above is the synopsis line; this is the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "kiv edits the whole configuration of the unit (mailboxes, notification, PBX
integration, in-band protocol, auto-attendant pages and their call-flow
diagram, schedule), stores it in files, prints it and moves it to and from
the unit over a serial line. kivtool is its command-line companion, unitsim
a simulated unit on a pseudo-terminal and tarvel the line monitor.")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so no shared-library link names them: Qt's platform
# plugins (the windows), Qt's own Italian texts (the file and print dialogs)
# and the drawing's and the report's fonts. Graphviz's layout and render
# plugins come with libgvc6, which the shared libraries already name.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-dejavu-core")
set(CPACK_STRIP_FILES ON)
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
include(CPack)

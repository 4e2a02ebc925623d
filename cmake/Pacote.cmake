# The Debian package, built from a Release build with `cpack -G DEB`
# (tools/scripts/pacote.sh does the whole job). Dependencies on shared
# libraries are computed by dpkg-shlibdeps from the executable and the
# modules (Qt Multimedia and the PulseAudio library under it for the
# sounds, Qt Network, the Wayland client library); the list below adds what
# the program loads at run time without linking it: Qt's X11 platform
# plugin, the SQLite driver of the lesson history and the font it draws
# with. Sounds go to PulseAudio directly: no GStreamer element is used.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME teclomatic)
set(CPACK_PACKAGE_VENDOR "The Teclomatic developers")
set(CPACK_PACKAGE_CONTACT ${TECLOMATIC_CONTATO})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The Debian revision of this packaging of the release.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "touch-typing course for Brazilian Portuguese")
set(CPACK_PACKAGE_INSTALL_DIRECTORY teclomatic)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TECLOMATIC_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite, fonts-liberation")
# qt6-wayland: the program runs natively on a Wayland desktop (without it,
# through XWayland). xdg-utils: the help's button that opens the manual in
# the desktop's browser goes through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, xdg-utils")
# The summary above is the synopsis line; this is the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Teclomatic teaches touch typing to people who write in Brazilian
Portuguese. Each learner has an account protected by a password and follows
a course of an introduction to the finger positions and 52 lessons, from
the first drills on the home row to running text.

While the learner types, an on-screen keyboard shows the next key in yellow
and lights the finger that presses it; a wrong key turns red and plays a
sound. Hits, errors, points and keystrokes per minute are shown live, each
finished lesson is graded, and progress is saved after every exercise.
ABNT2, BR and Portuguese keyboards are supported.")

include(CPack)

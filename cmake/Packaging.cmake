# One Debian package with the game, Reelkit (library, headers, CMake package) and, when
# it was built, Reelkit's Qt Designer plugin. tools/package.sh builds it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tidewatch)
set(CPACK_PACKAGE_VENDOR Orvane)
set(CPACK_PACKAGE_CONTACT "Orvane <tidewatch@orvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sea-battle game for one player or two over the network")
# CPack indents these lines and marks the empty one as a paragraph break.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tidewatch hides two fleets of five ships on boards of ten by ten cells; the
sides fire in turn until one fleet is sunk. Play the computer at four levels, or
another player over TCP port 1987 with chat.

The package also carries Reelkit, the animated-GIF widget library the game uses,
with its headers, its CMake package and its Qt Designer plugin.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.orvane.example/")
# Library dependencies come from dpkg-shlibdeps; the window needs Qt's X11/Wayland
# plugins, which no library names, and the sound cues play through GStreamer.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Avahi lists and announces network games; without it a host is typed.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, avahi-daemon")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-base-dev")
include(CPack)

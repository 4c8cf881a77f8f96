# The Debian package of the installed tree (cpack -G DEB, run by scripts/package).
# dpkg-shlibdeps derives the libraries tagsmith links to; what Qt loads at run
# time is named by hand: the SVG plugins for the icons (libqt6svg6). xdg-utils
# opens the manual and previews in the desktop's browser.
set(CPACK_PACKAGE_NAME quillon-pro)
set(CPACK_PACKAGE_VENDOR Corvantis)
set(CPACK_PACKAGE_CONTACT "Quillon Pro maintainers <maintainers@quillon.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "HTML source editor with tag commands and a browser preview")
set(CPACK_PACKAGE_DESCRIPTION
  "Quillon Pro (tagsmith) edits one HTML or text document as source. Formatting commands
wrap the selection in tags in your tag case, dialogs compose links, images, font tags
and rules, text tools convert entities and tag case, tags show in a colour of your
choice, and F9 shows the page in a browser.")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "chromium")
include(CPack)

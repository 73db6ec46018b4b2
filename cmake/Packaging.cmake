# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, made by CPack from the Debian layout's install (see Install.cmake).
if(NOT ZIBALDO_DEBIAN_LAYOUT)
  return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zibaldo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "${ZIBALDO_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Added to the libraries the binary links: the layouts' line breaks are measured in Liberation
# Sans.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2 | fonts-liberation, fonts-sil-andika")
# Qt's Italian texts for the file dialog, the data of the voice, and the decoders that read a
# recording made elsewhere (OGG and the like) in the list editor.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-translations-l10n, espeak-ng-data, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# The summary becomes the description's first line; the rest follows it.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Italian word games for primary-school pupils")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Two games for children of 6 to 10 years share one list of Italian words, and
every word has its picture: Crucipuzzle, a word search with ten words hidden in
a 10 x 10 grid of letters and shown beside it only by their pictures, and
Memory, 24 cards in pairs of a picture and its word.
.
Every window fills the screen, for classroom PCs and interactive whiteboards.
The games say their words aloud in Italian, offline, and can be played from the
keyboard alone and read by a screen reader. Teachers can load word lists of
their own and add a picture for each word.")

include(CPack)

# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
# `cpack -G DEB` in a build folder makes the Debian package of the Linux program.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME voice-types)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH})
set(CPACK_PACKAGE_VENDOR "${VOICE_TYPES_VENDOR}")
set(CPACK_PACKAGE_CONTACT "${VOICE_TYPES_VENDOR} <${VOICE_TYPES_CONTACT}>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VOICE_TYPES_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's Wayland plugin, so that the program runs natively on a Wayland desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-wayland")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "voice types of female and male singers, for school")
# Lines of at most 80 columns, as Debian's tools read them.
set(CPACK_PACKAGE_DESCRIPTION "Гласови типове: a small desktop program for a school lesson that
links music and informatics. Two radio buttons pick women's or men's voices;
the four voice types of the chosen group (soprano, mezzo-soprano, alto,
contralto or tenor, countertenor, baritone, bass) appear as check boxes, and
every choice and every check or uncheck adds one line to a log.
The interface is in Bulgarian.")
set(CPACK_STRIP_FILES ON)
include(CPack)

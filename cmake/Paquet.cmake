# The Debian package (`make paquet`): the install tree of a Release build under /usr.
# The desktop's caches (menus, MIME types, icons) are refreshed by dpkg's own triggers.
set(TARVO_MAINTENEUR "L'équipe Tarvo <contact@tarvo.fr>"
    CACHE STRING "Maintainer of the Debian package: name <address>")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvo)
set(CPACK_PACKAGE_VENDOR "L'équipe Tarvo")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Foucault test of telescope mirrors - contrôle des miroirs au couteau de Foucault")
set(CPACK_PACKAGE_DESCRIPTION
"Tarvo helps the amateur telescope maker figure a concave mirror with the
Foucault knife-edge test and a Couder zone mask: it records the
knife-edge readings of every zone, series after series, and turns each
series into a test report. The program's interface is in French, with an
English translation.

Tarvo aide l'amateur qui taille un miroir de télescope à le contrôler au
couteau de Foucault avec un écran à échancrures de Couder : il
enregistre les lectures de chaque zone, série après série, et fait de
chaque série un bulletin de contrôle.")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TARVO_MAINTENEUR})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
# The libraries from dpkg-shlibdeps; the pages are drawn in Liberation Sans.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)

# `cpack -G DEB` in a build folder makes one Debian package of the programs component: both
# programs with their desktop entries and icons, and the command line nfse with its manual page
# and bash completion, under /usr. The libraries and headers are for
# developers building against an installed prefix and stay out of it.
set(CPACK_PACKAGE_NAME nfse-tools)
set(CPACK_PACKAGE_VENDOR "NFS-e tools developers")
set(CPACK_PACKAGE_CONTACT "NFS-e tools developers <nfse-tools@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "desktop programs and a command line for NFS-e cancellation and query messages")
set(CPACK_PACKAGE_DESCRIPTION [[
Tarvel composes, saves and reopens NFS-e cancellation requests and lists
cancellation responses. Orvane composes, saves and reopens queries of an
issued NFS-e by its RPS and lists query responses. The command line nfse
lists the same values of many files at once, converts a document between
its two namespace layouts and takes messages out of SOAP envelopes. None
of them talks to the network, signs or validates anything.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL programs)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The linked libraries (Qt 6 Core, Gui, Widgets; libxml2; the C++ runtime) come from dpkg-shlibdeps
# (Debian dpkg-dev, with `file`).
# Qt loads two more at run time, so no link shows them: the platform plugins that put windows on
# the screen, and the SVG icon engine that draws the window icon.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")

include(CPack)

# `cmake --build build --target package` makes taurel_VERSION_ARCH.deb (the program) and
# taurel-dev_VERSION_ARCH.deb (NmSnmp and NmDialog for module developers) from this build
# tree; dpkg-shlibdeps works out the dependencies on Qt and the C++ runtime.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME taurel)
set(CPACK_PACKAGE_VENDOR "Taurel developers")
set(CPACK_PACKAGE_CONTACT "${TAUREL_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Runtime Development)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Our own libraries carry no shlibs data; dpkg-shlibdeps reads them from the build tree only to
# follow them to the system libraries they need.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/lib)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME taurel)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION net)
# The panel and the dialogs are drawn with Arial- and Sans-metric fonts.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_RECOMMENDS "fonts-liberation, fonts-dejavu-core")
set(CPACK_DEBIAN_RUNTIME_DESCRIPTION "manager for one SNMP Ethernet switch
Taurel manages one SNMPv1 Ethernet switch: a live picture of its front
panel with every port and LED, the device and port information, the
configuration of the system, the IP interface, the trap receivers and each
port, and a port's packet and error counters as a table of rates or as a
moving curve or bar graph.

Started from the menu, it manages a built-in simulated switch, so it can be
tried without one. The package also holds taurel-agent (the simulated
switch on its own), taurel-snmp (a command-line SNMPv1 client),
nmdialog-browser (generic MIB dialogs for any SNMPv1 agent) and
taurel-trapd (a receiver of traps and informs that keeps them in an SQLite
journal, with a systemd service that is not enabled by default).")

set(CPACK_COMPONENT_DEVELOPMENT_DEPENDS Runtime)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME taurel-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "qt6-base-dev")
set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION "SNMP engine and MIB dialogs for Taurel device modules
The headers and pkg-config files (nmsnmp, nmdialog) of NmSnmp, the SNMPv1
engine, and NmDialog, the generic get, get-next, set, port-control and
statistic dialogs, for writing other device modules on the libraries that
the taurel package installs.")

include(CPack)

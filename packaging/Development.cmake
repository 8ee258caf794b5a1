# For the authors of other device modules: NmSnmp and NmDialog with the headers they include
# (the runtime and window layers below them), and pkg-config files that find the private
# library folder and set the RPATH to it.

set(taurel_header_dirs platform/core platform/ui snmp dialogs)
foreach(dir ${taurel_header_dirs})
    install(DIRECTORY ${CMAKE_SOURCE_DIR}/${dir}/
            DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/taurel/${dir}
            COMPONENT Development FILES_MATCHING PATTERN "*.h")
endforeach()

set(taurel_pkgconfig_dir ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
file(RELATIVE_PATH pc_to_prefix /${taurel_pkgconfig_dir} /)
string(REGEX REPLACE "/$" "" pc_to_prefix "${pc_to_prefix}")

set(pc_name NmSnmp)
set(pc_description "SNMPv1 engine of Taurel device modules")
set(pc_requires "Qt6Core")
set(pc_libs "-lNmSnmp -ltaurel_core")
configure_file(dev/taurel-lib.pc.in ${CMAKE_CURRENT_BINARY_DIR}/pkgconfig/nmsnmp.pc @ONLY)

set(pc_name NmDialog)
set(pc_description "Generic MIB dialogs of Taurel device modules")
set(pc_requires "nmsnmp Qt6Widgets")
set(pc_libs "-lNmDialog -ltaurel_ui")
configure_file(dev/taurel-lib.pc.in ${CMAKE_CURRENT_BINARY_DIR}/pkgconfig/nmdialog.pc @ONLY)

install(FILES ${CMAKE_CURRENT_BINARY_DIR}/pkgconfig/nmsnmp.pc
              ${CMAKE_CURRENT_BINARY_DIR}/pkgconfig/nmdialog.pc
        DESTINATION ${taurel_pkgconfig_dir} COMPONENT Development)

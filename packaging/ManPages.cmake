# Man pages made from each program's --help by help2man at build time, so they follow the
# programs' own texts; man/PROGRAM.h2m adds the examples and cross references that a --help
# text has no room for. Pages are compressed as Debian installs them.

find_program(HELP2MAN help2man REQUIRED)
find_program(GZIP gzip REQUIRED)

set(taurel_man_names
    "manage one SNMP Ethernet switch"
    "simulated SNMP switch for testing and demonstration"
    "command-line SNMP client (v1, v2c, v3) printing net-snmp's lines"
    "generic MIB dialogs on any SNMPv1, SNMPv2c or SNMPv3 agent"
    "receive SNMP traps and informs into an SQLite journal")
set(taurel_man_dir ${CMAKE_CURRENT_BINARY_DIR}/man)
set(TAUREL_MAN_PAGES)
foreach(program name IN ZIP_LISTS taurel_programs taurel_man_names)
    set(page ${taurel_man_dir}/${program}.1)
    set(include ${CMAKE_CURRENT_SOURCE_DIR}/man/${program}.h2m)
    # The version is the project's; help2man would otherwise run --version only to read it.
    add_custom_command(OUTPUT ${page}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${taurel_man_dir}
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                ${HELP2MAN} --no-info --section=1 --name=${name}
                --version-string=${PROJECT_VERSION} --include=${include}
                --output=${page} $<TARGET_FILE:${program}>
        COMMAND ${GZIP} -9nf ${page}
        DEPENDS ${program} ${include}
        COMMENT "Writing the man page of ${program}"
        VERBATIM)
    list(APPEND TAUREL_MAN_PAGES ${page}.gz)
endforeach()
add_custom_target(taurel_man_pages ALL DEPENDS ${TAUREL_MAN_PAGES})
install(FILES ${TAUREL_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT Runtime)

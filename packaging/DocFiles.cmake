# /usr/share/doc/taurel: the copyright notice and the changelog every Debian package carries;
# and what lintian is told about the package.

set(TAUREL_RELEASE_DATE_RFC2822 ${taurel_release_date_rfc2822})
set(taurel_doc_dir ${CMAKE_CURRENT_BINARY_DIR}/doc)
configure_file(debian/copyright.in ${taurel_doc_dir}/copyright @ONLY)
configure_file(debian/changelog.in ${taurel_doc_dir}/changelog @ONLY)
add_custom_command(OUTPUT ${taurel_doc_dir}/changelog.gz
    COMMAND ${GZIP} -9nkf ${taurel_doc_dir}/changelog
    DEPENDS ${taurel_doc_dir}/changelog)
add_custom_target(taurel_doc_files ALL DEPENDS ${taurel_doc_dir}/changelog.gz)
install(FILES ${taurel_doc_dir}/copyright ${taurel_doc_dir}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/taurel COMPONENT Runtime)
install(FILES ${taurel_doc_dir}/copyright ${taurel_doc_dir}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/taurel-dev COMPONENT Development)
install(FILES debian/lintian-overrides RENAME taurel
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides COMPONENT Runtime)

# taurel-trapd.service, installed in the systemd unit folder and not enabled: an operator turns
# the receiver on with systemctl. The copy for tests names the program in this build tree, so
# systemd-analyze verify can check the unit before anything is installed.
# The unit is the package's, whose programs live in /usr/bin.
set(TAUREL_TRAPD_PATH /usr/bin/taurel-trapd)
configure_file(systemd/taurel-trapd.service.in
               ${CMAKE_CURRENT_BINARY_DIR}/systemd/taurel-trapd.service @ONLY)
set(TAUREL_TRAPD_PATH ${CMAKE_BINARY_DIR}/bin/taurel-trapd)
configure_file(systemd/taurel-trapd.service.in
               ${CMAKE_CURRENT_BINARY_DIR}/systemd-test/taurel-trapd.service @ONLY)
set(TAUREL_SERVICE_FOR_TESTS ${CMAKE_CURRENT_BINARY_DIR}/systemd-test/taurel-trapd.service)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/systemd/taurel-trapd.service
        DESTINATION lib/systemd/system COMPONENT Runtime)

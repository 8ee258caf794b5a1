# The menu entries (the program, which asks which switch to manage, and its demo), the AppStream
# metainfo and the hicolor icons. The icons are drawn at build time by make-icons, one image per
# theme size.

set(taurel_icon_sizes 16 22 24 32 48 64 128 256)
set(taurel_icon_dir ${CMAKE_CURRENT_BINARY_DIR}/icons/hicolor)

add_library(taurel_icon STATIC icons/TaurelIcon.cpp)
target_include_directories(taurel_icon PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(taurel_icon PUBLIC Qt6::Gui)
taurel_target_defaults(taurel_icon)

add_executable(make-icons icons/make-icons.cpp)
target_link_libraries(make-icons PRIVATE taurel_icon)
taurel_target_defaults(make-icons)

set(taurel_icon_files)
foreach(size ${taurel_icon_sizes})
    list(APPEND taurel_icon_files ${taurel_icon_dir}/${size}x${size}/apps/taurel.png)
endforeach()
add_custom_command(OUTPUT ${taurel_icon_files}
    COMMAND make-icons ${taurel_icon_dir} ${taurel_icon_sizes}
    DEPENDS make-icons
    COMMENT "Drawing the hicolor icons")

set(TAUREL_RELEASE_DATE ${taurel_release_date})
configure_file(desktop/org.example.taurel.metainfo.xml.in
               ${CMAKE_CURRENT_BINARY_DIR}/desktop/org.example.taurel.metainfo.xml @ONLY)
set(TAUREL_DESKTOP_FILE ${CMAKE_CURRENT_SOURCE_DIR}/desktop/taurel.desktop)
set(TAUREL_DEMO_DESKTOP_FILE ${CMAKE_CURRENT_SOURCE_DIR}/desktop/taurel-demo.desktop)
set(TAUREL_METAINFO_FILE ${CMAKE_CURRENT_BINARY_DIR}/desktop/org.example.taurel.metainfo.xml)

add_custom_target(taurel_icons ALL DEPENDS ${taurel_icon_files})
install(FILES ${TAUREL_DESKTOP_FILE} ${TAUREL_DEMO_DESKTOP_FILE}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT Runtime)
install(FILES ${TAUREL_METAINFO_FILE}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT Runtime)
install(DIRECTORY ${taurel_icon_dir}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons COMPONENT Runtime)

# panel_bench: a full front-panel paint against one blit of the chassis bitmap.
add_executable(panel_bench ${CMAKE_CURRENT_LIST_DIR}/panel_bench.cpp)
target_link_libraries(panel_bench PRIVATE taurel_module benchmark::benchmark)
taurel_target_defaults(panel_bench)

# grid_bench: filling and repainting a 10,000-row table control.
add_executable(grid_bench ${CMAKE_CURRENT_LIST_DIR}/grid_bench.cpp)
target_link_libraries(grid_bench PRIVATE GridCtl taurel_ui benchmark::benchmark)
taurel_target_defaults(grid_bench)

# graph_bench: one paint of a line-curve window against the bare polylines it draws.
add_executable(graph_bench ${CMAKE_CURRENT_LIST_DIR}/graph_bench.cpp)
target_link_libraries(graph_bench PRIVATE taurel_graphs taurel_ui benchmark::benchmark)
taurel_target_defaults(graph_bench)

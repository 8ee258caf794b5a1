# graph_soak: 20 graph dialogs (10 line curves, 10 bar graphs) polling the in-process switch
# every simulated second; prints the RSS growth after warm-up and the longest single event.
add_executable(graph_soak ${CMAKE_CURRENT_LIST_DIR}/graph_soak.cpp)
target_link_libraries(graph_soak PRIVATE taurel_module taurel_agent_engine Qt6::Widgets)
target_include_directories(graph_soak PRIVATE ${CMAKE_SOURCE_DIR})
taurel_target_defaults(graph_soak)

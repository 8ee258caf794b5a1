# agent_load: a single-client load generator for taurel-agent; ends its output with
# "gets per second: N".
add_executable(agent_load ${CMAKE_CURRENT_LIST_DIR}/agent_load.cpp)
target_link_libraries(agent_load PRIVATE NmSnmp Qt6::Core Qt6::Network)
target_include_directories(agent_load PRIVATE ${CMAKE_SOURCE_DIR})
taurel_target_defaults(agent_load)

# The key-to-screen latency run (X11 + XTest, and the server's damage reports to read back only
# what was drawn), started by bench/key_latency.sh.
if(X11_Xdamage_FOUND)
  add_executable(KeyLatency ${CMAKE_CURRENT_SOURCE_DIR}/KeyLatency.cpp)
  target_include_directories(KeyLatency PRIVATE ${X11_INCLUDE_DIR})
  target_link_libraries(KeyLatency PRIVATE ${X11_LIBRARIES} ${X11_XTest_LIB} ${X11_Xext_LIB} ${X11_Xdamage_LIB})
else()
  message(STATUS "No libXdamage (package libxdamage-dev): the key latency run is not built")
endif()
# The start-up time run (X11), started by bench/startup_time.sh.
add_executable(StartupTime ${CMAKE_CURRENT_SOURCE_DIR}/StartupTime.cpp)
target_include_directories(StartupTime PRIVATE ${X11_INCLUDE_DIR})
target_link_libraries(StartupTime PRIVATE ${X11_LIBRARIES})
# The pack run starts the module tool on a folder of phone photos and voice memos it makes.
target_link_libraries(PackBench PRIVATE kd_kdmodule)
add_dependencies(PackBench kdmodule)
target_compile_definitions(PackBench PRIVATE KD_KDMODULE_PATH="$<TARGET_FILE:kdmodule>")

# Benchmark programs over the Win32 library (console programs; run under Wine, they print figures).
add_executable(browser_bench ${CMAKE_CURRENT_LIST_DIR}/browser_bench.cpp)
vistora_target(browser_bench)
target_link_libraries(browser_bench PRIVATE vistora_win)
add_executable(button_bench ${CMAKE_CURRENT_LIST_DIR}/button_bench.cpp)
vistora_target(button_bench)
target_link_libraries(button_bench PRIVATE vistora_win)
# Start-up: Vistora against the bare window program beside it.
add_executable(bare_window WIN32 ${CMAKE_CURRENT_LIST_DIR}/bare_window.cpp)
target_compile_options(bare_window PRIVATE ${VISTORA_WARNINGS})
add_executable(startup_bench ${CMAKE_CURRENT_LIST_DIR}/startup_bench.cpp)
target_compile_options(startup_bench PRIVATE ${VISTORA_WARNINGS})
target_include_directories(startup_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests/common)
add_dependencies(startup_bench bare_window program)

# The probe's Win32 platform against real windows, under Wine.
add_library(tessavik_probe_test_windows STATIC ${CMAKE_CURRENT_LIST_DIR}/probe_test_windows.cpp)
target_link_libraries(tessavik_probe_test_windows PUBLIC tessavik_probe user32 gdi32 PRIVATE tessavik_defaults)

tessavik_add_test(NAME wine_probe_platform_test SOURCES probe_platform_test.cpp
  LIBS tessavik_platform_probe tessavik_probe_test_windows tessavik_probe)
tessavik_add_test(NAME wine_probe_tick_test SOURCES probe_tick_test.cpp
  LIBS tessavik_platform_probe tessavik_probe_test_windows tessavik_probe)
tessavik_add_test(NAME wine_probe_hostile_window_test SOURCES probe_hostile_window_test.cpp
  LIBS tessavik_platform_probe tessavik_probe_test_windows tessavik_probe)

# The hung-window test starts this helper from its own directory.
add_executable(probe_hung_window_helper ${CMAKE_CURRENT_LIST_DIR}/probe_hung_window_helper.cpp)
target_link_libraries(probe_hung_window_helper PRIVATE user32 tessavik_defaults)
tessavik_add_test(NAME wine_probe_hung_window_test SOURCES probe_hung_window_test.cpp
  LIBS tessavik_platform_probe tessavik_probe_test_windows tessavik_probe)
add_dependencies(wine_probe_hung_window_test probe_hung_window_helper)
tessavik_add_test(NAME wine_probe_frame_test SOURCES probe_frame_test.cpp
  LIBS tessavik_platform_probe tessavik_probe_test_windows tessavik_probe)

# They move the cursor and read the screen: never beside another test.
set_tests_properties(wine_probe_platform_test wine_probe_tick_test wine_probe_hostile_window_test
  wine_probe_hung_window_test wine_probe_frame_test PROPERTIES RUN_SERIAL TRUE)

# The probe's Win32 platform against real windows, under Wine.
add_library(tessavik_probe_test_windows STATIC ${CMAKE_CURRENT_LIST_DIR}/probe_test_windows.cpp)
target_link_libraries(tessavik_probe_test_windows PUBLIC tessavik_probe user32 gdi32 PRIVATE tessavik_defaults)

tessavik_add_test(NAME wine_probe_platform_test SOURCES probe_platform_test.cpp
  LIBS tessavik_platform_probe tessavik_probe_test_windows tessavik_probe)
tessavik_add_test(NAME wine_probe_tick_test SOURCES probe_tick_test.cpp
  LIBS tessavik_platform_probe tessavik_probe_test_windows tessavik_probe)

# Win32ProbePlatform: the probe's operations as the Win32 calls they are named after.
add_library(tessavik_platform_probe STATIC ${CMAKE_CURRENT_LIST_DIR}/win32_probe_platform.cpp)
target_link_libraries(tessavik_platform_probe PUBLIC tessavik_probe user32 gdi32 kernel32 PRIVATE tessavik_defaults)

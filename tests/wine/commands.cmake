# The commands and the balloon tip against the real system, in-process under Wine.
tessavik_add_test(NAME wine_commands_test SOURCES commands_platform_test.cpp
  LIBS tessavik_platform_commands user32)
tessavik_add_test(NAME wine_balloon_test SOURCES balloon_window_test.cpp
  LIBS tessavik_balloon_win32)
# Not a test: tips over dark and light backdrops for scripts/balloon-screenshot.
add_executable(balloon_showcase balloon_showcase.cpp)
target_link_libraries(balloon_showcase PRIVATE tessavik_defaults tessavik_balloon_win32)

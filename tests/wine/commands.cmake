# The commands and the balloon tip against the real system, in-process under Wine.
tessavik_add_test(NAME wine_commands_test SOURCES commands_platform_test.cpp
  LIBS tessavik_platform_commands user32)
tessavik_add_test(NAME wine_balloon_test SOURCES balloon_window_test.cpp
  LIBS tessavik_balloon_win32)

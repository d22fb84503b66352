# The window toolkit in-process under Wine: the real main window built from its description.
tessavik_add_test(NAME wine_ui_main_window_test SOURCES ui_main_window_test.cpp
  LIBS tessavik_ui_win32)
# It takes the focus and reads the screen: never beside another test.
set_tests_properties(wine_ui_main_window_test PROPERTIES RUN_SERIAL TRUE)

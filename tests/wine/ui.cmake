# The window toolkit in-process under Wine: the real main window built from its description.
tessavik_add_test(NAME wine_ui_main_window_test SOURCES ui_main_window_test.cpp
  LIBS tessavik_ui_win32)
# It takes the focus and reads the screen: never beside another test.
set_tests_properties(wine_ui_main_window_test PROPERTIES RUN_SERIAL TRUE)
# Start-up pieces, and the built program's version and icon resources.
tessavik_add_test(NAME wine_app_test SOURCES ui_app_test.cpp LIBS tessavik_app version)
if(TARGET tessavik)
  target_compile_definitions(wine_app_test PRIVATE TESSAVIK_EXE="$<TARGET_FILE:tessavik>")
  add_dependencies(wine_app_test tessavik)
endif()

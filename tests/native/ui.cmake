# The window toolkit's portable side: the main window's description, layout, tab order, label
# drawing flags, the timer's state machine and the event table.
tessavik_add_test(NAME ui_model_test
  SOURCES ui_description_test.cpp ui_layout_test.cpp ui_timer_state_test.cpp ui_event_table_test.cpp
  LIBS tessavik_ui_model)

# The program's handler bindings, field sink and table of external functions.
include(${PROJECT_SOURCE_DIR}/app/logic.cmake)
if(NOT TARGET tessavik_test_support)
  add_subdirectory(${PROJECT_SOURCE_DIR}/tests/support ${CMAKE_BINARY_DIR}/tests/support)
endif()
tessavik_add_test(NAME ui_app_test SOURCES ui_app_bindings_test.cpp
  LIBS tessavik_app_logic tessavik_test_support)

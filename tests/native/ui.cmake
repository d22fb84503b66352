# The window toolkit's portable side: the main window's description, layout, tab order, label
# drawing flags, the timer's state machine and the event table.
tessavik_add_test(NAME ui_model_test
  SOURCES ui_description_test.cpp ui_layout_test.cpp ui_timer_state_test.cpp ui_event_table_test.cpp
  LIBS tessavik_ui_model)

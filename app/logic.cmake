# The application's portable side: the handler bindings and the field sink over the controls.
# Included by app/ (Windows) and by the native tests.
if(NOT TARGET tessavik_app_logic)
  add_library(tessavik_app_logic STATIC ${CMAKE_CURRENT_LIST_DIR}/bindings.cpp)
  target_link_libraries(tessavik_app_logic
    PUBLIC tessavik_commands tessavik_probe tessavik_ui_model tessavik_defaults)
endif()

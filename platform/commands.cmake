# The Win32 side of the commands: clipboard, global memory, hot key and its relay procedure.
add_library(tessavik_platform_commands STATIC ${CMAKE_CURRENT_LIST_DIR}/win32_command_platform.cpp)
target_link_libraries(tessavik_platform_commands PUBLIC tessavik_defaults tessavik_commands)

if(NOT TARGET tessavik_test_support)
  add_subdirectory(${PROJECT_SOURCE_DIR}/tests/support ${CMAKE_BINARY_DIR}/tests/support)
endif()

tessavik_add_test(NAME probe_test
  SOURCES
    probe_window_under_cursor_test.cpp
    probe_target_info_test.cpp
    probe_process_image_path_test.cpp
    probe_target_frame_test.cpp
  LIBS tessavik_test_support)
tessavik_add_test(NAME probe_long_run_test SOURCES probe_long_run_test.cpp LIBS tessavik_test_support)

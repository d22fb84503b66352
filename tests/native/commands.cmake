# The user commands against a scripted platform, and the balloon tip's portable model.
tessavik_add_test(NAME commands_test
  SOURCES commands_copy_test.cpp commands_hot_key_test.cpp
  LIBS tessavik_commands)
tessavik_add_test(NAME balloon_model_test
  SOURCES balloon_geometry_test.cpp balloon_shadow_test.cpp
  LIBS tessavik_balloon_model)

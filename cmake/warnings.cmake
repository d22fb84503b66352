# Warnings for the project's own code (third-party code is compiled without them).
add_library(tessavik_warnings INTERFACE)
target_compile_options(tessavik_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow
  -Wnon-virtual-dtor -Wold-style-cast -Wcast-qual -Wformat=2 -Wundef)
if(TESSAVIK_WERROR)
  target_compile_options(tessavik_warnings INTERFACE -Werror)
endif()

# AddressSanitizer and UndefinedBehaviorSanitizer for the native build of the project's code.
add_library(tessavik_sanitizers INTERFACE)
if(TESSAVIK_SANITIZE)
  set(_san -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(tessavik_sanitizers INTERFACE ${_san})
  target_link_options(tessavik_sanitizers INTERFACE ${_san})
endif()

# What every target of the project's own links: warnings, sanitizers, C++20.
add_library(tessavik_defaults INTERFACE)
target_link_libraries(tessavik_defaults INTERFACE tessavik_warnings tessavik_sanitizers)
target_compile_features(tessavik_defaults INTERFACE cxx_std_20)
target_include_directories(tessavik_defaults INTERFACE ${PROJECT_SOURCE_DIR})

# One interface target carries the compile options of every target.
add_library(dudode_options INTERFACE)
target_compile_features(dudode_options INTERFACE cxx_std_20)
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

# German texts stand as UTF-8 in the sources; say so to every compiler.
if(MSVC)
  target_compile_options(dudode_options INTERFACE /utf-8 /W4 /permissive-)
  if(DUDODE_WERROR)
    target_compile_options(dudode_options INTERFACE /WX)
  endif()
else()
  target_compile_options(dudode_options INTERFACE
    -finput-charset=UTF-8 -fexec-charset=UTF-8 -Wall -Wextra -Wpedantic)
  if(DUDODE_WERROR)
    target_compile_options(dudode_options INTERFACE -Werror)
  endif()
  if(DUDODE_SANITIZE)
    target_compile_options(dudode_options INTERFACE
      -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    target_link_options(dudode_options INTERFACE -fsanitize=address,undefined)
  endif()
endif()

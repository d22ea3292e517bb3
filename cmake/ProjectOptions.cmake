# One interface target carries the compile options of every target.
add_library(dudode_options INTERFACE)
target_compile_features(dudode_options INTERFACE cxx_std_20)
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(dudode_options INTERFACE -Wall -Wextra -Wpedantic)
if(DUDODE_WERROR)
  target_compile_options(dudode_options INTERFACE -Werror)
endif()
if(DUDODE_SANITIZE)
  target_compile_options(dudode_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_link_options(dudode_options INTERFACE -fsanitize=address,undefined)
endif()
if(DUDODE_FUZZ)
  # Coverage for libFuzzer everywhere; the fuzz targets link the fuzzer's main.
  target_compile_options(dudode_options INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_link_options(dudode_options INTERFACE -fsanitize=address,undefined)
endif()

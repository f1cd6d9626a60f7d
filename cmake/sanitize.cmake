# Checked builds. VCLOCK_SANITIZE builds everything with the address and
# undefined-behaviour sanitizers, so that a read past a buffer, a use after
# free or undefined arithmetic ends the test that caused it with a report.
# VCLOCK_FUZZ (Clang only) also adds libFuzzer's coverage instrumentation and
# builds the fuzz targets of tests/fuzz. tools/test-sanitizers runs both.
option(VCLOCK_SANITIZE "Build with the address and undefined-behaviour sanitizers" OFF)
option(VCLOCK_FUZZ "Build the libFuzzer targets (needs Clang)" OFF)

if(VCLOCK_SANITIZE)
  set(vclock_sanitize_flags -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_compile_options(${vclock_sanitize_flags})
  add_link_options(${vclock_sanitize_flags})
endif()

if(VCLOCK_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VCLOCK_FUZZ needs Clang's libFuzzer: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

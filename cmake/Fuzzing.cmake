# libFuzzer harnesses for every file reader, switched on with -DVARN_FUZZ=ON in a clang build:
# the "asan" preset builds them beside the sanitized tests, and fuzz/run.sh makes a build of its
# own (build-fuzz) when no build is named. Everything of the build is instrumented for coverage
# and checked by AddressSanitizer and UndefinedBehaviorSanitizer; only the harnesses link the
# fuzzer's main, so the tests of the same build run as they would without it.
option(VARN_FUZZ "Build the libFuzzer harnesses (clang only)" OFF)
if(VARN_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "VARN_FUZZ needs clang (configure with CC=clang CXX=clang++)")
  endif()
  # Comparison tracing is left out: the readers' loops run over every SNP of an array, tens of
  # thousands of compares per input, and tracing them halves the speed; the few magic texts of
  # the formats (markers, "null", the calls) are in the seed corpora and reach the fuzzer through
  # the intercepted string functions anyway.
  add_compile_options(-fsanitize=fuzzer-no-link -fno-sanitize-coverage=trace-cmp)
  if(NOT VARN_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
  endif()
endif()

# The test programs' own files are compiled at -O1: GoogleTest's and Qt Test's macro-heavy files
# then compile in about two thirds of their -O2 time (3.5 s against 2.3 s for one test file here),
# while everything they test (varn_core, varn_app, varn_cli_lib, varn_demo) keeps the build's own
# optimisation, the one that ships. The sanitizer build is at -O1 already. -DVARN_TEST_O1=OFF
# compiles them as the rest.
option(VARN_TEST_O1 "Compile the test programs' own files at -O1" ON)
function(varn_test_optimisation target)
  if(VARN_TEST_O1)
    target_compile_options(${target} PRIVATE -O1)
  endif()
endfunction()

# AddressSanitizer + UndefinedBehaviorSanitizer for every target of the build, switched on with
# -DVARN_SANITIZE=ON (the "asan" preset). Applied globally so the core library, the tests and
# the tools are instrumented alike.
option(VARN_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(VARN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Warnings for our own targets, linked privately: third-party headers keep their own settings.
add_library(varn_warnings INTERFACE)
target_compile_options(varn_warnings INTERFACE -Wall -Wextra)

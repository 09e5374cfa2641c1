# Precompiled headers. Parsing the standard library, GoogleTest and Qt is most of what compiling
# one of our files costs (GoogleTest alone about half of a test file's time), and ./test.sh
# builds everything twice, so each library and test program parses them once. A program whose
# files are compiled with the same flags reuses its sibling's. -DVARN_PCH=OFF builds without
# them, which shows a file that leans on an include it does not write.
option(VARN_PCH "Precompile the common standard, GoogleTest and Qt headers" ON)

set(VARN_PCH_STANDARD <algorithm> <array> <cmath> <cstdint> <cstdio> <cstdlib> <filesystem>
    <fstream> <functional> <map> <memory> <optional> <sstream> <string> <string_view> <vector>)
set(VARN_PCH_TEST <gtest/gtest.h>)
set(VARN_PCH_QT_GUI <QtCore/QString> <QtCore/QObject> <QtGui/QImage> <QtGui/QPainter>)
set(VARN_PCH_QT ${VARN_PCH_QT_GUI} <QtWidgets/QWidget> <QtWidgets/QDialog> <QtWidgets/QMainWindow>)

# GCC 12 loses, for a header read from its precompiled form, that the standard library is a
# system header, and then warns of its own inlined std::string code (-Warray-bounds,
# -Wstringop-overflow, -Wstringop-overread: the known false positives of operator+, assignment
# and resize at -O2). Those are left to the clang build, which precompiles too and keeps its own
# -Warray-bounds.
if(VARN_PCH AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options(-Wno-array-bounds -Wno-stringop-overflow -Wno-stringop-overread)
endif()

# varn_precompile(TARGET [HEADER...]): the standard headers and the ones named.
function(varn_precompile target)
  if(VARN_PCH)
    target_precompile_headers(${target} PRIVATE ${VARN_PCH_STANDARD} ${ARGN})
  endif()
endfunction()

# varn_reuse_precompiled(TARGET FROM): TARGET's files are compiled with FROM's headers.
function(varn_reuse_precompiled target from)
  if(VARN_PCH)
    target_precompile_headers(${target} REUSE_FROM ${from})
  endif()
endfunction()

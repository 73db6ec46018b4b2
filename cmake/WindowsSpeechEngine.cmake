# SPDX-License-Identifier: GPL-3.0-or-later
# The speech engine for Windows: espeak-ng as tools/windows/build-espeak.sh builds it, a static
# library and its headers in ZIBALDO_ESPEAK_NG_DIR. Makes the target zibaldo_speech_engine.

set(ZIBALDO_ESPEAK_NG_DIR "" CACHE PATH
    "The speech engine for Windows, as tools/windows/build-espeak.sh builds it")
set(engine "${ZIBALDO_ESPEAK_NG_DIR}")
if(NOT EXISTS "${engine}/lib/libespeak-ng.a" OR NOT EXISTS "${engine}/include/espeak-ng")
  message(FATAL_ERROR "No speech engine for Windows in \"${engine}\": configure with "
                      "-DZIBALDO_ESPEAK_NG_DIR=\"$(tools/windows/build-espeak.sh)\"")
endif()
add_library(zibaldo_speech_engine INTERFACE)
target_include_directories(zibaldo_speech_engine SYSTEM INTERFACE "${engine}/include")
# The engine reads the registry for a data folder of a system-wide install (advapi32); the
# program gives it its own.
target_link_libraries(zibaldo_speech_engine INTERFACE
  "${engine}/lib/libespeak-ng.a" "${engine}/lib/libucd.a" advapi32)
# Linked in, not a DLL: without this its headers declare its functions as imported from one.
target_compile_definitions(zibaldo_speech_engine INTERFACE LIBESPEAK_NG_EXPORT=1)

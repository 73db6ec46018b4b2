# SPDX-License-Identifier: GPL-3.0-or-later
# Zibaldo for Windows: the resources the executable carries, and the folder `cmake --install`
# makes, which runs on a Windows with nothing else installed and which the installer packs.
# Included by Install.cmake.

# The icon, and the version Windows shows in the file's properties and in its list of programs.
configure_file(packaging/windows/version.rc.in ${CMAKE_BINARY_DIR}/generated/version.rc @ONLY)
target_sources(zibaldo PRIVATE resources/zibaldo.rc ${CMAKE_BINARY_DIR}/generated/version.rc)

set(folder ${ZIBALDO_INSTALL_DIR})

# Where the Qt and MinGW libraries the executable loads are found.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE libstdcxx OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libwinpthread-1.dll
                OUTPUT_VARIABLE winpthread OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
get_filename_component(gcc_runtime_dir "${libstdcxx}" DIRECTORY)
get_filename_component(winpthread_dir "${winpthread}" DIRECTORY)
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_bin "${qt_core_dll}" DIRECTORY)

install(TARGETS zibaldo RUNTIME DESTINATION ${folder})
# Plugins: the window system, its native look, and the picture formats not built into Qt.
set(plugins)
foreach(plugin QWindowsIntegrationPlugin QWindowsVistaStylePlugin QJpegPlugin QICOPlugin)
  get_target_property(location Qt6::${plugin} IMPORTED_LOCATION_RELEASE)
  get_filename_component(kind "${location}" DIRECTORY)
  get_filename_component(kind "${kind}" NAME)
  install(FILES "${location}" DESTINATION ${folder}/${kind})
  list(APPEND plugins "${location}")
endforeach()
# The voice, loaded at the first word; the Qt Multimedia and QtNetwork libraries it loads go beside
# the executable, where Windows looks for them.
install(TARGETS zibaldo_voice_module LIBRARY DESTINATION ${folder}/modules)
install(CODE "
  set(PROGRAM \"$<TARGET_FILE:zibaldo>\")
  set(MODULES \"${plugins};$<TARGET_FILE:zibaldo_voice_module>\")
  set(DIRECTORIES \"${qt_bin};${gcc_runtime_dir};${winpthread_dir}\")
  set(OBJDUMP \"${CMAKE_OBJDUMP}\")
  set(STRIP \"${CMAKE_STRIP}\")
  set(FOLDER \"\${CMAKE_INSTALL_PREFIX}/${folder}\")
")
install(SCRIPT cmake/WindowsLibraries.cmake)
# Qt looks for its plugins and translations where qt.conf says, relative to the executable.
install(FILES packaging/windows/qt.conf DESTINATION ${folder})
install(FILES /usr/share/qt6/translations/qtbase_it.qm DESTINATION ${folder}/translations)

# The word list, the pictures and the bundled fonts. Windows's font engine reads no WOFF2: those
# fonts go in as the TrueType they hold.
install(DIRECTORY data/ DESTINATION ${folder} PATTERN "*.woff2" EXCLUDE)
find_program(ZIBALDO_WOFF2_DECOMPRESS woff2_decompress REQUIRED)
file(GLOB woff2_fonts CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/fonts/*.woff2)
set(truetype_fonts)
foreach(font ${woff2_fonts})
  get_filename_component(name "${font}" NAME_WE)
  set(unpacked ${CMAKE_BINARY_DIR}/truetype/${name})
  add_custom_command(OUTPUT ${unpacked}.ttf
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/truetype
    COMMAND ${CMAKE_COMMAND} -E copy ${font} ${unpacked}.woff2
    COMMAND ${ZIBALDO_WOFF2_DECOMPRESS} ${unpacked}.woff2
    DEPENDS ${font} VERBATIM)
  list(APPEND truetype_fonts ${unpacked}.ttf)
endforeach()
add_custom_target(zibaldo_truetype_fonts ALL DEPENDS ${truetype_fonts})
# Andika, the school print letters, is not part of Windows.
install(FILES ${truetype_fonts} /usr/share/fonts/truetype/andika/Andika-Regular.ttf
        DESTINATION ${folder}/fonts)

# What the speech engine needs of Debian's espeak-ng-data for the Italian voice, and nothing else
# (0.8 of its 13 MB): the phonemes, the intonation, the Italian dictionary and the voice itself.
set(ZIBALDO_ESPEAK_NG_DATA /usr/lib/x86_64-linux-gnu/espeak-ng-data CACHE PATH
    "Debian's espeak-ng-data, whose Italian part the Windows folder carries")
foreach(file phontab phonindex phondata intonations it_dict)
  install(FILES ${ZIBALDO_ESPEAK_NG_DATA}/${file} DESTINATION ${folder}/espeak-ng-data)
endforeach()
install(FILES ${ZIBALDO_ESPEAK_NG_DATA}/lang/roa/it DESTINATION ${folder}/espeak-ng-data/lang/roa)

# The licences of what the folder carries besides Zibaldo, as Debian records them.
install(FILES LICENSE DESTINATION ${folder} RENAME LICENSE.txt)
foreach(part "libqt6core6;qt" "libqt6multimedia6;qt-multimedia" "gcc-mingw-w64-base;gcc-runtime"
        "mingw-w64-common;mingw-w64" "fonts-sil-andika;andika" "espeak-ng-data;espeak-ng-data")
  list(GET part 0 package)
  list(GET part 1 name)
  install(FILES /usr/share/doc/${package}/copyright DESTINATION ${folder}/licenze
          RENAME ${name}.txt)
endforeach()
# The engine comes from a newer Debian source than the system's: its own record.
install(FILES ${ZIBALDO_ESPEAK_NG_DIR}/copyright DESTINATION ${folder}/licenze RENAME espeak-ng.txt)

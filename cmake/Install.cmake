# SPDX-License-Identifier: GPL-3.0-or-later
# Where `cmake --install` puts the program. By default one self-contained folder,
# <prefix>/zibaldo/, with the word list and the pictures beside the executable: a technician's
# /opt or a USB stick. The Debian layout splits it as the file system standard wants, and two
# relative links keep the data in the program's own folder.

option(ZIBALDO_DEBIAN_LAYOUT
       "Install as a Debian package: the program in lib/zibaldo, its data in share/zibaldo" OFF)
# The program's name on the desktop: desktop entry, AppStream component and icons. Lower case,
# as AppStream wants it.
set(ZIBALDO_APP_ID "org.zibaldo.zibaldo" CACHE STRING "Reverse-DNS id of the program on the desktop")
target_compile_definitions(zibaldo PRIVATE ZIBALDO_APP_ID="${ZIBALDO_APP_ID}")

if(NOT ZIBALDO_DEBIAN_LAYOUT)
  set(ZIBALDO_INSTALL_DIR zibaldo CACHE STRING "Folder, under the prefix, that holds the program")
  if(WIN32)
    include(cmake/Windows.cmake)
    return()
  endif()
  install(TARGETS zibaldo RUNTIME DESTINATION ${ZIBALDO_INSTALL_DIR})
  if(TARGET zibaldo_voice_module)
    install(TARGETS zibaldo_voice_module LIBRARY DESTINATION ${ZIBALDO_INSTALL_DIR}/modules)
  endif()
  install(DIRECTORY data/ DESTINATION ${ZIBALDO_INSTALL_DIR})
  return()
endif()

# Who answers for the package, in its control file and its changelog.
set(ZIBALDO_MAINTAINER "Gli sviluppatori di Zibaldo <zibaldo@example.org>" CACHE STRING
    "Maintainer of the Debian package: name <address>")

set(program_dir lib/zibaldo)
set(data_dir share/zibaldo)
install(TARGETS zibaldo RUNTIME DESTINATION ${program_dir})
# In a folder of the program's own, away from the system's library folders: a module for the
# program alone, that ldconfig has no business with.
install(TARGETS zibaldo_voice_module LIBRARY DESTINATION ${program_dir}/modules)
install(FILES data/listaparole.txt DESTINATION ${data_dir})
install(DIRECTORY data/jpg data/fonts DESTINATION ${data_dir})

# The executable stripped the way Debian's own packages are (no symbols, no .comment or .note
# section); the links that put the data in its folder, and the one on the PATH.
install(CODE "
  set(root \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
  execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                          --strip-unneeded \"\${root}/${program_dir}/zibaldo\"
                          \"\${root}/${program_dir}/modules/zibaldo-voice.so\"
                  COMMAND_ERROR_IS_FATAL ANY)
  file(MAKE_DIRECTORY \"\${root}/bin\")
  file(CREATE_LINK ../../${data_dir}/listaparole.txt \"\${root}/${program_dir}/listaparole.txt\"
       SYMBOLIC)
  file(CREATE_LINK ../../${data_dir}/jpg \"\${root}/${program_dir}/jpg\" SYMBOLIC)
  file(CREATE_LINK ../../${data_dir}/fonts \"\${root}/${program_dir}/fonts\" SYMBOLIC)
  file(CREATE_LINK ../${program_dir}/zibaldo \"\${root}/bin/zibaldo\" SYMBOLIC)
")

# The desktop's view of the program.
set(packaging ${CMAKE_SOURCE_DIR}/packaging)
set(generated ${CMAKE_BINARY_DIR}/packaging)
configure_file(${packaging}/zibaldo.desktop.in ${generated}/${ZIBALDO_APP_ID}.desktop @ONLY)
# Software centres show the screenshots from the web only: the folder where docs/*.png are
# published.
set(ZIBALDO_SCREENSHOTS_URL "https://zibaldo.org/screenshots" CACHE STRING
    "Web folder holding the screenshots of docs/")
configure_file(${packaging}/zibaldo.metainfo.xml.in ${generated}/${ZIBALDO_APP_ID}.metainfo.xml
               @ONLY)
install(FILES ${generated}/${ZIBALDO_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${generated}/${ZIBALDO_APP_ID}.metainfo.xml DESTINATION share/metainfo)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${packaging}/icons/zibaldo-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${ZIBALDO_APP_ID}.png)
endforeach()
install(FILES resources/zibaldo.svg DESTINATION share/icons/hicolor/scalable/apps
        RENAME ${ZIBALDO_APP_ID}.svg)

# Manual page and changelog compressed as Debian wants them: best compression, no time stamp.
configure_file(${packaging}/changelog.in ${generated}/changelog @ONLY)
configure_file(${packaging}/zibaldo.6 ${generated}/zibaldo.6 COPYONLY)
find_program(ZIBALDO_GZIP NAMES gzip REQUIRED)
install(CODE "
  foreach(page zibaldo.6 changelog)
    execute_process(COMMAND \"${ZIBALDO_GZIP}\" -9n -c \"${generated}/\${page}\"
                    OUTPUT_FILE \"${generated}/\${page}.gz\" COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
")
install(FILES ${generated}/zibaldo.6.gz DESTINATION share/man/man6)
install(FILES ${generated}/changelog.gz ${packaging}/copyright DESTINATION share/doc/zibaldo)
install(FILES ${packaging}/lintian-overrides DESTINATION share/lintian/overrides RENAME zibaldo)

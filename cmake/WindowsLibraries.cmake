# SPDX-License-Identifier: GPL-3.0-or-later
# Run by `cmake --install` for Windows: copies into FOLDER the Qt and MinGW libraries that PROGRAM
# and MODULES (Qt's plugins, the voice) load, found in DIRECTORIES, stripped with STRIP; Windows's
# own are left to Windows. A library not found stops the install, as the folder would not start on
# Windows.
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND "${OBJDUMP}")
# CMake spells Windows's library names in lower case, as Windows matches them; Qt's files are
# Qt6Core.dll and the like, which a Linux file system tells apart. Such a library is found here by
# its name, and then looked into in turn for the libraries it loads itself (Qt Multimedia loads
# QtNetwork).
set(libraries)
set(executables "${PROGRAM}")
set(modules ${MODULES})
set(found_libraries)
while(executables OR modules OR found_libraries)
  file(GET_RUNTIME_DEPENDENCIES
       EXECUTABLES ${executables} MODULES ${modules} LIBRARIES ${found_libraries}
       DIRECTORIES ${DIRECTORIES}
       PRE_INCLUDE_REGEXES "^(qt6|lib)[^/]*\\.dll$" PRE_EXCLUDE_REGEXES ".*"
       RESOLVED_DEPENDENCIES_VAR resolved UNRESOLVED_DEPENDENCIES_VAR unresolved)
  foreach(name IN LISTS unresolved)
    set(found)
    foreach(directory IN LISTS DIRECTORIES)
      file(GLOB candidates "${directory}/*.dll")
      foreach(candidate IN LISTS candidates)
        get_filename_component(file_name "${candidate}" NAME)
        string(TOLOWER "${file_name}" lower_name)
        if(lower_name STREQUAL name)
          set(found "${candidate}")
        endif()
      endforeach()
    endforeach()
    if(NOT found)
      message(FATAL_ERROR "${name}, which the program loads, is not in ${DIRECTORIES}")
    endif()
    list(APPEND resolved "${found}")
  endforeach()
  set(executables)
  set(modules)
  set(found_libraries)
  foreach(library IN LISTS resolved)
    list(FIND libraries "${library}" known)
    if(known EQUAL -1)
      list(APPEND libraries "${library}")
      list(APPEND found_libraries "${library}")
    endif()
  endforeach()
endwhile()
file(INSTALL ${libraries} DESTINATION "${FOLDER}")
# Debian's MinGW runtime keeps its debugging symbols: a third of the folder.
foreach(library IN LISTS libraries)
  get_filename_component(file_name "${library}" NAME)
  execute_process(COMMAND "${STRIP}" --strip-unneeded "${FOLDER}/${file_name}"
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()

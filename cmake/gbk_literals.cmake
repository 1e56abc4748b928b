# Sources whose string literals are stored text (messages, file headers) are
# compiled with GBK as their execution character set, so "π" is the two bytes
# A6 D0 in the program just as in every file the program reads or writes.
#
# Clang knows no execution character set but UTF-8; for it such a target is
# compiled from copies of its folder's sources whose literals spell the GBK
# bytes as escapes (fuzz/gbk_literals.cpp). The copies' folder comes first
# on the include path, so every user of the target's headers sees them too.
function(orvik_gbk_literals target)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=GBK)
    return()
  endif()
  if(NOT TARGET orvik_gbk_literals)
    # Only the encoding's own source: linking all of platform would make
    # every change there write every copy again.
    add_executable(orvik_gbk_literals ${PROJECT_SOURCE_DIR}/fuzz/gbk_literals.cpp
                                      ${PROJECT_SOURCE_DIR}/platform/gbk.cpp)
    target_include_directories(orvik_gbk_literals PRIVATE ${PROJECT_SOURCE_DIR})
  endif()
  set(copy_root ${CMAKE_BINARY_DIR}/gbk_literals)
  get_target_property(folder ${target} SOURCE_DIR)
  get_target_property(sources ${target} SOURCES)
  file(GLOB headers CONFIGURE_DEPENDS ${folder}/*.h)
  set(copies)
  foreach(source IN LISTS sources headers)
    cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${folder})
    cmake_path(RELATIVE_PATH source BASE_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE relative)
    set(copy ${copy_root}/${relative})
    add_custom_command(OUTPUT ${copy}
      COMMAND orvik_gbk_literals ${source} ${copy}
      DEPENDS orvik_gbk_literals ${source}
      VERBATIM)
    list(APPEND copies ${copy})
  endforeach()
  set_target_properties(${target} PROPERTIES SOURCES "${copies}")
  target_include_directories(${target} BEFORE PUBLIC ${copy_root})
endfunction()

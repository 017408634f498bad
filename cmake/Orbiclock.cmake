# SPDX-License-Identifier: MIT

# The Ninja rule that runs moc does not notice a header newly added to a target, so an existing
# build tree would miss its moc code: drop the rule's output when the folder's headers change.
function(_orbiclock_refresh_moc name headers)
  set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${name}_headers.txt)
  set(old "")
  if(EXISTS ${list_file})
    file(READ ${list_file} old)
  endif()
  if(NOT old STREQUAL headers)
    file(WRITE ${list_file} "${headers}")
    file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${name}_autogen/timestamp)
  endif()
endfunction()

# orbiclock_add_library(NAME [DEPENDS target...])
# A folder is one static library of every .cpp/.h in it (main.cpp excepted), so adding a class
# needs no build edit. A folder without sources yet is an interface library.
function(orbiclock_add_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  if(sources)
    add_library(${name} STATIC ${sources} ${headers})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
    _orbiclock_refresh_moc(${name} "${headers}")
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPENDS})
  endif()
endfunction()

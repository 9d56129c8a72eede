# Source registration.  A portable source builds in both trees; a Windows
# source (one that includes <windows.h>) only in win64.
#   kx_sources(TARGET <lib> PORTABLE a.cpp ... WIN b.cpp ...)
function(kx_sources)
  cmake_parse_arguments(A "" "TARGET" "PORTABLE;WIN" ${ARGN})
  set(list)
  foreach(f IN LISTS A_PORTABLE)
    list(APPEND list ${CMAKE_CURRENT_SOURCE_DIR}/${f})
  endforeach()
  if(KX_WIN)
    foreach(f IN LISTS A_WIN)
      list(APPEND list ${CMAKE_CURRENT_SOURCE_DIR}/${f})
    endforeach()
  endif()
  target_sources(${A_TARGET} PRIVATE ${list})
endfunction()

# A library subsystem folder: every .cpp is portable except *_win.cpp,
# which builds only in the Windows tree.
function(kx_subsystem_sources target)
  file(GLOB portable CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(FILTER portable EXCLUDE REGEX "_win\\.cpp$")
  target_sources(${target} PRIVATE ${portable})
  if(KX_WIN)
    file(GLOB win CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_win.cpp)
    target_sources(${target} PRIVATE ${win})
  endif()
endfunction()

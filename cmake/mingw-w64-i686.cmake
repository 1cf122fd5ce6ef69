# The 32-bit Windows program.
set(mingw_machine i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

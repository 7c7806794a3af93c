# The shipped 32-bit build. This kernel cannot run 32-bit programs, so nothing built here runs.
set(MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

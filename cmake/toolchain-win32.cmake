set(TOLVO_MINGW_TRIPLE i686-w64-mingw32)
set(TOLVO_WINE win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

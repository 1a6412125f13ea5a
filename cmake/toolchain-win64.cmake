set(TOLVO_MINGW_TRIPLE x86_64-w64-mingw32)
set(TOLVO_WINE win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

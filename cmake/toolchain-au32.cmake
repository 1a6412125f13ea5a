# The Audio Unit deliverable's layout, 32-bit Intel (ILP32): the native g++
# with -m32 (Debian's g++-multilib). TOLVO_AU32 builds the Audio Unit
# binding, the plug-in over it, the VST 2 library it is compared with, and
# their tests; nothing that needs another architecture's libpng.
set(CMAKE_C_FLAGS_INIT -m32)
set(CMAKE_CXX_FLAGS_INIT -m32)
set(CMAKE_EXE_LINKER_FLAGS_INIT -m32)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -m32)
set(CMAKE_MODULE_LINKER_FLAGS_INIT -m32)
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
set(TOLVO_AU32 ON)

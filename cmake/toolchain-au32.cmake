# The Audio Unit deliverable's layout, 32-bit Intel (ILP32): the native g++
# with -m32 (Debian's g++-multilib). TOLVO_AU32 builds the framework, the
# Audio Unit binding, the plug-in over it and the VST 2 library it is
# compared with, and runs the Audio Unit's tests.
set(CMAKE_C_FLAGS_INIT -m32)
set(CMAKE_CXX_FLAGS_INIT -m32)
set(CMAKE_EXE_LINKER_FLAGS_INIT -m32)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -m32)
set(CMAKE_MODULE_LINKER_FLAGS_INIT -m32)
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
set(TOLVO_AU32 ON)

# Debian's i386 libpng and zlib (Wine's 32-bit half needs them too), under
# the headers of the native -dev packages, which are the same.
set(PNG_LIBRARY /usr/lib/i386-linux-gnu/libpng16.so.16 CACHE FILEPATH "")
set(PNG_PNG_INCLUDE_DIR /usr/include/libpng16 CACHE PATH "")
set(ZLIB_LIBRARY /usr/lib/i386-linux-gnu/libz.so.1 CACHE FILEPATH "")
set(ZLIB_INCLUDE_DIR /usr/include CACHE PATH "")

# The Objective-C++ of the macOS editor and drawing layer. On a Mac it
# builds against Apple's frameworks; elsewhere against GNUstep's AppKit and
# Foundation (Debian's gobjc++ and libgnustep-gui-dev) beside our own Apple
# layer, so that it is compiled on every run and what needs no window
# system runs in the tests. Gives the interface target appkit; not for the
# Windows builds nor the 32-bit Audio Unit build (Debian has no i386
# GNUstep to link).

# GNUstep here is built for GCC's Objective-C runtime: compile with the C++
# compiler, never another one CMake might find first (clang has no objc/objc.h).
if(NOT APPLE AND NOT CMAKE_OBJCXX_COMPILER)
  set(CMAKE_OBJCXX_COMPILER ${CMAKE_CXX_COMPILER})
endif()
enable_language(OBJCXX)
add_library(appkit INTERFACE)

if(APPLE)
  target_link_libraries(appkit INTERFACE "-framework Cocoa" "-framework Carbon" "-framework ApplicationServices")
  return()
endif()

find_program(GNUSTEP_CONFIG gnustep-config)
if(NOT GNUSTEP_CONFIG)
  message(FATAL_ERROR "The macOS editor's Objective-C++ builds against GNUstep here: install gobjc++ and "
                      "libgnustep-gui-dev (scripts/tolvo does)")
endif()
execute_process(COMMAND ${GNUSTEP_CONFIG} --objc-flags OUTPUT_VARIABLE gnustep_flags OUTPUT_STRIP_TRAILING_WHITESPACE)
separate_arguments(gnustep_flags UNIX_COMMAND "${gnustep_flags}")
foreach(flag IN LISTS gnustep_flags)
  if(flag MATCHES "^-I(/.+)$")
    # GNUstep's headers are not ours to warn about.
    target_include_directories(appkit SYSTEM INTERFACE ${CMAKE_MATCH_1})
  elseif(flag MATCHES "^-(D|f(constant-string-class=|objc-exceptions|no-strict-aliasing))")
    target_compile_options(appkit INTERFACE $<$<COMPILE_LANGUAGE:OBJCXX>:${flag}>)
  endif()
endforeach()
target_link_libraries(appkit INTERFACE gnustep-gui gnustep-base objc)

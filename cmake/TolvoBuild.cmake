# Compiler settings and the small helpers every directory uses.

if(MSVC)
  message(FATAL_ERROR "Tolvo builds with g++ natively and MinGW-w64 for Windows")
endif()

add_compile_options(-Wall -Wextra -Wno-unused-parameter)

# 32-bit x86 would otherwise do float and double arithmetic in 80-bit x87
# registers, and the same sums would round differently from the 64-bit
# builds: other note times in the engine, other pixels in the raster blits.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  add_compile_options(-msse2 -mfpmath=sse)
endif()

if(TOLVO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(TOLVO_TSAN)
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()

if(TOLVO_MAC_PIXELS)
  add_compile_definitions(PIX_MAC_PIXELS=1)
endif()

# CTest runs every Windows binary through Wine, in a prefix of this build
# tree made for the target's architecture.
if(CMAKE_CROSSCOMPILING AND TOLVO_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${PROJECT_SOURCE_DIR}/scripts/wine-run;${TOLVO_WINE};${CMAKE_BINARY_DIR}/wineprefix)
endif()

# Every test carries a CTest label, by what a developer runs (ctest -L):
#   unit    quick tests in one process: the loop while changing code
#   host    a plug-in library, built, loaded through a test host
#   window  windows opened under Wine on the headless X server
#   soak    the validator's runs over the deliverable

# tolvo_add_test(NAME <name> SOURCES <files...> [LIBS <targets...>] [FILTER <gtest filter>]
#                [LABELS <labels...>])
# One GoogleTest executable, registered with CTest as one test (of the tests
# FILTER selects, when given), labelled unit unless LABELS says otherwise;
# under a cross build CTest runs it through the Wine emulator of the
# toolchain.
function(tolvo_add_test)
  cmake_parse_arguments(T "" "NAME;FILTER" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest_main)
  set(filter)
  if(T_FILTER)
    set(filter --gtest_filter=${T_FILTER})
  endif()
  if(NOT T_LABELS)
    set(T_LABELS unit)
  endif()
  add_test(NAME ${T_NAME} COMMAND ${T_NAME} --gtest_color=no ${filter})
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT 600 LABELS "${T_LABELS}")
endfunction()

# Tests that open windows run under Wine in a prefix of their own, all of
# whose programs show on one headless X server that the test run starts
# first and stops last (scripts/xserver): a Wine prefix takes its display
# from its first program, so none may run there without it. They run one at
# a time, so that no test's window takes another's keyboard focus.
set(TOLVO_WINDOW_PREFIX ${CMAKE_BINARY_DIR}/wineprefix-windows)

# Registers the X server's start and stop; called once, after enable_testing.
function(tolvo_window_display)
  if(NOT (CMAKE_CROSSCOMPILING AND TOLVO_WINE))
    return()
  endif()
  set(xserver ${PROJECT_SOURCE_DIR}/scripts/xserver)
  add_test(NAME window_display_start COMMAND ${xserver} start ${TOLVO_WINE} ${TOLVO_WINDOW_PREFIX})
  add_test(NAME window_display_stop COMMAND ${xserver} stop ${TOLVO_WINE} ${TOLVO_WINDOW_PREFIX})
  set_tests_properties(window_display_start PROPERTIES FIXTURES_SETUP window_display TIMEOUT 600 LABELS window)
  set_tests_properties(window_display_stop PROPERTIES FIXTURES_CLEANUP window_display LABELS window)
endfunction()

# tolvo_add_window_test(NAME <name> [LABELS <labels...>] COMMAND <target> [args...])
# Runs the target's program with the arguments in the window prefix;
# labelled window, and LABELS besides.
function(tolvo_add_window_test)
  cmake_parse_arguments(W "" "NAME" "LABELS;COMMAND" ${ARGN})
  list(POP_FRONT W_COMMAND target)
  set(labels window ${W_LABELS})
  add_test(NAME ${W_NAME}
           COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-run ${TOLVO_WINE} ${TOLVO_WINDOW_PREFIX}
                   $<TARGET_FILE:${target}> ${W_COMMAND})
  set_tests_properties(${W_NAME} PROPERTIES FIXTURES_REQUIRED window_display RESOURCE_LOCK window_display
                                            TIMEOUT 300 LABELS "${labels}")
endfunction()

# tolvo_gnustep_tests(<tests...> [LSAN_ALSO <file>]): tests that run
# GNUstep's objects. What the Objective-C runtime and GNUstep allocate for
# the life of the process, and the order they take their own locks in, are
# known to the sanitizers; LSAN_ALSO adds the leaks another file knows.
function(tolvo_gnustep_tests)
  cmake_parse_arguments(G "" "LSAN_ALSO" "" ${ARGN})
  set(supp ${PROJECT_SOURCE_DIR}/tests/gnustep)
  set(lsan ${supp}-lsan.supp)
  if(G_LSAN_ALSO)
    file(READ ${lsan} gnustep)
    file(READ ${G_LSAN_ALSO} also)
    set(lsan ${CMAKE_CURRENT_BINARY_DIR}/gnustep-and-more-lsan.supp)
    file(WRITE ${lsan} "${gnustep}${also}")
  endif()
  set_tests_properties(${G_UNPARSED_ARGUMENTS} PROPERTIES ENVIRONMENT
                       "LSAN_OPTIONS=suppressions=${lsan};TSAN_OPTIONS=suppressions=${supp}-tsan.supp")
endfunction()

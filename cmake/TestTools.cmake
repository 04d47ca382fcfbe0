# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
# The tests need more than the program: a user's or a packager's build that lacks any of it
# leaves the tests out, says so in one line and builds the program. The project's own builds
# set VOICE_TYPES_REQUIRE_TESTS, and there a missing tool stops the configure.

# Sets OUT to the Debian packages, of those the tests need while configuring, that are missing.
function(voice_types_missing_test_packages out)
  set(missing)
  if(CMAKE_CROSSCOMPILING)
    # A cross build compiles GoogleTest from the sources Debian ships.
    if(NOT EXISTS /usr/src/googletest/CMakeLists.txt)
      list(APPEND missing googletest)
    endif()
    # The Windows tests run under Wine.
    if(WIN32)
      set(programs wine:wine)
    endif()
  else()
    find_package(GTest QUIET)
    if(NOT GTest_FOUND)
      list(APPEND missing libgtest-dev)
    endif()
    set(programs python3:python3)
  endif()
  if(NOT VOICE_TYPES_CORE_ONLY AND NOT CMAKE_CROSSCOMPILING)
    find_package(benchmark QUIET)
    if(NOT benchmark_FOUND)
      list(APPEND missing libbenchmark-dev)
    endif()
    # Qt's private headers: a test turns on Qt's screen-reader events without a screen reader.
    # They sit below the public ones, in a folder named by Qt's version; Qt 6.8 names their
    # own folders only in expressions evaluated at build time.
    find_package(Qt6 QUIET COMPONENTS Gui)
    if(TARGET Qt6::Gui)
      get_target_property(public Qt6::Gui INTERFACE_INCLUDE_DIRECTORIES)
      find_path(VOICE_TYPES_QT_PRIVATE_HEADERS QtGui/qpa/qplatformintegration.h
                PATHS ${public} PATH_SUFFIXES ${Qt6Gui_VERSION} NO_DEFAULT_PATH)
    endif()
    if(NOT VOICE_TYPES_QT_PRIVATE_HEADERS)
      list(APPEND missing qt6-base-private-dev)
    endif()
    list(APPEND programs valgrind:valgrind reuse:reuse dbus-run-session:dbus-daemon git:git)
  elseif(EMSCRIPTEN AND NOT VOICE_TYPES_CORE_ONLY)
    set(programs npm:npm)
  endif()
  foreach(entry IN LISTS programs)
    string(REPLACE ":" ";" entry "${entry}")
    list(GET entry 0 program)
    list(GET entry 1 package)
    find_program(VOICE_TYPES_HAS_${program} ${program})
    if(NOT VOICE_TYPES_HAS_${program})
      list(APPEND missing ${package})
    endif()
  endforeach()
  set(${out} "${missing}" PARENT_SCOPE)
endfunction()

option(VOICE_TYPES_REQUIRE_TESTS "Stop when a tool that the tests need is missing" OFF)
if(BUILD_TESTING)
  voice_types_missing_test_packages(missing)
  if(missing)
    list(JOIN missing " " missing)
    if(VOICE_TYPES_REQUIRE_TESTS)
      message(FATAL_ERROR "The tests need Debian packages that are missing: ${missing} "
                          "(scripts/setup.sh test installs them)")
    endif()
    message(STATUS "Tests left out: they need ${missing} (apt-get install ${missing})")
    set(BUILD_TESTING OFF)
  endif()
endif()

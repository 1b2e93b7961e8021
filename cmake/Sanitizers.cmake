# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
# Instrumented builds, each in a build tree of its own:
#   NUMBRELLA_SANITIZE: every target with AddressSanitizer and UndefinedBehaviorSanitizer;
#     any report ends the test that made it.
#   NUMBRELLA_FUZZ: the logic library instrumented for libFuzzer (clang only).

if(NUMBRELLA_SANITIZE)
  # -g1: the line tables that the reports' stacks are read with, without the rest of the
  # debugging information (a tenth less time to compile).
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g1)
  add_link_options(-fsanitize=address,undefined)
  # Reports from outside the project's own code that need suppressing go into
  # tests/lsan.supp, each with its reason; the project's own code is never suppressed.
  set(NUMBRELLA_SANITIZER_ENV
    "ASAN_OPTIONS=detect_leaks=1:strict_init_order=1:check_initialization_order=1"
    "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
endif()

if(NUMBRELLA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "NUMBRELLA_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

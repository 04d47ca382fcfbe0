#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
# Installs what is missing, builds everything and runs every test: the core under
# AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer with the fuzzer's corpus,
# the Windows program under Wine, the web edition in headless Chromium, then the Linux build
# with everything in it. The programs are built as a user builds them (Release); here
# warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

CC=clang CXX=clang++ cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DVOICE_TYPES_WERROR=ON -DVOICE_TYPES_CORE_ONLY=ON -DVOICE_TYPES_SANITIZE=ON -DVOICE_TYPES_FUZZ=ON
cmake --build build/sanitize
ctest --test-dir build/sanitize --output-on-failure --timeout 300 --parallel "$(nproc)"

cmake -S . -B build/win32 -G Ninja -DCMAKE_BUILD_TYPE=Release -DVOICE_TYPES_WERROR=ON \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
cmake --build build/win32
ctest --test-dir build/win32 --output-on-failure --timeout 300 --parallel "$(nproc)"

emcmake cmake -S . -B build/web -G Ninja -DCMAKE_BUILD_TYPE=Release -DVOICE_TYPES_WERROR=ON
cmake --build build/web
ctest --test-dir build/web --output-on-failure --timeout 300 --parallel "$(nproc)"

cmake -S . -B build/main -G Ninja -DCMAKE_BUILD_TYPE=Release -DVOICE_TYPES_WERROR=ON
cmake --build build/main
ctest --test-dir build/main --output-on-failure --timeout 300 --parallel "$(nproc)"

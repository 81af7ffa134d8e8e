#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Corvale
# Builds everything with warnings as errors and runs the whole test suite headless (the
# formatting and layer checks among the tests), then builds again with the address and
# undefined-behaviour sanitizers and runs the tests once more there (all but the install
# tests, which package what the first build made); that build is unoptimised, to build
# quickly. Needs what `tools/install-deps.sh test` installs. Usage: tools/test-all.sh
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DBLINKET_TESTS=ON -DBLINKET_BENCH=ON -DBLINKET_WERROR=ON
cmake --build build -j2
ctest --test-dir build --output-on-failure
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DBLINKET_SANITIZE=ON -DBLINKET_TESTS=ON \
    -DBLINKET_BENCH=OFF -DBLINKET_WERROR=ON
cmake --build build-asan -j2
ctest --test-dir build-asan --output-on-failure -LE install

#!/usr/bin/env bash
# Static checks: the committed clang-format style on every C++ file, and
# clang-tidy (the committed .clang-tidy) on the program's sources and the
# benchmarks. Needs a configured ./build (scripts/build.sh makes one).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

mapfile -t all < <(git ls-files '*.cpp' '*.h')
echo "clang-format: ${#all[@]} files"
clang-format --dry-run --Werror "${all[@]}"

mapfile -t sources < <(git ls-files 'src/*.cpp' 'bench/*.cpp')
echo "clang-tidy: ${#sources[@]} files"
printf '%s\n' "${sources[@]}" |
  xargs -P "$(nproc)" -n 1 clang-tidy -p build --quiet 2>/dev/null

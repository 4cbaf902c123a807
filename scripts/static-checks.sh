#!/usr/bin/env bash
# Static checks: the committed clang-format style on every C++ file,
# clang-tidy (the committed .clang-tidy) on the program's sources and the
# benchmarks, and the desktop entry, which must pass desktop-file-validate
# without a word. Needs a configured ./build (scripts/build.sh makes one).
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

echo "desktop-file-validate: data/ondiscale.desktop"
said=$(desktop-file-validate data/ondiscale.desktop 2>&1) || true
if [ -n "$said" ]; then
  echo "$said"
  exit 1
fi

#!/usr/bin/env bash
# Builds the project and starts the application.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh build
echo "The engine is built and tested by scripts/test.sh; the main window is not there yet."

#!/usr/bin/env bash
# Builds the project and starts the application.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh build
exec build/src/ondiscale

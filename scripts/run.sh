#!/usr/bin/env bash
# Installs what is missing, builds, and starts Corvella Learn Numerology.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/install-deps.sh" run
bash "$root/scripts/build.sh" "$root/build"
exec "$root/build/src/CorvellaFreeLearnNumerology"

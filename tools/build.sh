#!/usr/bin/env bash
# Installs what is missing, then configures and builds every tier into $VISTORA_BUILD.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
: "${VISTORA_BUILD:=${top}/build}"
"${top}/tools/setup.sh"
if [ ! -f "${VISTORA_BUILD}/CMakeCache.txt" ]; then
  cmake -S "${top}" -B "${VISTORA_BUILD}" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
# The filter only quietens the output; the build's own status decides.
set +e
cmake --build "${VISTORA_BUILD}" -j"$(nproc)" -- --no-print-directory 2>&1 \
  | grep -v -E '^\[ *[0-9]+%\]|^-- |Consolidate compiler|^Scanning dependencies|Built target|Performing|Completed|Laying out'
built="${PIPESTATUS[0]}"
set -e
exit "${built}"

#!/usr/bin/env bash
# Builds everything, then runs the test tiers through ctest (arguments go to ctest, for
# example "-L unit"). Wine and a display are started only when a Windows tier runs.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"${top}/tools/build.sh"
source "${top}/tools/wine-env.sh"
trap vistora_stop EXIT
if [ "$*" != "-L unit" ]; then
  vistora_display
  vistora_prefix
  export VISTORA_SESSION=1
fi
set +e
ctest --test-dir "${VISTORA_BUILD}" --output-on-failure -j2 "$@"

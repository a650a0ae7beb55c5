#!/usr/bin/env bash
# Builds everything and runs each benchmark program under Wine; each prints its own figures
# beside a baseline measured in the same run.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"${top}/tools/build.sh"
source "${top}/tools/wine-env.sh"
# The video benchmark plays a clip made here, as the tests' are.
"${top}/tools/make-clips.sh" "${VISTORA_BUILD}/clips"
trap vistora_stop EXIT
vistora_display
vistora_prefix
export VISTORA_SESSION=1
for exe in "${VISTORA_BUILD}"/cross/*_bench.exe; do
  [ -e "$exe" ] || continue
  echo "== $(basename "$exe" .exe)"
  VISTORA_EXEC_TIMEOUT=900 "${top}/tools/wine-exec.sh" "$exe"
done

#!/usr/bin/env bash
# Runs one Windows program under Wine with the project's prefix. Inside a session started by
# run.sh or test.sh it reuses that display and server; alone it starts and stops its own.
set -uo pipefail
source "$(dirname "$0")/wine-env.sh"
if [ -z "${VISTORA_SESSION:-}" ]; then
  trap vistora_stop EXIT
  vistora_display
  vistora_prefix
fi
exe="$1"; shift
cd "$(dirname "$exe")"
timeout --kill-after=10 "${VISTORA_EXEC_TIMEOUT:-280}" wine "$exe" "$@"

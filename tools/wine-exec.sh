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

# Start time of a process in clock ticks since boot (field 22 of stat; the name may hold spaces).
start_ticks() {
  local stat
  stat="$(cat "/proc/$1/stat" 2>/dev/null)" || return 1
  set -- ${stat##*) }
  echo "${20}"
}
began="$(start_ticks $$)"

# A GoogleTest program makes this file when its tests begin and removes it when they have all
# run: one that is still there after the program ended means the tests ended early, whatever
# the exit code says (a program ended from outside can report 0). The Windows path is the same
# file through Wine's drive for the root.
unfinished="$(mktemp -u /tmp/vistora-unfinished.XXXXXX)"
export TEST_PREMATURE_EXIT_FILE="Z:${unfinished//\//\\}"

cd "$(dirname "$exe")"
timeout --kill-after=10 "${VISTORA_EXEC_TIMEOUT:-280}" wine "$exe" "$@"
rc=$?
if [ -e "$unfinished" ]; then
  echo "wine-exec: the tests of $(basename "$exe") ended before they had all run" >&2
  rm -f "$unfinished"
  [ "$rc" -eq 0 ] && rc=1
fi

# In a shared session, a program the run left behind still holds our output and ctest would
# wait for it until its own timeout. Only Windows programs of this run count: Wine processes
# of our prefix begun after this script, never the make, ctest or scripts that share the
# output. Wine's desktop process also holds it for a moment after the last window closes, so
# leftovers get a few seconds before they are ended and named.
ours() {
  local pid="$1" ticks
  # A Windows program runs in Wine's loader; a script forked beside this one does not.
  [[ "$(readlink "/proc/$pid/exe" 2>/dev/null)" == */wine* ]] || return 1
  ticks="$(start_ticks "$pid")" || return 1
  [ "$ticks" -ge "$began" ] || return 1
  tr '\0' '\n' 2>/dev/null < "/proc/$pid/environ" | grep -qxF "WINEPREFIX=${WINEPREFIX}"
}
holders() {
  local proc pid
  for proc in /proc/[0-9]*; do
    pid="${proc#/proc/}"
    case "$pid" in "$$" | "$BASHPID") continue ;; esac
    # Compared by the file they open, without a process per look: the scan runs after every suite.
    if [ "$proc/fd/1" -ef "/proc/$$/fd/1" ] || [ "$proc/fd/2" -ef "/proc/$$/fd/1" ]; then
      ours "$pid" && echo "$pid"
    fi
  done
}
out="$(readlink /proc/$$/fd/1 2>/dev/null || true)"
if [ -n "${VISTORA_SESSION:-}" ] && [[ "$out" == pipe:* ]]; then
  for _ in $(seq 1 50); do
    left="$(holders)"
    [ -z "$left" ] && break
    sleep 0.1
  done
  for pid in $left; do
    echo "wine-exec: ended a program left running: $(tr '\0' ' ' 2>/dev/null < "/proc/$pid/cmdline")" >&2
    kill -9 "$pid" 2>/dev/null || true
  done
fi
exit "$rc"

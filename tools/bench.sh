#!/usr/bin/env bash
# Builds everything and runs each benchmark program under Wine; each prints its own figures
# beside a floor measured in the same run, and the figures end up in one table.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"${top}/tools/build.sh"
source "${top}/tools/wine-env.sh"
# The video benchmark plays a clip made here, as the tests' are.
"${top}/tools/make-clips.sh" "${VISTORA_BUILD}/clips"
figures="$(mktemp)"
trap 'rm -f "$figures"; vistora_stop' EXIT
vistora_display
vistora_prefix
export VISTORA_SESSION=1
failed=0
for exe in "${VISTORA_BUILD}"/cross/*_bench.exe; do
  [ -e "$exe" ] || continue
  echo "== $(basename "$exe" .exe)"
  set +e
  VISTORA_EXEC_TIMEOUT=900 "${top}/tools/wine-exec.sh" "$exe" | tr -d '\r' | tee -a "$figures" | grep -v '^figure	'
  rc="${PIPESTATUS[0]}"
  set -e
  [ "$rc" -eq 0 ] || { echo "$(basename "$exe" .exe) ended with $rc"; failed=1; }
done
echo
grep '^figure	' "$figures" | cut -f2- | awk -F'\t' '
  BEGIN { split("What|Figure|Floor, same run|Ratio|Target", head, "|") }
  { n++; for (i = 1; i <= 5; i++) cell[n, i] = $i }
  END {
    for (i = 1; i <= 5; i++) { cell[0, i] = head[i]; w[i] = 0 }
    for (r = 0; r <= n; r++) for (i = 1; i <= 5; i++) if (length(cell[r, i]) > w[i]) w[i] = length(cell[r, i])
    for (r = 0; r <= n; r++) {
      line = sprintf("%-" w[1] "s", cell[r, 1])
      for (i = 2; i <= 5; i++) line = line sprintf("  %" w[i] "s", cell[r, i])
      print line
    }
  }'
exit "$failed"

#!/usr/bin/env bash
# Under wine-exec.sh, a test program that ends before its tests have all run fails even when it
# exits with 0, and a program it leaves running is ended and named; the tests run to their end
# pass, and this script, which shares their output, is never taken for a leftover.
set -uo pipefail
exec_script="$1" tests="$2"
filter="--gtest_filter=UnfinishedRunChild.*"
out="$("${exec_script}" "${tests}" "${filter}" 2>&1)" || { echo "the whole run failed:"; echo "$out"; exit 1; }
out="$(VISTORA_END_EARLY=1 "${exec_script}" "${tests}" "${filter}" 2>&1)" && {
  echo "a run that ended halfway passed:"; echo "$out"; exit 1; }
grep -q "ended before they had all run" <<<"$out" || { echo "no word of the early end:"; echo "$out"; exit 1; }
out="$(VISTORA_LEAVE_RUNNING=1 "${exec_script}" "${tests}" "${filter}" 2>&1)" || {
  echo "the run that left a program running failed:"; echo "$out"; exit 1; }
grep -q "ended a program left running: .*LingersWhenAsked" <<<"$out" || {
  echo "the program left running was not ended:"; echo "$out"; exit 1; }

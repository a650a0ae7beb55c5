#!/usr/bin/env bash
# Fails when an executable of the program folder users get is larger than its limit or still
# carries debug information (which belongs in the build's symbols/ folder), or when Vistora.exe
# loads at every start a library that only some commands use.
set -euo pipefail
folder="${1:?usage: check-sizes.sh <program folder>}"
status=0
check() {
  local file="$folder/$1" limit="$2" size
  if [ ! -f "$file" ]; then
    echo "check-sizes: $file is missing" >&2
    status=1
    return
  fi
  size="$(stat -c %s "$file")"
  if [ "$size" -gt "$limit" ]; then
    echo "check-sizes: $1 is $size bytes, more than $limit" >&2
    status=1
  fi
  # Read whole before grep looks: grep -q leaving early would fail the pipe under pipefail.
  if grep -q ' \.debug_' <<<"$(x86_64-w64-mingw32-objdump -h "$file")"; then
    echo "check-sizes: $1 still carries debug information" >&2
    status=1
  fi
  echo "check-sizes: $1 $size bytes (limit $limit)"
}
check Vistora.exe $((1024 * 1024))
check brannox.exe $((300 * 1024))
imports="$(x86_64-w64-mingw32-objdump -p "$folder/Vistora.exe" | grep 'DLL Name:')"
if grep -qiE 'DLL Name: (winmm|comdlg32)\.dll' <<<"$imports"; then
  echo "check-sizes: Vistora.exe imports the sound or font-dialog library, which it loads when first used" >&2
  status=1
fi
exit "$status"

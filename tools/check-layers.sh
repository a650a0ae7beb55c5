#!/usr/bin/env bash
# Fails when a source file includes a folder above its own: the layers run one way, from the
# small helpers at the bottom to the windows on top. A folder may include itself and any folder
# of a lower rank; folders of the same rank (windows the user reaches side by side) may not
# include each other.
set -euo pipefail
src="$(cd "$(dirname "$0")/../src" && pwd)"

declare -A rank=(
  [base]=0        # text and rounding helpers
  [resources]=1   # pictures as pixel art
  [swf]=1         # the flash movie reader
  [controls]=2    # the button core and the drawing ports
  [host]=3        # the Win32 host layer: forms, controls, files, processes, ports it implements
  [startup]=4     # language file, options, presentation-program locator
  [probe]=4       # brannox: its answer file is read by the main window
  [app]=5         # Shared, the values windows hand to each other
  [about]=6       # windows that open no other window
  [notes]=6
  [special]=7     # the picker and the players it opens; Escape in a player asks the notes editor
  [show]=8        # the show bar opens the pen, the notes editor and the picker
  [mainwindow]=9  # opens the show bar, the About box and the guide
)

status=0
while IFS= read -r file; do
  rel="${file#"$src"/}"
  from="${rel%%/*}"
  if [ -z "${rank[$from]+x}" ]; then
    echo "check-layers: $rel: the folder \"$from\" has no rank in tools/check-layers.sh" >&2
    status=1
    continue
  fi
  while IFS= read -r line; do
    to="${line#*\"}"
    to="${to%%/*}"
    [ "$to" = "$from" ] && continue
    if [ -z "${rank[$to]+x}" ]; then
      echo "check-layers: $rel includes \"$to\", which has no rank" >&2
      status=1
    elif [ "${rank[$to]}" -ge "${rank[$from]}" ]; then
      echo "check-layers: $rel (${from}, rank ${rank[$from]}) includes ${line#*\"} (rank ${rank[$to]})" >&2
      status=1
    fi
  done < <(grep -E '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[A-Za-z0-9_]+/' "$file" | sed 's/"\([^"]*\)".*/"\1/' || true)
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.rc' \) | sort)

[ "$status" -eq 0 ] && echo "check-layers: every include runs down the layers"
exit "$status"

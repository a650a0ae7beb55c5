#!/usr/bin/env bash
# Builds and starts Vistora.exe from the ready program folder, at its first start on a folder of
# demo presentations. Without a display it runs on a private Xvfb, saves a screenshot once the
# main window is up and ends after a bounded time.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"${top}/tools/build.sh"
source "${top}/tools/wine-env.sh"
source "${top}/tools/demo.sh"
trap vistora_stop EXIT
headless=
[ -z "${DISPLAY:-}" ] && headless=1
vistora_display
vistora_prefix
program="${VISTORA_BUILD}/cross/program"
vistora_demo "${program}"
cd "${program}"
wine Vistora.exe &
app=$!
if [ -z "$headless" ]; then
  wait "$app" || true
  exit 0
fi
shots="${VISTORA_BUILD}/screenshots"
mkdir -p "$shots"
shot="${shots}/vistora-$(date +%Y%m%d-%H%M%S).png"
for i in $(seq 1 300); do
  if xwininfo -root -tree 2>/dev/null | grep -q '"Vistora"'; then
    sleep 2
    import -window root "$shot"
    echo "Screenshot of the main window: $shot"
    break
  fi
  kill -0 "$app" 2>/dev/null || break
  sleep 0.2
done
# Headless: nobody can close the window, so the program ends after a bounded time.
for i in $(seq 1 "${VISTORA_RUN_SECONDS:-30}"); do
  kill -0 "$app" 2>/dev/null || exit 0
  sleep 1
done
echo "Stopping Vistora after ${VISTORA_RUN_SECONDS:-30} s without a display."

#!/usr/bin/env bash
# Starts a private display the way the Wine tiers do and checks the window-state helper on it.
set -euo pipefail
checker="$1"
source "$(dirname "$0")/../wine-env.sh"
trap vistora_stop EXIT
unset DISPLAY
vistora_display
"${checker}"

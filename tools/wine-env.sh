# Sourced by the run and test scripts: a project-local Wine prefix and, when there is no
# display, a private Xvfb. Everything started here is stopped by process id in vistora_stop.
: "${VISTORA_BUILD:=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build}"
export VISTORA_BUILD
export WINEPREFIX="${VISTORA_BUILD}/wineprefix"
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko prompts, and no menu entries on the Linux desktop for shortcuts made in Wine.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
VISTORA_TOOLS="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
VISTORA_STARTED_PIDS=()
VISTORA_SERVER_STARTED=

# Starts Xvfb on the first free display number unless DISPLAY is already set.
vistora_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local n=90
  while [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ]; do n=$((n + 1)); done
  # Daemons must not keep a lock or pipe the caller holds open (fds above 2 are closed).
  Xvfb ":${n}" -screen 0 1280x1024x24 -nolisten tcp -dpi 96 >/dev/null 2>&1 3>&- 4>&- 5>&- 6>&- 7>&- 8>&- 9>&- &
  VISTORA_STARTED_PIDS+=($!)
  local i
  for i in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X${n}" ] && break
    sleep 0.1
  done
  export DISPLAY=":${n}"
  # No window manager runs here: without an answer to WM_STATE, Wine waits two seconds each
  # time it hides a window it manages.
  if [ -x "${VISTORA_BUILD}/wm_state" ]; then
    local ready
    ready="$(mktemp -u)"
    mkfifo "$ready"
    "${VISTORA_BUILD}/wm_state" >"$ready" 2>/dev/null 3>&- 4>&- 5>&- 6>&- 7>&- 8>&- 9>&- &
    VISTORA_STARTED_PIDS+=($!)
    read -r -t 5 _ <"$ready" || echo "wm_state did not start; hiding windows will be slow" >&2
    rm -f "$ready"
  fi
}

# Creates the prefix once and keeps one wineserver alive for the whole script, so that the
# many short Wine runs of a test session do not each pay for a server start.
vistora_prefix() {
  mkdir -p "${VISTORA_BUILD}"
  (
    flock 9
    if [ ! -f "${WINEPREFIX}/system.reg" ]; then
      echo "Creating the Wine prefix in ${WINEPREFIX} (once)..."
      wineboot --init >/dev/null 2>&1 || true
      wineserver -w
    fi
  ) 9>"${VISTORA_BUILD}/.wineprefix.lock"
  wineserver -f -p 30 >/dev/null 2>&1 3>&- 4>&- 5>&- 6>&- 7>&- 8>&- 9>&- &
  VISTORA_STARTED_PIDS+=($!)
  VISTORA_SERVER_STARTED=1
  if [ -x "${VISTORA_TOOLS}/standin/register.sh" ]; then
    "${VISTORA_TOOLS}/standin/register.sh" >/dev/null
  fi
}

vistora_stop() {
  local pid
  # Programs still open would keep the server alive; end them through our own prefix only, and
  # only from the script that started the server: a script that only wanted a display must not
  # end the programs of a session running beside it.
  [ -n "${VISTORA_SERVER_STARTED}" ] && { wineserver -k 2>/dev/null || true; }
  for pid in "${VISTORA_STARTED_PIDS[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${VISTORA_STARTED_PIDS[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  VISTORA_STARTED_PIDS=()
  VISTORA_SERVER_STARTED=
}

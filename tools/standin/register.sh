#!/usr/bin/env bash
# Registers the stand-in presentation program in the project's Wine prefix the way the real
# one registers itself: a COM server under HKEY_LOCAL_MACHINE whose command line is the
# unquoted .exe path followed by a switch, and the shell's "Open" for .ppt and .pps files.
# Runs before every session, so it does nothing when the prefix already holds this registration.
set -euo pipefail
: "${WINEPREFIX:?}" "${VISTORA_BUILD:?}"

exe="Z:${VISTORA_BUILD}/cross/StandInShow.exe"
exe="${exe//\//\\}"
reg_exe="${exe//\\/\\\\}"
clsid="{54EA9384-3353-4F15-A9DB-EAB7AAEFB27E}"
server_line="${reg_exe} /automation"

# User-level associations would hide the machine-wide ones from the shell, so they go.
reg_text="REGEDIT4

[HKEY_LOCAL_MACHINE\\Software\\Classes\\Powerpoint.Application\\CLSID]
@=\"${clsid}\"

[HKEY_LOCAL_MACHINE\\Software\\Classes\\CLSID\\${clsid}\\LocalServer32]
@=\"${server_line}\"

[HKEY_LOCAL_MACHINE\\Software\\Classes\\.ppt]
@=\"StandInShow.Presentation\"

[HKEY_LOCAL_MACHINE\\Software\\Classes\\.pps]
@=\"StandInShow.SlideShow\"

[HKEY_LOCAL_MACHINE\\Software\\Classes\\StandInShow.Presentation\\shell\\open\\command]
@=\"\\\"${reg_exe}\\\" \\\"%1\\\"\"

[HKEY_LOCAL_MACHINE\\Software\\Classes\\StandInShow.SlideShow\\shell\\open\\command]
@=\"\\\"${reg_exe}\\\" \\\"%1\\\"\"

[-HKEY_CURRENT_USER\\Software\\Classes\\.ppt]

[-HKEY_CURRENT_USER\\Software\\Classes\\.pps]
"

stamp="${WINEPREFIX}/standin-registered.reg"
(
  flock 9
  # The stamp says what was written; system.reg says whether a test has removed it since.
  if [ -f "${stamp}" ] && [ "$(cat "${stamp}")" = "${reg_text}" ] \
     && grep -qF "@=\"${server_line}\"" "${WINEPREFIX}/system.reg" 2>/dev/null; then
    exit 0
  fi
  printf '%s' "${reg_text}" > "${stamp}.new"
  # Wine keeps helper processes alive; they must not inherit the lock.
  wine regedit /S "Z:${stamp//\//\\}.new" 9>&-
  mv "${stamp}.new" "${stamp}"
) 9>"${VISTORA_BUILD}/.standin-register.lock"

# Sourced by the run and tour scripts: a folder of demo presentations inside the build, for the
# stand-in show (never shipped), and a program folder that opens on it at its first start.

# The demo folder as Wine names it (Z: is the unix root).
vistora_demo_folder() {
  local unix="${VISTORA_BUILD}/demo"
  echo "Z:${unix//\//\\}"
}

# Prepares the demo folder; with a program folder, writes Vistora.opt there when it has none,
# so that a program folder the user has already moved elsewhere keeps its choice.
vistora_demo() {
  local program="${1:-}" demo="${VISTORA_BUILD}/demo" name
  mkdir -p "${demo}"
  for name in "Welcome.pps" "Team Kickoff.ppt" "Quarterly Review.ppt" "Product Launch.pps"; do
    [ -f "${demo}/${name}" ] || printf 'Demo presentation "%s" for the stand-in show.\r\n' "${name}" > "${demo}/${name}"
  done
  # Speaker notes for one of them, as the show bar's Notes button keeps them.
  [ -f "${demo}/Team Kickoff.rtf" ] || printf '%s\r\n' \
    '{\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Tahoma;}}{\colortbl;\red0\green0\blue192;}' \
    '\f0\fs28{\b\cf1 Team kickoff}\par\fs22' \
    '\bullet  Welcome the new colleagues; one round of names.\par' \
    '\bullet  Slide 2: the goals for the quarter - three, not more.\par' \
    '\bullet  Slide 3: draw the road map with the pen.\par' \
    '\bullet  Questions at the end; the checklist is on the Special button.\par}' > "${demo}/Team Kickoff.rtf"
  if [ -n "${program}" ] && [ ! -f "${program}/Vistora.opt" ]; then
    printf 'ENG\r\n%s\r\n' "$(vistora_demo_folder)" > "${program}/Vistora.opt"
    echo "Vistora opens on the demo presentations in ${demo}"
  fi
}

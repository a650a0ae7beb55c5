#!/usr/bin/env bash
# The fuzz targets (tests/fuzz/fuzz_*.cpp) over their seeds and the corpus each keeps in the
# build.
#   tools/fuzz.sh                       builds them, then runs every one (or those named in
#                                       FUZZ_TARGETS) for FUZZ_SECONDS (default 60) each, or until
#                                       FUZZ_RUNS executions when that is set
#   tools/fuzz.sh one <exe> <seconds> [<runs>]
#                                       runs one built target (how ctest runs each for a while)
# Each run prints the target's executions, time, speed and corpus size; a finding fails the run,
# shows the end of the log and leaves the input in <build>/fuzz/findings_<target>/.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"

run_one() {
  local exe="$1" seconds="$2" runs="${3:-}"
  local name dir
  name="$(basename "${exe}")"
  dir="$(dirname "${exe}")"
  # Inputs longer than a reader ever gets only slow the search down.
  local max_len=4096
  case "${name}" in
    fuzz_langfile | fuzz_swf) max_len=1100000 ;;
  esac
  mkdir -p "${dir}/corpus_${name}" "${dir}/findings_${name}"
  local log="${dir}/log_${name}.txt"
  local limits=(-max_total_time="${seconds}")
  [ -n "${runs}" ] && limits+=(-runs="${runs}")
  local status=0
  "${exe}" "${limits[@]}" -rss_limit_mb=2048 -max_len="${max_len}" -print_final_stats=1 \
    -artifact_prefix="${dir}/findings_${name}/" \
    "${dir}/corpus_${name}" "${top}/tests/fuzz/seeds/${name}" >"${log}" 2>&1 || status=$?
  local executions speed corpus
  executions="$(sed -n 's/^stat::number_of_executed_units: *//p' "${log}" | tail -1)"
  speed="$(sed -n 's/^stat::average_exec_per_sec: *//p' "${log}" | tail -1)"
  # The inputs the run's corpus held at its end (the folder keeps every one it ever added).
  corpus="$(sed -n 's/^#[0-9]*[[:space:]]*DONE .* corp: \([0-9]*\).*/\1/p' "${log}" | tail -1)"
  local elapsed
  elapsed="$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "${log}" | tail -1)"
  if [ "${status}" -ne 0 ]; then
    tail -n 60 "${log}"
    echo "${name}: FINDING after ${executions:-?} executions; input in ${dir}/findings_${name}/" >&2
    return "${status}"
  fi
  echo "${name}: ${executions} executions in ${elapsed:-?} s (${speed} exec/s), corpus ${corpus} inputs, no finding"
}

if [ "${1:-}" = one ]; then
  run_one "$2" "$3" "${4:-}"
  exit
fi

: "${VISTORA_BUILD:=${top}/build}"
fuzz="${VISTORA_BUILD}/fuzz"
"${top}/tools/setup.sh"
if [ ! -f "${fuzz}/CMakeCache.txt" ]; then
  cmake -S "${top}" -B "${fuzz}" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang \
    -DVISTORA_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "${fuzz}" -j"$(nproc)" -- --no-print-directory >/dev/null
targets="${FUZZ_TARGETS:-$(cd "${top}/tests/fuzz" && ls fuzz_*.cpp | sed 's/\.cpp$//')}"
failed=0
for name in ${targets}; do
  run_one "${fuzz}/${name}" "${FUZZ_SECONDS:-60}" "${FUZZ_RUNS:-}" || failed=1
done
exit "${failed}"

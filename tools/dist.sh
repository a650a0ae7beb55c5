#!/usr/bin/env bash
# Packages the program folder of a finished build: <out>/Vistora-<version>-win64.zip, the portable
# folder, and <out>/Vistora-<version>-setup.exe, the per-user installer made with NSIS.
# Usage: tools/dist.sh [out folder, default dist/ in the source tree]
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
: "${VISTORA_BUILD:=${top}/build}"
out="${1:-${top}/dist}"
version="$(head -n 1 "${top}/VERSION")"
program="${VISTORA_BUILD}/cross/program"
name="Vistora-${version}"
stage="${VISTORA_BUILD}/dist-stage/${name}"
strip=x86_64-w64-mingw32-strip
objdump=x86_64-w64-mingw32-objdump

for f in Vistora.exe brannox.exe; do
  [ -f "${program}/${f}" ] || { echo "dist: ${program}/${f} is missing; build first (make all)" >&2; exit 1; }
done
command -v makensis >/dev/null || { echo "dist: makensis is missing (Debian's nsis; tools/setup.sh installs it)" >&2; exit 1; }

# Exactly what an installation holds: runs leave their options and answers in the program folder.
rm -rf "${stage}"
mkdir -p "${stage}" "${out}"
out="$(cd "${out}" && pwd)"
for f in Vistora.exe brannox.exe; do
  cp "${program}/${f}" "${stage}/"
  if "${objdump}" -h "${stage}/${f}" | grep -q '\.debug_'; then
    "${strip}" --strip-all "${stage}/${f}"
    echo "dist: ${f} in the program folder carries debug information; the package holds a stripped copy"
  fi
done
for f in "${top}"/src/resources/program/*; do
  cp "${program}/$(basename "${f}")" "${stage}/"
done
# Plain-text files for Windows: CRLF line ends.
sed -e "s/@VERSION@/${version}/g" -e 's/$/\r/' "${top}/packaging/ReadMe.txt" > "${stage}/ReadMe.txt"
sed -e 's/$/\r/' "${top}/LICENSE.txt" > "${stage}/License.txt"

zip="${out}/${name}-win64.zip"
rm -f "${zip}"
(cd "${stage}/.." && cmake -E tar cf "${zip}" --format=zip "${name}")

setup="${out}/${name}-setup.exe"
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="${version}" -DSTAGE="${stage}" -DOUTFILE="${setup}" \
  -DICON="${top}/src/resources/Vistora.ico" "${top}/packaging/Vistora.nsi"

for f in "${zip}" "${setup}"; do
  echo "dist: $(du -k "${f}" | cut -f1) KiB  ${f}"
done

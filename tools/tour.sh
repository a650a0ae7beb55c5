#!/usr/bin/env bash
# A scripted walk through every window of Vistora under Xvfb: screenshots as PNGs and one contact
# sheet in <build>/tour, and the guide's pictures in docs/ refreshed from them.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"${top}/tools/build.sh"
source "${top}/tools/wine-env.sh"
source "${top}/tools/demo.sh"
trap vistora_stop EXIT
# Always a private screen of a known size, even from a desktop session.
unset DISPLAY
vistora_display
vistora_prefix
export VISTORA_SESSION=1
vistora_demo
tour="${VISTORA_BUILD}/tour"
rm -rf "${tour}"
mkdir -p "${tour}"
if grep -q TOUR_VIDEO_PLAYER "${VISTORA_BUILD}/cross/CMakeFiles/tour_walk.dir/flags.make" 2>/dev/null; then
  "${top}/tools/make-clips.sh" "${VISTORA_BUILD}/clips"
fi

set +e
"${top}/tools/wine-exec.sh" "${VISTORA_BUILD}/cross/tour_walk.exe"
walked=$?
set -e

# Labels of the contact sheet, in the order of the walk.
declare -A label=(
  [01-main-english]="Main window"
  [02-main-own-language]="Main window, own language"
  [03-about]="About box"
  [04-show-bar]="Show with the bar"
  [05-pen]="Pen overlay"
  [06-notes]="Speaker notes"
  [07-picker]="Special programs"
  [08-flash]="Flash player"
  [09-video]="Video player"
  [10-guide]="Guide document"
)
sheet=()
for bmp in "${tour}"/*.bmp; do
  [ -e "${bmp}" ] || continue
  name="$(basename "${bmp}" .bmp)"
  convert "${bmp}" "${tour}/${name}.png"
  rm -f "${bmp}"
  sheet+=(-label "${label[${name}]:-${name}}" "${tour}/${name}.png")
done
if [ ${#sheet[@]} -gt 0 ]; then
  montage "${sheet[@]}" -tile 4x -geometry 400x320+10+10 -font DejaVu-Sans -pointsize 16 -background '#dcdcdc' \
    "${tour}/contact-sheet.png"
  echo "tour: $(( ${#sheet[@]} / 3 )) screenshots and ${tour}/contact-sheet.png"
fi

# The guide's pictures: half size, few colours, so that they stay small in the repository.
if [ "${walked}" -eq 0 ]; then
  mkdir -p "${top}/docs"
  for name in 01-main-english 04-show-bar 05-pen 06-notes 07-picker; do
    convert "${tour}/${name}.png" -resize 50% +dither -colors 96 "PNG8:${top}/docs/${name#??-}.png"
  done
  echo "tour: refreshed the pictures in ${top}/docs"
else
  echo "tour: the walk failed; docs/ is left as it was" >&2
fi
exit "${walked}"

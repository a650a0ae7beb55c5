#!/usr/bin/env bash
# Makes the video clips the player's tests play, into the folder given: 320 x 240, red left half
# and blue right half, in each format the player is meant to take, plus an ".avi" of random
# bytes. rewind.avi turns green and white in its second half, so its first picture can be told
# from its last. Made again only when this script is newer than the clips.
set -euo pipefail
out="$1"
stamp="${out}/.made"
if [ -f "$stamp" ] && [ "$stamp" -nt "$0" ]; then exit 0; fi
command -v ffmpeg >/dev/null || { echo "make-clips: ffmpeg is missing (tools/setup.sh installs it)" >&2; exit 1; }
mkdir -p "$out"
rm -f "$stamp"

half() { echo "-f lavfi -i color=c=$1:s=160x240:r=25:d=$2"; }
ff() { ffmpeg -v error -nostdin -y "$@"; }
red_blue="$(half red 2.4) $(half blue 2.4)"
pair='[0:v][1:v]hstack=inputs=2'

# shellcheck disable=SC2086
ff $red_blue -filter_complex "${pair},format=yuv420p[v]" -map '[v]' -c:v mpeg4 -vtag XVID -q:v 2 "$out/mpeg4.avi"
# shellcheck disable=SC2086
ff $red_blue -filter_complex "${pair},format=yuvj420p[v]" -map '[v]' -c:v mjpeg -q:v 2 "$out/mjpeg.avi"
# shellcheck disable=SC2086
ff $red_blue -filter_complex "${pair},format=yuv420p[v]" -map '[v]' -c:v mpeg1video -q:v 2 -f mpeg "$out/mpeg1.mpg"
cp "$out/mpeg1.mpg" "$out/mpeg1.mpeg"
# shellcheck disable=SC2086
ff $red_blue -f lavfi -i sine=frequency=440:duration=2.4 -filter_complex "${pair},format=yuv420p[v]" \
   -map '[v]' -map 2:a -c:v mpeg4 -vtag XVID -q:v 2 -c:a pcm_s16le "$out/sound.avi"
# shellcheck disable=SC2086
ff $(half red 1) $(half blue 1) $(half lime 1) $(half white 1) \
   -filter_complex '[0:v][1:v]hstack[a];[2:v][3:v]hstack[b];[a][b]concat=n=2:v=1,format=yuv420p[v]' \
   -map '[v]' -c:v mpeg4 -vtag XVID -q:v 2 "$out/rewind.avi"
head -c 65536 /dev/urandom > "$out/random.avi"
touch "$stamp"

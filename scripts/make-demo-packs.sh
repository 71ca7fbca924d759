#!/usr/bin/env bash
# Makes placeholder recitation packs: every aya is a short spoken
# announcement of its sura and aya number ("Sura 2, aya 255"), spoken by
# espeak-ng, encoded by lame and packed by norvane-pack import (which adds a
# one-second silence.mp3 to every pack).
#
# Usage: make-demo-packs.sh BIN_DIR OUT_QURAN_DIR [SURAS...]
#   BIN_DIR        folder holding the built norvane-pack
#   OUT_QURAN_DIR  the pack folder to fill (made when missing)
#   SURAS          sura numbers; each selects the whole pack that holds it.
#                  Default: 1 2 78, i.e. s001_s002.mat and s078_s114.mat
#                  (857 ayas).
# Packs that already exist in OUT_QURAN_DIR are left alone, so running the
# script again does nothing. Exit status 0 on success, 1 on failure, 2 for
# wrong arguments.
set -euo pipefail

usage() {
    echo "Usage: $0 BIN_DIR OUT_QURAN_DIR [SURAS...]" >&2
    exit 2
}

[[ $# -ge 2 ]] || usage
bin_dir=$1
out_dir=$2
shift 2
suras=("$@")
[[ ${#suras[@]} -gt 0 ]] || suras=(1 2 78)

pack_tool="$bin_dir/norvane-pack"
[[ -x "$pack_tool" ]] || { echo "$0: $pack_tool: no such program (build norvane-pack first)" >&2; exit 1; }
for tool in espeak-ng lame; do
    command -v "$tool" >/dev/null || { echo "$0: $tool is not installed" >&2; exit 1; }
done

# The catalogue is compiled into norvane-pack: "SSS<TAB>AYAS<TAB>PACK" per sura.
catalogue=$("$pack_tool" catalogue)

# The packs asked for that are not there yet.
declare -A wanted=()
for sura in "${suras[@]}"; do
    if ! [[ $sura =~ ^[0-9]{1,3}$ ]] || (( 10#$sura < 1 || 10#$sura > 114 )); then
        echo "$0: $sura: not a sura number (1 to 114)" >&2
        exit 2
    fi
    key=$(printf '%03d' "$((10#$sura))")
    pack=$(awk -F'\t' -v k="$key" '$1 == k { print $3 }' <<<"$catalogue")
    [[ -e "$out_dir/$pack" ]] || wanted[$pack]=1
done
if [[ ${#wanted[@]} -eq 0 ]]; then
    echo "demo packs already present in $out_dir"
    exit 0
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/norvane-demo.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/ayas"

# One line "SURA AYA" for every aya of every wanted pack.
while IFS=$'\t' read -r key ayas pack; do
    [[ -n ${wanted[$pack]:-} ]] || continue
    for ((aya = 1; aya <= ayas; aya++)); do
        echo "$((10#$key)) $aya"
    done
done <<<"$catalogue" >"$work/jobs"

# Speaks and encodes one aya per pair of arguments; run in batches on both cores.
speak_ayas() {
    local folder=$1
    shift
    while [[ $# -ge 2 ]]; do
        local name
        name=$(printf '%03d%03d' "$1" "$2")
        espeak-ng -w "$folder/$name.wav" "Sura $1, aya $2"
        lame --silent -b 32 "$folder/$name.wav" "$folder/$name.mp3"
        rm -f "$folder/$name.wav"
        shift 2
    done
}
export -f speak_ayas

echo "speaking $(wc -l <"$work/jobs") ayas for: ${!wanted[*]}"
xargs -P 2 -n 40 bash -c 'set -euo pipefail; speak_ayas "$@"' _ "$work/ayas" <"$work/jobs" \
    || { echo "$0: making the spoken ayas failed" >&2; exit 1; }

# import writes each pack beside its target and renames it into place, so
# an interrupted run leaves no half-written pack behind.
mkdir -p "$out_dir"
"$pack_tool" import "$work/ayas" "$out_dir"
echo "demo packs written to $out_dir"

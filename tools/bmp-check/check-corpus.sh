#!/usr/bin/env bash
# Decodes every BMP in the folders given with the project's reader and
# compares the colours with two references: the corpus's own picture beside it
# when there is one (NAME.png, NAME.bmp.ref.png or NAME_out.bmp; those files
# are not checked themselves) and ImageMagick's decoding of the picture.
# A picture ImageMagick cannot decode either counts as malformed, not as a
# fault. Needs ImageMagick and build/native/bmp-check (`make native`).
#   tools/bmp-check/check-corpus.sh DIR...
set -uo pipefail
shopt -s nullglob
top=$(cd "$(dirname "$0")/../.." && pwd)
check="$top/build/native/bmp-check"
convert=/usr/bin/convert
[ -x "$check" ] || { echo "build $check first: make native" >&2; exit 2; }
[ -x "$convert" ] || { echo "needs ImageMagick: apt-get install imagemagick" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

agree=0 differ=0 malformed=0 refusedGood=0 ownAgree=0 ownDiffer=0

# Writes the P6 form of $1 to $2; false when ImageMagick cannot read it.
to_ppm() { "$convert" "$1" -depth 8 "ppm:$2" 2>/dev/null || [ -s "$2" ]; }

own_reference() {
  local picture=$1 base=${1%.bmp}
  for candidate in "$base.png" "$picture.ref.png" "${base}_out.bmp"; do
    [ -f "$candidate" ] && { echo "$candidate"; return; }
  done
}

for dir in "$@"; do
  for picture in "$dir"/*.bmp; do
    case $picture in *_out.bmp) continue ;; esac
    name=${picture#"$dir"/}
    rm -f "$work"/*.ppm
    if ! to_ppm "$picture" "$work/magick.ppm"; then
      malformed=$((malformed + 1))
      echo "$name: malformed for ImageMagick; ours: $("$check" "$picture")"
      continue
    fi
    result=$("$check" "$picture" "$work/magick.ppm")
    case $? in
      0) agree=$((agree + 1)) ;;
      2) refusedGood=$((refusedGood + 1)) ;;
      *) differ=$((differ + 1)) ;;
    esac
    line="$name: against ImageMagick $result"
    reference=$(own_reference "$picture")
    if [ -n "$reference" ] && to_ppm "$reference" "$work/own.ppm"; then
      own=$("$check" "$picture" "$work/own.ppm")
      if [ "$own" = same ]; then ownAgree=$((ownAgree + 1)); else ownDiffer=$((ownDiffer + 1)); fi
      line="$line; against ${reference##*/} $own"
    fi
    echo "$line"
  done
done
echo "ImageMagick decodes: $agree same, $differ different, $refusedGood refused by ours; malformed for ImageMagick: $malformed"
echo "corpus references: $ownAgree same, $ownDiffer different"
[ "$differ" -eq 0 ] && [ "$refusedGood" -eq 0 ]

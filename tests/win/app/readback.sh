#!/usr/bin/env bash
# Reads the files that app_win_tests wrote (folder $1) with two independent readers, icoutils'
# icotool and ImageMagick, and checks what they see: sizes, depths and a few pixels. Neither reader
# takes 16-bit icons, so those are checked only by the byte-level tests.
set -uo pipefail
cd "$1" || exit 1
failures=0
expect() { # what, got, wanted
  if [ "$2" != "$3" ]; then echo "FAIL $1: got '$2', wanted '$3'"; failures=$((failures + 1)); fi
}

for f in icon32x32 icon32x24 icon32x8 icon32x1 icon16x32; do
  size=${f#icon}; size=${size%x*}; depth=${f##*x}
  palette=0; [ "$depth" -le 8 ] && palette=$((1 << depth))
  expect "icotool -l $f" "$(icotool -l "$f.ico" 2>&1)" \
    "--icon --index=1 --width=$size --height=$size --bit-depth=$depth --palette-size=$palette"
  expect "identify $f" "$(identify -format '%m %wx%h' "$f.ico" 2>&1)" "ICO ${size}x${size}"
done
for f in bitmap32x32 bitmap16x32 bitmap32x8; do
  size=${f#bitmap}; size=${size%x*}
  expect "identify $f" "$(identify -format '%m %wx%h' "$f.bmp" 2>&1)" "BMP3 ${size}x${size}"
done

# Pixel (20, 5) is opaque, (2, 5) transparent; the icons' picture is rgb(8x, 8y, 200), grey in the
# 8-bit one (its palette has no such colours).
pixels() { convert "$1" -format '%[pixel:p{20,5}] %[pixel:p{2,5}]' info: 2>&1; }
expect "pixels icon32x32" "$(pixels icon32x32.ico)" "srgba(160,40,200,1) srgba(0,0,0,0)"
expect "pixels icon32x24" "$(pixels icon32x24.ico)" "srgba(160,40,200,1) srgba(0,0,0,0)"
expect "pixels icon32x8" "$(pixels icon32x8.ico)" "srgba(160,160,160,1) srgba(0,0,0,0)"
expect "pixels icon32x1" "$(pixels icon32x1.ico)" "srgba(0,0,0,1) srgba(0,0,0,0)"
expect "pixels bitmap32x32" "$(pixels bitmap32x32.bmp)" "srgb(160,40,200) srgb(255,255,255)"
expect "pixels bitmap32x8" "$(pixels bitmap32x8.bmp)" "srgb(160,160,160) srgb(255,255,255)"
# icotool's own extraction agrees with ImageMagick's reading.
icotool -x -o "$PWD/extracted.png" icon32x32.ico
expect "icotool -x icon32x32" "$(pixels extracted.png)" "srgba(160,40,200,1) srgba(0,0,0,0)"

[ "$failures" -eq 0 ] && echo "read back: all files as written"
exit $((failures > 0))

#!/usr/bin/env bash
# Builds the image decoders' fuzzing targets with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each for a while.  Run by hand, never by the tests:
#
#   scripts/fuzz-codecs.sh [seconds per codec] [codec...]      codecs: bmp ico png jpeg gif gif_frames
#
# gif_frames is the grid's GIF frame scanner (grid/gif_frames.cpp, target in tests/grid/fuzz/,
# kept inputs in tests/grid/fuzz_inputs/gif_frames/, seeded with the GIF seeds).
#
# Seeds: the files tests/platform/gdi/fuzz/seed_corpus.cpp writes, and the kept inputs under
# tests/platform/gdi/fuzz_inputs/<codec>/.  The growing corpus goes to build/fuzz/<codec>/corpus,
# crashing inputs to build/fuzz/<codec>/ (crash-*, leak-*, timeout-*, oom-*).  Inputs worth
# keeping are copied into fuzz_inputs/<codec>/, which CTest runs through the decoders.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out=${PR_FUZZ_DIR:-$root/build/fuzz}
seconds=${1:-60}
shift || true
codecs=("$@")
[ ${#codecs[@]} -eq 0 ] && codecs=(bmp ico png jpeg gif)

sources=(dib_codec bmp_codec ico_codec png_codec jpeg_codec gif_codec gif_lzw image_format)
flags=(-std=c++20 -g -O1 -I"$root" -I"$root/tests/platform/gdi" -fno-omit-frame-pointer
       -fsanitize=address,undefined -fno-sanitize-recover=all)
read -r -a libs <<< "$(pkg-config --libs libpng libjpeg)"

mkdir -p "$out/objects"
objects=()
for s in "${sources[@]}"; do
  clang++ "${flags[@]}" -fsanitize=fuzzer-no-link -c "$root/platform/gdi/$s.cpp" -o "$out/objects/$s.o"
  objects+=("$out/objects/$s.o")
done
clang++ "${flags[@]}" -fsanitize=fuzzer-no-link "$root/tests/platform/gdi/fuzz/seed_corpus.cpp" "${objects[@]}" \
  "${libs[@]}" -o "$out/seed_corpus"
"$out/seed_corpus" "$out/seeds"

for codec in "${codecs[@]}"; do
  tests=$root/tests/platform/gdi seeds=$out/seeds/$codec extra=()
  if [ "$codec" = gif_frames ]; then
    tests=$root/tests/grid seeds=$out/seeds/gif extra=("$root/grid/gif_frames.cpp")
  fi
  mkdir -p "$out/$codec/corpus" "$tests/fuzz_inputs/$codec"
  clang++ "${flags[@]}" -fsanitize=fuzzer "$tests/fuzz/${codec}_fuzz.cpp" "${extra[@]}" "${objects[@]}" \
    "${libs[@]}" -o "$out/$codec/fuzz"
  "$out/$codec/fuzz" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$out/$codec/" \
    "$out/$codec/corpus" "$seeds" "$tests/fuzz_inputs/$codec"
done

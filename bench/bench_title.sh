# Sourced by the benchmark scripts: the film-sized title set in $work/VIDEO_TS (two title VOBs
# of $megabytes MB in all, one subtitle a second), made once and kept, with its settings in
# $work/quelm.ini and a complete dictionary in $work/dict. Sets $title and $files; needs $cli.
mkdir -p "$work/VIDEO_TS"
title="$work/VIDEO_TS"
half=$((megabytes / 2))
if [ ! -f "$title/VTS_01_2.VOB" ] || [ "$(stat -c %s "$title/VTS_01_1.VOB")" -ne $((half * 1048576)) ]; then
  rm -f "$title"/VTS_01_*.VOB
  "$build/bin/make_bench_vob" "$work/film.vob" "$megabytes" 1
  # Cut at a pack boundary into two title VOBs, as a disc holds a long title; the second takes
  # all the rest (the film runs a little over its size, and its last subtitle is there).
  head -c $((half * 1048576)) "$work/film.vob" >"$title/VTS_01_1.VOB"
  tail -c +$((half * 1048576 + 1)) "$work/film.vob" >"$title/VTS_01_2.VOB"
  rm -f "$work/film.vob"
fi
files=("$title/VTS_01_1.VOB" "$title/VTS_01_2.VOB")

# The glyphs' fill (colour row 1) is the ink. The dictionary is taught "after reading" from a
# short film made with the same units, so the big one holds no unknown character.
printf '[preferences]\nautocolordetection=0\ncharcolor=1\n' >"$work/quelm.ini"
if [ ! -f "$work/dict/chardict.ocr" ]; then
  "$build/bin/make_bench_vob" "$work/teach.vob" 40 1 >/dev/null
  "$cli" convert --settings "$work/quelm.ini" --dict "$work/dict" --learn after \
    --format outputini/plain.ini "$work/teach.vob" >/dev/null
  rm -f "$work/teach.vob"
fi

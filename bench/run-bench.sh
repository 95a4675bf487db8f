#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs varnolt-cli beside the floor and the usual peers on fresh copies of a generated corpus, several
# rounds in turn, verifies every result and prints a table of medians, ratios to the floor and peak
# memory. Times and memory come from /usr/bin/time: wall seconds, processor seconds (user + system, less
# disturbed by other load on a shared machine) and the largest resident set. The window's jobs (window-*,
# engine-preview) time their command inside the process instead, and measure the longest gaps between two
# turns of the window's event loop; they run offscreen unless QT_QPA_PLATFORM says otherwise.
#
#   bench/run-bench.sh [--files N] [--rounds R] [--peer-files P] [--peer-rounds Q] [--build DIR]
#                      [--work DIR] [--jobs "JOB ..."] [--table FILE] [--photo-files F] [--video-files V]
#
# one-name-N and one-day-N move N files of one day, one from each of N folders, into one category: all
# of one name ("IMG_0001.jpg", numbered from (1) on) or each of its own; their N is part of the job's name.
#
# exiftool takes milliseconds per file, minutes at 100,000 files, so the peers (exiftool, find + mv)
# meet the program and the floor on a second corpus of P files (20,000 by default) in the first Q rounds.
# The sorts by date taken (photo-*, window-taken) run on a third corpus: F small JPEGs (P by default) whose
# Exif dates exiftool wrote, and a few MP4 videos from ffmpeg, all last written on 2024-02-02. The video-*
# jobs sort V small videos (2,000 by default: MP4, iPhone MOV, MKV and AVI from ffmpeg) by last write time,
# then by date taken.
set -euo pipefail

files=100000
rounds=3
peer_files=20000
peer_rounds=1
here=$(cd "$(dirname "$0")" && pwd)
build="$here/../build"
work="${TMPDIR:-/tmp}/varnolt-bench"
table_file=""
# Each of the program's jobs right after its floor, so that the pair meets the same state of the machine.
jobs="floor-move floor-undo varnolt-move varnolt-undo window-run window-undo floor-copy varnolt-copy varnolt-type
      varnolt-size varnolt-number varnolt-preview engine-preview window-preview photo-write photo-taken
      window-taken video-write video-taken peer-floor peer-varnolt exiftool find-mv one-name-2000 one-name-8000 one-day-2000 one-day-8000"
photo_files=""
video_files=2000

while (($#)); do
    case $1 in
    --files) files=$2; shift 2 ;;
    --rounds) rounds=$2; shift 2 ;;
    --peer-files) peer_files=$2; shift 2 ;;
    --peer-rounds) peer_rounds=$2; shift 2 ;;
    --build) build=$2; shift 2 ;;
    --work) work=$2; shift 2 ;;
    --jobs) jobs=$2; shift 2 ;;
    --table) table_file=$2; shift 2 ;;
    --photo-files) photo_files=$2; shift 2 ;;
    --video-files) video_files=$2; shift 2 ;;
    *) echo "run-bench.sh: unknown argument $1" >&2; exit 2 ;;
    esac
done

cli="$build/app/cli/varnolt-cli"
make_corpus="$build/bench/make_corpus"
floor="$build/bench/floor_sort"
verify="$build/bench/verify_sort"
find_mv="$here/find-mv-sort.sh"
window_bench="$build/bench/window/window_bench"
for tool in "$cli" "$make_corpus" "$floor" "$verify"; do
    [[ -x $tool ]] || { echo "run-bench.sh: $tool is missing; build first" >&2; exit 2; }
done
if ! command -v exiftool >/dev/null; then
    echo "run-bench.sh: exiftool is not installed; its job is left out" >&2
    jobs=${jobs//exiftool/}
fi
photo_files=${photo_files:-$peer_files}
if [[ $jobs == *-taken* || $jobs == *photo-* || $jobs == *video-* ]] && ! command -v exiftool convert ffmpeg >/dev/null; then
    echo "run-bench.sh: the sorts by date taken need exiftool, convert and ffmpeg (scripts/install-deps)" >&2
    exit 2
fi
if [[ ! -x $window_bench ]]; then
    echo "run-bench.sh: $window_bench was not built (no Qt); the window's jobs are left out" >&2
    jobs=$(tr ' ' '\n' <<<"$jobs" | grep -v -e '^window-' -e '^engine-preview$' | tr '\n' ' ')
fi
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

job="$work/job"
results="$work/results.tsv"
rm -rf "$work"
mkdir -p "$work"
: >"$results"

echo "Generating $files files..."
"$make_corpus" "$work/corpus" "$work/manifest" "$files"
if [[ $jobs == *peer-* || $jobs == *exiftool* || $jobs == *find-mv* ]]; then
    echo "Generating $peer_files files for the peers..."
    "$make_corpus" "$work/peer-corpus" "$work/peer-manifest" "$peer_files"
fi

# spread DIR COUNT PREFIX SEED...: COUNT copies of the seeds in turn, a thousand to a folder of DIR, each
# named PREFIX, its number, "-" and its seed's name; tee writes each seed to all its copies at once.
spread() {
    local dir=$1 count=$2 prefix=$3 i seed
    shift 3
    local seeds=("$@")
    for seed in "${seeds[@]}"; do : >"$seed.names"; done
    for ((i = 0; i < count; i++)); do
        local folder="$dir/d$((i / 1000))"
        seed=${seeds[i % ${#seeds[@]}]}
        echo "$folder/$prefix$i-${seed##*/}" >>"$seed.names"
        ((i % 1000)) || mkdir -p "$folder"
    done
    for seed in "${seeds[@]}"; do xargs -a "$seed.names" tee <"$seed" >/dev/null; done
}

# make_photos DIR COUNT: COUNT small JPEGs on forty dates taken, and four videos; each name ends with the
# date taken ("p17-2013-4-9.jpg"), made from one file a date.
make_photos() {
    local dir=$1 count=$2 seeds="$work/photo-seeds" d i
    mkdir -p "$seeds" "$dir"
    convert -size 8x8 xc:gray "$seeds/plain.jpg"
    : >"$seeds/exif-args"
    for ((d = 0; d < 40; d++)); do
        local y=$((2005 + d % 19)) m=$((1 + d % 12)) day=$((1 + d * 7 % 28))
        cp "$seeds/plain.jpg" "$seeds/$y-$m-$day.jpg"
        printf -- '-DateTimeOriginal=%04d:%02d:%02d 12:00:00\n%s\n-execute\n' "$y" "$m" "$day" \
            "$seeds/$y-$m-$day.jpg" >>"$seeds/exif-args"
    done
    exiftool -@ "$seeds/exif-args" -common_args -q -overwrite_original
    local dated=("$seeds"/*-*.jpg)
    spread "$dir" "$count" p "${dated[@]}"
    for ((i = 1; i <= 4; i++)); do
        ffmpeg -nostdin -v error -f lavfi -i color=c=gray:s=64x48:d=0.2 \
            -metadata creation_time="201$i-0$i-1${i}T12:00:00Z" "$dir/v$i-201$i-$i-1$i.mp4"
    done
    find "$dir" -type f -print0 | xargs -0 touch -d "2024-02-02 12:00"
}

# make_videos DIR COUNT: COUNT small videos on twenty dates taken, named like the photos ("v17-2013-4-9.mkv"),
# in four containers: MP4 and MKV with a UTC creation time at noon, MOV with an iPhone's capture date, AVI
# with its date alone.
make_videos() {
    local dir=$1 count=$2 seeds="$work/video-seeds" d
    mkdir -p "$seeds" "$dir"
    local made=()
    for ((d = 0; d < 20; d++)); do
        local y=$((2005 + d % 19)) m=$((1 + d % 12)) day=$((1 + d * 7 % 28)) ext options
        local iso
        iso=$(printf '%04d-%02d-%02d' "$y" "$m" "$day")
        case $((d % 4)) in
        0) ext=mp4 options=(-metadata creation_time="${iso}T12:00:00Z") ;;
        1) ext=mov options=(-metadata creation_time="${iso}T03:00:00Z" -movflags use_metadata_tags
                            -metadata com.apple.quicktime.creationdate="${iso}T12:00:00+0900") ;;
        2) ext=mkv options=(-metadata creation_time="${iso}T12:00:00Z") ;;
        3) ext=avi options=(-metadata date="$iso") ;;
        esac
        ffmpeg -nostdin -v error -f lavfi -i color=c=gray:s=64x48:d=0.2 "${options[@]}" "$seeds/$y-$m-$day.$ext"
        made+=("$seeds/$y-$m-$day.$ext")
    done
    spread "$dir" "$count" v "${made[@]}"
    find "$dir" -type f -print0 | xargs -0 touch -d "2024-02-02 12:00"
}

# check_photos NAME EXPECTED FOLDER: every photo and video was placed, each in FOLDER, or with "taken" in
# the folder of the date its name ends with.
check_photos() {
    local name=$1 expected=$2 folder=$3
    local placed misplaced
    placed=$(find "$job/out" -type f | wc -l)
    misplaced=$(cd "$job/out" && find . -type f | awk -F/ -v folder="$folder" '
        { date = $NF; sub(/^[pv][0-9]+-/, "", date); sub(/\.[a-z0-9]+$/, "", date) }
        $(NF - 1) != (folder == "taken" ? date : folder) { print; exit }')
    if ((placed != expected)) || [[ -n $misplaced ]]; then
        echo "VERIFY FAILED: $name: $placed of $expected placed; misplaced: ${misplaced:-none}" >&2
        failed=1
    fi
}

if [[ $jobs == *-taken* || $jobs == *photo-* ]]; then
    echo "Generating $photo_files photos with dates taken and 4 videos..."
    make_photos "$work/photo-corpus" "$photo_files"
fi

if [[ $jobs == *video-* ]]; then
    echo "Generating $video_files videos with dates taken..."
    make_videos "$work/video-corpus" "$video_files"
fi

failed=0

# fresh CORPUS: a fresh copy for a job that moves files. Hard links, so that making it is cheap and the
# files keep their sizes and times; moving a link inside the copy leaves the corpus as it was.
fresh() {
    rm -rf "$job"
    mkdir -p "$job/data"
    cp -al "$1" "$job/src"
}

# measure NAME ROUND FILES COMMAND...: the times and peak memory of one job, its output kept in $job.
# A command that leaves its own figures in $job.figures (window_bench: wall and processor seconds of the
# command alone, the longest event-loop gap and the gaps' 99th percentile in ms) has its times taken from
# there; the gaps are "-" for the others.
measure() {
    local name=$1 round=$2 count=$3
    shift 3
    rm -f "$job.figures"
    if ! /usr/bin/time -f '%e %M %U %S' -o "$job.time" "$@" >"$job.out" 2>"$job.err"; then
        echo "FAILED: $name (round $round): $(tail -3 "$job.err")" >&2
        failed=1
        return 1
    fi
    local own=""
    [[ ! -f $job.figures ]] || own=$(cat "$job.figures")
    tail -1 "$job.time" | awk -v name="$name" -v round="$round" -v count="$count" -v own="$own" -v OFS='\t' '
        { wall = $1; cpu = $3 + $4; gap = "-"; gap99 = "-" }
        split(own, f, " ") == 4 { wall = f[1]; cpu = f[2]; gap = f[3]; gap99 = f[4] }
        { print name, round, count, wall, $2, cpu, gap, gap99 }' >>"$results"
}

# check NAME VERIFY-ARGS...: the job's outcome against the manifest.
check() {
    local name=$1
    shift
    if ! "$verify" "$@" >"$job.verify" 2>&1; then
        echo "VERIFY FAILED: $name: $(cat "$job.verify")" >&2
        failed=1
    fi
}

cli_run=("$cli" --data-dir "$job/data" --include-subfolders)
# After window_bench's mode and source: the result, data folder and figures of the job.
window_job=("$job/out" "$job/data" "$job.figures")

run_job() { # JOB ROUND
    local r=$2 corpus="$work/corpus" manifest="$work/manifest"
    case $1 in
    peer-* | exiftool | find-mv)
        ((r <= peer_rounds)) || return 0
        corpus="$work/peer-corpus"
        manifest="$work/peer-manifest" ;;
    esac
    local n
    case $1 in
    photo-* | window-taken) n=$((photo_files + 4)) ;;
    video-*) n=$video_files ;;
    *) n=$(wc -l <"$manifest") ;;
    esac
    case $1 in
    floor-move | peer-floor)
        fresh "$corpus"
        measure "$1" "$r" "$n" "$floor" move "$job/src" "$job/out" "$job/data/journal" &&
            check "$1" "$manifest" "$job/src" "$job/out" date ;;
    floor-undo) # undoes the floor-move before it
        [[ -f $job/data/journal ]] || return 0
        measure floor-undo "$r" "$n" "$floor" undo "$job/data/journal" &&
            check floor-undo "$manifest" "$job/src/" "$job/out" restored ;;
    varnolt-move | peer-varnolt)
        fresh "$corpus"
        measure "$1" "$r" "$n" "${cli_run[@]}" --run "$job/src" --to "$job/out" &&
            check "$1" "$manifest" "$job/src" "$job/out" date ;;
    varnolt-undo) # undoes the varnolt-move before it
        [[ -f $job/data/undo.udo ]] || return 0
        measure varnolt-undo "$r" "$n" "$cli" --undo --data-dir "$job/data" &&
            check varnolt-undo "$manifest" "$job/src/" "$job/out" restored ;;
    window-run)
        fresh "$corpus"
        measure window-run "$r" "$n" "$window_bench" run "$job/src" "${window_job[@]}" &&
            check window-run "$manifest" "$job/src" "$job/out" date ;;
    window-undo) # undoes the window-run before it
        [[ -f $job/data/undo.udo ]] || return 0
        measure window-undo "$r" "$n" "$window_bench" undo "$job/src" "${window_job[@]}" &&
            check window-undo "$manifest" "$job/src/" "$job/out" restored ;;
    floor-copy)
        rm -rf "$job.copy"
        measure floor-copy "$r" "$n" "$floor" copy "$corpus" "$job.copy" "$work/copy-journal" &&
            check floor-copy "$manifest" "$corpus" "$job.copy" date copy
        rm -rf "$job.copy" ;;
    varnolt-copy)
        rm -rf "$job.copy" "$work/copy-data"
        mkdir -p "$work/copy-data"
        measure varnolt-copy "$r" "$n" "$cli" --data-dir "$work/copy-data" --include-subfolders --run --copy \
            "$corpus" --to "$job.copy" && check varnolt-copy "$manifest" "$corpus" "$job.copy" date copy
        rm -rf "$job.copy" ;;
    varnolt-type)
        fresh "$corpus"
        measure varnolt-type "$r" "$n" "${cli_run[@]}" --run --method type \
            --group music,image,video,program,document --every-type "$job/src" --to "$job/out" &&
            check varnolt-type "$manifest" "$job/src" "$job/out" type ;;
    varnolt-size)
        fresh "$corpus"
        measure varnolt-size "$r" "$n" "${cli_run[@]}" --run --method size "$job/src" --to "$job/out" &&
            check varnolt-size "$manifest" "$job/src" "$job/out" size ;;
    varnolt-number)
        fresh "$corpus"
        measure varnolt-number "$r" "$n" "${cli_run[@]}" --run --method number --max-files 1000 \
            --subfolder-name Batch "$job/src" --to "$job/out" &&
            check varnolt-number "$manifest" "$job/src" "$job/out" number:1000:Batch ;;
    varnolt-preview)
        mkdir -p "$job/data"
        measure varnolt-preview "$r" "$n" "${cli_run[@]}" --preview "$corpus" --to "$job/out" &&
            check varnolt-preview preview "$manifest" "$job.out" ;;
    engine-preview | window-preview) # the engine with no view, then the window, both timed inside
        mkdir -p "$job/data"
        measure "$1" "$r" "$n" "$window_bench" "${1#window-}" "$corpus" "${window_job[@]}" &&
            check "$1" preview "$manifest" "$job.out" ;;
    photo-* | video-*) # the same photos (or videos) by last write time, then by date taken
        fresh "$work/${1%-*}-corpus"
        local by=(--time write) folder=2024-2-2
        [[ $1 == *-write ]] || { by=(--time taken); folder=taken; }
        measure "$1" "$r" "$n" "${cli_run[@]}" --run "${by[@]}" "$job/src" --to "$job/out" &&
            check_photos "$1" "$n" "$folder" ;;
    window-taken)
        fresh "$work/photo-corpus"
        measure window-taken "$r" "$n" "$window_bench" run-taken "$job/src" "${window_job[@]}" &&
            check_photos window-taken "$n" taken ;;
    one-name-* | one-day-*)
        local kind=${1%-*} size=${1##*-}
        local own="$work/$kind-$size"
        [[ -d $own ]] || "$make_corpus" "--$kind" "$own" "$own.manifest" "$size" >/dev/null
        fresh "$own"
        measure "$1" "$r" "$size" "${cli_run[@]}" --run "$job/src" --to "$job/out" &&
            check "$1" "$own.manifest" "$job/src" "$job/out" date ;;
    exiftool)
        fresh "$corpus"
        measure exiftool "$r" "$n" exiftool -fast4 -q -q -r -ext '*' '-Directory<FileModifyDate' \
            -d "$job/out/%Y-%m-%d" "$job/src" && check exiftool "$manifest" "$job/src" "$job/out" date-padded ;;
    find-mv)
        fresh "$corpus"
        measure find-mv "$r" "$n" "$find_mv" "$job/src" "$job/out" &&
            check find-mv "$manifest" "$job/src" "$job/out" date-padded ;;
    *) echo "run-bench.sh: unknown job $1" >&2; exit 2 ;;
    esac
}

for ((round = 1; round <= rounds; round++)); do
    echo "Round $round of $rounds..."
    for name in $jobs; do run_job "$name" "$round" || true; done
done
rm -rf "$job" "$job.copy"

# The table: median wall and processor time, their ratios to the floor of the same kind, peak memory.
table=$(awk -F'\t' -f "$here/bench-table.awk" "$results")

echo
echo "$table"
[[ -z $table_file ]] || echo "$table" >"$table_file"
if ((failed)); then
    echo "Some jobs failed or did not verify (see above)." >&2
    exit 1
fi
echo "Every result verified: no file lost, none overwritten, each in its folder."

#!/usr/bin/env bash
# Runs varnolt-cli beside the floor and the usual peers on fresh copies of one generated corpus, several
# rounds in turn, verifies every result and prints a table of medians, ratios to the floor and peak
# memory. Times and memory come from /usr/bin/time: wall seconds, processor seconds (user + system, less
# disturbed by other load on a shared machine) and the largest resident set.
#
#   bench/run-bench.sh [--files N] [--rounds R] [--peer-rounds P] [--build DIR] [--work DIR]
#                      [--jobs "JOB ..."] [--table FILE]
#
# The peers (exiftool, find + mv) take minutes at 100,000 files, so they run in the first P rounds only.
set -euo pipefail

files=100000
rounds=3
peer_rounds=1
here=$(cd "$(dirname "$0")" && pwd)
build="$here/../build"
work="${TMPDIR:-/tmp}/varnolt-bench"
table_file=""
# Each of the program's jobs right after its floor, so that the pair meets the same state of the machine.
all_jobs="floor-move floor-undo varnolt-move varnolt-undo floor-copy varnolt-copy varnolt-type varnolt-size
          varnolt-number varnolt-preview exiftool find-mv"
jobs=$all_jobs

while (($#)); do
    case $1 in
    --files) files=$2; shift 2 ;;
    --rounds) rounds=$2; shift 2 ;;
    --peer-rounds) peer_rounds=$2; shift 2 ;;
    --build) build=$2; shift 2 ;;
    --work) work=$2; shift 2 ;;
    --jobs) jobs=$2; shift 2 ;;
    --table) table_file=$2; shift 2 ;;
    *) echo "run-bench.sh: unknown argument $1" >&2; exit 2 ;;
    esac
done

cli="$build/app/cli/varnolt-cli"
make_corpus="$build/bench/make_corpus"
floor="$build/bench/floor_sort"
verify="$build/bench/verify_sort"
find_mv="$here/find-mv-sort.sh"
for tool in "$cli" "$make_corpus" "$floor" "$verify"; do
    [[ -x $tool ]] || { echo "run-bench.sh: $tool is missing; build first" >&2; exit 2; }
done
command -v exiftool >/dev/null || jobs=${jobs//exiftool/}

corpus="$work/corpus"
manifest="$work/manifest"
job="$work/job"
results="$work/results.tsv"
rm -rf "$work"
mkdir -p "$work"
: >"$results"

echo "Generating $files files..."
"$make_corpus" "$corpus" "$manifest" "$files"

failed=0

# A fresh copy of the corpus for a job that moves files: hard links, so that making it is cheap and the
# files keep their sizes and times; moving a link inside the copy leaves the corpus as it was.
fresh() {
    rm -rf "$job"
    mkdir -p "$job/data"
    cp -al "$corpus" "$job/src"
}

# measure NAME ROUND COMMAND...: the wall time and peak memory of one job, its output kept in $job.
measure() {
    local name=$1 round=$2
    shift 2
    if ! /usr/bin/time -f '%e %M %U %S' -o "$job.time" "$@" >"$job.out" 2>"$job.err"; then
        echo "FAILED: $name (round $round): $(tail -3 "$job.err")" >&2
        failed=1
        return 1
    fi
    read -r seconds kilobytes user system < <(tail -1 "$job.time")
    printf '%s\t%s\t%s\t%s\t%s\n' "$name" "$round" "$seconds" "$kilobytes" "$(awk -v u="$user" -v s="$system" 'BEGIN { print u + s }')" >>"$results"
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

run_job() { # JOB ROUND
    local r=$2
    case $1 in
    floor-move)
        fresh
        measure floor-move "$r" "$floor" move "$job/src" "$job/out" "$job/data/journal" &&
            check floor-move "$manifest" "$job/src" "$job/out" date ;;
    floor-undo) # undoes the floor-move before it
        [[ -f $job/data/journal ]] || return 0
        measure floor-undo "$r" "$floor" undo "$job/data/journal" &&
            check floor-undo "$manifest" "$job/src/" "$job/out" restored ;;
    floor-copy)
        rm -rf "$job.copy"
        measure floor-copy "$r" "$floor" copy "$corpus" "$job.copy" "$work/copy-journal" &&
            check floor-copy "$manifest" "$corpus" "$job.copy" date copy
        rm -rf "$job.copy" ;;
    varnolt-move)
        fresh
        measure varnolt-move "$r" "${cli_run[@]}" --run "$job/src" --to "$job/out" &&
            check varnolt-move "$manifest" "$job/src" "$job/out" date ;;
    varnolt-undo) # undoes the varnolt-move before it
        [[ -f $job/data/undo.udo ]] || return 0
        measure varnolt-undo "$r" "$cli" --undo --data-dir "$job/data" &&
            check varnolt-undo "$manifest" "$job/src/" "$job/out" restored ;;
    varnolt-copy)
        rm -rf "$job.copy" "$work/copy-data"
        mkdir -p "$work/copy-data"
        measure varnolt-copy "$r" "$cli" --data-dir "$work/copy-data" --include-subfolders --run --copy "$corpus" \
            --to "$job.copy" && check varnolt-copy "$manifest" "$corpus" "$job.copy" date copy
        rm -rf "$job.copy" ;;
    varnolt-type)
        fresh
        measure varnolt-type "$r" "${cli_run[@]}" --run --method type --group music,image,video,program,document \
            --every-type "$job/src" --to "$job/out" && check varnolt-type "$manifest" "$job/src" "$job/out" type ;;
    varnolt-size)
        fresh
        measure varnolt-size "$r" "${cli_run[@]}" --run --method size "$job/src" --to "$job/out" &&
            check varnolt-size "$manifest" "$job/src" "$job/out" size ;;
    varnolt-number)
        fresh
        measure varnolt-number "$r" "${cli_run[@]}" --run --method number --max-files 1000 --subfolder-name Batch \
            "$job/src" --to "$job/out" && check varnolt-number "$manifest" "$job/src" "$job/out" number:1000:Batch ;;
    varnolt-preview)
        mkdir -p "$job/data"
        measure varnolt-preview "$r" "${cli_run[@]}" --preview "$corpus" --to "$job/out" &&
            check varnolt-preview preview "$manifest" "$job.out" ;;
    exiftool)
        ((r <= peer_rounds)) || return 0
        fresh
        measure exiftool "$r" exiftool -fast4 -q -q -r -ext '*' '-Directory<FileModifyDate' \
            -d "$job/out/%Y-%m-%d" "$job/src" && check exiftool "$manifest" "$job/src" "$job/out" date-padded ;;
    find-mv)
        ((r <= peer_rounds)) || return 0
        fresh
        measure find-mv "$r" "$find_mv" "$job/src" "$job/out" &&
            check find-mv "$manifest" "$job/src" "$job/out" date-padded ;;
    *) echo "run-bench.sh: unknown job $1" >&2; exit 2 ;;
    esac
}

for ((round = 1; round <= rounds; round++)); do
    echo "Round $round of $rounds..."
    for name in $jobs; do run_job "$name" "$round" || true; done
done
rm -rf "$job" "$job.copy"

# The table: median wall and processor time, their ratios to the floor of the same kind, median peak memory.
table=$(awk -F'\t' -v files="$files" '
    function median(list,    n, a, i, j, t) {
        n = split(list, a, " ")
        for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j - 1] + 0 > a[j] + 0; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
        return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }
    { secs[$1] = secs[$1] " " $3; mem[$1] = mem[$1] " " $4; cpu[$1] = cpu[$1] " " $5; runs[$1]++ }
    END {
        split("floor-move floor-undo floor-copy varnolt-move varnolt-undo varnolt-copy varnolt-type varnolt-size varnolt-number varnolt-preview exiftool find-mv", order, " ")
        floorOf["varnolt-move"] = "floor-move"; floorOf["varnolt-type"] = "floor-move"
        floorOf["varnolt-size"] = "floor-move"; floorOf["varnolt-number"] = "floor-move"
        floorOf["exiftool"] = "floor-move"; floorOf["find-mv"] = "floor-move"
        floorOf["varnolt-undo"] = "floor-undo"; floorOf["varnolt-copy"] = "floor-copy"
        floorOf["floor-move"] = "floor-move"; floorOf["floor-undo"] = "floor-undo"; floorOf["floor-copy"] = "floor-copy"
        printf "| %-16s | %4s | %8s | %8s | %9s | %9s | %8s | %7s |\n", "job (" files ")", "runs", "wall s", "cpu s", "us/file", "× floor", "cpu × fl", "peak MB"
        printf "|%s|%s|%s|%s|%s|%s|%s|%s|\n", "------------------", "-----:", "---------:", "---------:", "----------:", "----------:", "---------:", "--------:"
        for (k = 1; k <= 12; k++) {
            name = order[k]
            if (!(name in runs)) continue
            m = median(secs[name]); c = median(cpu[name])
            ratio = "—"; cpuRatio = "—"
            if ((name in floorOf) && (floorOf[name] in runs)) {
                ratio = sprintf("%.2f", m / median(secs[floorOf[name]]))
                cpuRatio = sprintf("%.2f", c / median(cpu[floorOf[name]]))
            }
            printf "| %-16s | %4d | %8.2f | %8.2f | %9.1f | %9s | %8s | %7.1f |\n", name, runs[name], m, c, m * 1e6 / files, ratio, cpuRatio, median(mem[name]) / 1024
        }
        if (("exiftool" in runs) && ("varnolt-move" in runs))
            printf "\nvarnolt-move is %.1f× faster than exiftool\n", median(secs["exiftool"]) / median(secs["varnolt-move"])
    }' "$results")

echo
echo "$table"
[[ -z $table_file ]] || echo "$table" >"$table_file"
if ((failed)); then
    echo "Some jobs failed or did not verify (see above)." >&2
    exit 1
fi
echo "Every result verified: no file lost, none overwritten, each in its folder."

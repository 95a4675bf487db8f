# The benchmark table from run-bench.sh's results (job, round, files, wall s, peak KB, processor s, and
# for the window's jobs the longest event-loop gap and the gaps' 99th percentile in ms; tab separated):
# medians over the rounds, ratios to the floor of the same kind, peak memory; then the window's figures.
#
#   awk -F'\t' -f bench/bench-table.awk results.tsv
function median(list,    n, a, i, j, t) {
    n = split(list, a, " ")
    for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j - 1] + 0 > a[j] + 0; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
}
function largest(list,    n, a, i, m) {
    n = split(list, a, " ")
    for (i = 1; i <= n; i++) if (i == 1 || a[i] + 0 > m) m = a[i] + 0
    return m
}
function ratio(name, list, of) { return (of in runs) ? sprintf("%.2f", median(list[name]) / median(list[of])) : "—" }
{ count[$1] = $3; wall[$1] = wall[$1] " " $4; mem[$1] = mem[$1] " " $5; cpu[$1] = cpu[$1] " " $6; runs[$1]++ }
NF >= 8 && $7 != "-" { gap[$1] = gap[$1] " " $7; gap99[$1] = gap99[$1] " " $8 }
END {
    # Each job's floor: the bare system calls of the same work; for the window's preview, the engine with no
    # view; for the sorts by date taken, the sort of the same photos by their last write time; for a one-name
    # job, the same count of distinct names.
    n = split("floor-move floor-undo varnolt-move varnolt-undo window-run window-undo floor-copy varnolt-copy varnolt-type varnolt-size varnolt-number varnolt-preview engine-preview window-preview photo-write photo-taken window-taken video-write video-taken peer-floor peer-varnolt exiftool find-mv one-name-2000 one-name-8000 one-day-2000 one-day-8000", order, " ")
    split("floor-move floor-undo floor-move floor-undo floor-move floor-undo floor-copy floor-copy floor-move floor-move floor-move - - engine-preview - photo-write photo-write - video-write peer-floor peer-floor peer-floor peer-floor one-day-2000 one-day-8000 - -", floors, " ")
    printf "| %-15s | %7s | %4s | %8s | %8s | %8s | %7s | %7s | %7s |\n", "job", "files", "runs", "wall s", "cpu s", "us/file", "× floor", "cpu ×fl", "peak MB"
    print "|-----------------|--------:|-----:|---------:|---------:|---------:|--------:|--------:|--------:|"
    for (k = 1; k <= n; k++) {
        name = order[k]
        if (!(name in runs)) continue
        if (name ~ /^(window-|engine-preview)/) timedInside = 1
        m = median(wall[name])
        printf "| %-15s | %7d | %4d | %8.2f | %8.2f | %8.1f | %7s | %7s | %7.1f |\n", name, count[name], runs[name], m,
            median(cpu[name]), m * 1e6 / count[name], ratio(name, wall, floors[k]), ratio(name, cpu, floors[k]),
            median(mem[name]) / 1024
    }
    if (timedInside)
        print "\nwindow-* and engine-preview: the command alone, from the click to the window's last paint, timed\n" \
            "inside the process; window-preview's floor is the engine with no view (engine-preview)."
    if (("exiftool" in runs) && ("peer-varnolt" in runs))
        printf "\nOn the same %d files varnolt-cli sorts by date %.1f× faster than exiftool (wall), %.1f× (cpu).\n",
            count["exiftool"], median(wall["exiftool"]) / median(wall["peer-varnolt"]),
            median(cpu["exiftool"]) / median(cpu["peer-varnolt"])
    if (("one-name-2000" in runs) && ("one-name-8000" in runs))
        printf "\nNumbering: 8,000 files of one name took %s× the time of 2,000 (cpu %s×); the floor of a one-name\n" \
            "job is the same count of distinct names.\n", ratio("one-name-8000", wall, "one-name-2000"),
            ratio("one-name-8000", cpu, "one-name-2000")
    if (("window-preview" in runs) && ("engine-preview" in runs))
        printf "\nThe window previews %d files at %.0f items/s, " \
            "the engine with no view at %.0f items/s: %s× its time.\n",
            count["window-preview"], count["window-preview"] / median(wall["window-preview"]),
            count["engine-preview"] / median(wall["engine-preview"]), ratio("window-preview", wall, "engine-preview")
    header = 0
    for (k = 1; k <= n; k++) {
        name = order[k]
        if (!(name in gap)) continue
        if (!header++) {
            print "\nThe longest wait between two turns of the window's event loop (how long Stop would wait), in ms:\n"
            printf "| %-15s | %4s | %8s | %8s | %8s |\n", "command", "runs", "longest", "worst", "99th pct"
            print "|-----------------|-----:|---------:|---------:|---------:|"
        }
        printf "| %-15s | %4d | %8.1f | %8.1f | %8.1f |\n", name, runs[name], median(gap[name]), largest(gap[name]),
            median(gap99[name])
    }
    if (header) print "\nlongest: the median over the runs of each run's longest gap; worst: the longest of all runs."
}

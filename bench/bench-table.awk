# The benchmark table from run-bench.sh's results (job, round, files, wall s, peak KB, processor s; tab
# separated): medians over the rounds, ratios to the floor of the same kind, peak memory.
#
#   awk -F'\t' -f bench/bench-table.awk results.tsv
function median(list,    n, a, i, j, t) {
    n = split(list, a, " ")
    for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j - 1] + 0 > a[j] + 0; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
}
function ratio(name, list, of) { return (of in runs) ? sprintf("%.2f", median(list[name]) / median(list[of])) : "—" }
{ count[$1] = $3; wall[$1] = wall[$1] " " $4; mem[$1] = mem[$1] " " $5; cpu[$1] = cpu[$1] " " $6; runs[$1]++ }
END {
    n = split("floor-move floor-undo varnolt-move varnolt-undo floor-copy varnolt-copy varnolt-type varnolt-size varnolt-number varnolt-preview peer-floor peer-varnolt exiftool find-mv", order, " ")
    split("floor-move floor-undo floor-move floor-undo floor-copy floor-copy floor-move floor-move floor-move - peer-floor peer-floor peer-floor peer-floor", floors, " ")
    printf "| %-15s | %7s | %4s | %8s | %8s | %8s | %7s | %7s | %7s |\n", "job", "files", "runs", "wall s", "cpu s", "us/file", "× floor", "cpu ×fl", "peak MB"
    print "|-----------------|--------:|-----:|---------:|---------:|---------:|--------:|--------:|--------:|"
    for (k = 1; k <= n; k++) {
        name = order[k]
        if (!(name in runs)) continue
        m = median(wall[name])
        printf "| %-15s | %7d | %4d | %8.2f | %8.2f | %8.1f | %7s | %7s | %7.1f |\n", name, count[name], runs[name], m,
            median(cpu[name]), m * 1e6 / count[name], ratio(name, wall, floors[k]), ratio(name, cpu, floors[k]),
            median(mem[name]) / 1024
    }
    if (("exiftool" in runs) && ("peer-varnolt" in runs))
        printf "\nOn the same %d files varnolt-cli sorts by date %.1f× faster than exiftool (wall), %.1f× (cpu).\n",
            count["exiftool"], median(wall["exiftool"]) / median(wall["peer-varnolt"]),
            median(cpu["exiftool"]) / median(cpu["peer-varnolt"])
}

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The shell pipeline people write for "sort my files into day folders": find prints each file's day,
# sort groups the days, one mkdir makes every day folder and one mv per day moves that day's files. mv -n never overwrites: a file whose
# name is taken stays where it is (the benchmark's verification would report it).
#
#   find-mv-sort.sh SOURCE RESULT
set -euo pipefail
source_dir=$1
result_dir=$2
mkdir -p "$result_dir"
list=$(mktemp)
trap 'rm -f "$list"' EXIT

move_batch() { mv -n -t "$result_dir/$1" -- "${@:2}"; }

# From a file, not a pipe: bash reads a pipe one byte at a time.
find "$source_dir" -type f -printf '%TY-%Tm-%Td\t%p\0' | sort -z -t $'\t' -k1,1 >"$list"
cut -z -f1 "$list" | uniq -z | (cd "$result_dir" && xargs -0 -r mkdir -p --)
day=""
batch=()
while IFS=$'\t' read -r -d '' file_day path; do
    if [[ $file_day != "$day" ]]; then
        ((${#batch[@]} == 0)) || move_batch "$day" "${batch[@]}"
        day=$file_day
        batch=()
    fi
    batch+=("$path")
done <"$list"
((${#batch[@]} == 0)) || move_batch "$day" "${batch[@]}"

#!/usr/bin/env bash
# Start-up, tab-change and memory benchmark of the calculator beside the floor
# program (a bare Qt window with the same widgets and none of the program's
# logic), in one run on one machine. Prints a Markdown table and writes it,
# with the raw figures and the callgrind profiles, to <build>/bench/.
#
#   tools/bench/run_bench.sh [build folder]      (make bench builds it first)
#
# BENCH_RUNS      start-up runs of each program, alternating (default 7)
# BENCH_CHANGES   timed tab changes of each kind per refresh run (default 1000)
# BENCH_REFRESH_RUNS  refresh runs of each program, alternating (default 3)
#
# The timed runs use the xcb platform on an Xvfb server of their own; the
# instruction counts use the offscreen platform under callgrind, which does
# not depend on the machine's load. Exits with 3 when a target is missed.
set -euo pipefail

top=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$top/build-bench}" && pwd)
runs=${BENCH_RUNS:-7}
changes=${BENCH_CHANGES:-1000}
refresh_runs=${BENCH_REFRESH_RUNS:-3}
ours=$build/tools/bench/velmor-bench
floor=$build/tools/bench/floor-bench
out=$build/bench

for program in "$ours" "$floor"; do
    [ -x "$program" ] || { echo "missing $program: build the bench targets first (make bench)" >&2; exit 2; }
done
for tool in xvfb-run valgrind awk; do
    command -v "$tool" >/dev/null || { echo "missing $tool: make bench-deps installs it" >&2; exit 2; }
done

# Everything below runs under one X server of its own, whatever DISPLAY says.
if [ -z "${VELMOR_BENCH_XVFB:-}" ]; then
    VELMOR_BENCH_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build"
fi

# The C locale makes $EPOCHREALTIME use a decimal point.
export LC_ALL=C
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
# No language chosen in the Menu: each run's language is its environment's.
export XDG_CONFIG_HOME=$XDG_RUNTIME_DIR/config
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
mkdir -p "$out"
raw=$out/raw.txt
: >"$raw"

# value <key> <file>: the value of a key=value line.
value() { sed -n "s/^$1=//p" "$2"; }

# One start-up: from just before the process is started to the end of the
# first paint of its window. Appends "<name> startup_ms <ms>" and
# "<name> peak_rss_kib <KiB>".
startup_run() {
    local name=$1 program=$2 t0 painted
    t0=$EPOCHREALTIME
    QT_QPA_PLATFORM=xcb "$program" startup >"$out/last.txt"
    painted=$(value painted_at_us "$out/last.txt")
    [ -n "$painted" ] || { echo "$name did not report its first paint" >&2; exit 1; }
    awk -v n="$name" -v t0="$t0" -v t="$painted" 'BEGIN { printf "%s startup_ms %.3f\n", n, (t - t0 * 1e6) / 1000 }' >>"$raw"
    echo "$name peak_rss_kib $(value peak_rss_kib "$out/last.txt")" >>"$raw"
}

refresh_run() {
    local name=$1 program=$2 key
    QT_QPA_PLATFORM=xcb "$program" refresh "$changes" >"$out/last.txt"
    for key in result_tab_median_us graph_tab_median_us result_tab_p90_us graph_tab_p90_us \
               result_tab_paints graph_tab_paints; do
        echo "$name $key $(value $key "$out/last.txt")" >>"$raw"
    done
    echo "$name graph_tab_first_us $(value graph_tab_first_us "$out/last.txt")" >>"$raw"
    echo "$name peak_rss_after_changes_kib $(value peak_rss_kib "$out/last.txt")" >>"$raw"
}

echo "start-up: 1 warm-up and $runs measured runs of each program, alternating" >&2
startup_run warmup "$floor"
startup_run warmup "$ours"
for ((i = 0; i < runs; ++i)); do
    startup_run floor "$floor"
    startup_run ours "$ours"
done

echo "start-up under callgrind" >&2
for side in floor ours; do
    program=$floor
    [ $side = ours ] && program=$ours
    QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --callgrind-out-file="$out/$side-startup.callgrind" \
        "$program" startup >/dev/null 2>"$out/$side-callgrind.log"
    echo "$side startup_instructions $(sed -n 's/^summary: *//p' "$out/$side-startup.callgrind")" >>"$raw"
done
# The calculator once more in each translated interface with its region's
# settings, against the same floor. A translated start letters the artwork
# once and keeps it in the user's cache folder: the first start of each
# language is measured with an empty one (German only), every other after a
# start that filled it, as the plant's second start is.
export XDG_CACHE_HOME=$XDG_RUNTIME_DIR/cache
translated_run() {
    local key=$1 language=$2 region=$3
    LANGUAGE=$language LC_ALL=$region QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind \
        --callgrind-out-file="$out/ours-startup-$key.callgrind" "$ours" startup >/dev/null 2>"$out/ours-callgrind-$key.log"
    echo "ours startup_instructions_$key $(sed -n 's/^summary: *//p' "$out/ours-startup-$key.callgrind")" >>"$raw"
    echo "floor startup_instructions_$key $(sed -n 's/^summary: *//p' "$out/floor-startup.callgrind")" >>"$raw"
}
# An English start first fills the fonts' cache, which lives there too.
QT_QPA_PLATFORM=offscreen "$ours" startup >/dev/null
translated_run de_first de de_DE.UTF-8
for pair in de:de_DE fr:fr_FR es:es_ES pt_BR:pt_BR zh_CN:zh_CN; do
    language=${pair%%:*}
    LANGUAGE=$language LC_ALL=${pair#*:}.UTF-8 QT_QPA_PLATFORM=offscreen "$ours" startup >/dev/null
    translated_run "$language" "$language" "${pair#*:}.UTF-8"
done

echo "tab changes: $refresh_runs runs of $changes changes of each kind per program, alternating" >&2
for ((i = 0; i < refresh_runs; ++i)); do
    refresh_run floor "$floor"
    refresh_run ours "$ours"
done

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
os=$(. /etc/os-release && echo "${PRETTY_NAME:-unknown}")
qt=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null | sed 's/[-+].*//' || true)

status=0
awk -v runs="$runs" -v changes="$changes" -v refreshRuns="$refresh_runs" \
    -v date="$(date -u +%Y-%m-%d)" -v machine="$(nproc) cores, ${cpu:-unknown CPU}, $os, Qt ${qt:-unknown}" '
    { values[$1, $2] = values[$1, $2] " " $3 }
    # Median of the space-separated numbers in list.
    function median(list,    n, v, i, j, t) {
        n = split(list, v, " ")
        for (i = 2; i <= n; ++i)
            for (j = i; j > 1 && v[j - 1] + 0 > v[j] + 0; --j) { t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
        if (n == 0) return ""
        return n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
    }
    # One line of the table; a target of 0 is none.
    function row(metric, key, scale, format, target,    o, f, ratio, met, limit) {
        o = median(values["ours", key]) / scale
        f = median(values["floor", key]) / scale
        ratio = f > 0 ? o / f : 0
        limit = target > 0 ? sprintf("≤ %.2f", target) : "–"
        met = target == 0 ? "–" : ratio <= target ? "yes" : "**no**"
        if (target > 0 && ratio > target) missed = 1
        printf "| %s | " format " | " format " | %.2f | %s | %s |\n", metric, o, f, ratio, limit, met
    }
    END {
        printf "Measured %s on %s; Release build, Xvfb (xcb) for times and memory, offscreen for instructions.\n\n", date, machine
        print "| Metric | Ours | Floor | Ratio | Target | Met? |"
        print "|---|---:|---:|---:|---:|---|"
        row("Start-up to first painted window, ms (median of " runs ")", "startup_ms", 1, "%.1f", 1.15)
        row("Start-up instructions, millions (callgrind)", "startup_instructions", 1e6, "%.1f", 1.15)
        row("Start-up instructions, German interface, first start, millions (callgrind)", "startup_instructions_de_first", 1e6, "%.1f", 0)
        split("de German fr French es Spanish pt_BR Brazilian_Portuguese zh_CN Chinese", languages, " ")
        for (i = 1; i in languages; i += 2) {
            name = languages[i + 1]; gsub("_", " ", name)
            row("Start-up instructions, " name " interface, millions (callgrind)", "startup_instructions_" languages[i], 1e6, "%.1f", 1.15)
        }
        row("Peak resident memory after start-up, MiB (median of " runs ")", "peak_rss_kib", 1024, "%.1f", 1.15)
        row("Tab change onto a result tab until painted, ms (median of " changes ")", "result_tab_median_us", 1000, "%.2f", 1.2)
        row("Tab change onto the Graph tab until painted, ms (median of " changes ")", "graph_tab_median_us", 1000, "%.2f", 1.2)
        row("First change onto the Graph tab, ms", "graph_tab_first_us", 1000, "%.2f", 0)
        row("Peak resident memory after the tab changes, MiB", "peak_rss_after_changes_kib", 1024, "%.1f", 0)
        printf "\n"
        if (refreshRuns > 1)
            printf "Tab-change rows: the median of %d runs. ", refreshRuns
        printf "Paint events per change (ours / floor): result tab %s / %s, Graph tab %s / %s.\n",
            median(values["ours", "result_tab_paints"]), median(values["floor", "result_tab_paints"]),
            median(values["ours", "graph_tab_paints"]), median(values["floor", "graph_tab_paints"])
        exit missed ? 3 : 0
    }' "$raw" | tee "$out/table.md" || status=$?

# What the program writes and reads only when asked, against fixed targets.
echo "report export and facility files" >&2
QT_QPA_PLATFORM=offscreen "$build/tools/bench/files-bench" >"$out/files.txt"
awk -F= '
    BEGIN { target["business_case_median_ms"] = 1; target["capital_case_median_ms"] = 2
            target["risk_simulation_median_ms"] = 150; target["records_import_median_ms"] = 1000
            target["report_export_median_ms"] = 150; target["workbook_export_median_ms"] = 100
            target["facility_save_median_ms"] = 5
            target["facility_open_median_ms"] = 5
            name["business_case_median_ms"] = "Business case with sensitivity and cases, ms (median of 200)"
            name["capital_case_median_ms"] = "Capital request over 30 years: cash flows, break-even, both tornados, ms (median of 200)"
            name["risk_simulation_median_ms"] = "Risk simulation, 10,000 runs of a 30-year capital request, ms (median of 20)"
            name["records_import_median_ms"] = "Work-order export of 100,000 rows on 5,000 assets read, grouped and tested, ms (median of 5)"
            name["report_export_median_ms"] = "Export of the four-page report to PDF, ms (median of 20)"
            name["workbook_export_median_ms"] = "Export of the workbook, ms (median of 20)"
            name["facility_save_median_ms"] = "Save of a facility file, ms (median of 200)"
            name["facility_open_median_ms"] = "Open of a facility file, ms (median of 200)"
            print "\n| On request | Ours | Target | Met? |"; print "|---|---:|---:|---|" }
    $1 in target { met = $2 + 0 <= target[$1]; if (!met) missed = 1
                   printf "| %s | %.3f | ≤ %d | %s |\n", name[$1], $2, target[$1], met ? "yes" : "**no**" }
    END { exit missed ? 3 : 0 }' "$out/files.txt" | tee -a "$out/table.md" || status=3

echo >&2
echo "raw figures: $raw; profiles: $out/*.callgrind (callgrind_annotate --inclusive=yes <file>)" >&2
exit "$status"

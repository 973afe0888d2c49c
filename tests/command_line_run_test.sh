#!/usr/bin/env bash
# The program's command line run for real, with no display: --report writes
# the PDF of a facility file or of the default figures, --workbook its
# workbook, --summary the totals of many files, and each exits 0; every
# failure is one line on standard error, a non-zero status and no file.
# Usage: command_line_run_test.sh <program> [<wine prefix>]
# With a Wine prefix, program is the Windows build's .exe, run under Wine:
# the cases that make Linux files (devices, pipes, size limits, links) skip,
# and Windows' own refusals (NUL, CON.pdf) are checked instead.
set -u
program=$1
wine_prefix=${2:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"

passed=0
failed=0
run() { # standard output into $work/out: a file, or with through_pipe set a pipe
  local command=()
  if [ -n "$wine_prefix" ]; then
    # Wine shows the root of the Linux file system as drive Z:.
    local arguments=() argument
    for argument in "$@"; do
      case $argument in
        /*) argument="Z:${argument//\//\\}" ;;
      esac
      arguments+=("$argument")
    done
    command=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM WINEPREFIX="$wine_prefix" WINEDEBUG=-all
             LANG=C.UTF-8 wine "$program" "${arguments[@]}")
  else
    command=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work/runtime" LANG=C.UTF-8
             "$program" "$@")
  fi
  if [ -n "${through_pipe:-}" ]; then
    "${command[@]}" </dev/null 2>"$work/err" | cat >"$work/out"
    return "${PIPESTATUS[0]}"
  fi
  "${command[@]}" </dev/null >"$work/out" 2>"$work/err"
}
# A date as the run's regional settings write it in the records' sentences:
# ISO 8601 in the C locale of the Linux runs, the US order of the settings a
# Wine prefix starts with.
day() {
  if [ -n "$wine_prefix" ]; then date -u -d "$1" +%-m/%-d/%Y; else echo "$1"; fi
}
on_linux() { # reason: true on Linux, else the case is reported as skipped
  [ -z "$wine_prefix" ] && return 0
  echo "SKIP $1"
  return 1
}
verdict() {
  if [ "$1" = ok ]; then
    echo "PASS $2"
    passed=$((passed + 1))
  else
    echo "FAIL $2: $3"
    sed 's/^/  err: /' "$work/err"
    failed=$((failed + 1))
  fi
}
figures() { # locale, then twelve texts
  local locale=$1
  shift
  local list
  list=$(printf '"%s",' "$@")
  printf '{"format": "velmor-figures", "version": 1, "locale": "%s", "figures": [%s], "report": {"customer": "Riverside Mill", "site": "", "preparedBy": "", "systemPrice": "20000"}}' \
    "$locale" "${list%,}"
}

# Writes the report and reads its text back.
expect_report() {
  local name=$1 pdf=$2 phrase=$3
  shift 3
  rm -f "$pdf"
  local status=0
  run --report "$pdf" "$@" || status=$?
  if [ "$status" -ne 0 ] || [ -s "$work/err" ] || [ ! -s "$pdf" ]; then
    verdict fail "$name" "status $status"
  elif ! pdftotext "$pdf" - | tr -s ' \n' '  ' | grep -qF "$phrase"; then
    verdict fail "$name" "\"$phrase\" is not in the report"
  else
    verdict ok "$name"
  fi
}

# A failure: one line naming the problem, a non-zero status, no PDF.
expect_failure() {
  local name=$1 pdf=$2 phrase=$3
  shift 3
  local status=0
  run --report "$pdf" "$@" || status=$?
  local lines
  lines=$(wc -l <"$work/err")
  if [ "$status" -eq 0 ] || [ "$lines" -ne 1 ] || ! grep -qF "$phrase" "$work/err"; then
    verdict fail "$name" "status $status, $lines lines"
  elif [ -f "$pdf" ]; then
    verdict fail "$name" "a PDF was left behind"
  else
    verdict ok "$name"
  fi
}

# A refusal or failed write: one line naming the file, status 1, and the
# file as it was (same bytes, same permission bits, nothing beside it).
expect_kept() {
  local name=$1 target=$2 phrase=$3
  shift 3
  local before after status=0
  before=$(stat -c '%F %a' "$target"; [ -f "$target" ] && sha256sum <"$target"; ls -a "$(dirname "$target")")
  "$@" || status=$?
  after=$(stat -c '%F %a' "$target"; [ -f "$target" ] && sha256sum <"$target"; ls -a "$(dirname "$target")")
  if [ "$status" -ne 1 ] || [ "$(wc -l <"$work/err")" -ne 1 ] || ! grep -qF "$phrase" "$work/err"; then
    verdict fail "$name" "status $status"
  elif [ "$before" != "$after" ]; then
    verdict fail "$name" "the file or its folder changed"
  else
    verdict ok "$name"
  fi
}

figures de_DE 1000 10 1000 1 "2.000" 1000 5 200 24 30 3 4 >"$work/german.velmor"
figures en_US 1000 10 1000 1 abc 1000 5 200 24 30 3 4 >"$work/letters.velmor"
figures en_US 1000 1E200 1000 1 1000 1000 5 200 24 30 3 1E200 >"$work/overflow.velmor"
echo 'not a facility file' >"$work/broken.velmor"
# A risk range whose runs would overflow at its high end.
figures en_US 1000 10 1000 1 1000 1000 5 200 24 30 3 4 | sed 's/"version": 1/"version": 5/;
  s/}}$/}, "risk": {"seed": "1", "runs": 100, "ranges": {"productionRate": [1, 2, 1e308]}}}/' >"$work/wide.velmor"
# Savings that compute, and a business case whose fifty years at -99 % do not.
figures en_US 1000 10 1E210 1 1000 1000 5 200 24 30 3 4 | sed 's/"version": 1/"version": 2/;
  s/, "systemPrice": "20000"}}/}, "investment": {"systemPrice": "20000", "years": "50", "discountRate": "-99"}}/' \
  >"$work/measures.velmor"

expect_report "defaults, no display" "$work/defaults.pdf" "\$50,020.00"
expect_report "German file read in its own settings" "$work/german.pdf" "\$52,520.00" "$work/german.velmor"
expect_report "payback from the file's price" "$work/german.pdf" "Payback period: 4.6 months" "$work/german.velmor"
expect_failure "file that is no facility file" "$work/a.pdf" "broken.velmor" "$work/broken.velmor"
expect_failure "missing file" "$work/b.pdf" "nowhere.velmor" "$work/nowhere.velmor"
expect_failure "figure that is no number, named" "$work/c.pdf" "Lubricant quantity" "$work/letters.velmor"
expect_failure "overflow" "$work/d.pdf" "Overflow" "$work/overflow.velmor"
expect_failure "business case overflow" "$work/d.pdf" "Overflow" "$work/measures.velmor"
expect_failure "risk range whose runs overflow, named" "$work/d.pdf" "Value of an hour's production" "$work/wide.velmor"
expect_failure "unwritable report" "$work/no/such/folder/e.pdf" "e.pdf"
mkdir "$work/taken.pdf"
expect_failure "a folder where the report goes" "$work/taken.pdf" "taken.pdf"

# Writing a report must never lose a file.
run --report "$work/old.pdf" "$work/german.velmor"
cp "$work/german.velmor" "$work/plant.velmor"
expect_kept "OUT forgotten: the facility file is no report's place" "$work/plant.velmor" "facility file" \
  run --report "$work/plant.velmor"
expect_kept "the same file as OUT and FILE" "$work/plant.velmor" "plant.velmor" \
  run --report "$work/plant.velmor" "$work/plant.velmor"
echo "Notes from the visit" >"$work/notes.txt"
expect_kept "a file that is no PDF" "$work/notes.txt" "It is not a PDF document" run --report "$work/notes.txt"
if on_linux "a device, a pipe and a full disk: Linux files"; then
  expect_kept "a device" /dev/full "It is a device" run --report /dev/full
  mkfifo "$work/pipe.pdf"
  expect_kept "a pipe" "$work/pipe.pdf" "pipe" run --report "$work/pipe.pdf"
  limited_run() { (ulimit -f 8 && run "$@"); }
  expect_kept "a full disk (a file size limit of 8 KiB)" "$work/old.pdf" "File too large" \
    limited_run --report "$work/old.pdf" "$work/german.velmor"
fi
if [ -n "$wine_prefix" ]; then
  expect_failure "NUL, a device" NUL "It is a device"
  expect_failure "CON.pdf, a device in any folder" "$work/CON.pdf" "It is a device"
  expect_failure "lpt1, a device in any case" "$work/lpt1.pdf" "It is a device"
fi
chmod 0444 "$work/old.pdf"
expect_kept "a read-only report" "$work/old.pdf" "read-only" run --report "$work/old.pdf"

# The workbook and the summary of many plants, without a display either.
# A written file has no error line; a refused one leaves no file behind.
expect_written() {
  local name=$1 out=$2 magic=$3
  shift 3
  rm -f "$out"
  local status=0
  run "$@" || status=$?
  if [ "$status" -ne 0 ] || [ -s "$work/err" ] || [ "$(head -c ${#magic} "$out" 2>/dev/null)" != "$magic" ]; then
    verdict fail "$name" "status $status"
  else
    verdict ok "$name"
  fi
}
expect_refused() {
  local name=$1 out=$2 phrase=$3
  shift 3
  local status=0
  run "$@" || status=$?
  if [ "$status" -ne 1 ] || [ "$(wc -l <"$work/err")" -ne 1 ] || ! grep -qF "$phrase" "$work/err"; then
    verdict fail "$name" "status $status"
  elif [ -e "$out" ]; then
    verdict fail "$name" "$out was left behind"
  else
    verdict ok "$name"
  fi
}
expect_written "workbook of a file" "$work/plant.xlsx" "PK" --workbook "$work/plant.xlsx" "$work/german.velmor"
expect_refused "workbook of figures that are no number" "$work/letters.xlsx" "Lubricant quantity" \
  --workbook "$work/letters.xlsx" "$work/letters.velmor"
expect_written "summary as a workbook" "$work/all.xlsx" "PK" --summary "$work/all.xlsx" "$work/german.velmor"
cp "$work/german.velmor" "$work/german2.velmor"
expect_written "summary as CSV" "$work/all.csv" "File," --summary "$work/all.csv" "$work/german.velmor" "$work/german2.velmor"
if [ "$(tr -d '\r' <"$work/all.csv" | tail -n 1)" = "Total,,,$,135200.00,30160.00,105040.00,,358184.24," ]; then
  verdict ok "summary's total row"
else
  verdict fail "summary's total row" "$(tail -n 1 "$work/all.csv")"
fi
expect_refused "summary with a bad file, named" "$work/bad.csv" "letters.velmor" \
  --summary "$work/bad.csv" "$work/german.velmor" "$work/letters.velmor"
expect_refused "workbook whose business case overflows" "$work/measures.xlsx" "Overflow" \
  --workbook "$work/measures.xlsx" "$work/measures.velmor"
expect_refused "workbook of a risk range whose runs overflow" "$work/wide.xlsx" "Value of an hour's production" \
  --workbook "$work/wide.xlsx" "$work/wide.velmor"
expect_refused "summary whose business case overflows, named" "$work/measures.csv" "Its figures cannot be computed: Overflow" \
  --summary "$work/measures.csv" "$work/german.velmor" "$work/measures.velmor"
expect_refused "summary with a missing file" "$work/none.csv" "nowhere.velmor" --summary "$work/none.csv" "$work/nowhere.velmor"
expect_written "summary's header in English in every language" "$work/de.csv" "File,Customer,Site,Currency," \
  --language de --summary "$work/de.csv" "$work/german.velmor"
if on_linux "one file twice in a summary, through a link: a Linux link"; then
  ln -s german.velmor "$work/link.velmor"
  status=0
  run --summary "$work/twice.csv" "$work/german.velmor" "$work/link.velmor" || status=$?
  if [ "$status" -eq 2 ] && grep -qF "link.velmor" "$work/err" && [ ! -e "$work/twice.csv" ]; then
    verdict ok "one file twice in a summary, through a link"
  else verdict fail "one file twice in a summary, through a link" "status $status"; fi
fi
figures en_US 1000 10 1000 1 "$(printf '1%.0s' $(seq 32767))" 1000 5 200 24 30 3 4 >"$work/long.velmor"
expect_failure "a 32,767-digit figure shortened, its file named" "$work/f.pdf" \
  "long.velmor”. The figure for “Lubricant quantity” is not a number. It reads “11111111111111111111…”." "$work/long.velmor"
if [ "$(wc -c <"$work/err")" -gt 300 ]; then verdict fail "the refusal of a long figure is short" "$(wc -c <"$work/err") bytes"; fi
expect_refused "workbook refusal names the facility file" "$work/letters.xlsx" "letters.velmor" \
  --workbook "$work/letters.xlsx" "$work/letters.velmor"
figures de_DE 1000 10 1000 1 "1,000.5" 1000 5 200 24 30 3 4 >"$work/held.velmor"
expect_refused "workbook of a figure no number where it was saved" "$work/held.xlsx" "Lubricant quantity" \
  --workbook "$work/held.xlsx" "$work/held.velmor"
# 40 % tax, straight line: 20,000 ÷ (31,612 ÷ 12) months; the pre-tax workbook refused.
figures en_US 1000 10 1000 1 1000 1000 5 200 24 30 3 4 | sed 's/"version": 1/"version": 5/;
  s/, "systemPrice": "20000"}}/}, "investment": {"systemPrice": "20000"}, "capital": {"taxRate": "40", "depreciation": "straightLine"}}/' \
  >"$work/taxed.velmor"
expect_report "payback after tax on page 1" "$work/taxed.pdf" "Payback period: 7.6 months" "$work/taxed.velmor"
expect_written "workbook with capital inputs" "$work/taxed.xlsx" "PK" --workbook "$work/taxed.xlsx" "$work/taxed.velmor"
expect_written "summary after tax" "$work/taxed.csv" "File," --summary "$work/taxed.csv" "$work/taxed.velmor"
if grep -q ',7.59,99834.35' "$work/taxed.csv"; then verdict ok "summary's after-tax payback and NPV"
else verdict fail "summary's after-tax payback and NPV" "$(sed -n 2p "$work/taxed.csv")"; fi
expect_refused "summary to a file of another kind" "$work/all.txt" ".csv or .xlsx" --summary "$work/all.txt" "$work/german.velmor"

# A work-order export's evidence on standard output; refusals name the file;
# applied, the report states the records and takes their figures.
data=$(cd "$(dirname "$0")/data" && pwd)
for sample in work_orders_comma.csv work_orders_semicolon.csv work_orders_tab.csv work_orders.xlsx; do
  status=0
  run --records "$data/$sample" || status=$?
  if [ "$status" -eq 0 ] && [ ! -s "$work/err" ] && grep -qF "17 bearing failures from $(day 2023-03-01) to $(day 2025-03-01): 8.5 a year" "$work/out" \
    && grep -qF "$sample" "$work/out"; then verdict ok "--records $sample"
  else verdict fail "--records $sample" "status $status"; fi
done
: >"$work/empty.csv"
printf 'PK\003\004\000\000\024\000' >"$work/binary.csv"
printf 'Date,Text\n01/02/2024,Bearing\n02/01/2025,Bearing\n' >"$work/open.csv"
printf 'Datum;Text\n01.02.2024;Dichtung getauscht\n' >"$work/stale.csv"
printf 'Date,Type,Text\n2024-01-02,PM,Grease motor bearings\n2024-02-03,INSP,Check bearing stock\n' >"$work/preventive.csv"
refusals=("empty.csv:It holds no header" "binary.csv:It is not a text file" "open.csv:day first or month first"
  "none.csv:does not exist" "stale.csv:No bearing failures found"
  "preventive.csv:No bearing failures found: no work type is chosen as corrective or breakdown")
# A loop of links is named for what it is, not as a missing file.
if [ -z "$wine_prefix" ]; then ln -sf loop.csv "$work/loop.csv" && refusals+=("loop.csv:symbolic links"); fi
for refused in "${refusals[@]}"; do
  status=0
  run --records "$work/${refused%%:*}" --records-columns description=Text --sheet 1 || status=$?
  if [ "$status" -eq 1 ] && [ "$(wc -l <"$work/err")" -eq 1 ] && grep -qF "${refused%%:*}" "$work/err" \
    && grep -qF "${refused#*:}" "$work/err" && [ ! -s "$work/out" ]; then verdict ok "--records refuses ${refused%%:*}"
  else verdict fail "--records refuses ${refused%%:*}" "status $status"; fi
done
status=0
run --records "$work/stale.csv" --records-words Rolle || status=$?
if [ "$status" -eq 0 ] && grep -qF "0 bearing failures" "$work/out"; then verdict ok "--records-words given: no failure is a result"
else verdict fail "--records-words given: no failure is a result" "status $status"; fi
# Words given do not make failures of an export that holds no repair order.
status=0
run --records "$work/preventive.csv" --records-words bearing || status=$?
if [ "$status" -eq 1 ] && grep -qF "no work type is chosen" "$work/err"; then verdict ok "--records-words given, no repair order: refused"
else verdict fail "--records-words given, no repair order: refused" "status $status"; fi
status=0
run --records "$data/work_orders_comma.csv" --installed 2024-03-01 || status=$?
if [ "$status" -eq 0 ] && grep -qF "Failures before $(day 2024-03-01): 8 in 1.0 years; after: 9 in 1.0 years" "$work/out" \
  && grep -qF "The case assumes 80% fewer bearing failures; the records measure 13% more, 90% between" "$work/out"; then verdict ok "--installed checks the savings"
else verdict fail "--installed checks the savings" "status $status"; fi
status=0
run --records "$work/open.csv" --date-order dmy || status=$?
# Nor has it a work-type column: the evidence says the type rule was not applied.
if [ "$status" -eq 0 ] && grep -qF "from $(day 2024-02-01) to $(day 2025-01-02)" "$work/out" \
  && grep -qF "The export has no work-type column: every order was searched" "$work/out"; then verdict ok "--date-order dmy"
else verdict fail "--date-order dmy" "status $status"; fi
expect_report "records applied to the report" "$work/records.pdf" "1000 total 8.5 per year" \
  --records "$data/work_orders.xlsx" "$work/german.velmor"
expect_report "the report states the records" "$work/records.pdf" "The figures they give are used in this report." \
  --records "$data/work_orders_comma.csv"
expect_refused "workbook refused with records that do not read" "$work/open.xlsx" "open.csv" \
  --workbook "$work/open.xlsx" --records "$work/open.csv"

status=0
run --version || status=$?
if [ "$status" -eq 0 ] && grep -q '^velmor-calculator [0-9]' "$work/out"; then verdict ok "--version"; else verdict fail "--version" "status $status"; fi
status=0
run --report || status=$?
if [ "$status" -ne 0 ] && [ "$(wc -l <"$work/err")" -eq 1 ]; then verdict ok "--report without OUT"; else verdict fail "--report without OUT" "status $status"; fi

# German help and refusals reach a file and a pipe whole, as UTF-8.
for through_pipe in "" 1; do
  case=$([ -n "$through_pipe" ] && echo "through a pipe" || echo "into a file")
  status=0
  run --language de --help || status=$?
  if [ "$status" -eq 0 ] && grep -qF "Vergleicht die jährlichen Kosten" "$work/out"; then verdict ok "German help $case"
  else verdict fail "German help $case" "status $status"; fi
  status=0
  run --language de --report "$work/none/x.pdf" || status=$?
  if [ "$status" -eq 1 ] && grep -qF "Der Bericht konnte nicht in „" "$work/err"; then verdict ok "German refusal $case"
  else verdict fail "German refusal $case" "status $status"; fi
done
through_pipe=

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]

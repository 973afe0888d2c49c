#!/usr/bin/env bash
# The Windows installer run for real under Wine, in a Wine prefix of its own,
# once per user and once for all users: it installs silently (/S) where it
# should, with the Start-menu entry, the .velmor file type and the
# "Apps & features" entry; the installed program writes the same report as
# the Linux program from the same figures (dates aside); a .velmor file opened
# through its file type starts the installed program on it; and the
# uninstaller (/S) leaves neither a file nor a registry key behind. The
# portable .zip holds the same files as the installation.
# The window needs an X server: without DISPLAY the test runs itself under
# xvfb-run. Wine's menu builder is off, so that nothing reaches the host's
# menus and file types.
# Usage: installer_test.sh SETUP.exe PORTABLE.zip LINUX_PROGRAM
set -u
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a "$0" "$@"
fi
setup=$(realpath "$1")
portable=$(realpath "$2")
linux_program=$(realpath "$3")
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
cleanup() {
    wineserver -k 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

passed=0
failed=0
check() { # NAME CONDITION-COMMAND...
    local name=$1
    shift
    if "$@"; then
        echo "PASS $name"
        passed=$((passed + 1))
    else
        echo "FAIL $name"
        failed=$((failed + 1))
    fi
}

# reg_value KEY VALUE: the value's data, empty when there is none.
reg_value() {
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
reg_default() {
    wine reg query "$1" /ve 2>/dev/null | tr -d '\r' | sed -n 's/^ *(Default) *REG_[A-Z_]* *//p'
}
key_exists() { wine reg query "$1" >/dev/null 2>&1; }
key_gone() { ! key_exists "$1"; }
same() { [ "$1" = "$2" ] || { echo "  expected: $2"; echo "  found:    $1"; return 1; }; }
win_path() { wine winepath -w "$1" 2>/dev/null | tr -d '\r'; }
unix_path() { wine winepath -u "$1" 2>/dev/null | tr -d '\r'; }

wineboot -i >/dev/null 2>&1
wineserver -w

# The figures both programs report on, in a file named as a user would.
printf '%s' '{"format": "velmor-figures", "version": 1, "locale": "en_US", "figures": ["1000", "10", "1000", "1", "2000", "1000", "5", "200", "24", "30", "3", "4"], "report": {"customer": "Riverside Mill", "site": "Hall 2", "preparedBy": "J. Doe", "systemPrice": "20000"}}' \
    >"$work/Riverside Mill.velmor"
env -u DISPLAY -u WAYLAND_DISPLAY LANG=C.UTF-8 LC_ALL=C.UTF-8 \
    "$linux_program" --language en --report "$work/linux.pdf" "$work/Riverside Mill.velmor" </dev/null
# The words of a report with the day's date taken out (the regional formats
# of Wine's and Linux' English differ), one a line and sorted: line breaks
# within a paragraph may differ with the fonts, and so may the order in which
# the PDF reader takes the words of a table and a chart that stand side by
# side. Every word and figure must be there, as often as on Linux.
report_words() {
    pdftotext "$1" - |
        sed -E 's/(Mon|Tues|Wednes|Thurs|Fri|Satur|Sun)day, ([A-Z][a-z]+ [0-9]{1,2},|[0-9]{1,2} [A-Z][a-z]+) [0-9]{4}//g' |
        tr -s ' \n\f' '\n\n\n' | LC_ALL=C sort
}

uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\com.haldmark.VelmorCalculator'
prog_id=VelmorCalculator.Figures

# run_mode MODE ROOT: installs with /MODE, checks, uninstalls and checks again.
run_mode() {
    local mode=$1 root=$2
    local classes="$root\\Software\\Classes"
    echo "# /$mode"
    wine "$setup" /S "/$mode"
    wineserver -w

    local location dir
    location=$(reg_value "$root\\$uninstall_key" InstallLocation)
    if [ "$mode" = CurrentUser ]; then
        check "$mode: installed under %LOCALAPPDATA%\\Programs" \
            same "$location" "$(wine cmd /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')\\Programs\\Velmor Calculator"
    else
        check "$mode: installed under Program Files" \
            same "$location" "$(wine cmd /c 'echo %ProgramW6432%' 2>/dev/null | tr -d '\r')\\Velmor Calculator"
    fi
    dir=$(unix_path "$location")
    local program="$location\\velmor-calculator.exe"
    check "$mode: the program is there" test -f "$dir/velmor-calculator.exe"
    check "$mode: the platform plugin is there" test -f "$dir/plugins/platforms/qwindows.dll"
    check "$mode: \"Apps & features\" names it" \
        same "$(reg_value "$root\\$uninstall_key" DisplayName)" "Velmor Cost Savings Calculator"
    check "$mode: \"Apps & features\" can remove it quietly" \
        same "$(reg_value "$root\\$uninstall_key" QuietUninstallString)" "\"$location\\uninstall.exe\" /$mode /S"
    check "$mode: .velmor is a facility file" same "$(reg_default "$classes\\.velmor")" "$prog_id"
    check "$mode: a facility file opens in the program" \
        same "$(reg_default "$classes\\$prog_id\\shell\\open\\command")" "\"$program\" \"%1\""
    check "$mode: the program is in the type's \"Open with\"" \
        key_exists "$classes\\Applications\\velmor-calculator.exe\\SupportedTypes"
    local menu
    if [ "$mode" = CurrentUser ]; then
        menu=$(unix_path "$(wine cmd /c 'echo %APPDATA%' 2>/dev/null | tr -d '\r')\\Microsoft\\Windows\\Start Menu\\Programs")
    else
        menu=$(unix_path "$(wine cmd /c 'echo %ProgramData%' 2>/dev/null | tr -d '\r')\\Microsoft\\Windows\\Start Menu\\Programs")
    fi
    check "$mode: the Start-menu entry" test -f "$menu/Velmor Cost Savings Calculator.lnk"

    # The installed program's report, from the same file as the Linux one.
    rm -f "$work/windows.pdf"
    LANG=C.UTF-8 LC_ALL=C.UTF-8 wine "$program" --language en --report "$(win_path "$work/windows.pdf")" \
        "$(win_path "$work/Riverside Mill.velmor")" </dev/null >/dev/null 2>"$work/err"
    wineserver -w
    if [ -s "$work/windows.pdf" ] && [ -s "$work/linux.pdf" ]; then
        report_words "$work/linux.pdf" >"$work/linux.txt"
        report_words "$work/windows.pdf" >"$work/windows.txt"
        check "$mode: the installed program's report reads as the Linux one's" \
            diff -u "$work/linux.txt" "$work/windows.txt"
        check "$mode: ... and names the customer" grep -q -x Riverside "$work/windows.txt"
    else
        check "$mode: the installed program writes the report" false
        sed 's/^/  err: /' "$work/err"
    fi

    check "$mode: the portable .zip holds what was installed" \
        diff -u <(unzip -Z1 "$portable" | sed 's|^Velmor Calculator/||' | sort) \
        <(cd "$dir" && find . -type f ! -name uninstall.exe -printf '%P\n' | sort)

    # Opened through its type, the file starts the installed program, whose
    # window's title names the file. Wine's HKEY_CLASSES_ROOT is
    # HKLM\Software\Classes alone, so there only the all-users type opens
    # files; Windows merges the per-user one (checked above) into it.
    if [ "$mode" = AllUsers ]; then
        wine start /unix "$work/Riverside Mill.velmor" >/dev/null 2>&1
        local title=none
        for _ in $(seq 1 60); do
            title=$(xwininfo -root -tree | grep -F '("velmor-calculator.exe"' | grep -o -F '"Riverside Mill.velmor — ' | head -1)
            [ -n "$title" ] && break
            sleep 0.5
        done
        check "$mode: \"wine start\" opens the file in the program's window" same "$title" '"Riverside Mill.velmor — '
        check "$mode: ... the installed program" \
            bash -c 'ps -eo args | grep -q -i -F -x "$1"' _ "$program $(win_path "$work/Riverside Mill.velmor")"
        wineserver -k
        wineserver -w
    else
        echo "SKIP $mode: \"wine start\": Wine reads file types from HKLM\\Software\\Classes only"
    fi

    # What the program keeps for its user: the settings, the recovery files
    # and the lettering cache, which a silent uninstall removes with it.
    local state
    state=$(unix_path "$(wine cmd /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')\\HALDMARK\\Velmor Calculator")
    mkdir -p "$state/cache/lettering" "$state/recovery"
    touch "$state/cache/lettering/kept.pixels" "$state/recovery/recovery-1-1.velmor"
    wine reg add 'HKCU\Software\HALDMARK\Velmor Calculator\interface' /v language /d zh_CN /f >/dev/null 2>&1
    LANG=C.UTF-8 wine "$program" --help </dev/null >"$work/help.txt" 2>/dev/null
    check "$mode: the program reads its settings there" grep -q "用法" "$work/help.txt"

    wine "$location\\uninstall.exe" /S "/$mode"
    wineserver -w
    check "$mode: ... the settings" key_gone 'HKCU\Software\HALDMARK'
    check "$mode: ... the recovery files and the cache" test ! -e "$(dirname "$state")"
    check "$mode: uninstalled, the folder is gone" test ! -e "$dir"
    check "$mode: ... the Start-menu entry" test ! -e "$menu/Velmor Cost Savings Calculator.lnk"
    check "$mode: ... the \"Apps & features\" entry" key_gone "$root\\$uninstall_key"
    check "$mode: ... the file type" key_gone "$classes\\$prog_id"
    check "$mode: ... .velmor" key_gone "$classes\\.velmor"
    check "$mode: ... \"Open with\"" key_gone "$classes\\Applications\\velmor-calculator.exe"
}

run_mode CurrentUser HKCU
run_mode AllUsers HKLM

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]

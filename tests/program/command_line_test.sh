#!/bin/sh
# SPDX-License-Identifier: MIT
# liftcalc --help and --version answer on the terminal with status 0, and so does a calculation;
# Qt's own options open the window, where it is built; anything else gets a short usage message
# on standard error and status 2. Usage: command_line_test.sh PROGRAM VERSION window|no-window
program=$1
version=$2
window=$3
failed=0

check() { # NAME EXPECTED_STATUS EXPECTED_TEXT ARGUMENTS...
    name=$1 status=$2 text=$3
    shift 3
    output=$("$program" "$@" 2>&1)
    got=$?
    if [ "$got" -ne "$status" ]; then
        echo "FAIL $name: status $got, wanted $status"; failed=1
    fi
    case "$output" in
    *"$text"*) ;;
    *) echo "FAIL $name: output lacks '$text':"; echo "$output"; failed=1 ;;
    esac
}

check help 0 "--version  show the version" --help
check short-help 0 "Usage: " -h
check version 0 "liftcalc $version" --version
check unknown-option 2 "Usage: " --bogus
check stray-argument 2 "Usage: " file.txt
check two-options 2 "Usage: " --help --version
check help-lists-calculators 0 "displacement  Plunger displacement" --help
check calculate 0 "Static Pressure          254.648 PSI   17.558 BAR" \
    pressure --diameter 10 --plungers 1 --load 20000 --locale en_US
check refused 1 "Did you enter a valid number in every field?
--flow \"100 gpm\" is not a number" \
    speed --diameter 5 --plungers 1 --flow "100 gpm"
check value-missing 2 "option --diameter needs a value" pressure --diameter --plungers 1 --load 9
check no-such-locale 2 "no locale is named 'en_ZZ'" \
    pressure --diameter 10 --plungers 1 --load 20000 --locale en_ZZ
check bad-range 2 "gives more than 1000000 rows" \
    load --diameter 6 --plungers 2 --pressure 1:1e9:1
check qt-option-then-unknown 2 "Usage: " -platform offscreen --bogus
if [ "$window" = window ]; then
    # Qt's own options reach Qt: on the offscreen platform the window opens without a display
    # and runs until it is stopped.
    timeout 3 "$program" -platform offscreen --style=Fusion -reverse >/dev/null 2>&1
    got=$?
    [ $got -eq 124 ] || { echo "FAIL qt-options: status $got, the window did not stay open"; failed=1; }
else
    check no-window 1 "liftcalc: cannot open the window: " -platform offscreen
fi
[ "$("$program" --bogus 2>/dev/null)" = "" ] || { echo "FAIL usage went to standard output"; failed=1; }
exit $failed

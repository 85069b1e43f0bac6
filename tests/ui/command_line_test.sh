#!/bin/sh
# SPDX-License-Identifier: MIT
# liftcalc --help and --version answer on the terminal with status 0; anything else gets a
# short usage message on standard error and status 2. Usage: command_line_test.sh PROGRAM VERSION
program=$1
version=$2
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
[ "$("$program" --bogus 2>/dev/null)" = "" ] || { echo "FAIL usage went to standard output"; failed=1; }
exit $failed

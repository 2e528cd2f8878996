#!/bin/sh
# Runs a metadata validator on a file and fails on anything it reports, a hint or a pedantic
# note included. Exit 77 (a skip for CTest) when the validator is not installed.
#   validate.sh TOOL [OPTIONS...] FILE
command -v "$1" >/dev/null 2>&1 || { echo "$1 is not installed: skipped"; exit 77; }
output=$("$@" 2>&1)
status=$?
printf '%s\n' "$output"
[ "$status" -eq 0 ] || exit 1
# A clean run prints nothing, or appstreamcli's one line of success without a count.
findings=$(printf '%s\n' "$output" | grep -v -e '^[[:space:]]*$' -e 'Validation was successful\.$')
[ -z "$findings" ]

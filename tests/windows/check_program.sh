#!/bin/bash
# Checks a Windows program file without running it: built for the machine named (pei-x86-64 or pei-i386), of
# the subsystem named (windows or console), and importing only DLLs that every Windows has.
# Usage: tests/windows/check_program.sh PROGRAM MACHINE SUBSYSTEM
set -euo pipefail
program=$1
machine=$2
subsystem=$3
headers=$(x86_64-w64-mingw32-objdump -p "$program")
format=$(sed -n 's/.*file format \(.*\)/\1/p' <<<"$headers" | head -n 1)
[ "$format" = "$machine" ] || { echo "FAIL: $program is $format, not $machine" >&2; exit 1; }
case "$subsystem" in
    windows) code=00000002 ;;
    console) code=00000003 ;;
esac
grep -Eq "^Subsystem\s+$code" <<<"$headers" || { echo "FAIL: $program is not a $subsystem program" >&2; exit 1; }
imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | tr 'A-Z' 'a-z' | sort | tr '\n' ' ')
for dll in $imports; do
    case "$dll" in
        kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | msvcrt.dll) ;;
        *) echo "FAIL: $program imports $dll" >&2; exit 1 ;;
    esac
done
echo "ok: $program: $format, $subsystem, imports $imports"

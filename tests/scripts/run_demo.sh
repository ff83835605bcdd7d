#!/bin/sh
# Runs the demonstration, and checks what it printed and how it ended: run_demo.sh GOLDEN LF|CRLF HOW
# COMMAND..., where COMMAND is the program, after its emulator if any, and its arguments. With HOW
# "plain", standard output must be GOLDEN in the line ends given, standard error empty and the status
# 0; with "flushed:STRACE", the same, in one write(2) per line. With "full", "closed" and
# "last-write-fails:STRACE", standard output is /dev/full, closed, or fails its last write only, and
# the program must exit with status 1 and one line that names it.
golden=$1 line_end=$2 how=$3
shift 3
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
fail() { printf '%s\n' "$@" >&2; exit 1; }
lines=$(wc -l <"$golden")
case $how in
full) "$@" >/dev/full 2>"$work/err" ;;
closed) "$@" >&- 2>"$work/err" ;;
last-write-fails:*) "${how#*:}" -o /dev/null -e trace=write -e inject=write:error=ENOSPC:when="$lines" "$@" \
    >/dev/null 2>"$work/err" ;;
flushed:*) "${how#*:}" -o "$work/writes" -e trace=write "$@" >"$work/out" 2>"$work/err" ;;
*) "$@" >"$work/out" 2>"$work/err" ;;
esac
status=$?
case $how in plain | flushed:*) ;; *)
    [ $status = 1 ] && [ "$(wc -l <"$work/err")" = 1 ] && grep -q '^triangle_demo: .' "$work/err" && exit 0
    fail "expected status 1 and one line naming the program on standard error, got status $status:" "$(cat "$work/err")"
esac
[ $status = 0 ] && [ ! -s "$work/err" ] ||
    fail "expected status 0 and nothing on standard error, got status $status:" "$(cat "$work/err")"
if [ "$line_end" = CRLF ]; then sed 's/$/\r/' "$golden"; else cat "$golden"; fi >"$work/expected"
cmp -s "$work/expected" "$work/out" ||
    fail "standard output differs from $golden in $line_end line ends:" "$(diff "$work/expected" "$work/out")"
# strace shows each write as write(1, "text", length) = length, with a newline as \n.
case $how in flushed:*)
    [ "$(grep -c '^write(1, "[^\\]*\\n", ' "$work/writes")" = "$lines" ] ||
        fail "expected $lines writes of one line each, got:" "$(cat "$work/writes")"
esac

#!/bin/sh
# Runs the demonstration and checks what it printed and how it ended, keeping its output in files of
# the current folder: run_demo.sh GOLDEN LF|CRLF HOW COMMAND..., where COMMAND is the program, after
# its emulator if any, and its arguments. POSIX tools and options only.
#   plain                    standard output must be GOLDEN in the line ends given, standard error
#                            empty and the status 0
#   flushed:STRACE           the same, in one write(2) per line
#   full                     standard output is /dev/full
#   closed                   standard output is closed
#   size-limit               standard output is a file past the file size limit, which refuses
#                            every write (EFBIG), as /dev/full does, where SIGXFSZ is ignored
#   last-write-fails:STRACE  only the last write fails
# In the last four, the program must exit with status 1, and say why in one line on standard error
# that begins with its name.
golden=$1 line_end=$2 how=$3
shift 3
fail() {
    printf '%s\n' "$@" >&2
    exit 1
}
lines=$(($(wc -l <"$golden"))) # as a number: BSD's wc pads it with blanks
rm -f out err writes
case $how in
full) "$@" >/dev/full 2>err ;;
closed) "$@" >&- 2>err ;;
size-limit)
    awk 'BEGIN { for (i = 0; i < 4096; i++) printf "x" }' >out
    (trap '' XFSZ && ulimit -f 1 && exec "$@" >>out 2>err)
    ;;
last-write-fails:*)
    "${how#*:}" -o /dev/null -s 4096 -e trace=write \
        -e inject=write:error=ENOSPC:when="$lines" "$@" >/dev/null 2>err
    ;;
flushed:*) "${how#*:}" -o writes -s 4096 -e trace=write "$@" >out 2>err ;;
*) "$@" >out 2>err ;;
esac
status=$?
case $how in
plain | flushed:*) ;;
*)
    [ $status -eq 1 ] && [ $(($(wc -l <err))) -eq 1 ] && grep -q '^triangle_demo: .' err && exit 0
    fail "expected status 1 and one line naming the program on standard error, got $status:" \
        "$(cat err)"
    ;;
esac
if [ $status -ne 0 ] || [ -s err ]; then
    fail "expected status 0 and nothing on standard error, got status $status:" "$(cat err)"
fi
if [ "$line_end" = CRLF ]; then
    awk '{ printf "%s\r\n", $0 }' "$golden"
else
    cat "$golden"
fi >expected
cmp -s expected out ||
    fail "standard output differs from $golden in $line_end line ends:" "$(diff expected out)"
# strace shows each write as write(1, "text", length) = length, with a newline as \n.
case $how in
flushed:*)
    [ "$(grep -c '^write(1, "[^\\]*\\n", ' writes)" -eq "$lines" ] ||
        fail "expected $lines writes of one line each, got:" "$(cat writes)"
    ;;
esac

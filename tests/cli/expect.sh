#!/bin/sh
# expect.sh RC OUT STDIN PROGRAM ARGS...: runs PROGRAM with STDIN (printf escapes) on its
# standard input; passes when it exits RC and, if OUT is not empty, its standard output
# contains OUT (an empty OUT with RC 1 or 2 also demands empty output for RC 1).
rc=$1 out=$2 stdin=$3
shift 3
got=$(printf "$stdin" | "$@" 2>/tmp/xingming-cli-test.$$)
status=$?
err=$(cat /tmp/xingming-cli-test.$$); rm -f /tmp/xingming-cli-test.$$
if [ "$status" != "$rc" ]; then
  echo "exit $status, want $rc; stdout: $got; stderr: $err"; exit 1
fi
if [ -n "$out" ]; then
  case "$got" in *"$out"*) ;; *) echo "stdout lacks: $out; got: $got"; exit 1 ;; esac
elif [ "$rc" = 1 ] && [ -n "$got" ]; then
  echo "want no output, got: $got"; exit 1
fi
exit 0

#!/usr/bin/env bash
# Counts the instructions of a start of xingming-cli with callgrind (the same count whatever
# else the machine runs), beside two floors measured in the same run: `true`, and a C++
# hello-world built as xingming-cli is linked (C++ runtime built in) and with the shared
# runtime.
#
#   tools/bench-startup.sh [CLI]        needs valgrind and a C++ compiler
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build/release/cli/xingming-cli}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
count() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
    sed -n 's/.*refs: *\([0-9,]*\).*/\1/p' | tr -d ,
}
row() {
  printf '%-44s %12s instructions\n' "$1" "$(count "${@:2}" | sed ':a;s/\B[0-9]\{3\}\>/ &/;ta')"
}
printf '#include <iostream>\nint main() { std::cout << "hello" << std::endl; }\n' > "$dir/hello.cpp"
c++ -O2 -static-libstdc++ -static-libgcc "$dir/hello.cpp" -o "$dir/hello-static-runtime"
c++ -O2 "$dir/hello.cpp" -o "$dir/hello-shared-runtime"
row "xingming-cli --version" "$cli" --version
row "xingming-cli char 王" "$cli" char 王
row "xingming-cli char 王 --json" "$cli" char 王 --json
row "floor: true" "$(command -v true)"
row "floor: C++ hello-world, runtime built in" "$dir/hello-static-runtime"
row "C++ hello-world, shared runtime" "$dir/hello-shared-runtime"

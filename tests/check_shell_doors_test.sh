#!/usr/bin/env bash
# check_shell_doors_test.sh CHECK
# The shell-door check on a small tree of its own: the helpers may call the
# shell, a call anywhere else fails, named by file and line.
set -u
check=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT

mkdir -p "$tree/common/helpers" "$tree/player/recording" "$tree/toolbar"
echo 'ShellExecuteW(owner, L"open", url, nullptr, nullptr, show);' >"$tree/common/helpers/shell_open.cpp"
echo '// ShellExecute answers a value above 32.' >"$tree/player/recording/notes.cpp"
failures=0
output=$("$check" "$tree") || { echo "FAILED: the helpers and a comment pass ($output)"; failures=1; }

printf 'void Go() {\n    CreateProcessW (nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &s, &p);\n}\n' \
    >"$tree/toolbar/launcher.cpp"
if output=$("$check" "$tree") || ! grep -q "toolbar/launcher.cpp:2: CreateProcessW" <<<"$output"; then
    echo "FAILED: a call outside the helpers is caught ($output)"
    failures=1
fi
exit $failures

#!/usr/bin/env bash
# A file saved by pugixml must load in MSXML, and one saved by MSXML in pugixml.
# Arguments: host tool, Windows tool, Wine runner, Wine prefix, work folder.
set -euo pipefail
host_tool=$1 win_tool=$2 wine_run=$3 prefix=$4 work=$5
mkdir -p "$work"
rm -f "$work"/*.xml

windows_path() { printf 'Z:%s' "${1//\//\\}"; }

"$host_tool" write "$work/by-pugixml.xml"
"$wine_run" "$prefix" "$win_tool" check "$(windows_path "$work/by-pugixml.xml")"
"$wine_run" "$prefix" "$win_tool" write "$(windows_path "$work/by-msxml.xml")"
"$host_tool" check "$work/by-msxml.xml"
echo "XML files pass between pugixml and MSXML both ways"

#!/usr/bin/env bash
# demo-setup.sh FOLDER: sets up a demonstration company for the payroll import tool, with FOLDER
# as the tool's program folder:
#   FOLDER/USERDRV.INI      the company list: one company "DEMO" whose data folder is the absolute
#                           path of FOLDER/DATADEMO (code page 874, CR LF)
#   FOLDER/DATADEMO/        the company's data folder, with an empty PRINFO.DAT (an existing one is
#                           kept: it holds the company's settings once the tool has run there)
#   FOLDER/employees.csv    the sample import file (app/demo: code page 874, 26 columns, ten
#                           employees)
# It refuses, writing nothing, a folder whose path holds ";" or "|" (they separate the fields of a
# company list line), a line break, or a character code page 874 lacks (the list is written in
# it).  Exit status: 0 done, 2 refused or wrong arguments.
set -euo pipefail

refuse() {
  echo "demo-setup.sh: cannot use the folder $folder: $1" >&2
  exit 2
}

if [ $# -ne 1 ] || [ -z "$1" ]; then
  echo "usage: demo-setup.sh FOLDER" >&2
  exit 2
fi
folder=$1
root=$(cd "$(dirname "$0")/.." && pwd)
data="$(realpath -ms -- "$folder")/DATADEMO"

case "$data" in *';'*) refuse 'its path holds ";", which separates a company'"'"'s name from its folder in USERDRV.INI' ;; esac
case "$data" in *'|'*) refuse 'its path holds "|", which separates a company'"'"'s folder from its report-template folder in USERDRV.INI' ;; esac
case "$data" in *$'\n'*|*$'\r'*) refuse 'its path holds a line break, which would split the line of USERDRV.INI' ;; esac

list=$(mktemp)
trap 'rm -f "$list"' EXIT
printf 'DEMO;%s\r\n' "$data" | iconv -f UTF-8 -t CP874 >"$list" 2>/dev/null ||
  refuse "its path holds a character that code page 874, the encoding of USERDRV.INI, cannot hold"

mkdir -p "$data"
cat "$list" >"$(dirname "$data")/USERDRV.INI"
[ -e "$data/PRINFO.DAT" ] || : >"$data/PRINFO.DAT"
cp "$root/app/demo/employees.csv" "$(dirname "$data")/employees.csv"
echo "The demonstration company is set up in $(dirname "$data")"

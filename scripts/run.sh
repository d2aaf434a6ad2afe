#!/usr/bin/env bash
# run.sh [PROGRAM_FOLDER]: installs what is missing, builds the payroll import tool and the isam
# tool (Release, build/release) and runs the tool with PROGRAM_FOLDER as its program folder (the
# folder holding the company list USERDRV.INI).  Without a folder it uses the demonstration company
# in build/demo, set up by scripts/demo-setup.sh when missing.
#
# The tool's settings (XDG_CONFIG_HOME) and temporary files (TMPDIR) go to the program folder's
# .payroll-run subfolder, so the run touches nothing else of the user's.
#
# With a display (DISPLAY or WAYLAND_DISPLAY) and no PR_UI_SCRIPT the tool opens its window for a
# person.  Otherwise it plays a script headless: PR_UI_SCRIPT, or the demonstration import
# (app/demo/import-demo.script, copied beside the sample file); it then prints the run's
# transcript and the employees of the chosen company (`isam list` of PRFILE01, key 1).
# Exit status: the tool's (0 done, 1 refused or failed, 2 no display and no script, 3 the script
# failed); 2 for wrong arguments.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/release"

if [ $# -gt 1 ]; then
  echo "usage: run.sh [PROGRAM_FOLDER]" >&2
  exit 2
fi

"$root/scripts/install-deps.sh"
echo "Building payroll-import and isam (Release, $build) ..." >&2
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "${PR_BUILD_JOBS:-$(nproc)}" --target payroll-import isam >/dev/null

if [ $# -eq 1 ]; then
  program=$(realpath -- "$1")
  [ -d "$program" ] || { echo "run.sh: $1 is not a folder" >&2; exit 2; }
  script=${PR_UI_SCRIPT:-}
else
  program="$build/../demo"
  [ -e "$program/USERDRV.INI" ] || "$root/scripts/demo-setup.sh" "$program" >/dev/null
  program=$(realpath -- "$program")
  cp "$root/app/demo/import-demo.script" "$program/import-demo.script"
  script=${PR_UI_SCRIPT:-$program/import-demo.script}
fi

run_folder="$program/.payroll-run"
mkdir -p "$run_folder/config" "$run_folder/tmp"
export XDG_CONFIG_HOME="$run_folder/config"
export TMPDIR="$run_folder/tmp"
cd "$program"

if [ -z "${PR_UI_SCRIPT:-}" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec "$build/payroll-import"
fi
if [ -z "$script" ]; then
  echo "run.sh: there is no display; set PR_UI_SCRIPT to the script to play in $program" >&2
  exit 2
fi

transcript="$run_folder/transcript.txt"
status=0
PR_UI_SCRIPT=$(realpath -- "$script") PR_UI_TRANSCRIPT="$transcript" "$build/payroll-import" || status=$?
echo "--- transcript ($transcript)"
cat "$transcript"

# The company the run chose, as the company dialog remembered it.
config="$XDG_CONFIG_HOME/Quendry/QZACC.CFG"
company=$(iconv -f CP874 -t UTF-8 "$config" 2>/dev/null | sed -n 's/^OPENCOMPANY_DIR=//Ip' | tr -d '\r' | head -n 1)
if [ -n "$company" ] && [ -e "$company/PRFILE01.DAT" ]; then
  echo "--- employees in $company (code, record)"
  "$build/tools/isam" list "$company/PRFILE01" 1
fi
exit "$status"

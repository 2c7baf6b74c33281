#!/usr/bin/env bash
# Over 200 dialogs opened and closed in one process, then 60 eyedropper runs inside one dialog:
# nothing the program makes may be left behind (LeakCheck.exe counts the process's windows and the
# backend's live GDI objects and image lists).
#
#   leaks.sh PROGRAM.exe        (run by CTest inside the end-to-end session; PROGRAM only names
#                                the build, whose alpha mode LeakCheck uses)
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=lib/e2e.sh
. "$here/lib/e2e.sh"
e2eLoadSession || exit 1

program=${1:?usage: leaks.sh PROGRAM.exe}
# The timer that plays the user clicks the pick button; the pointer must not rest on the dialog.
xdotool mousemove 5 5
wine "$(dirname "$program")/LeakCheck.exe" "${TINTGRAB_ALPHA_MODE:-0}" 210 60 | tr -d '\r'

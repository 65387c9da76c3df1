#!/usr/bin/env bash
# Runs one scenario of scenarios/: run-scenario.sh NAME
#
# The scenario file defines `scenario` (the steps) and may set NEEDS (the
# Windows programs it needs besides the robot). It runs in its own copy of
# the run's base prefix with its own Xvfb; see lib.sh.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

name=${1:?usage: run-scenario.sh NAME}
file=$WINE_HARNESS_DIR/scenarios/$name.sh
[ -f "$file" ] || fail "no scenario $name"
NEEDS=()
. "$file"
wine_require "${NEEDS[@]}"
scenario_begin "$name"
scenario
note "scenario $name passed"

#!/usr/bin/env bash
# The run's base Wine prefix, which every scenario copies:
#   prefix.sh create   makes it (once per run; a complete one is kept)
#   prefix.sh remove   deletes it and the run's leftovers
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

case "${1:-}" in
    create)
        wine_require
        start=$(date +%s)
        base_prefix_create
        note "base prefix ready in $(($(date +%s) - start)) s"
        ;;
    remove)
        [ -n "${WINE_RUN_DIR:-}" ] || fail "WINE_RUN_DIR is not set"
        base_prefix_remove
        ;;
    *)
        echo "usage: $0 create|remove" >&2
        exit 2
        ;;
esac

#!/usr/bin/env bash
# wine.sh PROGRAM.exe ARGUMENT...: runs a Windows program of the build under the tests' Wine.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/env.sh"
exec wine "$@"

#!/usr/bin/env bash
# wine.sh PROGRAM.exe ARGUMENT...: runs a Windows program of the build under the tests' Wine.
set -euo pipefail
source "$(dirname "$0")/env.sh"
exec wine "$@"

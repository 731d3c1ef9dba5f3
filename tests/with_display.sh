#!/usr/bin/env bash
# Runs a test program that needs the X display. Without a display it fails at
# once: a display test that cannot run is a failure, never a skip.
if [ -z "${DISPLAY:-}" ]; then
  echo "with_display.sh: DISPLAY is not set; run the tests under xvfb-run (./dev.sh test)" >&2
  exit 1
fi
exec "$@"

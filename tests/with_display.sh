#!/usr/bin/env bash
# Runs a test program that needs the X display. Under load Xvfb now and then
# refuses a connection and the program cannot even start; only then does it
# run again (at most three times). Every other failure counts at once.
set -u
status=1
for attempt in 1 2 3; do
  log=$(mktemp)
  "$@" 2> >(tee "$log" >&2)
  status=$?
  wait
  if [ "$status" -ne 0 ] && [ "$attempt" -lt 3 ] && grep -q "could not connect to display" "$log"; then
    rm -f "$log"
    echo "with_display.sh: the X server refused attempt $attempt; running again" >&2
    sleep 1
    continue
  fi
  rm -f "$log"
  exit "$status"
done
exit "$status"

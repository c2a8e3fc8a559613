#!/usr/bin/env bash
# Sets everything up, stages the program folder build/dist and starts the
# program in it on the bundled sample data. Without a display it renders the
# sample chart to a PNG instead.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release

dist="$root/build/dist"
mkdir -p "$dist"
cp build/release/src/korvo build/release/src/korvo-cli "$dist/"
# The first settings file is only put in place when there is none: the
# user's own settings are never overwritten.
if [ -f resources/korvo.ips ] && [ ! -f "$dist/korvo.ips" ]; then
  cp resources/korvo.ips "$dist/"
fi
for page in resources/help/*.htm; do
  [ -e "$page" ] && cp "$page" "$dist/"
done
cp resources/sample/*.stk "$dist/"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  cd "$dist"
  exec ./korvo
fi

echo "run.sh: there is no display, so the program window cannot open."
png="$dist/sample-chart.png"
if "$dist/korvo-cli" render "$dist/sample.stk" --settings "$dist/korvo.ips" -o "$png"; then
  echo "run.sh: the sample chart is drawn in $png"
else
  echo "run.sh: the sample chart could not be rendered." >&2
  exit 1
fi

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
# Start-up time and peak memory of voice-types against two baselines, under Xvfb: an empty
# Qt window, and the most direct Qt program showing the same window. Each is started
# ROUNDS times (default 20), in rotating order; prints medians and ratios to the direct one.
# With "portal" after ROUNDS, all run on a session bus of their own with a desktop portal on
# it, as in a desktop session (the portal asks for no more contrast).
# Needs build/main (scripts/test.sh main builds it).
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-20}
cmake --build build/main --target voice-types baseline_empty baseline_direct x_probe >/dev/null
if [ "${2:-}" = portal ] && [ -z "${VOICE_TYPES_BENCH_BUS:-}" ]; then
  exec env VOICE_TYPES_BENCH_BUS=1 dbus-run-session -- "$0" "$rounds" portal
fi
if [ -n "${VOICE_TYPES_BENCH_BUS:-}" ]; then
  coproc portal { exec tests/qt/fake_portal.py; }
  read -r _ <&"${portal[0]}"
fi
for tool in Xvfb:xvfb /usr/bin/time:time; do
  command -v "${tool%%:*}" >/dev/null || scripts/setup.sh
done

display=:73
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=$display QT_QPA_PLATFORM=xcb

# A pixel inside the title label, clear of its text: the label's colour once drawn; the
# empty window shows its background there.
declare -A program=([empty]=build/main/bench/baseline_empty [direct]=build/main/bench/baseline_direct
                    [voice-types]=build/main/window/qt/voice-types)
declare -A colour=([empty]=C0C0FF [direct]=FFC080 [voice-types]=FFC080)
names=(empty direct voice-types)
results=$(mktemp)
for ((round = 0; round < rounds; ++round)); do
  for ((i = 0; i < 3; ++i)); do
    name=${names[(round + i) % 3]}
    memory=$(mktemp)
    line=$(build/main/tests/qt/x_probe 365 22 "${colour[$name]}" -- \
      /usr/bin/time -f %M -o "$memory" "${program[$name]}" 2>/dev/null)
    echo "$name $line rss_kb=$(cat "$memory")" >>"$results"
    rm -f "$memory"
  done
done

python3 - "$results" <<'PY'
import statistics, sys
rows = {}
for line in open(sys.argv[1]):
    name, *fields = line.split()
    values = dict(field.split("=") for field in fields)
    if values["status"] != "0":
        sys.exit(f"{name} ended with status {values['status']}")
    rows.setdefault(name, []).append({k: float(v) for k, v in values.items()})
median = {name: {k: statistics.median(r[k] for r in runs) for k in ("map_ms", "drawn_ms", "rss_kb")}
          for name, runs in rows.items()}
direct = median["direct"]
print(f"{'program':<12} {'runs':>4} {'mapped ms':>10} {'drawn ms':>9} {'peak RSS MiB':>13}"
      f" {'drawn / direct':>15} {'RSS / direct':>13}")
for name in ("empty", "direct", "voice-types"):
    m = median[name]
    print(f"{name:<12} {len(rows[name]):>4} {m['map_ms']:>10.1f} {m['drawn_ms']:>9.1f}"
          f" {m['rss_kb'] / 1024:>13.1f} {m['drawn_ms'] / direct['drawn_ms']:>15.2f}"
          f" {m['rss_kb'] / direct['rss_kb']:>13.3f}")
PY
rm -f "$results"

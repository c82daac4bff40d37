#!/usr/bin/env bash
# Measures the plant saver's processor use at the default speed under Wine on
# a private 1024 x 768 Xvfb screen: CPU seconds of the saver, the wineserver
# and the X server over a stretch of wall time. Run after scripts/build.sh.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-30}
source "$root/scripts/wine-env.sh"
unset DISPLAY
zeb_start_xvfb 1024x768x24 || exit 1
trap zeb_stop_all EXIT
zeb_start_wine

ticks() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0; }
hz=$(getconf CLK_TCK)

wine "$root/build/win32/plantsaver/gulpleafSaver.scr" /s >/dev/null 2>&1 &
sleep 4
saver=$(pgrep -f 'gulpleafSaver.scr' | head -n 1)
server=$(pgrep -x wineserver | head -n 1)
[ -n "$saver" ] || { echo "saver not running"; exit 1; }
s0=$(ticks "$saver"); w0=$(ticks "$server"); x0=$(ticks "$zeb_xvfb_pid")
sleep "$seconds"
s1=$(ticks "$saver"); w1=$(ticks "$server"); x1=$(ticks "$zeb_xvfb_pid")
pct() { awk -v a="$1" -v b="$2" -v hz="$hz" -v s="$seconds" 'BEGIN { printf "%.1f%%", 100 * (b - a) / hz / s }'; }
echo "over $seconds s of one core: saver $(pct "$s0" "$s1"), wineserver $(pct "$w0" "$w1"), Xvfb $(pct "$x0" "$x1")"
xdotool mousemove_relative -- 40 0; sleep 0.2; xdotool mousemove_relative -- 5 5

#!/usr/bin/env bash
# Builds the benchmarks in Release (in their own build folder) and prints one
# Markdown table of medians over repeated runs. Not run by CI: the figures
# belong to the machine they were taken on.
#
#   BENCH_RUNS          runs of each short benchmark          (default 5)
#   BENCH_IDLE_SECONDS  length of one idle-CPU window          (default 20)
#   BENCH_IDLE_RUNS     idle-CPU windows per configuration     (default 3)
#   BENCH_LIVE_SECONDS  length of one live-input window        (default 10)
#   BENCH_WATCH_SECONDS length of the game watcher's window    (default 60)
#   BENCH_BUILD_DIR     build folder                           (default build-bench)
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

runs=${BENCH_RUNS:-5}
idle_seconds=${BENCH_IDLE_SECONDS:-20}
idle_runs=${BENCH_IDLE_RUNS:-3}
live_seconds=${BENCH_LIVE_SECONDS:-10}
watch_seconds=${BENCH_WATCH_SECONDS:-60}
build=${BENCH_BUILD_DIR:-build-bench}

say() { echo "bench: $*" >&2; }

say "building in $build (Release)"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DGRAVOLT_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target benchmarks >/dev/null

# Wake-ups after the busy poll's sleep stretch on a loaded machine; the
# heading says how loaded it was.
load=$(cut -d' ' -f1 /proc/loadavg 2>/dev/null || echo "?")
results=$(mktemp)
runtime_dir=$(mktemp -d)
trap 'rm -rf "$results" "$runtime_dir"' EXIT
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=$runtime_dir
# The programs keep their window placement under the configuration folder: a
# folder of the run's own, so that neither the user's placement changes the
# figures nor the runs change the user's placement.
export XDG_CONFIG_HOME=$runtime_dir/config
bin=$build/bench

# --- the runs. Every program prints "RESULT <key> <value>" lines.
quiet_qt() { grep -v 'does not support propagateSizeHints' >&2 || true; }

# Start-up, from the build folder where the demo finds its icon and
# catalogues. One unrecorded run of each first, so that every recorded run
# finds the libraries in the page cache; then the two alternate, so that a
# change in the machine's load falls on both alike.
say "start-up, $runs runs of each program"
(
  cd "$build"
  bench/bench_launch bench/bench_qt_floor >/dev/null 2> >(quiet_qt)
  bench/bench_launch bench/bench_gravolt_setup_demo >/dev/null 2> >(quiet_qt)
  for _ in $(seq "$runs"); do
    GRAVOLT_BENCH_TAG=floor bench/bench_launch bench/bench_qt_floor 2> >(quiet_qt)
    GRAVOLT_DEMO_BOARDS=joystick,wheel GRAVOLT_BENCH_TAG=demo \
      bench/bench_launch bench/bench_gravolt_setup_demo 2> >(quiet_qt)
  done
) >>"$results"
say "operations, $runs runs"
for _ in $(seq "$runs"); do
  "$bin/bench_operations" --repeats 15 >>"$results"
done

say "flashing 256 KiB into the simulated bootloader, $runs runs"
for _ in $(seq "$runs"); do
  "$bin/bench_dfuflash" >>"$results"
done

say "Apply beside a hung board, one run of 12 s"
"$bin/bench_hungboard" >>"$results"

say "memory over 10,000 scans, $runs runs"
for _ in $(seq "$runs"); do
  "$bin/bench_idlescan" --boards 5 --scans 10000 >>"$results"
done

say "live input page shown, $idle_runs runs of ${live_seconds} s"
for _ in $(seq "$idle_runs"); do
  "$bin/bench_liveinput" --seconds "$live_seconds" >>"$results" 2> >(quiet_qt)
done

say "force test, $idle_runs runs of 50 clicks and one ${live_seconds} s test"
for _ in $(seq "$idle_runs"); do
  "$bin/bench_forcetest" --rounds 50 --seconds "$live_seconds" >>"$results" 2> >(quiet_qt)
done

# CPU time does not depend much on the other windows running beside it, so
# the configurations of one round share the same ${idle_seconds} s: the
# scanning worker alone, and the whole demo program with its window.
say "board discovery look-ups, $runs runs"
for _ in $(seq "$runs"); do
  "$bin/bench_discovery" --lookups 2000 >>"$results"
done

# The game watcher's minute runs beside the idle rounds: both measure their
# own CPU time, which the other's sleeping hardly changes.
say "game watcher, 300 processes, ${watch_seconds} s (beside the idle rounds)"
watch_out=$(mktemp -p "$runtime_dir")
"$bin/bench_gamewatcher" --processes 300 --seconds "$watch_seconds" >"$watch_out" &
watch_pid=$!

say "idle CPU, $idle_runs rounds of ${idle_seconds} s"
all_boards=generic,joystick,rudder,wheel,collective
for _ in $(seq "$idle_runs"); do
  round=()
  for boards in 0 5; do
    out=$(mktemp -p "$runtime_dir")
    "$bin/bench_idlescan" --boards "$boards" --cpu-seconds "$idle_seconds" >"$out" &
    round+=("$!:$out")
    out=$(mktemp -p "$runtime_dir")
    no_boards=0
    [ "$boards" -eq 0 ] && no_boards=1
    (cd "$build" && GRAVOLT_DEMO_BOARDS=$all_boards GRAVOLT_BENCH_NO_BOARDS=$no_boards \
      GRAVOLT_BENCH_TAG=boards$boards GRAVOLT_BENCH_IDLE_SECONDS=$idle_seconds \
      bench/bench_gravolt_setup_demo) >"$out" 2> >(quiet_qt) &
    round+=("$!:$out")
  done
  for entry in "${round[@]}"; do
    wait "${entry%%:*}"
    cat "${entry#*:}" >>"$results"
  done
done

wait "$watch_pid"
cat "$watch_out" >>"$results"

# --- reduction and the table.
median() {
  awk -v key="$1" '$1 == "RESULT" && $2 == key { print $3 }' "$results" | sort -g |
    awk '{ v[NR] = $1 } END {
      if (NR == 0) print "nan"
      else if (NR % 2) print v[(NR + 1) / 2]
      else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
fmt() { awk -v v="$2" -v f="$1" 'BEGIN { if (v == "nan") printf "n/a"; else printf f, v }'; }
# yes/no for "value op limit", e.g. check 0.03 '<' 0.1
check() {
  awk -v a="$1" -v op="$2" -v b="$3" 'BEGIN {
    if (a == "nan" || b == "nan") { print "n/a"; exit }
    ok = (op == "<" && a + 0 < b + 0) || (op == "<=" && a + 0 <= b + 0) || (op == "==" && a + 0 == b + 0)
    print (ok ? "yes" : "**no**") }'
}

notes=()

cpu=$(grep -m1 '^model name' /proc/cpuinfo 2>/dev/null | cut -d: -f2- | sed 's/^ *//')
[ -n "$cpu" ] || cpu=$(uname -m)
echo "### Gravolt Setup benchmarks: $cpu, $(nproc) cores (load average $load at start), Release build, medians of $runs runs (idle CPU: $idle_runs × ${idle_seconds} s)"
echo
echo "| Figure | Median | Target | Met |"
echo "|---|---|---|---|"

# Operations: the record transfers are what remains after the busy reads and
# the one store command of a save.
operation_row() {
  local key=$1 label=$2 record=$3 commands=$4 polls=$5 time_limit=${6:-}
  local transfers busy ms over
  transfers=$(median "op.$key.transfers")
  busy=$(median "op.$key.busy_reads")
  ms=$(median "op.$key.ms")
  over=$(median "op.$key.over_poll_ms")
  local expected=$((record + commands + polls))
  local measured target met
  met=$(check "$transfers" == "$expected")
  if [ "$polls" -eq 0 ]; then
    measured="$(fmt %d "$transfers") transfer; $(fmt %.4f "$ms") ms"
    target="1 transfer, no busy poll"
  else
    measured="$(awk -v t="$transfers" -v b="$busy" -v c="$commands" 'BEGIN { printf "%d", t - b - c }') record"
    [ "$commands" -gt 0 ] && measured+=" + $commands command"
    measured+=" + $(fmt %d "$busy") busy reads; $(fmt %.1f "$ms") ms = $polls × 100 ms + $(fmt %.2f "$over") ms"
    target="$record record"
    [ "$commands" -gt 0 ] && target+=" + $commands command"
    target+=" + $polls busy reads"
    if [ -n "$time_limit" ]; then
      target+="; $polls × 100 ms + ≤ $time_limit ms"
      met+=", $(check "$over" '<=' "$time_limit")"
    fi
  fi
  echo "| $label | $measured | $target | $met |"
}
demo_ms=$(median startup.demo.ms)
floor_ms=$(median startup.floor.ms)
demo_rss=$(median startup.demo.rss_kib)
floor_rss=$(median startup.floor.rss_kib)
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a == "nan" || b == "nan" || b == 0) print "nan"; else print a / b }'; }
time_ratio=$(ratio "$demo_ms" "$floor_ms")
rss_ratio=$(ratio "$demo_rss" "$floor_rss")
echo "| Start-up to first idle with the window painted: gravolt-setup-demo, two boards | $(fmt %.1f "$demo_ms") ms | | |"
echo "| Start-up to first idle: Qt floor (QMainWindow with one label) | $(fmt %.1f "$floor_ms") ms | | |"
echo "| Start-up ratio, demo / floor | $(fmt %.2f "$time_ratio") × | ≤ 1.25 × | $(check "$time_ratio" '<=' 1.25) |"
echo "| Resident memory at that moment: demo / floor | $(fmt %.1f "$(awk -v k="$demo_rss" 'BEGIN { print k / 1024 }')") / $(fmt %.1f "$(awk -v k="$floor_rss" 'BEGIN { print k / 1024 }')") MiB | | |"
echo "| Memory ratio, demo / floor | $(fmt %.2f "$rss_ratio") × | ≤ 1.2 × | $(check "$rss_ratio" '<=' 1.2) |"
dfu_ratio=$(median dfu.ratio)
echo "| Flashing 256 KiB into the simulated bootloader: wall time / the bootloader's poll timeouts | $(fmt %.0f "$(median dfu.flash.ms)") / $(fmt %.0f "$(median dfu.requested.ms)") ms = $(fmt %.3f "$dfu_ratio") × | ≤ 1.05 × | $(check "$dfu_ratio" '<=' 1.05) |"
phases() {
  local tag=$1 app shown total
  app=$(median "startup.$tag.application_ms")
  shown=$(median "startup.$tag.shown_ms")
  total=$(median "startup.$tag.ms")
  awk -v a="$app" -v s="$shown" -v t="$total" 'BEGIN {
    if (a == "nan" || s == "nan" || t == "nan") { printf "n/a"; exit }
    printf "%.0f + %.0f + %.0f ms", a, s - a, t - s }'
}
demo_widgets=$(median startup.demo.widgets)
floor_widgets=$(median startup.floor.widgets)
echo "| Start-up phases (libraries and QApplication + window built and shown + first frame): demo; floor | $(phases demo); $(phases floor) | | |"
echo "| Widgets alive at that moment: demo / floor | $(fmt %d "$demo_widgets") / $(fmt %d "$floor_widgets") | | |"
# Milliseconds from QApplication to the window shown, and from there to idle.
phase_ms() {
  awk -v a="$(median "startup.$1.application_ms")" -v s="$(median "startup.$1.shown_ms")" \
    -v t="$(median "startup.$1.ms")" -v which="$2" 'BEGIN {
      if (a == "nan" || s == "nan" || t == "nan") { printf "n/a"; exit }
      printf "%.0f", which == "build" ? s - a : t - s }'
}
if [ "$(check "$time_ratio" '<=' 1.25)" = "**no**" ]; then
  notes+=("Start-up is $(fmt %.2f "$time_ratio") × the floor (target 1.25 ×): loading the libraries and constructing QApplication cost both programs about the same; the difference is the window itself. The demo builds the frame of its window before showing it ($(fmt %d "$demo_widgets") widgets: the board list, the menu bar, the status line and the notices); the settings pages wait for the first board picked. That and the first read of the font configuration, which the floor pays for too, take $(phase_ms demo build) ms against the floor's $(phase_ms floor build) ms for one label. The first frame then needs $(phase_ms demo frame) ms against $(phase_ms floor frame) ms: it fills a window of the working size (780 px wide) where the floor's holds one label, and each page of that fresh image is first touched then.")
fi
if [ "$(check "$rss_ratio" '<=' 1.2)" = "**no**" ]; then
  window_kib() { awk -v a="$(median "startup.$1.application_rss_kib")" -v t="$(median "startup.$1.rss_kib")" \
    'BEGIN { if (a == "nan" || t == "nan") printf "n/a"; else printf "%.1f", (t - a) / 1024 }'; }
  notes+=("Resident memory is $(fmt %.2f "$rss_ratio") × the floor's (target 1.2 ×): from QApplication to the first idle frame the demo grows by $(window_kib demo) MiB and the floor by $(window_kib floor) MiB; that is the $(fmt %d "$demo_widgets") widgets of the form, the code of the widget classes they use, against the floor's $(fmt %d "$floor_widgets") widgets.")
fi
echo "| The busy poll's 100 ms sleep alone, as this machine delivers it | $(fmt %.2f "$(median op.sleep.ms)") ms | | |"
operation_row read_effects "Read effect settings" 1 0 0
operation_row apply_effects "Apply effect settings" 8 0 1 5
apply_over=$(median op.apply_effects.over_poll_ms)
if [ "$(check "$apply_over" '<=' 5)" = "**no**" ]; then
  notes+=("Apply of effect settings took $(fmt %.1f "$apply_over") ms beyond the nominal 100 ms poll (target 5 ms), while the 100 ms sleep alone took $(fmt %.1f "$(median op.sleep.ms)") ms on this machine (load average $load): the GUI thread is woken late from the poll's sleep.")
fi
operation_row save_effects "Save effect settings" 8 1 2
operation_row read_hardware "Read hardware settings" 1 0 0
operation_row apply_hardware "Apply hardware settings" 10 0 1
operation_row save_hardware "Save hardware settings" 10 1 2
operation_row reboot "Reboot" 1 0 0
operation_row dfu "Switch to DFU mode" 1 0 0
hung_max=$(median hung.apply_max_ms)
echo "| Longest GUI-thread block of an Apply to a healthy board while a second board hangs (5 s per transfer), over $(fmt %d "$(median hung.applies)") Applies in 12 s | $(fmt %.1f "$hung_max") ms (median $(fmt %.1f "$(median hung.apply_median_ms)") ms, $(fmt %d "$(median hung.failures)") failed) | < 1200 ms | $(check "$hung_max" '<' 1200) |"
if [ "$(check "$hung_max" '<' 1200)" = "**no**" ]; then
  notes+=("An Apply to a healthy board was blocked for $(fmt %.0f "$hung_max") ms while a second board hung: an operation waited for the scan's transfer to the hung board.")
fi

for boards in 0 5; do
  label="no board"
  [ "$boards" -eq 5 ] && label="five boards"
  cpu_percent=$(median "idle.worker.boards$boards.cpu_percent")
  target="" met=""
  if [ "$boards" -eq 5 ]; then
    target="< 0.1 % of one core"
    met=$(check "$cpu_percent" '<' 0.1)
  fi
  echo "| Idle CPU, scanning worker alone, $label | $(fmt %.4f "$cpu_percent") % of one core | $target | $met |"
  program_percent=$(median "idle.program.boards$boards.cpu_percent")
  [ "$boards" -eq 5 ] && met=$(check "$program_percent" '<' 0.1)
  echo "| Idle CPU, whole demo program with its window, $label | $(fmt %.4f "$program_percent") % of one core | $target | $met |"
done

worker_cpu=$(median idle.worker.boards5.cpu_percent)
program_cpu=$(median idle.program.boards5.cpu_percent)
idle_events=$(median idle.program.boards5.events_per_s)
idle_repaints=$(median idle.program.boards5.repaints_per_s)
echo "| Events and whole-window repaints per second on the GUI thread while idle, five boards | $(fmt %.1f "$idle_events") events, $(fmt %.1f "$idle_repaints") repaints | | |"
if [ "$(check "$program_cpu" '<' 0.1)" = "**no**" ] || [ "$(check "$worker_cpu" '<' 0.1)" = "**no**" ]; then
  why="the part above the worker's is the window handling each scan's report ($(fmt %.1f "$idle_events") events a second)"
  if [ "$(check "$idle_repaints" '<' 0.5)" = "**no**" ]; then
    why+=", and it repaints itself $(fmt %.1f "$idle_repaints") times a second although nothing on it changes: every report re-hides the settings tabs, already hidden, which lays out and repaints the whole window"
  fi
  notes+=("Idle CPU with five boards is $(fmt %.3f "$program_cpu") % of one core for the whole demo and $(fmt %.3f "$worker_cpu") % for the scanning worker alone (target below 0.1 %): $why.")
fi
force_play=$(median force.click_to_play_ms)
force_stop=$(median force.stop_to_stop_ms)
force_cpu=$(median force.playing.cpu_percent)
echo "| Force test: click on a test button to the play event written (simulated output) | $(fmt %.3f "$force_play") ms | < 5 ms | $(check "$force_play" '<' 5) |"
echo "| Force test: Stop click to the stop event written (simulated output) | $(fmt %.3f "$force_stop") ms | < 5 ms | $(check "$force_stop" '<' 5) |"
echo "| CPU while a ${live_seconds} s force test plays on the Live input page | $(fmt %.2f "$force_cpu") % of one core | | |"
live_cpu=$(median live.shown.cpu_percent)
live_refreshes=$(median live.shown.refreshes_per_s)
echo "| Live input page shown, simulated joystick moving without pause: CPU; updates of one axis bar | $(fmt %.2f "$live_cpu") % of one core; $(fmt %.1f "$live_refreshes") a second | about 30 updates a second | $(check "$live_refreshes" '<=' 31) |"
watch_cpu=$(median watch.cpu_percent)
echo "| Game watcher, no linked game running, $(fmt %d "$(median watch.processes)") processes, a look every 2 s, over ${watch_seconds} s | $(fmt %.4f "$watch_cpu") % of one core ($(fmt %.0f "$(median watch.look_us)") µs a look) | < 0.1 % of one core | $(check "$watch_cpu" '<' 0.1) |"
lookup_us=$(median discovery.lookup_us)
echo "| Board discovery, one look-up on this machine's sysfs (libudev, $(fmt %.0f "$(median discovery.boards)") boards attached): at most one per scan while a notice shows, one per five scans otherwise | $(fmt %.1f "$lookup_us") µs; $(fmt %.4f "$(median discovery.cpu_percent)") % of one core at one a second | | |"
rss_before=$(median scanmem.boards5.rss_before_kib)
rss_after=$(median scanmem.boards5.rss_after_kib)
rss_growth=$(median scanmem.boards5.rss_growth_kib)
heap_growth=$(median scanmem.boards5.heap_growth_bytes)
echo "| Resident memory before / after 10,000 scans, five boards | $(fmt %d "$rss_before") / $(fmt %d "$rss_after") KiB ($(fmt %+d "$rss_growth") KiB) | no growth | $(check "$rss_growth" '<=' 0) |"
echo "| Heap in use, growth over the same 10,000 scans | $(fmt %d "$heap_growth") bytes | no growth | $(check "$heap_growth" '<=' 0) |"

if [ "$(check "$rss_growth" '<=' 0)" = "**no**" ] || [ "$(check "$heap_growth" '<=' 0)" = "**no**" ]; then
  if [ "$(check "$heap_growth" '<=' 0)" = "yes" ]; then
    notes+=("Resident memory moved by $(fmt %+d "$rss_growth") KiB over 10,000 scans while the heap in use did not grow: the allocator touched other pages for the same amount of memory, which is no leak.")
  else
    notes+=("The heap in use grew by $(fmt %d "$heap_growth") bytes over 10,000 scans, about $(awk -v h="$heap_growth" 'BEGIN { printf "%.1f", h / 10000 }') bytes a scan: something in the scan path keeps memory it should release.")
  fi
fi

echo
if [ ${#notes[@]} -eq 0 ]; then
  echo "Every figure is within its target."
else
  printf '%s\n\n' "${notes[@]}"
fi
echo "The simulated boards answer a control transfer in microseconds and find an absent board with a table look-up. On real hardware each transfer adds a USB round trip (a record write is 8 or 10 of them before its poll), and each open attempt for a product id that is not connected enumerates the bus, so operations, and the idle scan with fewer than five boards, cost more there than here."

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Measures Orbiclock against the desktop clocks people use instead, each started in turn under
# one Xvfb (with a notification area, trayer), several times, and prints per run and a table of
# medians:
#   first paint   time from fork() to the first complete paint of its first top-level window:
#                 when drawing, read from the X server's DAMAGE events, has covered the whole
#                 window (or, for one that never does, the end of its first burst of drawing;
#                 firstmap.c). What a person sees, where the map alone is an empty window
#   mapped        time from fork() to that window's MapNotify
#   CPU to paint  CPU time of all its threads up to the first paint, ended threads included
#   RSS           VmRSS from /proc/PID/status 10 s after the start, and RssAnon, the part that
#                 is its own (the rest is shared libraries and fonts, mapped from files)
#   CPU idle      CPU time of all its threads (/proc/PID/task/*/schedstat, nanoseconds; threads
#                 that ended in between from /proc/PID/stat) over the next IDLE seconds, as a
#                 percentage of one core
#   wake-ups/s    voluntary context switches of all its threads over that interval: each is a
#                 sleep the thread chose, so the next run is a wake-up
#   preempted/s   involuntary ones: taken off the core by the scheduler, not woken
#
# Qt programs run at scale 1 on a 1280 x 1024 screen and at scale 2 (QT_SCALE_FACTOR=2) on a
# 3840 x 2160 one; the peers at scale 1 only.
#
# Not part of the tests. Usage:
#   tools/bench/bench-peers.sh [-n RUNS] [-i IDLE_SECONDS] [-b ORBICLOCK_BINARY] [-p "PEER..."]
#                              [-s "SCALES"]
#   tools/bench/bench-peers.sh -c [-n RUNS] [-b ORBICLOCK_BINARY] [-s "SCALES"] [-k DIR]
# -c counts, for the Qt programs only, the instructions each executes up to its first complete
# paint (callgrind, which the machine's load does not change; dumped as the paint is seen, so a
# few more may be counted), and prints them and Orbiclock's ratios to the bare dialog. -k keeps
# the profiles in DIR (callgrind-NAME-RUN-SCALE, for callgrind_annotate or kcachegrind).
# Defaults: 3 runs, 60 s idle, build/app/orbiclock, peers gnome-clocks sunclock gworldclock
# (installed from Debian when missing, skipped when Debian does not have them), scales "1 2".
# Built here: bare-qt, a Qt 6 dialog with a label and a button, the floor that Qt itself sets,
# and bare-qt-1hz, the same dialog whose label shows the time, set by a 1 Hz timer just after
# each second: the floor of a window that ticks. Orbiclock runs with a home chosen, as after its
# first day: "orbiclock" has been started once before in its home (what it keeps between runs is
# in place), "orbiclock-first" never has.
# Needs root or sudo for apt-get only when a peer or a tool is missing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)

runs=3
idle=60
settle=10
orbiclock=$top/build/app/orbiclock
peers="gnome-clocks sunclock gworldclock"
scales="1 2"
callgrind=""
keep=""
while getopts "n:i:b:p:s:ck:" opt; do
  case $opt in
    c) callgrind=1 peers="" ;;
    n) runs=$OPTARG ;;
    i) idle=$OPTARG ;;
    b) orbiclock=$OPTARG ;;
    p) peers=$OPTARG ;;
    s) scales=$OPTARG ;;
    k) keep=$OPTARG ;;
    *) sed -n '2,39p' "$0"; exit 2 ;;
  esac
done
[ -x "$orbiclock" ] || { echo "no Orbiclock binary at $orbiclock (build first, or pass -b)" >&2; exit 2; }

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
install_packages() {
  local missing=() p
  for p in "$@"; do installed "$p" || missing+=("$p"); done
  [ ${#missing[@]} -eq 0 ] && return 0
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
}

install_packages xvfb xauth trayer dbus libx11-dev libxdamage-dev gcc g++ pkg-config qt6-base-dev x11-utils
[ -n "$callgrind" ] && install_packages valgrind
# A fresh machine has no package lists yet: apt-cache would then know no peer at all.
lists_fresh=0
candidate() { # prints the version apt would install, or nothing
  if [ $lists_fresh -eq 0 ]; then
    $sudo apt-get update -q >/dev/null 2>&1 || true
    lists_fresh=1
  fi
  # Read the whole answer first: grep -q closing the pipe early fails it under pipefail.
  local policy
  policy=$(apt-cache policy "$1" 2>/dev/null || true)
  awk '/Candidate:/ && $2 != "(none)" {print $2}' <<<"$policy"
}
available=()
for p in $peers; do
  if installed "$p"; then
    available+=("$p")
  elif [ -n "$(candidate "$p")" ]; then
    install_packages "$p" && available+=("$p")
  else
    echo "skipping $p: not in this machine's Debian archive" >&2
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/orbiclock-bench.XXXXXX")
pids=()
cleanup() {
  local p
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

cc -O2 -o "$work/firstmap" "$here/firstmap.c" -lX11 -lXdamage

# The floor Qt itself sets: a bare Qt 6 dialog with a label and a button, built the way any small
# Qt program is, so Orbiclock's start and memory read as a ratio to what Qt alone costs.
cat >"$work/bare-qt.cpp" <<'EOF'
#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    auto *layout = new QVBoxLayout(&dialog);
    auto *label = new QLabel(QStringLiteral("12:34:56"));
    layout->addWidget(label);
    layout->addWidget(new QPushButton(QStringLiteral("OK")));
    QTimer timer;
    if (argc > 1 && QString::fromLatin1(argv[1]) == QLatin1String("--tick")) {
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            const QDateTime now = QDateTime::currentDateTime();
            label->setText(now.toString(QStringLiteral("HH:mm:ss")));
            timer.start(1002 - now.time().msec());
        });
        timer.start(0);
    }
    dialog.show();
    return app.exec();
}
EOF
# shellcheck disable=SC2046
g++ -O2 -fPIC -std=c++17 -o "$work/bare-qt" "$work/bare-qt.cpp" $(pkg-config --cflags --libs Qt6Widgets)

# A free display, the same X server, notification area and session bus for every program of a
# scale; a screen of the size that scale is used on.
display=""
for n in $(seq 70 99); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=:$n; break; fi
done
[ -n "$display" ] || { echo "no free X display" >&2; exit 1; }
export DISPLAY=$display
{ read -r DBUS_SESSION_BUS_ADDRESS; read -r bus_pid; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
export DBUS_SESSION_BUS_ADDRESS
pids+=("$bus_pid")
xvfb_pid=""
tray_pid=""
start_display() { # scale
  local screen=1280x1024x24
  [ "$1" = 1 ] || screen=3840x2160x24
  [ -n "$tray_pid" ] && stop "$tray_pid"
  [ -n "$xvfb_pid" ] && stop "$xvfb_pid"
  Xvfb "$display" -screen 0 "$screen" -nolisten tcp >>"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  pids+=("$xvfb_pid")
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  trayer --edge bottom --align right --widthtype pixel --width $((120 * $1)) --heighttype pixel \
    --height $((24 * $1)) >/dev/null 2>&1 &
  tray_pid=$!
  pids+=("$tray_pid")
  sleep 1
}

# Orbiclock with a home already chosen (Germany), New South Wales selected and both time clocks
# showing seconds, so its four clocks tick and the Set Home sheet stays shut. QSettings' INI:
# blanks in names are %20, and the group "General" is written [%General].
write_orbiclock_settings() {
  mkdir -p "$1/Brambleway"
  cat >"$1/Brambleway/Orbiclock.conf" <<'EOF'
[%General]
Show%20At%20Startup=1
Select%20By%20List%20Only=0
Show%20Daylight%20Saving=1

[Clocks]
Home%20Time%20Show%20Seconds=1
Selected%20Time%20Show%20Seconds=1

[Current%20Selection]
Current%20Selection=17

[Home%20Country]
Home%20Country=121
Daylight%20Saving%20Option=0
Use%20User%20Daylight%20Dates=0

[Version]
Version%20Number=3
EOF
}

# Four places for the peers that keep a list (gworldclock: one TZ per line and a name).
write_tzlist() {
  cat >"$1/.tzlist" <<'EOF'
Europe/Berlin "Berlin"
Australia/Sydney "Sydney"
America/New_York "New York"
Asia/Tokyo "Tokyo"
EOF
}

hz=$(getconf CLK_TCK)
# User + system clock ticks of a /proc stat line; the command may hold blanks, so count from
# its closing parenthesis.
ticks() { local line; read -r line <"$1" 2>/dev/null || { echo 0; return; }; line=${line##*) }; set -- $line; echo $((${12} + ${13})); }

# One line per thread: "tid cpu_ns voluntary involuntary", and "ended cpu_ns": the CPU of the
# threads that have ended, which the process's own stat keeps (in clock ticks) and no task does.
sample() {
  local pid=$1 t run v n vol inv live=0 all
  all=$(ticks /proc/"$pid"/stat)
  for t in /proc/"$pid"/task/*; do
    read -r run _ <"$t/schedstat" 2>/dev/null || continue
    live=$((live + $(ticks "$t/stat")))
    vol=0
    inv=0
    while read -r v n; do
      case $v in voluntary_ctxt_switches:) vol=$n ;; nonvoluntary_ctxt_switches:) inv=$n ;; esac
    done <"$t/status" 2>/dev/null
    echo "${t##*/} $run $vol $inv"
  done
  echo "ended $(( (all > live ? all - live : 0) * 1000000000 / hz ))"
}

# Milliseconds of CPU in a sample.
cpu_ms() { awk '{ s += $2 } END { printf "%.0f", s / 1e6 }' "$1"; }

# CPU % of one core, wake-ups and preemptions per second between two samples over $3 seconds.
# A thread in both counts its difference, a new thread all of its own, and the ended threads'
# CPU what it grew by (in clock ticks: the process's total and its threads' are rounded apart, so
# a few ticks of noise never count negative). The switches of a thread that ended in between are
# lost: no file keeps them.
rates() {
  awk -v t="$3" 'FNR == 1 { f++ } f == 1 { c[$1] = $2; v[$1] = $3; i[$1] = $4; next }
    $1 == "ended" { if ($2 > c["ended"]) cpu += $2 - c["ended"]; next }
    { cpu += $2 - c[$1]; vol += $3 - v[$1]; inv += $4 - i[$1] }
    END { printf "%.3f %.2f %.2f\n", cpu / (t * 1e9) * 100, vol / t, inv / t }' "$1" "$2"
}

stop() {
  local pid=$1
  kill -TERM "$pid" 2>/dev/null || return 0
  for _ in $(seq 50); do [ -d /proc/"$pid" ] || return 0; sleep 0.1; done
  kill -KILL "$pid" 2>/dev/null || true
}

results=$work/results
: >"$results"
measure() { # name run scale
  local name=$1 run=$2 scale=$3 home=$work/home-$1-$2-$3 cmd pid mapms ms startcpu rss anon cpu wake preempt
  mkdir -p "$home/config" "$home/data" "$home/cache" "$home/runtime"
  chmod 700 "$home/runtime"
  case $name in
    orbiclock | orbiclock-first) write_orbiclock_settings "$home/config"; cmd=("$orbiclock") ;;
    gworldclock) write_tzlist "$home"; cmd=(gworldclock) ;;
    bare-qt) cmd=("$work/bare-qt") ;;
    bare-qt-1hz) cmd=("$work/bare-qt" --tick) ;;
    *) cmd=("$name") ;;
  esac
  local environment=(HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data"
    XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime" LC_ALL=C.UTF-8
    QT_QPA_PLATFORM=xcb GDK_BACKEND=x11 GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1
    QT_SCALE_FACTOR="$scale")
  # As people meet it: started once before in this home, so what it keeps between runs (the
  # zones' answers in its cache) is in place. orbiclock-first is the very first start.
  if [ "$name" = orbiclock ]; then
    env "${environment[@]}" "$work/firstmap" 30 "${cmd[@]}" >"$work/started" 2>>"$work/$name.log" || true
    read -r pid _ <"$work/started"
    pids+=("$pid")
    sleep 3
    stop "$pid"
  fi
  if [ -n "$callgrind" ]; then
    local out=$work/callgrind-$name-$run-$scale ir
    env "${environment[@]}" "$work/firstmap" 300 valgrind --tool=callgrind --callgrind-out-file="$out" \
      "${cmd[@]}" >"$work/started" 2>>"$work/$name.log" || true
    read -r pid _ <"$work/started"
    pids+=("$pid")
    callgrind_control -d "$pid" >/dev/null 2>&1 || true
    stop "$pid"
    ir=$(awk '/^summary:/ {print $2}' "$out.1" 2>/dev/null || true)
    if [ -n "$keep" ] && [ -e "$out.1" ]; then mkdir -p "$keep" && cp "$out.1" "$keep/${out##*/}"; fi
    printf '%-15s scale %s run %d: %s instructions to the first paint\n' "$name" "$scale" "$run" "${ir:-no}"
    [ -n "$ir" ] && echo "$name@$scale $ir" >>"$results"
    return
  fi
  # Into a file, not a pipe: the program inherits the descriptor and keeps it open.
  env "${environment[@]}" "$work/firstmap" 30 "${cmd[@]}" >"$work/started" 2>>"$work/$name.log" || true
  read -r pid mapms ms <"$work/started"
  pids+=("$pid")
  # CPU time of all its threads up to its first paint: the work of starting, on any core.
  sample "$pid" >"$work/s0"
  startcpu=$(cpu_ms "$work/s0")
  sleep "$settle"
  if [ ! -d /proc/"$pid" ]; then
    echo "$name run $run: exited before ${settle} s (see its log)" >&2
    return
  fi
  rss=$(awk '/^VmRSS:/ {print $2}' /proc/"$pid"/status)
  anon=$(awk '/^RssAnon:/ {print $2}' /proc/"$pid"/status)
  sample "$pid" >"$work/s0"
  sleep "$idle"
  sample "$pid" >"$work/s1"
  stop "$pid"
  read -r cpu wake preempt < <(rates "$work/s0" "$work/s1" "$idle")
  printf '%-15s scale %s run %d: first paint %s ms (%s ms CPU, mapped at %s ms), RSS %.1f MB (%.1f MB private), CPU %s %% of a core, %s wake-ups/s, %s preempted/s\n' \
    "$name" "$scale" "$run" "$ms" "$startcpu" "$mapms" "$(awk -v k="$rss" 'BEGIN {print k / 1024}')" \
    "$(awk -v k="$anon" 'BEGIN {print k / 1024}')" "$cpu" "$wake" "$preempt"
  echo "$name@$scale $ms $rss $cpu $wake $anon $startcpu $mapms $preempt" >>"$results"
}

echo "Machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'), $(nproc) cores," \
  "$(awk '/MemTotal/ {printf "%.0f GB", $2 / 1048576}' /proc/meminfo), $(. /etc/os-release; echo "$PRETTY_NAME")," \
  "load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "Each run: first paint, then RSS at ${settle} s, then CPU and wake-ups over ${idle} s idle; $runs runs"
qt_programs="orbiclock bare-qt bare-qt-1hz orbiclock-first"
[ -n "$callgrind" ] && qt_programs="orbiclock bare-qt orbiclock-first"
rows=()
for scale in $scales; do
  start_display "$scale"
  programs=$qt_programs
  [ "$scale" = 1 ] && programs="$programs ${available[*]}"
  for run in $(seq "$runs"); do
    for name in $programs; do
      measure "$name" "$run" "$scale"
    done
  done
  for name in $programs; do rows+=("$name@$scale"); done
done

median_awk='
  function median(a, k,   i, j, t) {
    for (i = 2; i <= k; i++) for (j = i; j > 1 && a[j - 1] > a[j]; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
    return k % 2 ? a[(k + 1) / 2] : (a[k / 2] + a[k / 2 + 1]) / 2
  }'
if [ -n "$callgrind" ]; then
  echo
  echo "Instructions to the first complete paint, millions, medians of $runs runs:"
  for scale in $scales; do
    awk -v s="$scale" "$median_awk"'
      $1 == "orbiclock@" s { o++; a[o] = $2 } $1 == "bare-qt@" s { b++; c[b] = $2 }
      $1 == "orbiclock-first@" s { f++; d[f] = $2 }
      END {
        if (!o || !b) exit
        printf "scale %s: Orbiclock %.1f, first start %.1f, bare Qt dialog %.1f: %.2f x, first start %.2f x\n", s,
               median(a, o) / 1e6, (f ? median(d, f) / 1e6 : 0), median(c, b) / 1e6,
               median(a, o) / median(c, b), (f ? median(d, f) / median(c, b) : 0)
      }' "$results"
  done
  exit 0
fi

echo
echo "Medians of $runs runs (Xvfb $display, trayer, no window manager):"
printf '| %-21s | %15s | %11s | %12s | %16s | %12s | %20s | %10s | %11s |\n' "Program" "First paint (ms)" "Mapped (ms)" "CPU to paint" "RSS at 10 s (MB)" "private (MB)" "CPU idle (% of core)" "Wake-ups/s" "Preempted/s"
printf '|%s|%s|%s|%s|%s|%s|%s|%s|%s|\n' "-----------------------" "-----------------:" "------------:" "-------------:" "-----------------:" "-------------:" "---------------------:" "-----------:" "------------:"
for row in "${rows[@]}"; do
  awk -v n="$row" "$median_awk"'
    $1 == n { k++; ms[k] = ($2 == "timeout" ? 1e9 : $2); rss[k] = $3 / 1024; cpu[k] = $4; w[k] = $5; an[k] = $6 / 1024; sc[k] = $7
              mp[k] = ($8 == "timeout" ? 1e9 : $8); p[k] = $9 }
    END {
      split(n, part, "@"); label = part[1] " (scale " part[2] ")"
      if (!k) { printf "| %-21s | %16s | %11s | %12s | %16s | %12s | %20s | %10s | %11s |\n", label, "-", "-", "-", "-", "-", "-", "-", "-"; exit }
      m = median(ms, k); mm = median(mp, k)
      printf "| %-21s | %16s | %11s | %9.0f ms | %16.1f | %12.1f | %20.3f | %10.2f | %11.2f |\n", label,
             (m >= 1e9 ? "timeout" : sprintf("%.0f", m)), (mm >= 1e9 ? "timeout" : sprintf("%.0f", mm)),
             median(sc, k), median(rss, k), median(an, k), median(cpu, k), median(w, k), median(p, k)
    }' "$results"
done

# Orbiclock against the bare Qt dialog, and its idle against the dialog ticking at 1 Hz, at each
# scale of the same runs.
for scale in $scales; do
  awk -v s="$scale" "$median_awk"'
    $2 == "timeout" { next }
    $1 == "orbiclock@" s { o++; oms[o] = $2; osc[o] = $7; oan[o] = $6 / 1024; ocpu[o] = $4; ow[o] = $5 }
    $1 == "orbiclock-first@" s { f++; fms[f] = $2; fsc[f] = $7 }
    $1 == "bare-qt@" s { b++; bms[b] = $2; bsc[b] = $7; ban[b] = $6 / 1024 }
    $1 == "bare-qt-1hz@" s { t++; tcpu[t] = $4 }
    END {
      if (!o || !b) exit
      printf "\nScale %s: Orbiclock / bare Qt dialog: first paint %.2f x, CPU to paint %.2f x, private memory %+.1f MB", s,
             median(oms, o) / median(bms, b), median(osc, o) / median(bsc, b), median(oan, o) - median(ban, b)
      if (f) printf "; first start in a new home %.2f x, CPU %.2f x", median(fms, f) / median(bms, b), median(fsc, f) / median(bsc, b)
      if (t && median(tcpu, t) > 0) printf "; idle CPU %.2f x the dialog ticking at 1 Hz", median(ocpu, o) / median(tcpu, t)
      printf "; %.2f wake-ups/s\n", median(ow, o)
    }' "$results"
done

#!/usr/bin/env bash
# Measures Orbiclock against the desktop clocks people use instead, each started in turn under
# one Xvfb (with a notification area, trayer), several times, and prints per run and a table of
# medians:
#   first window  time from fork() to the MapNotify of its first top-level window (firstmap.c)
#   CPU to start  CPU time of all its threads up to that first window
#   RSS           VmRSS from /proc/PID/status 10 s after the start, and RssAnon, the part that
#                 is its own (the rest is shared libraries and fonts, mapped from files)
#   CPU idle      CPU time of all its threads (/proc/PID/task/*/schedstat, nanoseconds) over the
#                 next IDLE seconds, as a percentage of one core
#   wake-ups/s    voluntary + involuntary context switches of all its threads over that interval
#
# Not part of the tests. Usage:
#   tools/bench/bench-peers.sh [-n RUNS] [-i IDLE_SECONDS] [-b ORBICLOCK_BINARY] [-p "PEER..."]
# Defaults: 3 runs, 60 s idle, build/app/orbiclock, peers gnome-clocks sunclock gworldclock
# (installed from Debian when missing, skipped when Debian does not have them), and bare-qt, a
# Qt 6 dialog with a label and a button built here, the floor that Qt itself sets. Orbiclock runs
# with a home chosen, as after its first day: "orbiclock" has been started once before in its
# home (what it keeps between runs is in place), "orbiclock-first" never has.
# Needs root or sudo for apt-get only when a peer or a tool is missing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)

runs=3
idle=60
settle=10
orbiclock=$top/build/app/orbiclock
peers="gnome-clocks sunclock gworldclock"
while getopts "n:i:b:p:" opt; do
  case $opt in
    n) runs=$OPTARG ;;
    i) idle=$OPTARG ;;
    b) orbiclock=$OPTARG ;;
    p) peers=$OPTARG ;;
    *) sed -n '2,19p' "$0"; exit 2 ;;
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

install_packages xvfb xauth trayer dbus libx11-dev gcc g++ pkg-config qt6-base-dev x11-utils
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

cc -O2 -o "$work/firstmap" "$here/firstmap.c" -lX11

# The floor Qt itself sets: a bare Qt 6 dialog with a label and a button, built the way any small
# Qt program is, so Orbiclock's start and memory read as a ratio to what Qt alone costs.
cat >"$work/bare-qt.cpp" <<'EOF'
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("12:34:56")));
    layout->addWidget(new QPushButton(QStringLiteral("OK")));
    dialog.show();
    return app.exec();
}
EOF
# shellcheck disable=SC2046
g++ -O2 -fPIC -std=c++17 -o "$work/bare-qt" "$work/bare-qt.cpp" $(pkg-config --cflags --libs Qt6Widgets)

# A free display, the same X server, notification area and session bus for every program.
display=""
for n in $(seq 70 99); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=:$n; break; fi
done
[ -n "$display" ] || { echo "no free X display" >&2; exit 1; }
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
trayer --edge bottom --align right --widthtype pixel --width 120 --heighttype pixel --height 24 \
  >/dev/null 2>&1 &
pids+=($!)
{ read -r DBUS_SESSION_BUS_ADDRESS; read -r bus_pid; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
export DBUS_SESSION_BUS_ADDRESS
pids+=("$bus_pid")
sleep 1

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

# One line per thread: "tid cpu_ns switches".
sample() {
  local pid=$1 t run v n sw
  for t in /proc/"$pid"/task/*; do
    read -r run _ <"$t/schedstat" 2>/dev/null || continue
    sw=0
    while read -r v n; do
      case $v in voluntary_ctxt_switches: | nonvoluntary_ctxt_switches:) sw=$((sw + n)) ;; esac
    done <"$t/status" 2>/dev/null
    echo "${t##*/} $run $sw"
  done
}

# CPU % of one core and switches per second between two samples over $3 seconds. A thread in
# both counts its difference, a new thread all of its own; one that ended in between is lost
# (it would otherwise be counted negative).
rates() {
  awk -v t="$3" 'FNR == 1 { f++ } f == 1 { ns[$1] = $2; sw[$1] = $3; next }
    { cpu += $2 - ns[$1]; wake += $3 - sw[$1] }
    END { printf "%.3f %.2f\n", cpu / (t * 1e9) * 100, wake / t }' "$1" "$2"
}

stop() {
  local pid=$1
  kill -TERM "$pid" 2>/dev/null || return 0
  for _ in $(seq 50); do [ -d /proc/"$pid" ] || return 0; sleep 0.1; done
  kill -KILL "$pid" 2>/dev/null || true
}

results=$work/results
: >"$results"
measure() { # name run
  local name=$1 run=$2 home=$work/home-$1-$2 cmd pid ms startcpu rss anon cpu wake
  mkdir -p "$home/config" "$home/data" "$home/cache" "$home/runtime"
  chmod 700 "$home/runtime"
  case $name in
    orbiclock | orbiclock-first) write_orbiclock_settings "$home/config"; cmd=("$orbiclock") ;;
    gworldclock) write_tzlist "$home"; cmd=(gworldclock) ;;
    bare-qt) cmd=("$work/bare-qt") ;;
    *) cmd=("$name") ;;
  esac
  local environment=(HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data"
    XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime" LC_ALL=C.UTF-8
    QT_QPA_PLATFORM=xcb GDK_BACKEND=x11 GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1)
  # As people meet it: started once before in this home, so what it keeps between runs (the
  # zones' answers in its cache) is in place. orbiclock-first is the very first start.
  if [ "$name" = orbiclock ]; then
    env "${environment[@]}" "$work/firstmap" 30 "${cmd[@]}" >"$work/started" 2>>"$work/$name.log" || true
    read -r pid ms <"$work/started"
    pids+=("$pid")
    sleep 3
    stop "$pid"
  fi
  # Into a file, not a pipe: the program inherits the descriptor and keeps it open.
  env "${environment[@]}" "$work/firstmap" 30 "${cmd[@]}" >"$work/started" 2>>"$work/$name.log" || true
  read -r pid ms <"$work/started"
  pids+=("$pid")
  # CPU time of all its threads up to its first window: the work of starting, on any core.
  startcpu=$(sample "$pid" | awk '{ s += $2 } END { printf "%.0f", s / 1e6 }')
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
  read -r cpu wake < <(rates "$work/s0" "$work/s1" "$idle")
  printf '%-15s run %d: first window %s ms (%s ms CPU), RSS %.1f MB (%.1f MB private), CPU %s %% of a core, %s wake-ups/s\n' \
    "$name" "$run" "$ms" "$startcpu" "$(awk -v k="$rss" 'BEGIN {print k / 1024}')" \
    "$(awk -v k="$anon" 'BEGIN {print k / 1024}')" "$cpu" "$wake"
  echo "$name $ms $rss $cpu $wake $anon $startcpu" >>"$results"
}

echo "Machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'), $(nproc) cores," \
  "$(awk '/MemTotal/ {printf "%.0f GB", $2 / 1048576}' /proc/meminfo), $(. /etc/os-release; echo "$PRETTY_NAME")," \
  "load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "Each run: first window, then RSS at ${settle} s, then CPU and wake-ups over ${idle} s idle; $runs runs"
for run in $(seq "$runs"); do
  for name in orbiclock bare-qt orbiclock-first "${available[@]}"; do
    measure "$name" "$run"
  done
done

echo
echo "Medians of $runs runs (Xvfb $display, trayer, no window manager):"
printf '| %-15s | %18s | %14s | %16s | %12s | %23s | %10s |\n' "Program" "First window (ms)" "CPU to start" "RSS at 10 s (MB)" "private (MB)" "CPU idle (% of core)" "Wake-ups/s"
printf '|%s|%s|%s|%s|%s|%s|%s|\n' "-----------------" "-------------------:" "---------------:" "-----------------:" "-------------:" "------------------------:" "-----------:"
for name in orbiclock bare-qt orbiclock-first "${available[@]}"; do
  awk -v n="$name" '
    function median(a, k,   i, j, t) {
      for (i = 2; i <= k; i++) for (j = i; j > 1 && a[j - 1] > a[j]; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
      return k % 2 ? a[(k + 1) / 2] : (a[k / 2] + a[k / 2 + 1]) / 2
    }
    $1 == n { k++; ms[k] = ($2 == "timeout" ? 1e9 : $2); rss[k] = $3 / 1024; cpu[k] = $4; w[k] = $5; an[k] = $6 / 1024; sc[k] = $7 }
    END {
      if (!k) { printf "| %-15s | %18s | %14s | %16s | %12s | %23s | %10s |\n", n, "-", "-", "-", "-", "-", "-"; exit }
      m = median(ms, k)
      printf "| %-15s | %18s | %11.0f ms | %16.1f | %12.1f | %23.3f | %10.2f |\n", n, (m >= 1e9 ? "timeout" : sprintf("%.0f", m)),
             median(sc, k), median(rss, k), median(an, k), median(cpu, k), median(w, k)
    }' "$results"
done

# Orbiclock against the bare Qt dialog of the same runs.
awk '
  function median(a, k,   i, j, t) {
    for (i = 2; i <= k; i++) for (j = i; j > 1 && a[j - 1] > a[j]; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
    return k % 2 ? a[(k + 1) / 2] : (a[k / 2] + a[k / 2 + 1]) / 2
  }
  $1 == "orbiclock" && $2 != "timeout" { o++; oms[o] = $2; osc[o] = $7; oan[o] = $6 / 1024 }
  $1 == "bare-qt" && $2 != "timeout" { b++; bms[b] = $2; bsc[b] = $7; ban[b] = $6 / 1024 }
  END {
    if (!o || !b) exit
    printf "\nOrbiclock / bare Qt dialog: first window %.2f x, CPU to start %.2f x, private memory %+.1f MB\n",
           median(oms, o) / median(bms, b), median(osc, o) / median(bsc, b), median(oan, o) - median(ban, b)
  }' "$results"

#!/usr/bin/env bash
# End-to-end run of the real scoreboard on its own virtual X display, driven
# with real key presses and mouse clicks as an operator would:
#   1st run: Ctrl+F3 (3-minute bouts), F5 Hajime, about 2.5 s, Ctrl+W (a Blue
#            wazari), F5 Matte, Ctrl+A (reset), then File / "Exit";
#   2nd run: started again in the same folder, it must keep the 3 minutes.
# Then checks what the program wrote beside itself: the settings file and
# today's tournament log.
#
# Usage: run_e2e.sh <tavelkorn executable> [artifacts folder]
set -uo pipefail

program_src=${1:?usage: run_e2e.sh <tavelkorn executable> [artifacts folder]}
artifacts=${2:-}
main_caption='Pemra Tavelkorn Ver 5.1'
slave_caption='Second Screen Slave'
screen_size=1280x800x24
window_timeout_s=20
exit_timeout_s=15

failures=0
folder=""
xvfb_pid=""
program_pid=""

note() { printf 'e2e: %s\n' "$*"; }
fail() {
  printf 'e2e: FAIL: %s\n' "$*" >&2
  failures=$((failures + 1))
}
# A failure after which the run cannot go on.
abort() {
  fail "$*"
  diagnostics
  exit 1
}

diagnostics() {
  [ -n "$folder" ] || return 0
  note "program folder $folder:"
  ls -la "$folder/app" 2>/dev/null | sed 's/^/    /'
  for f in "$folder"/app/*.ini "$folder"/app/tournament_log_*.txt; do
    [ -f "$f" ] || continue
    note "--- $(basename "$f") (\\r shown as ^M):"
    cat -v "$f" | sed 's/^/    /'
  done
  for f in "$folder"/program*.out; do
    [ -s "$f" ] || continue
    note "--- $(basename "$f"):"
    sed 's/^/    /' "$f"
  done
  if [ -n "$xvfb_pid" ] && [ -n "${DISPLAY:-}" ]; then
    note "windows on $DISPLAY:"
    for w in $(xdotool search --onlyvisible --name '.*' 2>/dev/null); do
      printf '    %s "%s" %s\n' "$w" "$(xdotool getwindowname "$w" 2>/dev/null)" \
        "$(xdotool getwindowgeometry "$w" 2>/dev/null | tr '\n' ' ')"
    done
    snapshot failure
  fi
}

stop_program() {
  if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
    kill "$program_pid" 2>/dev/null
    for _ in $(seq 20); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$program_pid" 2>/dev/null
  fi
  program_pid=""
}

cleanup() {
  stop_program
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  [ -n "$folder" ] && rm -rf "$folder"
}
trap cleanup EXIT
trap 'fail "interrupted"; exit 1' INT TERM

for tool in Xvfb xdotool xdpyinfo import compare; do
  command -v "$tool" >/dev/null || abort "$tool is missing (scripts/install-deps.sh installs it)"
done
[ -x "$program_src" ] || abort "no program at $program_src"

# ---- The program folder ------------------------------------------------------
# A fresh folder holding the program and what lies beside it when built; the
# program is started from another working folder, so that every file it
# writes must land beside the executable.
folder=$(mktemp -d "${TMPDIR:-/tmp}/tk-e2e.XXXXXX")
mkdir -p "$folder/app" "$folder/cwd" "$folder/runtime"
chmod 700 "$folder/runtime"
cp "$program_src" "$folder/app/tavelkorn"
for extra in TADA.WAV readme.txt; do
  [ -f "$(dirname "$program_src")/$extra" ] && cp "$(dirname "$program_src")/$extra" "$folder/app/"
done
app="$folder/app"

# ---- A display of our own ------------------------------------------------------
for n in $(seq 91 99); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
  Xvfb ":$n" -screen 0 "$screen_size" -nolisten tcp >"$folder/xvfb.out" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do
    xdpyinfo -display ":$n" >/dev/null 2>&1 && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  if xdpyinfo -display ":$n" >/dev/null 2>&1; then
    export DISPLAY=":$n"
    break
  fi
  # Taken by someone else between the check and the start: the next one.
  kill "$xvfb_pid" 2>/dev/null
  wait "$xvfb_pid" 2>/dev/null
  xvfb_pid=""
done
[ -n "$xvfb_pid" ] || abort "no free X display among :91..:99"
note "display $DISPLAY ($screen_size)"

export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$folder/runtime"
unset WAYLAND_DISPLAY

snapshot() {
  [ -n "$artifacts" ] || return 0
  mkdir -p "$artifacts"
  import -window root "$artifacts/e2e_$1.png" 2>/dev/null
}

# ---- Driving the program -------------------------------------------------------
main_window=""

start_program() {
  local run=$1
  (cd "$folder/cwd" && exec "$app/tavelkorn") >"$folder/program$run.out" 2>&1 &
  program_pid=$!
  main_window=$(timeout "$window_timeout_s" xdotool search --sync --onlyvisible \
    --name "^${main_caption//./\\.}\$" 2>/dev/null | head -n 1)
  [ -n "$main_window" ] || abort "run $run: no window \"$main_caption\" within ${window_timeout_s}s"
  # The public board opens 900 ms after start-up, with the board's layout.
  timeout "$window_timeout_s" xdotool search --sync --onlyvisible --name "$slave_caption" \
    >/dev/null 2>&1 || fail "run $run: the public board did not open"
  sleep 0.5
  focus_main
}

# Without a window manager the operator's click on the window is a raise and
# a focus; the mouse then rests off the windows, so no tool tip covers them.
focus_main() {
  xdotool windowraise "$main_window"
  timeout 5 xdotool windowfocus --sync "$main_window" 2>/dev/null ||
    xdotool windowfocus "$main_window"
  xdotool mousemove 1279 799
  sleep 0.3
}

press() {
  xdotool key "$1"
  sleep "${2:-0.4}"
}

# The main window's picture, less its bottom strip (the last-match banner,
# whose text carries the time).
grab_board() {
  focus_main
  import -window "$main_window" -gravity north -crop 100%x90%+0+0 +repage "$folder/$1.png" \
    2>/dev/null
}

visible_windows() { xdotool search --onlyvisible --name '.*' 2>/dev/null | sort; }

# File / "Exit" with the mouse: a click on "File" at the left of the menu bar
# opens the menu; "Exit" is its last entry.
exit_through_file_menu() {
  local run=$1 before menu geometry height started
  focus_main
  before=$(visible_windows)
  xdotool mousemove --window "$main_window" 18 8 click 1
  menu=""
  for _ in $(seq 30); do
    sleep 0.1
    menu=$(comm -13 <(echo "$before") <(visible_windows) | head -n 1)
    [ -n "$menu" ] && break
  done
  [ -n "$menu" ] || abort "run $run: a click on \"File\" opened no menu"
  sleep 0.3
  snapshot "run${run}_file_menu"
  geometry=$(xdotool getwindowgeometry "$menu" | sed -n 's/.*Geometry: //p')
  height=${geometry#*x}
  xdotool mousemove --window "$menu" 30 $((height - 11)) click 1
  started=$(date +%s%N)
  for _ in $(seq $((exit_timeout_s * 10))); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$program_pid" 2>/dev/null; then
    abort "run $run: still running ${exit_timeout_s}s after File / \"Exit\""
  fi
  wait "$program_pid"
  local status=$?
  program_pid=""
  note "run $run: closed $((($(date +%s%N) - started) / 1000000)) ms after \"Exit\", status $status"
  [ "$status" -eq 0 ] || fail "run $run: exit status $status"
}

# ---- Checks of the files -------------------------------------------------------
header='The log file is appended to every time the scoreboard is RESET, therefore there may be several invalid (non-match) entries in a log file.'
hyphens=$(printf '%*s' 137 '' | tr ' ' '-')
stamp='^[^ ].* [0-9]{1,2}:[0-9]{2}(:[0-9]{2})?( ?[AaPp][Mm])? '
names="Player\`s name v Player\`s name  "
nothing_white=' - Scores\(White\):  Yuko=0 Wazari=0 Ippon=0 Shidos=0$'
# A reset of an untouched board: the clock stood at the match length.
empty_board="${stamp}MatchDuration=0:00 ${names}- Scores\\(Blue\\):  Yuko=0 Wazari=0 Ippon=0 Shidos=0${nothing_white}"
one_wazari="${stamp}MatchDuration=0:0[23] ${names}- Scores\\(Blue\\):  Yuko=0 Wazari=1 Ippon=0 Shidos=0${nothing_white}"

# Every line of the file ends with CR LF, the last one too.
check_crlf() {
  local file=$1 bare
  [ -s "$file" ] || { fail "$(basename "$file") is empty"; return; }
  [ "$(tail -c 2 "$file" | od -An -c | tr -d ' ')" = '\r\n' ] ||
    fail "$(basename "$file"): the last line does not end with CR LF"
  bare=$(grep -c -v $'\r$' "$file")
  [ "$bare" -eq 0 ] || fail "$(basename "$file"): $bare line(s) without CR before LF"
}

check_settings() {
  local run=$1 ini="$app/tavelkorn.ini"
  [ -f "$ini" ] || { fail "run $run: no settings file tavelkorn.ini beside the program"; return; }
  check_crlf "$ini"
  local expected=(
    "MatchMins = 3" "MatchSecs = 0" "Yuko = 15" "Wazari = 20" "Ippon = 25"
    "MajorSound = TADA.WAV" "MinorSound = DING.WAV" "ColourScheme = 16711680"
    "ColoursSwapped = 1" "ResetWarning = 0" "NeWazaWaitForRef = 0" "PlayersNamesDisplay = 1"
    "PlayersNamePopup = 1" "ResetLinkvisible = 1" "MONsterKosenRules = 0"
    "ManualControlSlaveScreenFont = 0" "SlaveScreenFontSize = 100" "SecsToLeaveNewazaScore = 15"
    "SecsToLeaveLastMatch = 20" "LastPlayerListUsed = $app/players.txt"
    "LastPoolsListUsed = $app/sample_divisions.txt"
  )
  local lines=()
  mapfile -t lines < <(tr -d '\r' <"$ini")
  [ "${#lines[@]}" -eq 21 ] || fail "run $run: tavelkorn.ini has ${#lines[@]} lines, not 21"
  local i
  for i in "${!expected[@]}"; do
    [ "${lines[$i]-}" = "${expected[$i]}" ] ||
      fail "run $run: tavelkorn.ini line $((i + 1)) is \"${lines[$i]-}\", not \"${expected[$i]}\""
  done
}

# `patterns`: one extended regular expression per match line, in order.
check_log() {
  local run=$1
  shift
  local logs=("$app"/tournament_log_*.txt)
  [ -f "${logs[0]}" ] || { fail "run $run: no tournament log beside the program"; return; }
  [ "${#logs[@]}" -eq 1 ] || fail "run $run: ${#logs[@]} tournament logs, not one"
  local log=${logs[0]}
  [[ "$(basename "$log")" == *"$(date +%Y)"* ]] ||
    fail "run $run: the log's name $(basename "$log") does not carry today's date"
  check_crlf "$log"
  local lines=()
  mapfile -t lines < <(tr -d '\r' <"$log")
  [ "${lines[0]-}" = "$header" ] || fail "run $run: log line 1 is \"${lines[0]-}\""
  [ "${lines[1]-}" = "$hyphens" ] || fail "run $run: log line 2 is not 137 hyphens: \"${lines[1]-}\""
  [ "${#lines[@]}" -eq $(($# + 2)) ] ||
    fail "run $run: the log has $((${#lines[@]} - 2)) match lines, not $#"
  local i=2 pattern
  for pattern in "$@"; do
    [[ "${lines[$i]-}" =~ $pattern ]] ||
      fail "run $run: log line $((i + 1)) is \"${lines[$i]-}\", expected /$pattern/"
    i=$((i + 1))
  done
}

# Before the first Hajime the clock shows the bout length: the second run's
# board must look like the first run's after Ctrl+F3, not like its 5:00 start.
check_same_board() {
  local a=$1 b=$2 differing
  differing=$(compare -metric AE -fuzz 10% "$folder/$a.png" "$folder/$b.png" null: 2>&1)
  echo "${differing%% *}"
}

# ---- Run 1 -----------------------------------------------------------------------
note "run 1: start in an empty program folder"
start_program 1
grab_board run1_start
press ctrl+F3
grab_board run1_three_minutes
snapshot run1_three_minutes
press F5 2.5
press ctrl+w 0.2
press F5
press ctrl+a
snapshot run1_after_reset
[ -z "$(ls -A "$folder/cwd")" ] || fail "files written into the working folder: $(ls "$folder/cwd")"
exit_through_file_menu 1

check_settings 1
check_log 1 "$empty_board" "$one_wazari"

# ---- Run 2 -----------------------------------------------------------------------
note "run 2: start again in the same folder"
start_program 2
grab_board run2_start
snapshot run2_start
exit_through_file_menu 2

check_settings 2
check_log 2 "$empty_board" "$one_wazari" "$empty_board"

same=$(check_same_board run1_three_minutes run2_start)
other=$(check_same_board run1_start run2_start)
note "board pictures: $same pixels differ from run 1 at 3:00, $other from run 1 at 5:00"
if ! [[ "$same" =~ ^[0-9]+$ && "$other" =~ ^[0-9]+$ ]]; then
  fail "the board pictures could not be compared: $same / $other"
elif [ "$other" -le 200 ]; then
  fail "the 3:00 and 5:00 boards look alike ($other pixels differ), so the picture check sees nothing"
elif [ "$same" -gt 200 ]; then
  fail "run 2 does not start with the board of run 1 after Ctrl+F3 ($same pixels differ)"
fi

if [ "$failures" -gt 0 ]; then
  diagnostics
  note "$failures check(s) failed"
  exit 1
fi
note "all checks passed"

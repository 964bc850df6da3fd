# Shell helpers for the tests that run the installed game: a private copy of the installed
# tree, a clean environment, and starting, watching and stopping the game by its process id.
# Sourced by the test scripts; they set tmp (their private folder) before calling these.
# shellcheck shell=bash disable=SC2154 # tmp and bin_dir belong to the sourcing script

fail() {
  echo "FAIL: $*"
  exit 1
}

# Copies the installed tree to "$tmp/prefix": each test gets its own, and the copy also shows
# that the installed tree still works after it has been moved.
copy_installed_tree() {
  local installed=$1
  [[ -d $installed ]] || fail "no installed tree at $installed"
  cp -a "$installed" "$tmp/prefix" || fail "cannot copy the installed tree"
}

# The environment of a player's session with nothing in it from the test runner: private
# home, configuration and runtime folders, so that no real settings file is read or written.
# Fills the array game_env; extra NAME=VALUE words are appended.
make_game_env() {
  mkdir -p "$tmp/home" "$tmp/config" "$tmp/runtime"
  chmod 700 "$tmp/runtime"
  # shellcheck disable=SC2034 # read by the sourcing script
  game_env=(
    "PATH=$tmp/prefix/$bin_dir:/usr/bin:/bin"
    "HOME=$tmp/home"
    "XDG_CONFIG_HOME=$tmp/config"
    "XDG_RUNTIME_DIR=$tmp/runtime"
    "LANG=C.UTF-8"
    "$@"
  )
}

# True while the process is asleep waiting for events in poll or select, that is idle in
# its event loop after start-up.
is_idle_in_event_loop() {
  local pid=$1 state wchan syscall
  state=$(awk '{print $3}' "/proc/$pid/stat" 2>/dev/null) || return 1
  [[ $state == S ]] || return 1
  wchan=$(cat "/proc/$pid/wchan" 2>/dev/null)
  [[ $wchan == *poll* || $wchan == *select* ]] && return 0
  # Kernels that hide wchan: the system call itself (x86-64 poll, ppoll, select, pselect6).
  syscall=$(cut -d' ' -f1 "/proc/$pid/syscall" 2>/dev/null)
  [[ $syscall == 7 || $syscall == 271 || $syscall == 23 || $syscall == 270 ]]
}

# Waits until the game has finished starting and waits for input: idle in its event loop on
# a few samples in a row. Fails if it ends first; the deadline only guards against a hang.
wait_until_game_waits_for_input() {
  local pid=$1 idle=0 i
  for ((i = 0; i < 400; i++)); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid"; fail "the game ended during start-up (status $?)"; }
    if is_idle_in_event_loop "$pid"; then
      ((++idle >= 5)) && return 0
    else
      idle=0
    fi
    sleep 0.05
  done
  fail "the game did not settle down to wait for input"
}

# Ends the game with SIGTERM and checks that this, and nothing before it, ended it.
stop_game() {
  local pid=$1 status
  kill -0 "$pid" 2>/dev/null || { wait "$pid"; fail "the game had ended by itself (status $?)"; }
  kill -TERM "$pid"
  wait "$pid"
  status=$?
  ((status == 128 + 15)) || fail "the game ended with status $status instead of by SIGTERM"
}

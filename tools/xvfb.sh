# Sourced: starts a private Xvfb display when none is given and exports DISPLAY.
# velmora_stop_xvfb ends it again.
velmora_xvfb_pid=""
velmora_start_xvfb() {
  local n
  for n in $(seq 91 120); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    velmora_xvfb_pid=$!
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      sleep 0.1
    done
    export DISPLAY=":$n"
    return 0
  done
  echo "no free X display number" >&2
  return 1
}
velmora_stop_xvfb() {
  [ -n "$velmora_xvfb_pid" ] && kill "$velmora_xvfb_pid" 2>/dev/null || true
}

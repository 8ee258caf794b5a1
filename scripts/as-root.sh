# as_root COMMAND...: runs COMMAND as root: directly when root already (containers and CI
# images have no sudo), through sudo otherwise. Without either it says what to run and fails.
as_root() {
  if [ "$(id -u)" = 0 ]; then
    "$@"
  elif command -v sudo >/dev/null 2>&1; then
    sudo "$@"
  else
    echo "This step needs root and sudo is not installed; run as root:" >&2
    echo "  $*" >&2
    return 1
  fi
}

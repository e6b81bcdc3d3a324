#!/usr/bin/env bash
# Builds the Debian package, installs it with apt, and plays the installed
# command as two new users from a folder outside the repository: the first
# keeps its data in its own XDG_DATA_HOME, the second in ~/.local/share.
# Checks the saves, the sounds (through libao's null output), the manual
# page, and that purging the package leaves only the players' saves.
# Runs as root with no input; leaves no package and no user behind.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
[ "$(id -u)" -eq 0 ] || { echo "run as root: this test installs a package and adds users" >&2; exit 1; }
if dpkg-query -W -f='${Status}' lanternmoor 2>/dev/null | grep -q 'install ok installed'; then
  echo "lanternmoor is installed; this test purges it at the end, so remove it first" >&2
  exit 1
fi

fail() { echo "package test: $*" >&2; exit 1; }

deb=$(bash tools/package.sh)
version=$(dpkg-deb -f "$deb" Version)
echo "== $(basename "$deb"): $(stat -c %s "$deb") bytes"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"

work=$(mktemp -d)
chmod 755 "$work"
made_users=()
cleanup() {
  apt-get purge -y -qq -o DPkg::Lock::Timeout=120 lanternmoor >/dev/null 2>&1 || true
  for user in "${made_users[@]}"; do userdel -r "$user" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq -o DPkg::Lock::Timeout=120 "$deb" </dev/null >"$work/apt.log" 2>&1 ||
  { cat "$work/apt.log"; fail "apt could not install the package"; }
dpkg -L lanternmoor >"$work/installed.txt"

echo "== manual page"
page=$(man -w lanternmoor) || fail "man does not find the page"
warnings=$(groff -man -ww -z "$page" 2>&1)
[ -z "$warnings" ] || fail "the manual page renders with warnings: $warnings"
man lanternmoor 2>/dev/null | grep -q "Lanternmoor $version" || fail "man shows no page of version $version"

new_player() {
  local user=$1
  useradd --create-home --base-dir "$work" --shell /bin/bash "$user"
  made_users+=("$user")
  # libao's null output: the sounds are decoded and played to nowhere.
  echo "default_driver=null" >"$work/$user/.libao"
  chown "$user:" "$work/$user/.libao"
}

# Runs a command as USER in a clean login-like environment, with the
# variables given first (NAME=value ...).
as_player() {
  local user=$1; shift
  runuser -u "$user" -- env -i PATH=/usr/local/bin:/usr/bin:/bin:/usr/games HOME="$work/$user" "$@"
}

# Plays the installed command by name from the root folder, where no player
# may write, tracing which files it opens.
play_as() {
  # shellcheck disable=SC2016 # HOME is the player's, expanded in their shell
  as_player "$@" bash -c 'cd / && exec strace -f -qq -e trace=openat -o "$HOME/opened.log" lanternmoor'
}

echo "== first player, own XDG_DATA_HOME"
first=lanternmoor-test-a
new_player "$first"
data=$work/$first/elsewhere/data
[ "$(as_player "$first" XDG_DATA_HOME="$data" bash -c 'cd / && lanternmoor --version')" = "Lanternmoor $version" ] ||
  fail "--version from / does not answer 'Lanternmoor $version'"
# The sound plays on its own thread: the player waits for it before going on.
{
  printf '1\nWren\nf\ninventory\n'
  for _ in $(seq 100); do
    grep -q '"sound/inventory.ogg"' "$work/$first/opened.log" 2>/dev/null && break
    sleep 0.1
  done
  printf 'save\nwren game\nquit\n'
} | play_as "$first" XDG_DATA_HOME="$data" >"$work/first.out"
grep -q 'Game saved to saves/wren_game.dat.gz successfully.' "$work/first.out" ||
  fail "the first player could not save: $(cat "$work/first.out")"
[ -f "$data/lanternmoor/saves/wren_game.dat.gz" ] || fail "the save is not in XDG_DATA_HOME"
[ ! -e "$work/$first/.local/share/lanternmoor" ] || fail "XDG_DATA_HOME was not used"
[ "$(stat -c %a "$data/lanternmoor")" = 700 ] || fail "the data folder is open to others"
grep -Eq '"sound/inventory.ogg", O_RDONLY\) = [0-9]+$' "$work/$first/opened.log" ||
  fail "the game did not find its sound"
grep -Eq '/\.libao", O_RDONLY\) = [0-9]+$' "$work/$first/opened.log" ||
  fail "libao did not read the player's settings"

echo "== second player, ~/.local/share"
second=lanternmoor-test-b
new_player "$second"
help=$(as_player "$second" bash -c 'cd / && lanternmoor --help')
[ "$(echo "$help" | head -1)" = "Usage: /usr/games/lanternmoor [options]" ] ||
  fail "--help from / answers: $help"
printf '2\nwren game\n' | play_as "$second" >"$work/second.out"
grep -q "Save file 'wren_game.dat.gz' not found." "$work/second.out" ||
  fail "the second player sees the first one's save: $(cat "$work/second.out")"
[ -d "$work/$second/.local/share/lanternmoor/saves" ] || fail "no data folder in ~/.local/share"
! as_player "$second" ls "$data/lanternmoor" >/dev/null 2>&1 ||
  fail "the second player can list the first one's saves"

echo "== a data folder that is not the player's own"
# In a folder everyone may write to, the second player plants the first
# one's data folder: a link to a folder of their own, then a folder of their
# own; and a saves link inside the first player's folder.
shared=$work/shared
mkdir -m 1777 "$shared"
trap_folder=$work/trap
mkdir -m 777 "$trap_folder"
chown "$second:" "$trap_folder"
refused() {
  local why=$1; shift
  if printf '1\nWren\nf\nsave\ntrapped\nquit\n' | as_player "$first" "$@" lanternmoor \
    >"$work/refused.out" 2>"$work/refused.err"; then
    fail "the game started where $why"
  fi
  grep -q "lanternmoor: .*, not a folder of your own" "$work/refused.err" ||
    fail "no reason given where $why: $(cat "$work/refused.err")"
  [ -z "$(ls -A "$trap_folder")" ] || fail "the game wrote into the other player's folder where $why"
}
as_player "$second" ln -s "$trap_folder" "$shared/lanternmoor"
refused "the data folder is a link" XDG_DATA_HOME="$shared"
as_player "$second" bash -c "rm '$shared/lanternmoor' && mkdir -m 777 '$shared/lanternmoor'"
refused "the data folder is someone else's" XDG_DATA_HOME="$shared"
own=$work/$first/own
as_player "$first" bash -c "mkdir -p '$own/lanternmoor' && ln -s '$trap_folder' '$own/lanternmoor/saves'"
refused "saves is a link" XDG_DATA_HOME="$own"

echo "== removal"
apt-get purge -y -qq -o DPkg::Lock::Timeout=120 lanternmoor </dev/null >"$work/apt.log" 2>&1 ||
  { cat "$work/apt.log"; fail "apt could not remove the package"; }
while read -r path; do
  if [ -L "$path" ] || [ -f "$path" ] || [[ -d $path && $path == *lanternmoor* ]]; then
    fail "$path is left after removal"
  fi
done <"$work/installed.txt"
[ -f "$data/lanternmoor/saves/wren_game.dat.gz" ] || fail "removal took the player's save"
echo "package test passed in $((SECONDS - started)) s"

#!/usr/bin/env bash
# Builds the Debian packages lesmora and lesmora-server and proves them on this machine:
# lintian, desktop-file-validate and appstreamcli validate on their contents; dpkg -i;
# the installed program started under Xvfb from its menu entry's Exec line (screenshot);
# the installed service started with its unit file's command, one result line sent and
# read back; dpkg -r, and no file of theirs left but the server's database (and the
# settings file, which dpkg keeps until a purge); finally dpkg --purge.
#   scripts/packages.sh        (root or sudo; BUILD_DIR as in scripts/build.sh)
# Packages, screenshots and logs: <build>/packages/ (PACKAGES_OUT names another folder
# for screenshots and logs). Packages of these names already installed are replaced.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
build_dir=$(cd "${BUILD_DIR:-build}" && pwd)
package_dir=$build_dir/packages
out=${PACKAGES_OUT:-$package_dir/check}
mkdir -p "$out"
out=$(cd "$out" && pwd)

sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
as_root() { "${sudo_cmd[@]}" "$@"; }

step() { echo "packages: $*"; }
fail() {
  echo "packages: FAILED: $*" >&2
  exit 1
}

work=$(mktemp -d)
program=""
xvfb=""
server=""
cleanup() {
  [[ -n "$program" ]] && kill "$program" 2>/dev/null || true
  [[ -n "$xvfb" ]] && kill "$xvfb" 2>/dev/null || true
  [[ -n "$server" ]] && as_root kill "$server" 2>/dev/null || true
  wait 2>/dev/null || true
  # A run that stopped half-way leaves nothing installed.
  for package in lesmora lesmora-server; do
    if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
      echo "packages: purging $package after a failed run"
      as_root dpkg --purge "$package" >/dev/null || true
    fi
  done
  rm -rf "$work"
}
trap cleanup EXIT

# --- Build -------------------------------------------------------------------------
step "building the packages"
rm -f "$package_dir"/*.deb
(cd "$build_dir" && cpack -G DEB >"$out/cpack.log" 2>&1) || {
  cat "$out/cpack.log"
  fail "cpack"
}
debs=()
for package in lesmora lesmora-server; do
  deb=$(ls "$package_dir/${package}_"*.deb 2>/dev/null | head -n 1 || true)
  [[ -n "$deb" ]] || fail "no package $package in $package_dir"
  debs+=("$deb")
  step "built $(basename "$deb"): $(dpkg-deb -f "$deb" Depends)"
done

# --- Check -------------------------------------------------------------------------
step "lintian"
lintian_args=(--display-info --fail-on error,warning)
[[ $(id -u) -eq 0 ]] && lintian_args+=(--allow-root)
lintian "${lintian_args[@]}" "${debs[@]}" | tee "$out/lintian.txt" || fail "lintian found errors"
step "lintian: $(grep -c '^E:' "$out/lintian.txt" || true) errors, $(grep -c '^W:' "$out/lintian.txt" || true) warnings"

for deb in "${debs[@]}"; do dpkg-deb -x "$deb" "$work/contents"; done
desktop_file=$work/contents/usr/share/applications/de.corvello.Lesmora.desktop
metainfo=$work/contents/usr/share/metainfo/de.corvello.Lesmora.metainfo.xml
step "desktop-file-validate"
report=$(desktop-file-validate "$desktop_file" 2>&1) || fail "desktop-file-validate: $report"
[[ -z "$report" ]] || fail "desktop-file-validate: $report"
step "appstreamcli validate"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"

# --- Install -----------------------------------------------------------------------
for package in lesmora lesmora-server; do
  if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "installed"; then
    step "removing the $package found installed before"
    as_root dpkg --purge "$package" >/dev/null
  fi
done
step "dpkg -i"
as_root dpkg -i "${debs[@]}" >"$out/dpkg-install.log" 2>&1 || {
  cat "$out/dpkg-install.log"
  fail "dpkg -i (missing dependencies? scripts/install-deps.sh installs them)"
}
dpkg -L lesmora lesmora-server | sort -u >"$work/files.txt"
cat /var/lib/dpkg/info/lesmora-server.conffiles >"$work/conffiles.txt"
getent passwd lesmora-server >/dev/null || fail "the system user lesmora-server is missing"

# --- The icon and the menu entry as the desktop finds them ---------------------------
"$build_dir/tools/desktopentry/desktopentryshot" /usr "$out/icon-sheet.png" 2>/dev/null ||
  fail "the installed icon or menu entry was not found"

# --- The program, from its menu entry ------------------------------------------------
installed_entry=/usr/share/applications/de.corvello.Lesmora.desktop
[[ -f "$installed_entry" ]] || fail "$installed_entry is not installed"
exec_line=$(sed -n 's/^Exec=//p' "$installed_entry" | head -n 1)
# Field codes (%f, %U, ...) stand for files and addresses; none are given here.
read -r -a command <<<"$(sed 's/%[a-zA-Z]//g' <<<"$exec_line")"
step "starting '$exec_line' from the menu entry under Xvfb"
display=:$((150 + RANDOM % 100))
Xvfb "$display" -screen 0 1400x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 0.5
mkdir -p -m 700 "$work/home" "$work/cwd"
(cd "$work/cwd" && exec env -i DISPLAY="$display" HOME="$work/home" PATH=/usr/bin:/bin \
  XDG_DATA_HOME="$work/home/.local/share" XDG_RUNTIME_DIR="$work/home" \
  SDL_AUDIODRIVER=dummy "${command[@]}") >"$out/program.log" 2>&1 &
program=$!
window=""
for _ in $(seq 1 60); do
  window=$(DISPLAY=$display xdotool search --name "LESMORA" 2>/dev/null | tail -n 1 || true)
  [[ -n "$window" ]] && break
  kill -0 "$program" 2>/dev/null || break
  sleep 0.25
done
[[ -n "$window" ]] || {
  cat "$out/program.log"
  fail "the installed program showed no window"
}
sleep 2
kill -0 "$program" 2>/dev/null || fail "the installed program ended by itself"
executable=$(readlink "/proc/$program/exe")
[[ "$executable" == /usr/bin/* ]] || fail "the program ran from $executable"
DISPLAY=$display import -window root "$work/screen.png"
convert "$work/screen.png" -bordercolor black -border 1 -trim +repage "$out/installed-program.png"
step "window of $executable: $out/installed-program.png"
kill "$program" && wait "$program" 2>/dev/null || true
program=""
kill "$xvfb" && wait "$xvfb" 2>/dev/null || true
xvfb=""

# --- The service, with its unit file's command ---------------------------------------
unit=/usr/lib/systemd/system/lesmora-server.service
[[ -f "$unit" ]] || fail "$unit is not installed"
if command -v systemd-analyze >/dev/null; then
  systemd-analyze verify "$unit" || fail "systemd-analyze verify $unit"
  step "systemd-analyze verify: the unit is sound"
fi
# The unit's Environment= lines, then its EnvironmentFile, then ExecStart with systemd's
# expansion: ${NAME} stays one word, $NAME splits at white space.
mapfile -d '' -t server_command < <(python3 - "$unit" <<'EOF'
import re, shlex, sys
environment, exec_start = {}, None
def assign(text):
    name, _, value = text.partition("=")
    environment[name.strip()] = value
for line in open(sys.argv[1]):
    line = line.strip()
    key, _, value = line.partition("=")
    if key == "Environment":
        for word in shlex.split(value):
            assign(word)
    elif key == "EnvironmentFile":
        path = value.lstrip("-")
        try:
            for entry in open(path):
                entry = entry.strip()
                if entry and not entry.startswith("#") and "=" in entry:
                    name, _, text = entry.partition("=")
                    words = shlex.split(text)
                    environment[name.strip()] = " ".join(words)
        except FileNotFoundError:
            if not value.startswith("-"):
                raise
    elif key == "ExecStart":
        exec_start = value
words = []
for word in shlex.split(exec_start):
    whole = re.fullmatch(r"\$([A-Za-z_][A-Za-z0-9_]*)", word)
    if whole:
        words += environment.get(whole.group(1), "").split()
    else:
        words.append(re.sub(r"\$\{([A-Za-z_][A-Za-z0-9_]*)\}",
                            lambda m: environment.get(m.group(1), ""), word))
sys.stdout.write("".join(w + "\0" for w in words))
EOF
)
user=$(sed -n 's/^User=//p' "$unit")
state=$(sed -n 's/^StateDirectory=//p' "$unit")
[[ -n "$user" && -n "$state" ]] || fail "the unit names no User= or StateDirectory="
listen=$(printf '%s\n' "${server_command[@]}" | sed -n '/^--listen$/{n;p}')
port=${listen##*:}
[[ -n "$port" ]] || fail "no --listen in the service's command"
if (echo >"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
  fail "port $port (from /etc/default/lesmora-server) is taken on this machine"
fi
step "starting the service as $user: ${server_command[*]}"
as_root install -d -o "$user" -g "$user" "/var/lib/$state"
# As systemd runs it: the unit's user, with the one capability the unit grants.
"${sudo_cmd[@]}" setpriv --reuid="$user" --regid="$user" --init-groups \
  --inh-caps=+net_bind_service --ambient-caps=+net_bind_service -- \
  "${server_command[@]}" >"$out/server.log" 2>&1 &
server=$!
line="MAUS||Paket|450"
python3 - "$port" "$line" <<'EOF' || { cat "$out/server.log"; fail "the service did not keep the result line"; }
import sys, time, urllib.parse, urllib.request
port, line = sys.argv[1], sys.argv[2]
base = f"http://127.0.0.1:{port}"
for attempt in range(100):
    try:
        urllib.request.urlopen(base + "/code/CodeDaten.txt", timeout=2).read()
        break
    except OSError:
        time.sleep(0.1)
reply = urllib.request.urlopen(base + "/code/code.php?code=" + urllib.parse.quote(line), timeout=5)
print("packages: sent", line, "->", reply.status, reply.read().decode().strip())
listed = urllib.request.urlopen(base + "/code/CodeDaten.txt", timeout=5).read().decode()
if line not in listed.splitlines():
    sys.exit(f"packages: the list does not hold {line}: {listed!r}")
print("packages: read back", line, "from /code/CodeDaten.txt")
EOF
as_root kill "$server"
wait "$server" 2>/dev/null || true
server=""
if (echo >"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
  fail "port $port is still served after the service was stopped"
fi
as_root ls -l "/var/lib/$state"

# --- Remove --------------------------------------------------------------------------
step "dpkg -r"
as_root dpkg -r lesmora lesmora-server >"$out/dpkg-remove.log" 2>&1 || {
  cat "$out/dpkg-remove.log"
  fail "dpkg -r"
}
left=()
while read -r path; do
  [[ -e "$path" || -L "$path" ]] || continue
  if [[ -d "$path" && ! -L "$path" ]]; then
    # Shared folders (/usr/share, ...) stay; the packages' own folders must go.
    [[ "$path" == *lesmora* ]] && left+=("$path")
  elif ! grep -qxF "$path" "$work/conffiles.txt"; then
    left+=("$path")
  fi
done <"$work/files.txt"
((${#left[@]} == 0)) || fail "left after dpkg -r: ${left[*]}"
step "after dpkg -r: no file of the packages left; kept: the settings $(cat "$work/conffiles.txt")" \
  "(dpkg keeps settings until a purge) and the database:"
database=$(as_root find "/var/lib/$state" -type f)
[[ -n "$database" ]] || fail "the database went with dpkg -r"
sed 's/^/packages:   /' <<<"$database"

step "dpkg --purge"
as_root dpkg --purge lesmora lesmora-server >>"$out/dpkg-remove.log" 2>&1 || fail "dpkg --purge"
while read -r path; do
  [[ -e "$path" ]] && fail "left after the purge: $path"
done <"$work/conffiles.txt"
[[ ! -e "/var/lib/$state" ]] || fail "/var/lib/$state is left after the purge"
step "all checks passed; screenshots and logs in $out"

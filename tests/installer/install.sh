#!/usr/bin/env bash
# The installer and the portable zip under Wine, as a user meets them:
# a silent install for the current user puts the files, the Start menu
# shortcut, the uninstall entry and the "Silent" marker in place, and the
# installed program starts; an install over it keeps the user's settings; the
# silent uninstall ends a running copy, removes files, shortcut and entry and
# keeps the settings unless asked to remove them; an install for all users
# goes to the machine's folders and key and is removed again; the zip
# unpacked anywhere runs.
#   install.sh SETUP.exe PORTABLE.zip BUILD_EXE_DIR WINEPREFIX VERSION README.md e2e_probe.exe
set -u
setup=$1 zip=$2 built=$3 version=$5 readme=$6 probe=$7
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-env.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/program.sh"
export WINEPREFIX=$4
tarnwick_prefix_init "$WINEPREFIX"
tarnwick_wineserver_start "$WINEPREFIX"
tarnwick_display_start
work=$(mktemp -d)
trap 'tarnwick_display_stop; rm -rf "$work"' EXIT

finish() {
    echo "$((checks - failures)) passed, $failures failed"
    [ "$failures" -eq 0 ]
    exit
}

for f in "$setup" "$zip"; do
    if [ ! -f "$f" ]; then
        echo "FAILED: $f is missing; build the targets installer and portable_zip"
        exit 1
    fi
done

# Every Wine start costs about half a second: the folders are asked for at
# once, and each registry key is read once into a dump.
{ read -r local_appdata; read -r appdata; read -r program_files; read -r program_data; } < <(
    wine cmd /c 'echo %LOCALAPPDATA%&echo %APPDATA%&echo %ProgramW6432%&echo %ProgramData%' \
        2>/dev/null | tr -d '\r')
dump() { wine reg query "$1" 2>/dev/null | tr -d '\r'; }
field() { # DUMP NAME -> "TYPE DATA" of that value in a dump, empty when missing
    sed -nE "s/^ +$2 +(REG_[A-Z_]+) +(.*)$/\1 \2/p" <<<"$1"
}
regdefault() { field "$(dump "$1")" '\(Default\)'; }
haskey() { wine reg query "$1" >/dev/null 2>&1 && echo yes || echo no; }

product="Vexa Tarnwick"
uninstall_key="HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$product"
product_key="HKCU\\Software\\Vexa\\$product"
settings_key="$product_key\\SaveData\\InstallerCheck"
if [ -z "$local_appdata" ] || [ -z "$program_data" ]; then
    echo "FAILED: Wine did not name the user's folders"
    exit 1
fi
start_menu='Microsoft\Windows\Start Menu\Programs'
win_dir="$local_appdata\\Programs\\$product"
all_dir_win="$program_files\\$product"
{ read -r dir; read -r link; read -r all_dir; read -r all_link; } < <(
    winepath -u "$win_dir" "$appdata\\$start_menu\\$product.lnk" \
        "$all_dir_win" "$program_data\\$start_menu\\$product.lnk" 2>/dev/null | tr -d '\r')

# A clean start: no earlier install, entry or settings in this prefix.
rm -rf "$dir" "$link"
wine reg delete "$uninstall_key" /f >/dev/null 2>&1
wine reg delete "$product_key" /f >/dev/null 2>&1

# --- Install for the current user, silently.
timeout 120 wine "$setup" /S /CurrentUser; rc=$?
check "silent install exits with 0" 0 "$rc"
for f in Tarnwick.exe sound.mp3; do
    check "$f installed as built" same "$(cmp -s "$built/$f" "$dir/$f" && echo same || echo differs)"
done
check "uninstaller installed" yes "$([ -f "$dir/Uninstall.exe" ] && echo yes || echo no)"
check "Start menu shortcut made" yes "$([ -f "$link" ] && echo yes || echo no)"
# The link keeps its target as a local path (ANSI) and usually as UTF-16 too.
target=$(python3 - "$link" "$win_dir\\Tarnwick.exe" <<'EOF'
import sys
data = open(sys.argv[1], 'rb').read() if len(sys.argv) > 1 else b''
want = sys.argv[2].lower()
found = want.encode('latin-1') in data.lower() or want.encode('utf-16-le') in data.lower()
print('points at the installed program' if found else 'other target')
EOF
)
check "shortcut target" "points at the installed program" "$target"

entry=$(dump "$uninstall_key")
check "entry DisplayName" "REG_SZ $product" "$(field "$entry" DisplayName)"
check "entry DisplayVersion" "REG_SZ $version" "$(field "$entry" DisplayVersion)"
check "entry Publisher" "REG_SZ Vexa" "$(field "$entry" Publisher)"
check "entry DisplayIcon" "REG_SZ $win_dir\\Tarnwick.exe,0" "$(field "$entry" DisplayIcon)"
check "entry InstallLocation" "REG_SZ $win_dir" "$(field "$entry" InstallLocation)"
check "entry UninstallString" "REG_SZ \"$win_dir\\Uninstall.exe\" /CurrentUser" \
    "$(field "$entry" UninstallString)"
check "entry QuietUninstallString" "REG_SZ \"$win_dir\\Uninstall.exe\" /CurrentUser /S" \
    "$(field "$entry" QuietUninstallString)"
# EstimatedSize is in KiB: within a few KiB of what the three files take.
size=$(field "$entry" EstimatedSize)
fsize() { stat -c %s "$1" 2>/dev/null || echo 0; }
files_kib=$(( ($(fsize "$dir/Tarnwick.exe") + $(fsize "$dir/sound.mp3") +
               $(fsize "$dir/Uninstall.exe")) / 1024 ))
reported=$(( ${size#REG_DWORD } + 0 ))
check "entry EstimatedSize is a DWORD" REG_DWORD "${size%% *}"
check "entry EstimatedSize matches the files" yes \
    "$([ "$reported" -ge $((files_kib - 4)) ] && [ "$reported" -le $((files_kib + 8)) ] && echo yes || echo "no ($reported KiB for $files_kib KiB)")"
check "\"Silent\" marker set as a 4-byte 1" "REG_DWORD 0x1" "$(field "$(dump "$product_key")" Silent)"

# The installed program starts and shows its window (the argument skips the
# first-start step, which would open the product's web page); closed, it ends.
tarnwick_run_and_close "$work/installed.log" "$probe" "$dir/Tarnwick.exe" -startup
out=$(tr -d '\r' <"$work/installed.log"); rc=$TARNWICK_RC
check "installed program shows its window" yes "$TARNWICK_SHOWN"
check "installed program exits with 0" 0 "$rc"
check "installed program reaches its main routine" "start-up 10: timer main routine" \
    "$(grep '^start-up 10' <<<"$out")"
check "installed program wrote its version" "REG_SZ $version" \
    "$(regdefault "$product_key\\SaveData\\Version")"

# A copy running from the install folder, played by a stand-in that stays up
# and answers a close at once (Wine's Notepad under the program's name).
# Sets running to its process.
start_copy() {
    local _
    cp "$WINEPREFIX/drive_c/windows/system32/notepad.exe" "$dir/Tarnwick.exe"
    wine "$dir/Tarnwick.exe" </dev/null >/dev/null 2>&1 &
    running=$!
    for _ in $(seq 40); do
        ps -o args= -p "$running" 2>/dev/null | grep -q 'Tarnwick.exe' && break
        sleep 0.25
    done
    check "$1: the copy runs" yes "$(kill -0 "$running" 2>/dev/null && echo yes || echo no)"
}
check_copy_ended() {
    local _
    for _ in $(seq 20); do
        kill -0 "$running" 2>/dev/null || break
        sleep 0.25
    done
    check "$1: the running copy was ended" yes "$(kill -0 "$running" 2>/dev/null && echo no || echo yes)"
    kill "$running" 2>/dev/null
}
gone() { # PATH: waits up to 30 s for it to disappear
    local _
    for _ in $(seq 60); do
        [ -e "$1" ] || return 0
        sleep 0.5
    done
}

# --- A setting of the user's, then an install over the first one while it
# runs.
wine reg add "$settings_key" /ve /d kept /f >/dev/null 2>&1
printf 'changed' >"$dir/sound.mp3"
start_copy "install over it"
timeout 120 wine "$setup" /S /CurrentUser; rc=$?
check "install over it exits with 0" 0 "$rc"
check_copy_ended "install over it"
for f in Tarnwick.exe sound.mp3; do
    check "install over it replaces $f" same "$(cmp -s "$built/$f" "$dir/$f" && echo same || echo differs)"
done
check "install over it keeps the settings" "REG_SZ kept" "$(regdefault "$settings_key")"

# --- Silent uninstall while a copy runs. The uninstaller runs from a copy of
# itself in the temporary folder and returns at once: wait for it to finish.
start_copy "uninstall"
wine "$dir/Uninstall.exe" /CurrentUser /S; rc=$?
check "silent uninstall starts" 0 "$rc"
gone "$dir"
check_copy_ended "uninstall"
check "files and folder removed" gone "$([ -e "$dir" ] && ls "$dir" | tr '\n' ' ' || echo gone)"
check "shortcut removed" gone "$([ -e "$link" ] && echo present || echo gone)"
check "uninstall entry removed" no "$(haskey "$uninstall_key")"
check "\"Silent\" marker removed" "" "$(field "$(dump "$product_key")" Silent)"
check "settings kept" "REG_SZ kept" "$(regdefault "$settings_key")"

# --- Asked to, the uninstaller removes the settings too.
timeout 120 wine "$setup" /S /CurrentUser >/dev/null 2>&1
wine "$dir/Uninstall.exe" /CurrentUser /S /RemoveSettings
gone "$dir"
check "uninstall with /RemoveSettings removes the product key" no "$(haskey "$product_key")"
check "uninstall with /RemoveSettings removes the files" gone "$([ -e "$dir" ] && echo present || echo gone)"

# --- For all users (what an elevated run chooses by itself): the program
# folder, the machine's uninstall key and the common Start menu.
all_key="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$product"
rm -rf "$all_dir" "$all_link"
wine reg delete "$all_key" /f >/dev/null 2>&1
timeout 120 wine "$setup" /S /AllUsers; rc=$?
check "all-users install exits with 0" 0 "$rc"
check "all-users program installed" same "$(cmp -s "$built/Tarnwick.exe" "$all_dir/Tarnwick.exe" && echo same || echo differs)"
check "all-users shortcut made" yes "$([ -f "$all_link" ] && echo yes || echo no)"
entry=$(dump "$all_key")
check "all-users entry UninstallString" "REG_SZ \"$all_dir_win\\Uninstall.exe\" /AllUsers" \
    "$(field "$entry" UninstallString)"
check "all-users entry DisplayVersion" "REG_SZ $version" "$(field "$entry" DisplayVersion)"
check "no entry for the current user" no "$(haskey "$uninstall_key")"
wine "$all_dir/Uninstall.exe" /AllUsers /S
gone "$all_dir"
check "all-users uninstall removes the files" gone "$([ -e "$all_dir" ] && echo present || echo gone)"
check "all-users uninstall removes the shortcut" gone "$([ -e "$all_link" ] && echo present || echo gone)"
check "all-users uninstall removes the entry" no "$(haskey "$all_key")"

# --- The portable zip: exactly its three files, and it runs where unpacked.
check "zip contents" "README.txt sound.mp3 Tarnwick.exe" \
    "$(unzip -Z1 "$zip" | LC_ALL=C sort -f | tr '\n' ' ' | sed 's/ $//')"
mkdir "$work/anywhere"
unzip -q "$zip" -d "$work/anywhere"
check "zip README names the version" yes \
    "$(grep -q "Tarnwick $version" "$work/anywhere/README.txt" && echo yes || echo no)"
tarnwick_run_and_close "$work/unpacked.log" "$probe" "$work/anywhere/Tarnwick.exe" -startup
out=$(tr -d '\r' <"$work/unpacked.log"); rc=$TARNWICK_RC
check "unpacked program shows its window" yes "$TARNWICK_SHOWN"
check "unpacked program exits with 0" 0 "$rc"
check "unpacked program reaches its main routine" "start-up 10: timer main routine" \
    "$(grep '^start-up 10' <<<"$out")"

# The version reaches the program's and the installer's version resources.
resource_version() { # FILE -> the ProductVersion text of its version resource
    python3 - "$1" <<'EOF2'
import sys
data = open(sys.argv[1], 'rb').read()
key = 'ProductVersion'.encode('utf-16-le') + b'\0\0'
at = data.find(key)
if at < 0:
    print('none')
else:
    at += len(key)
    at += (4 - at % 4) % 4  # the value starts on a 32-bit boundary
    end = at
    while data[end:end + 2] != b'\0\0':
        end += 2
    print(data[at:end].decode('utf-16-le'))
EOF2
}
check "Tarnwick.exe version resource" "$version" "$(resource_version "$built/Tarnwick.exe")"
check "installer version resource" "$version" "$(resource_version "$setup")"

# The README names the artifacts of this version.
for name in "TarnwickSetup-$version.exe" "Tarnwick-$version-portable.zip"; do
    check "README names $name" yes "$(grep -qF "$name" "$readme" && echo yes || echo no)"
done

finish

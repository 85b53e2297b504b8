#!/usr/bin/env bash
# Runs test programs as an ordinary user. Tests run as root pass where an ordinary user is
# refused (root ignores file modes), so the lock and settings tests run once more as "nobody",
# with a home and a runtime folder of that user's own inside a folder only root may write to:
# a file that strays out of its folder then fails as it would for a real user.
# Exit 77 (skipped) when not root, or when the user cannot be switched to.
set -uo pipefail
if [ "$(id -u)" != 0 ]; then
    echo "SKIPPED: not running as root; the other test entries already run as an ordinary user"
    exit 77
fi
user=nobody
uid=$(id -u "$user" 2>/dev/null) || { echo "SKIPPED: no user $user"; exit 77; }
gid=$(id -g "$user")
command -v setpriv >/dev/null || { echo "SKIPPED: setpriv is not installed"; exit 77; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
mkdir -p "$work/home" "$work/run" "$work/bin"
chmod 700 "$work/run"
chown "$uid:$gid" "$work/home" "$work/run"
for program in "$@"; do
    cp "$program" "$work/bin/"
done
chmod 755 "$work/bin" "$work/bin/"*

as_user() {
    setpriv --reuid="$uid" --regid="$gid" --clear-groups \
        env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/run" \
        QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 "$@"
}
as_user true || { echo "SKIPPED: cannot switch to user $user here"; exit 77; }
[ "$(as_user id -u)" = "$uid" ] || { echo "SKIPPED: the switch to user $user did not take"; exit 77; }

status=0
for program in "$@"; do
    name=$(basename "$program")
    echo "== $name as $user (uid $uid)"
    (cd "$work/home" && as_user "$work/bin/$name") || status=1
done
# Nothing may have landed outside the user's own folders.
stray=$(find "$work" -mindepth 1 -maxdepth 1 ! -name home ! -name run ! -name bin)
[ -z "$stray" ] || { echo "FAILED: files outside the user's folders: $stray"; status=1; }
exit $status

#!/usr/bin/env bash
# Installs the build into a temporary prefix and plays the installed game from
# "/", where there is no data_demo: it must find the data beside itself (also
# after the whole tree is moved), never write into the installed files, and
# put a designer's save into the user's data folder, which later runs read
# first. The desktop entry, the AppStream file and the manual page are
# checked with their validators when those are installed.
set -euo pipefail
cmake="$1"
build="$2"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix="$work/prefix"
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
for f in bin/quillmoor bin/quillmoor-check bin/quillmoor-vol bin/quillmoor-can \
         share/quillmoor/data_demo/ascreen/a_start.as share/quillmoor/data_demo/sounds.vol \
         share/applications/quillmoor.desktop share/metainfo/quillmoor.metainfo.xml \
         share/man/man6/quillmoor.6; do
  [ -e "$prefix/$f" ] || fail "the install lacks $f"
done
[ ! -e "$prefix/share/quillmoor/data_demo/.generated" ] || fail "the build stamp was installed"
for size in 48 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/quillmoor.png"
  [ -f "$icon" ] || fail "no ${size}x${size} icon"
  # PNG: width and height are the big-endian words at bytes 16 and 20.
  read -r a b c d e f g h < <(od -An -tu1 -j16 -N8 "$icon")
  width=$(((a << 24) | (b << 16) | (c << 8) | d)) height=$(((e << 24) | (f << 16) | (g << 8) | h))
  [ "$width.$height" = "$size.$size" ] || fail "$icon is ${width}x${height}, not ${size}x${size}"
done

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/quillmoor.desktop" || fail "desktop-file-validate"
else
  echo "desktop-file-validate is not installed: the desktop entry is not validated"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/quillmoor.metainfo.xml" >"$work/as.log" 2>&1 ||
    { cat "$work/as.log"; fail "appstreamcli validate"; }
else
  echo "appstreamcli is not installed: the AppStream file is not validated"
fi
if command -v man >/dev/null; then
  page="$(MANWIDTH=80 man -l "$prefix/share/man/man6/quillmoor.6" 2>&1)" || fail "man -l"
  for section in OPTIONS KEYS SETTINGS FILES; do
    grep -q "^$section" <<<"$page" || fail "the manual page has no $section section"
  done
fi

# A user of their own: settings, progress and overlay go under $work.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
unset QUILLMOOR_DATA
mkdir -p "$HOME"
game="$prefix/bin/quillmoor"
installed="$prefix/share/quillmoor/data_demo/ascreen/a_start.as"
overlay="$XDG_DATA_HOME/quillmoor/data_demo/ascreen/a_start.as"
before="$(cksum <"$installed")"
touch "$work/installed"

cd /
"$game" --headless --mute --max-ticks 300 || fail "the installed game did not run from /"

# Designer mode on the title: Shift switches the screen editor on, F2 saves.
cat >"$work/save.replay" <<'REPLAY'
quillmoor-replay 1
seed 1
300 keydown SHIFT
300 keyup SHIFT
330 keydown F2
330 keyup F2
REPLAY
"$game" --headless --mute --designer --replay "$work/save.replay" --trace "$work/trace" --max-ticks 340 ||
  fail "the designer's run ended with an error"
grep -q "screen-save a_start" "$work/trace" || { cat "$work/trace"; fail "no screen save in the trace"; }
[ -f "$overlay" ] || fail "the save did not land in $overlay"
[ "$(cksum <"$installed")" = "$before" ] || fail "the installed screen file changed"
if find "$prefix" -newer "$work/installed" | grep -q .; then fail "the runs wrote into the install"; fi

# The overlay's copy is read first, also by the install moved elsewhere: a
# background picture that exists nowhere makes the next run fail naming it.
sed -i 's/^bmpBackground: .*/bmpBackground: only_in_the_overlay/' "$overlay"
mv "$prefix" "$work/moved"
if "$work/moved/bin/quillmoor" --headless --mute --max-ticks 300 2>"$work/err"; then
  fail "the run did not read the overlay's screen file"
fi
grep -q "only_in_the_overlay" "$work/err" || { cat "$work/err"; fail "the error does not come from the overlay's file"; }
rm "$overlay"
"$work/moved/bin/quillmoor" --headless --mute --max-ticks 300 || fail "the moved install did not run"
echo "install tree: all checks passed"

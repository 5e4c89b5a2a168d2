#!/usr/bin/env bash
# Starts the program under Wine, checks that its window is active with a control focused and
# that a click into the list focuses the list, minimizes and restores it through its taskbar
# button's window, opens the fixture files through its open dialog by typing their folder and
# names, checks the number of icons in its list from another process, checks that the focus
# comes back to the pressed button after the folder browser, saves a screenshot, saves all
# icons into the first folder the folder browser accepts, tries to close the window while the
# summary shows (which must not end the program), and closes it. Buttons are pressed with the
# mouse. Runs inside the test command's X server and Wine environment.
# Arguments: program, probe, fixture folder (Windows path), screenshot file.
set -uo pipefail
program=$1 probe=$2 fixtures=$3 shot=$4

probe() { wine "$probe" "$@" 2>/dev/null | tr -d '\r'; return "${PIPESTATUS[0]}"; }
# wait_for SECONDS COMMAND...: runs the command every half second until it succeeds.
wait_for() {
  local deadline=$((SECONDS + $1)); shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.5
  done
}
count_is() { [ "$(probe count)" = "$1" ]; }
# "1 CLASS LEFT": the window is the foreground window and the window of CLASS whose left edge
# is LEFT pixels into its parent has the focus.
focus_is() { [ "$(probe focus)" = "1 $1" ]; }
click_list() { xdotool mousemove $(probe listpos) click 1; }
# press LEFT: the tool button at LEFT (8: open, 192: save selected, 224: save all), pressed
# with the mouse as a person would.
press() { local at; at=$(probe button "$1") && xdotool mousemove $at click 1; }
fail() { echo "FAIL: $*"; import -window root "$shot" 2>/dev/null; wine "$probe" close >/dev/null 2>&1; exit 1; }

wine "$program" >/dev/null 2>&1 &
pid=$!
# The folder browser's first accepted folder may be the user's desktop; the export is removed.
remove_export() { rm -f "$WINEPREFIX"/drive_c/users/*/Desktop/[1-5]_fixture_icons[23].ico; }
trap 'kill $pid 2>/dev/null; remove_export' EXIT

wait_for 120 count_is 0 || fail "the window with an empty list did not appear"
wait_for 10 focus_is "TspSkinButton 8" || fail "at start the window is not active with its first button focused: $(probe focus)"
click_list
wait_for 10 focus_is "SysListView32 0" || fail "a click into the list did not focus it: $(probe focus)"
# The taskbar button is the application's: minimizing the window hides it, restoring brings it
# back with the focus where it was.
probe taskbar || fail "the taskbar button is not the application window's"
probe minimize || fail "no window to minimize"
hidden() { ! probe shown; }
wait_for 10 hidden || fail "the window stayed on the screen when minimized"
probe restore || fail "no application window to restore"
wait_for 10 probe shown || fail "the window did not come back when restored"
wait_for 10 focus_is "SysListView32 0" || fail "the focus did not come back to the list after restoring: $(probe focus)"
press 8 || fail "no open button"
wait_for 60 probe dialog || fail "the open dialog did not appear"
# The folder first, then the two files in it.
probe type "$fixtures" || fail "no file name box"
sleep 1
wait_for 30 probe dialog || fail "the open dialog closed on its folder"
probe type '"fixture_icons3.dll" "fixture_icons2.exe"' || fail "no file name box"
wait_for 60 count_is 5 || fail "the list holds $(probe count) items, not 5"
echo "items after opening the fixtures: $(probe count)"
click_list
wait_for 10 focus_is "SysListView32 0" || fail "a click into the list did not focus it: $(probe focus)"
press 192 || fail "no save button"
wait_for 30 probe modal || fail "the folder browser did not appear"
xdotool key Escape
wait_for 10 focus_is "TspSkinButton 192" || fail "the focus did not come back to the save button: $(probe focus)"
sleep 1
import -window root "$shot" || fail "no screenshot"
echo "screenshot: $shot"

# Another program started later stays below the window, which is kept on top.
wine notepad >/dev/null 2>&1 &
other=$!
sleep 3
probe top || fail "a window started later covers the main window"
kill "$other" 2>/dev/null

press 224 || fail "no save-all button"
wait_for 60 probe folder || fail "the folder browser did not appear or accepted no folder"
wait_for 60 probe summary || fail "no summary after saving"
probe enabled && fail "the window takes input under the summary"
# Closing while the summary shows: a close request, then a click on the window's caption and
# Alt+F4, as a user would try.
probe close
read -r x y < <(probe caption)
xdotool mousemove "$x" "$y" click 1 key alt+F4
sleep 2
kill -0 "$pid" 2>/dev/null || fail "the program ended while the summary showed"
[ "$(probe count)" = 5 ] || fail "the list holds $(probe count) items after closing under the summary"
probe summary && probe answer
wait_for 30 probe enabled || fail "the window stays disabled after the summary"
echo "closing during the summary left the program running with $(probe count) items"

probe close || fail "the window went away before it was closed"
wait_for 60 bash -c "! kill -0 $pid 2>/dev/null" || fail "the program did not end after its window closed"
trap remove_export EXIT
wait "$pid"
echo "program ended with status $?"

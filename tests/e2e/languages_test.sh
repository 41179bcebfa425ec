#!/usr/bin/env bash
# The program speaks the desktop's language: started with LANG=de_DE.UTF-8 the About window is
# German (its title tells the window manager so) and so is the exit question, which still
# ends play only through its Yes; LANGUAGE=fr:de puts French before German. With
# KD_SCREENSHOTS set, the German exit question and About window are saved there as
# exit-window-de.png and about-de.png.
source "$(dirname "$0")/lib.sh"

start_x 1024x768
dist=$(copy_program)
# The test's own tools read the German titles in UTF-8; the program gets the locale under test.
unset LC_MESSAGES LANGUAGE
export LC_ALL=C.UTF-8

# crop_window WINDOW SHOT OUT: the window with its frame, cut out of a screenshot.
crop_window() {
  local l t w h
  read -r l t w h < <(outer_geometry "$1")
  [ -n "$h" ] || fail "no frame known for window $1"
  convert "$2" -crop "${w}x$h+$l+$t" +repage "$3"
}
# (named_window, in lib.sh, finds a window by its exact UTF-8 title.)
about_up() { ABOUT=$(named_window "$1"); [ -n "$ABOUT" ] && [ -n "$(outer_geometry "$ABOUT")" ]; }
about_gone() { [ -z "$(named_window "$1")" ]; }
# Centred with its frame: the window manager has framed it and the program placed it.
about_centred() {
  local l t w h
  read -r l t w h < <(outer_geometry "$ABOUT")
  [ -n "$h" ] && [ $(((1024 - w) / 2 - l)) -ge -1 ] && [ $(((1024 - w) / 2 - l)) -le 1 ] &&
    [ $(((768 - h) / 2 - t)) -ge -1 ] && [ $(((768 - h) / 2 - t)) -le 1 ]
}
open_about() {
  xdotool mousemove 552 734 click 1
  wait_for 10 about_up "$1" || fail "the About window did not open as \"$1\""
  wait_for 5 about_centred || fail "the About window was not centred"
}
close_about() {
  xdotool mousemove 40 40 click 1
  wait_for 5 about_gone "$1" || fail "a click outside did not close \"$1\""
}

LC_ALL="" LANG=de_DE.UTF-8 start_program "$dist"
open_exit_dialog
wait_for_lit_button "$EXIT_DIALOG" no || fail "the exit question did not light No"
screenshot "$E2E_TMP/exit.png"
[ -n "${KD_SCREENSHOTS:-}" ] && crop_window "$EXIT_DIALOG" "$E2E_TMP/exit.png" "$KD_SCREENSHOTS/exit-window-de.png"
answer_confirmation "$EXIT_DIALOG" no
wait_for 5 dialog_gone || fail "Nein did not answer the exit question"
program_alive || fail "Nein ended play"

open_about "Über Kedoozle"
wait_for_rest "$E2E_TMP/about.png" || fail "the About window did not come to rest"
[ -n "${KD_SCREENSHOTS:-}" ] && crop_window "$ABOUT" "$E2E_TMP/about.png" "$KD_SCREENSHOTS/about-de.png"
close_about "Über Kedoozle"
leave_through_yes
program_exit_status 10 >"$E2E_TMP/status"
[ "$(cat "$E2E_TMP/status")" = 0 ] || fail "Ja did not end play ($(cat "$E2E_TMP/status"))"

# The first of the languages asked for that the program has.
LC_ALL="" LANG=de_DE.UTF-8 LANGUAGE=fr:de start_program "$dist"
open_about "À propos de Kedoozle"
close_about "À propos de Kedoozle"
leave_through_yes
program_exit_status 10 >"$E2E_TMP/status"
[ "$(cat "$E2E_TMP/status")" = 0 ] || fail "Oui did not end play ($(cat "$E2E_TMP/status"))"
echo "PASS"

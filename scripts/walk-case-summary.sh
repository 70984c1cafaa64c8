#!/usr/bin/env bash
# A diagnosis walked as a user walks it, with real key presses under a virtual X
# server: the program on data/, D in the main menu, a female patient of 47, "lavez"
# typed in the right tree to find "lavežni kašalj", Space to answer it present, then
# "gubit povrac " at typing speed (each Space ends its search), Ctrl+C, and the
# clipboard read back. Fails unless all three symptoms are listed under "Prisutni
# simptomi:". Needs xvfb, xdotool and xclip (scripts/install-deps.sh). Walks the
# program given as the argument (CTest gives the one of its build), else the default
# build's, built if needed.
source "$(dirname "$0")/walk-common.sh"
symptoms=('lavežni kašalj' 'gubitak apetita' 'povraćanje')

start_program
menu=$(main_menu)
focus "$menu"
keys d

# The patient: age 47 typed over the 0, Z for "Ženski spol", Enter.
focus "$(window '^Osnovni podaci o pacijentu$')"
keys ctrl+a 4 7 z Return

# The diagnosis opens with the focus in the right tree.
focus "$(window '^Dijagnosticiranje$')"
keys l a v e z space
keys g u b i t space p o v r a c space ctrl+c
summary=$(clipboard_with "Prisutni simptomi:")

keys Escape # copied, so the diagnosis closes without a question
end_program "$menu"

status=0
for symptom in "${symptoms[@]}"; do
  if printf '%s\n' "$summary" |
      awk -v want="  $symptom" '/^Prisutni simptomi:$/ { under = 1; next }
                                /^[^ ]/ { under = 0 }
                                under && $0 == want { found = 1 }
                                END { exit !found }'; then
    echo "walk: \"$symptom\" is listed under \"Prisutni simptomi:\""
  else
    echo "walk: \"$symptom\" is not listed under \"Prisutni simptomi:\"" >&2
    status=1
  fi
done
[ "$status" = 0 ] || { echo "walk: the clipboard held:" >&2; printf '%s\n' "$summary" >&2; }
exit "$status"

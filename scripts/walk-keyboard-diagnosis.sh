#!/usr/bin/env bash
# The whole diagnosis by keyboard alone, counted: from the main menu to the ranked list,
# a man of 47 with appendicitis, three findings present and two absent. Fails above 30
# key presses, unless the program recorded that patient and exactly those answers, and
# unless its ranking (the summary's syndromes, copied after the count) is what
# ordisan-check ranks for the same answers. Needs xvfb, xdotool, xclip and python3
# (scripts/install-deps.sh).
source "$(dirname "$0")/walk-common.sh"
check=$(dirname "$program")/../tools/ordisan-check # of the same build
[ -x "$check" ] || cmake --build "$(dirname "$program")/.." -j2 --target ordisan-check
limit=30

start_program
menu=$(main_menu)
focus "$menu"
presses=0
keys d                              # "Dijagnosticiranje"
focus "$(window '^Osnovni podaci o pacijentu$')"
keys 4 7 m Return                   # 47 after the field's 0 (leading zeros are fine), a man
focus "$(window '^Dijagnosticiranje$')"
# Typed in the right tree, each search ended by its answer key (+ present, - absent).
# A few letters that find each finding in the sample's order (a new search starts
# after the item answered last); the check below says which answers were recorded
# if the sample has changed under them.
keys p o v plus                     # povišena tjelesna temperatura
keys a p e minus                    # gubitak apetita
keys m u c plus                     # mučnina
keys n t u plus                     # bol u desnom donjem kvadrantu trbuha
keys p r o minus                    # proljev
keys F5                             # <<Rangiraj>>
counted=$presses
xdotool key ctrl+c
summary=$(clipboard_with "Sindromi (posljednje rangiranje):")
xdotool key Escape                  # copied: the diagnosis closes without a question
end_program "$menu"

echo "walk: $counted key presses from the main menu to the ranked list (at most $limit)"
printf '%s\n' "$summary" >"$work/summary.txt"
(cd "$root/data" && "$check" --json .) >"$work/loaded.json"
python3 - "$work/summary.txt" "$work/loaded.json" "$check" "$root/data" "$counted" "$limit" <<'PY'
import json, subprocess, sys
summary_path, loaded_path, check, data, counted, limit = sys.argv[1:]
lines = open(summary_path, encoding="utf-8").read().splitlines()
def block(title):
    out, inside = [], False
    for line in lines:
        if line == title:
            inside = True
        elif inside and line.startswith("  "):
            out.append(line[2:])
        elif inside:
            break
    return out
want_present = ["bol u desnom donjem kvadrantu trbuha", "mučnina", "povišena tjelesna temperatura"]
want_absent = ["gubitak apetita", "proljev"]
present, absent = block("Prisutni simptomi:"), block("Odsutni simptomi:")
failed = False
patient = [line for line in lines if line.startswith(("Starost:", "Spol:"))]
if patient != ["Starost: 47", "Spol: muški"]:
    print(f"walk: recorded the patient as {patient}", file=sys.stderr); failed = True
if int(counted) > int(limit):
    print(f"walk: {counted} key presses, more than {limit}", file=sys.stderr); failed = True
if sorted(present) != sorted(want_present) or sorted(absent) != sorted(want_absent):
    print(f"walk: recorded present {present}, absent {absent}", file=sys.stderr); failed = True
loaded = json.load(open(loaded_path, encoding="utf-8"))
def indexes(texts):
    return ",".join(str(i) for i, s in enumerate(loaded["symptoms"])
                    if s["text"] in texts and s["sex"] in ("O", "M"))
ranked = json.loads(subprocess.run(
    [check, "--json", "--sex", "M", "--present", indexes(present), "--absent", indexes(absent), "."],
    cwd=data, capture_output=True, check=True).stdout)["diagnosis"]["syndromes"]
expected = [f"({s['percent']}%) - {loaded['syndromes'][s['index']]}" for s in ranked[:10]]
shown = block("Sindromi (posljednje rangiranje):")
if shown != expected:
    print("walk: the program ranked", shown, "\nordisan-check ranks", expected, file=sys.stderr)
    failed = True
else:
    print(f"walk: the ranking matches ordisan-check; first: {shown[0]}")
sys.exit(1 if failed else 0)
PY

#!/usr/bin/env bash
# The real program prints a finished test's report through a real print server: a private
# CUPS scheduler whose default queue is a cups-pdf printer. The printed page is read back by
# OCR (cups-pdf re-renders the glyphs, so the PDF's own text layer is no use) and must carry
# the attribution line, every question block and the score line, at a readable size.
set -uo pipefail
program="$1"
. "$(dirname "$0")/lib/session.sh"
. "$(dirname "$0")/lib/drive.sh"
. "$(dirname "$0")/lib/cups.sh"

QUEUE=CorvellaPDF
PAGE_COPY=/tmp/corvella-printed-page.png

[ "$(id -u)" = 0 ] || skip "the cups-pdf backend only runs under a scheduler started as root"
for tool in cupsd lpadmin lpstat lp xdotool import convert pdftoppm tesseract; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
[ -x /usr/lib/cups/backend/cups-pdf ] || skip "the cups-pdf backend is not installed"
base_ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -r "$base_ppd" ] || skip "the cups-pdf printer description is not installed"

make_private_home
start_private_cupsd

# cups-pdf reads its settings from /etc/cups and then from the queue's printer description.
# The description may not hold a path with a slash, so it names folders relative to the
# scheduler's working folder, which the backend inherits: the PDF, the backend's spool, log
# and Ghostscript's scratch files all stay in $CUPSDIR. Its group is lp, which every CUPS
# machine has (the backend crashes on a group that does not exist).
ppd="$CUPSDIR/corvella-pdf.ppd"
cp "$base_ppd" "$ppd"
for setting in Out=pdf Spool=backend-spool Log=backend-log GSTmp=gstmp Grp=lp LogType=7; do
    key=${setting%%=*}
    value=${setting#*=}
    printf '*OpenUI *%s/%s: PickOne\n*Default%s: %s\n*%s %s/%s: ""\n*CloseUI: *%s\n' \
        "$key" "$key" "$key" "$value" "$key" "$value" "$value" "$key" >>"$ppd"
done

lpadmin -p "$QUEUE" -E -v cups-pdf:/ -P "$ppd" >"$CUPSDIR/log/lpadmin.out" 2>&1 \
    && lpadmin -d "$QUEUE" >>"$CUPSDIR/log/lpadmin.out" 2>&1 \
    || { cat "$CUPSDIR/log/lpadmin.out"; scheduler_log; skip "the scheduler refused the cups-pdf queue"; }
# The program asks libcups for the default printer, as lpstat does; a system-wide lpoptions
# naming another printer would win over the scheduler's default.
default_line=$(lpstat -d 2>&1)
[ "$default_line" = "system default destination: $QUEUE" ] \
    || skip "lpstat -d against the private scheduler says '$default_line'"

completed_jobs() { lpstat -W completed -o "$QUEUE" 2>/dev/null | wc -l; }
pending_jobs() { lpstat -W not-completed -o "$QUEUE" 2>/dev/null | wc -l; }
# jobs_done N: N jobs have finished and none is waiting.
jobs_done() { [ "$(completed_jobs)" -ge "$1" ] && [ "$(pending_jobs)" = 0 ]; }

# A job of our own first, so that a queue that cannot make PDFs on this machine is told apart
# from a program that does not print.
printf '%%!PS\n/Helvetica findfont 24 scalefont setfont 72 700 moveto (queue check) show showpage\n' \
    | lp -d "$QUEUE" -t "queue check" >/dev/null 2>&1 || { scheduler_log; skip "lp could not submit a job"; }
if ! wait_for 60 jobs_done 1 || [ -z "$(ls "$CUPSDIR/pdf")" ]; then
    scheduler_log
    skip "the cups-pdf queue made no PDF from a job of its own"
fi
rm -f "$CUPSDIR"/pdf/*

start_xvfb
export QT_QPA_PLATFORM=xcb
"$program" >"$WORK/program.log" 2>&1 &
CLEANUP_PIDS+=("$!")
wait_for 20 main_window_shown && find_main_window || { tail -n 20 "$WORK/program.log"; fail "the main window did not appear"; }

# read_screen NAME: the main window's text, as OCR reads it.
read_screen() {
    import -window "$MAIN_WINDOW" "$WORK/$1.png"
    convert "$WORK/$1.png" -resize 300% "$WORK/$1-large.png"
    tesseract "$WORK/$1-large.png" - 2>/dev/null | tr '\n' ' '
}

answer_a_significance_test
sleep 0.5
read_screen result | grep -q "Print Test Results" || fail "the result screen did not appear after ten answers"

click_in_frame $CMD_PRINT
jobs_sent() { [ $(($(completed_jobs) + $(pending_jobs))) -ge "$1" ]; }
wait_for 60 jobs_sent 2 \
    || { scheduler_log; fail "the program sent no job to the default printer within 60 s"; }
wait_for 60 jobs_done 2 || { scheduler_log; fail "the program's job did not finish within 60 s"; }
# Give a second job, which one press must not send, the time to show up.
sleep 2
[ "$(completed_jobs)" = 2 ] && [ "$(pending_jobs)" = 0 ] \
    || fail "one press sent $(($(completed_jobs) + $(pending_jobs) - 1)) jobs, not one"

pdfs=("$CUPSDIR"/pdf/*.pdf)
[ -e "${pdfs[0]}" ] || { scheduler_log; fail "the program's job finished but cups-pdf wrote no PDF"; }
[ ${#pdfs[@]} = 1 ] || fail "the program's job made ${#pdfs[@]} PDFs"

pdftoppm -r 200 -png "${pdfs[0]}" "$WORK/page" 2>/dev/null || fail "pdftoppm could not read the printed PDF"
pages=("$WORK"/page-*.png)
[ -e "${pages[0]}" ] || fail "the printed PDF has no pages"
cp "${pages[0]}" "$PAGE_COPY"

text=""
for page in "${pages[@]}"; do
    text+="$(tesseract "$page" - 2>/dev/null)"$'\n'
done
printf '%s\n' "$text" >"$WORK/printed.txt"
fail_printed() {
    echo "--- the printed copy as OCR reads it (page 1 is in $PAGE_COPY):"
    cat "$WORK/printed.txt"
    fail "$@"
}
# OCR may split or join spaces; compare with runs of white space squeezed.
flat=$(tr -s ' \t\n' ' ' <"$WORK/printed.txt")

attribution='Report ?Generated ?By ?www\.corvella-software\.example'
attributions=$(grep -oE "$attribution" <<<"$flat" | wc -l)
[ "$attributions" = 2 ] || fail_printed "the printed copy shows the attribution line $attributions times, not at its start and end"
first_line=$(grep -m 1 -v '^[[:space:]]*$' <<<"$text")
grep -qE "^$attribution" <<<"$first_line" || fail_printed "page 1 starts with '$first_line', not the attribution line"
summary=$(grep -oE '[0-9]+ ?Correct ?out ?of ?10 ?Questions' <<<"$flat")
[ "$(wc -l <<<"$summary")" = 1 ] && [ -n "$summary" ] || fail_printed "the printed copy has no single line 'N Correct out of 10 Questions'"
score=${summary%% *}
[ "$score" -le 10 ] || fail "the printed score is $score out of 10"
for label in "Your Choice:" "Correct Choice:"; do
    count=$(grep -oE "${label// / ?}" <<<"$flat" | wc -l)
    [ "$count" = 10 ] || fail_printed "the printed copy has $count lines '$label', not one per question"
done

# The copy is set in points: at 200 dpi a line of it is about as tall as its point size would
# make it. Tesseract's line boxes run from ascenders to descenders, roughly 1.0 to 1.3 em.
line_height=$(tesseract "${pages[0]}" - tsv 2>/dev/null \
    | awk -F'\t' '$1 == 4 { line = $10 } $1 == 5 && $12 == "Report" { print line; exit }')
[ -n "$line_height" ] || fail "OCR found no attribution line on page 1 to measure"
points=$((line_height * 72 / 200))
[ "$points" -ge 7 ] && [ "$points" -le 18 ] \
    || fail "the attribution line is $line_height pixels high at 200 dpi (about $points pt): not a readable size"

echo "PASSED: one job on the default printer; ${#pages[@]} page(s) read back with both attribution lines, ten question blocks and '$summary'; lines about $points pt high; page 1 is in $PAGE_COPY"

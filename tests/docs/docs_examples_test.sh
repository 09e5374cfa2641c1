#!/usr/bin/env bash
# Runs every varn-cli example of the manual on a demo installation, so that no example drifts from
# the program.
#   docs_examples_test.sh VARN_CLI SOURCE_DIR
#
# An example is a fenced code block opened by ```sh. Its commands run in bash, in order, in one
# working folder, with varn-cli on PATH and VARN_ROOT set to a demo installation of three
# references (seed 1) made once for the run; the files are taken in the order of `pages` below,
# so a later example may read what an earlier one wrote. A line ending in a backslash goes on to
# the next; every other line is a command of its own (so a loop is written out). Lines starting
# with "# " right after a command quote its output: each must be a line
# the command printed (stdout or stderr), compared with runs of blanks as one blank. A block that
# cannot run here is marked on the line above it with <!-- example not run: REASON -->; a line
# starting with "varn-cli " in any other code block is an error, so that no example escapes.
# A failure names the file and line of the example.
set -uo pipefail
cli=$(readlink -f "$1")
src=$(readlink -f "$2")
# VARN_DOCS_PAGES="docs/cli.md ..." runs only those pages (while writing them).
read -r -a pages <<<"${VARN_DOCS_PAGES:-README.md docs/cli.md docs/formats.md docs/methods.md docs/cohorts.md docs/window.md docs/bad-input.md}"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/bin" "$tmp/work"
ln -s "$cli" "$tmp/bin/varn-cli"
export PATH="$tmp/bin:$PATH" VARN_ROOT="$tmp/demo/VARN"
if ! varn-cli --root "$VARN_ROOT" demo-data --refs 3 >/dev/null 2>"$tmp/demo.err"; then
  echo "FAIL: demo-data: $(cat "$tmp/demo.err")"
  exit 1
fi

failures=0 examples=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
squeeze() { sed -e 's/[[:space:]]\+/ /g' -e 's/^ //' -e 's/ $//'; }

# run FILE LINE COMMAND EXPECTED: one command, its quoted output (one line each) checked.
run() {
  local where="$1:$2" command="$3" expected="$4" line status
  examples=$((examples + 1))
  (cd "$tmp/work" && bash -c "$command") </dev/null >"$tmp/out" 2>&1
  status=$?
  if [ $status -ne 0 ]; then
    fail "$where: exit status $status: $command"
    sed 's/^/    /' "$tmp/out" | head -20
    return
  fi
  squeeze <"$tmp/out" >"$tmp/printed"
  while IFS= read -r line; do
    [ -z "$line" ] && continue
    line=$(squeeze <<<"$line")
    grep -qxF -- "$line" "$tmp/printed" || { fail "$where: quoted output not printed: $line"; sed 's/^/    /' "$tmp/out" | head -20; }
  done <<<"$expected"
}

# The command gathered so far, run with the output quoted under it.
flush() {
  [ -n "$command" ] && run "$page" "$at" "$command" "$expected"
  command="" expected=""
}

for page in "${pages[@]}"; do
  file="$src/$page"
  [ -f "$file" ] || { fail "$page does not exist"; continue; }
  n=0 fence="" skip="" previous="" command="" at=0 expected=""
  while IFS= read -r line || [ -n "$line" ]; do
    n=$((n + 1))
    if [ -z "$fence" ]; then
      if [[ $line =~ ^\`\`\` ]]; then
        fence=other
        if [ "$line" = '```sh' ]; then
          fence=sh
          [[ $previous =~ ^\<!--\ example\ not\ run: ]] && skip=yes || skip=""
        fi
      elif [[ $line =~ ^\ {4}varn-cli\  ]]; then
        fail "$page:$n: a varn-cli example outside a \`\`\`sh block"
      fi
      [ -n "$line" ] && previous="$line"
      continue
    fi
    if [[ $line =~ ^\`\`\`$ ]]; then
      [ "$fence" = sh ] && [ -z "$skip" ] && flush
      fence="" previous="$line"
      continue
    fi
    if [ "$fence" != sh ]; then
      [[ $line =~ ^varn-cli\  ]] && fail "$page:$n: a varn-cli example outside a \`\`\`sh block"
      continue
    fi
    [ -n "$skip" ] && continue
    if [[ $line =~ ^#\  ]] && [ -n "$command" ] && [[ ! $command =~ \\$ ]]; then
      expected+="${line#\# }"$'\n'
    elif [[ $command =~ \\$ ]]; then
      command+=$'\n'"$line"
    else
      flush
      [ -z "$line" ] && continue
      command="$line" at=$n
    fi
  done <"$file"
done

echo "$examples examples run, $failures failures"
[ $failures -eq 0 ]

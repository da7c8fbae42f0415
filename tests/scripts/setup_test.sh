#!/usr/bin/env bash
# The README's two commands' package step, run dry, against scripts/debian-packages; and the
# package step's three ways to install (root, sudo, neither) with apt-get replaced by a stub.
# Usage: setup_test.sh SOURCE_DIR WORK_DIR
set -euo pipefail
source_dir=$1
work=$2
rm -rf "$work"
mkdir -p "$work/bin"
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Stubs for everything that would build, test, download or install: a dry run calls none.
calls=$work/calls
for tool in cmake ctest npm apt-get sudo; do
  printf '#!/bin/sh\necho "%s $*" >>"%s"\nexit 97\n' "$tool" "$calls" >"$work/bin/$tool"
  chmod +x "$work/bin/$tool"
done
# apt-get's index update succeeds, so that the install itself is reached (and fails).
printf '#!/bin/sh\necho "apt-get $*" >>"%s"\n[ "$1" = update ]\n' "$calls" >"$work/bin/apt-get"
stubbed=$work/bin:$PATH

# What the list says a purpose needs, read independently of scripts/setup.
listed() {
  sed 's/#.*//' "$source_dir/scripts/debian-packages" | awk -v want=" $* " '
    NF && index(want, " " $1 " ") {
      if (NF > 2 && $3 ~ /^if-missing=/) { command = substr($3, 12); if (system("command -v " command " >/dev/null") == 0) next }
      printf "%s ", $2 }'
}
packages_line() { sed -n 's/^packages ([a-z ]*): //p' <<<"$1"; }

# --- Both commands, dry: the list's packages, nothing built, run or installed.
: >"$calls"
start_out=$(PATH=$stubbed HURRICANE_DRY_RUN=1 "$source_dir/scripts/start" --help) ||
  fail "dry start failed"
[[ "$(packages_line "$start_out") " == "$(listed program)" ]] ||
  fail "dry start lists '$(packages_line "$start_out")', the list says '$(listed program)'"
grep -q '^missing: ' <<<"$start_out" || fail "dry start does not say what is missing"
test_out=$(PATH=$stubbed HURRICANE_DRY_RUN=1 "$source_dir/scripts/test") || fail "dry test failed"
[[ "$(packages_line "$test_out") " == "$(listed program tests browser)" ]] ||
  fail "dry test lists '$(packages_line "$test_out")', the list says '$(listed program tests browser)'"
[[ ! -s $calls ]] || fail "a dry run called: $(cat "$calls")"

# --- The list: every purpose used, no package twice, the CI extras apart from the commands.
for purpose in program tests browser ci; do
  [[ -n $(listed "$purpose") ]] || fail "no package for $purpose"
done
duplicates=$(sed 's/#.*//' "$source_dir/scripts/debian-packages" | awk 'NF { print $2 }' | sort | uniq -d)
[[ -z $duplicates ]] || fail "listed twice: $duplicates"
for package in $(listed ci); do
  [[ " $(packages_line "$test_out") " != *" $package "* ]] || fail "the test command installs $package"
done
"$source_dir/scripts/setup" --dry-run program tests browser ci >/dev/null || fail "the list does not parse"

# --- A missing package, dry: named, with the one apt-get line.
list=$work/packages
cat >"$list" <<'LIST'
program  bash                              # installed everywhere
program  hurricane-escape-no-such-package  # never installed
program  hurricane-escape-skipped if-missing=sh  # sh is on every PATH
tests    hurricane-escape-other-package    # another purpose
LIST
out=$(PATH=$stubbed HURRICANE_PACKAGES=$list "$source_dir/scripts/setup" --dry-run program)
[[ $out == *"missing: hurricane-escape-no-such-package"* ]] || fail "dry run with a missing package: $out"
[[ $out == *"would run: apt-get install -y --no-install-recommends hurricane-escape-no-such-package" ]] ||
  fail "dry run does not give the apt-get line: $out"

# --- Installing it: as root through apt-get; as a user without sudo, the line to run and a failure.
if ((EUID == 0)); then
  : >"$calls"
  if PATH=$stubbed HURRICANE_PACKAGES=$list "$source_dir/scripts/setup" program 2>/dev/null; then
    fail "a failing apt-get was reported as success"
  fi
  grep -q '^apt-get update' "$calls" || fail "root: no apt-get update"
  grep -q '^apt-get install -y --no-install-recommends hurricane-escape-no-such-package$' "$calls" ||
    fail "root: apt-get install not called as expected: $(cat "$calls")"
  grep -q '^sudo' "$calls" && fail "root: sudo called"
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  # The unprivileged user may not reach the sources or WORK_DIR (a clone in a private
  # directory): it runs a copy of the scripts, stubs and list from a directory open to it.
  open_dir=$(mktemp -d)
  trap 'rm -rf "$open_dir"' EXIT
  cp -r "$source_dir/scripts" "$open_dir/scripts"
  cp "$list" "$open_dir/packages"
  mkdir "$open_dir/bin"
  calls=$open_dir/calls
  for tool in cmake ctest npm apt-get sudo; do
    printf '#!/bin/sh\necho "%s $*" >>"%s"\nexit 97\n' "$tool" "$calls" >"$open_dir/bin/$tool"
    chmod +x "$open_dir/bin/$tool"
  done
  chmod -R a+rX "$open_dir"
  user_scripts=$open_dir/scripts user_list=$open_dir/packages user_path=$open_dir/bin:$PATH
else
  as_user=()
  user_scripts=$source_dir/scripts user_list=$list user_path=$stubbed
fi
: >"$calls"
chmod a+w "$calls"
status=0
err=$(PATH=$user_path HURRICANE_PACKAGES=$user_list "${as_user[@]}" "$user_scripts/setup" program 2>&1 >/dev/null) ||
  status=$?
((status == 1)) || fail "a user without sudo: status $status, not 1"
[[ $err == *"  apt-get install -y --no-install-recommends hurricane-escape-no-such-package"* ]] ||
  fail "a user without sudo is not told the line to run: $err"
grep -q '^apt-get' "$calls" && fail "a user without sudo ran apt-get"

# --- Nothing missing: silent success.
printf 'program bash # installed everywhere\n' >"$list"
out=$(PATH=$stubbed HURRICANE_PACKAGES=$list "$source_dir/scripts/setup" program 2>&1) || fail "nothing missing failed"
[[ -z $out ]] || fail "nothing missing is not silent: $out"

# --- A line without its reason, or with an unknown purpose, stops with its line number.
printf 'program bash # fine\nprogram g++\n' >"$list"
err=$(HURRICANE_PACKAGES=$list "$source_dir/scripts/setup" --dry-run program 2>&1) && fail "a line without reason was accepted"
[[ $err == *":2: "* ]] || fail "the faulty line is not named: $err"
printf 'programm bash # typo\n' >"$list"
HURRICANE_PACKAGES=$list "$source_dir/scripts/setup" --dry-run program >/dev/null 2>&1 &&
  fail "an unknown purpose was accepted"

((failures == 0)) || exit 1
echo "package steps and list: ok"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The version of a tree without release tags: the commits of its history and the newest one's
# hash, rising with every commit; and the tag's own version once a release tag is there.
# Configures a scratch project that takes its version as Tarnlink does, in a scratch repository.
#   check-version.sh PATH/TO/TarnlinkVersion.cmake
set -euo pipefail
script=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
git init -q tree
cat >tree/CMakeLists.txt <<CMAKE
cmake_minimum_required(VERSION 3.20)
project(scratch VERSION 0.4.0 LANGUAGES NONE)
include($script)
CMAKE
commit() {
    git -C tree -c user.name=Test -c user.email=test@example.invalid commit -q --allow-empty \
        -m "$1"
}
# The version this tree configures as, fresh each time.
version() {
    rm -rf build
    cmake -S tree -B build | sed -n 's/^-- Tarnlink version //p'
}

fail=0
expect() {
    if [ "$1" != "$2" ]; then
        echo "version $1, expected $2"
        fail=1
    fi
}
git -C tree add CMakeLists.txt
commit first
expect "$(version)" "0.4.0+1.g$(git -C tree rev-parse --short HEAD)"
commit second
expect "$(version)" "0.4.0+2.g$(git -C tree rev-parse --short HEAD)"
# A package of the second commit is newer than one of the first.
dpkg --compare-versions "0.4.0+2.g$(git -C tree rev-parse --short HEAD)" gt \
    "0.4.0+1.g$(git -C tree rev-parse --short HEAD~1)" || { echo "not newer"; fail=1; }
git -C tree tag v0.4.1
expect "$(version)" "0.4.1"
commit third
expect "$(version)" "0.4.1+1.g$(git -C tree rev-parse --short HEAD)"
exit $fail

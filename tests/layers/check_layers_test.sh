#!/bin/sh
# The layer check fails on each kind of breach, and passes the same tree
# without them: a copy of the floors with one file per case.
# Usage: check_layers_test.sh PYTHON PROJECT
set -eu
python=$1 top=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/docs" "$scratch/tools" "$scratch/app/window" "$scratch/app/qt" "$scratch/app/sim" "$scratch/face"
cp "$top/docs/architecture.md" "$scratch/docs/"
cp "$top/tools/check-layers" "$scratch/tools/"
printf '#pragma once\n#include <vector>\n' > "$scratch/app/window/window.h"
printf '#include "app/window/window.h"\n' > "$scratch/face/tick.cpp"
printf '#include <QString>\n#include "face/tick.h"\n' > "$scratch/app/qt/host.cpp"
"$python" "$scratch/tools/check-layers" "$scratch"

fails_with() {  # a file, its text, and what the check must say
  printf '%s\n' "$2" > "$scratch/$1"
  if out=$("$python" "$scratch/tools/check-layers" "$scratch"); then
    echo "not caught: $1 with $2"; exit 1
  fi
  case $out in *"$3"*) ;; *) echo "for $1 the check said: $out"; exit 1 ;; esac
  rm "$scratch/$1"
}
fails_with app/window/up.h '#include "face/tick.h"' 'floor 2 (app/window) includes "face/tick.h" from floor 4'
fails_with face/qt.cpp '#include <QString>' 'the core includes <QString> from outside the standard library'
fails_with app/qt/sim.cpp '#include "app/sim/sim_runtime.h"' 'app/qt includes "app/sim/sim_runtime.h" from app/sim, beside it on floor 6'
fails_with app/window/x.h '#include "nowhere/x.h"' '"nowhere/x.h" lies on no floor'
mkdir -p "$scratch/app/unknown" "$scratch/face/new"
fails_with app/unknown/x.cpp '' 'app/unknown/x.cpp: lies on no floor'
fails_with face/new/x.cpp '#include "app/main_form.h"' 'floor 4 (face) includes "app/main_form.h" from floor 5'
echo "the layer check catches every kind of breach"

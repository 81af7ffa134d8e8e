#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Corvale
# Fails on an include that points up a layer. The layers under src/, lowest first:
# platform; signal on it; settings on signal; runs on signal; practice on runs; ui on all of them.
# Usage: tools/check-layers.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

# The layers each layer may include, itself among them.
declare -A allowed=(
    [platform]="platform"
    [signal]="signal platform"
    [settings]="settings signal platform"
    [practice]="practice runs signal platform"
    [runs]="runs signal platform"
    [ui]="ui runs settings practice signal platform"
)

found=0
cd "$root/src"
for layer in "${!allowed[@]}"; do
    [ -d "$layer" ] || continue
    # Every '#include "layer/..."' in the layer's files, as "file:line:layer".
    while IFS= read -r hit; do
        file=${hit%%:*}
        included=$(sed -E 's/.*#include "([a-z]+)\/.*/\1/' <<< "$hit")
        if ! [[ " ${allowed[$layer]} " == *" $included "* ]]; then
            echo "src/$file: $layer may not include $included: ${hit#*:}"
            found=1
        fi
    done < <(grep -rnE '^#include "[a-z]+/' "$layer" || true)
done
for folder in */; do
    folder=${folder%/}
    [ -n "${allowed[$folder]+known}" ] || { echo "src/$folder is no known layer"; found=1; }
done
[ $found = 0 ] && echo "every include points down or stays in its layer"
exit $found

#!/usr/bin/env bash
# Installs the Debian packages that game/art/generate.py needs to rebuild the game's art and
# sound. Only missing packages are fetched; sudo is used only when not already root.
#   librsvg2-bin      rsvg-convert renders the SVG sources              (LGPL-2.1+)
#   python3-numpy     sound synthesis and pixel checks                  (BSD-3-Clause)
#   python3-cairo     reads rendered pictures back, draws the contact sheet (LGPL-2.1 / MPL-1.1)
#   fonts-comic-neue  the font of every text in the pictures            (SIL OFL 1.1)
#   sox               measures the sounds (sox --i, sox FILE -n stat)    (GPL-2+ / LGPL-2.1+)
set -euo pipefail
exec "$(dirname "$0")/install-deps.sh" --art

#!/usr/bin/env bash
# Draws the main edition's artwork with ImageMagick and writes the bitmaps the program embeds:
#   background.bmp   601x417, the window background (placed 8 px above the client area)
#   scan_button.bmp  225x57, the scan picture; magenta (#FF00FF) marks what is transparent
# Run it again after a change and commit the bitmaps.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

font=DejaVu-Sans
bold=DejaVu-Sans-Bold

# --- background -------------------------------------------------------------------------
# Body: a quiet light gradient; header band with the product name; a card for the PC facts.
convert -size 601x417 gradient:'#ffffff'-'#e4edf8' "$work/body.png"
convert -size 601x104 gradient:'#1f4f8f'-'#163a6b' "$work/header.png"
# A soft arc of circuit lines in the header's right half.
convert "$work/header.png" -fill none -stroke '#3a6fb5' -strokewidth 2 \
  -draw "line 420,20 520,20" -draw "line 520,20 540,40" -draw "line 540,40 600,40" \
  -draw "line 450,52 560,52" -draw "line 560,52 580,72" -draw "line 580,72 600,72" \
  -draw "line 400,84 600,84" \
  -fill '#5b8fd6' -stroke none \
  -draw "circle 420,20 424,20" -draw "circle 450,52 454,52" -draw "circle 400,84 404,84" \
  -font "$bold" -pointsize 34 -fill white -annotate +24+52 'Quillborne' \
  -font "$font" -pointsize 13 -fill '#c9dbf2' -annotate +27+80 'Driver inventory  -  one click to the right drivers' \
  "$work/header.png"
convert "$work/header.png" -size 601x3 xc:'#f2a93b' -append "$work/header2.png"

convert "$work/body.png" "$work/header2.png" -geometry +0+0 -composite \
  -font "$font" -pointsize 12 -fill '#4a5d78' \
  -annotate +158+128 'Click the button below to take an inventory of your drivers.' \
  "$work/bg1.png"

# The card behind "PC Information" and the account link (client 16..590, 292..384).
convert "$work/bg1.png" \
  -fill '#0000000d' -stroke none -draw "roundrectangle 15,301 593,392 8,8" \
  -fill white -stroke '#c5d3e6' -strokewidth 1 -draw "roundrectangle 12,298 590,389 8,8" \
  -stroke '#dbe4f0' -draw "line 436,312 436,376" \
  -stroke none -fill '#2b6cc4' -draw "circle 512,340 512,330" \
  -fill white -draw "circle 512,337 512,333" -draw "ellipse 512,347 7,5 180,360" \
  -font "$font" -pointsize 10 -fill '#6b7d96' -annotate +452+366 'Store it once; every scan' \
  -annotate +452+379 'is filed under your account.' \
  -type TrueColor "BMP3:background.bmp"

# --- scan button --------------------------------------------------------------------------
# Drawn over its own part of the background so its soft edge blends in; everything outside
# the hard-edged shape becomes the key colour.
convert background.bmp -crop 225x57+200+144 +repage "$work/under.png"
convert -size 225x57 xc:none \
  -fill '#00000033' -draw "roundrectangle 3,5 222,55 26,26" \
  "$work/shadow.png"
convert -size 221x51 gradient:'#4cc26a'-'#23934a' \
  \( -size 221x51 xc:black -fill white -draw "roundrectangle 0,0 220,50 25,25" \) \
  -alpha off -compose CopyOpacity -composite "$work/face.png"
convert "$work/under.png" "$work/shadow.png" -composite \
  "$work/face.png" -geometry +2+1 -composite \
  -fill '#ffffff40' -draw "roundrectangle 10,4 212,22 10,10" \
  -fill none -stroke white -strokewidth 4 -draw "circle 34,24 34,13" \
  -stroke white -strokewidth 6 -draw "line 42,33 52,43" \
  -stroke none -font "$bold" -pointsize 22 -fill '#0f5a2a' -annotate +73+36 'Scan now' \
  -fill white -annotate +72+34 'Scan now' \
  "$work/button.png"
# Key colour outside a hard-edged copy of the shape (shadow included).
convert -size 225x57 xc:white +antialias -fill black \
  -draw "roundrectangle 2,1 222,55 26,26" "$work/outside.png"
convert "$work/button.png" \( -size 225x57 xc:'#ff00ff' \) "$work/outside.png" \
  -composite -type TrueColor "BMP3:scan_button.bmp"

echo "wrote background.bmp and scan_button.bmp"

#!/usr/bin/env bash
# Draws the default skin ("Tidewright": deep ocean blue, teal, white and aqua)
# into the folder given as the only argument.
#
# Everything is drawn from primitives so the skin can be changed here and is
# identical on every build: fonts are taken by file path, PNGs carry no time
# chunks, BMPs are plain 24-bit (BMP3) so GDI+ and every Windows version read them.
# Icons are drawn at 128x128 and box-filtered down to 32x32 for clean edges.
set -euo pipefail
out=${1:?usage: make-skin.sh OUTPUT_FOLDER}
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# DejaVu (fonts-dejavu-core) for text baked into pictures: outline-only, so it is
# anti-aliased at every size (Wine's Tahoma falls back to aliased bitmap strikes).
FONT=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
FONTB=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
for f in "$FONT" "$FONTB"; do
  [ -r "$f" ] || { echo "make-skin: font $f missing (install fonts-dejavu-core)" >&2; exit 1; }
done
export MAGICK_TMPDIR=$tmp
export OMP_NUM_THREADS=1   # identical output whatever the machine

# Palette.
NAVY='#041a2e'; DEEP='#062338'; OCEAN='#0a3352'; SEA='#0e557d'; TEAL='#1479a8'
AQUA='#3fd4e6'; FOAM='#bff3fa'; INK='#0b2f4a'

PNGOPT=(-strip -define png:exclude-chunks=date,time)
save_png() { convert "$1" "${PNGOPT[@]}" "PNG32:$2"; }
save_bmp() { convert "$1" -background black -alpha remove -alpha off -type TrueColor "BMP3:$2"; }

# Points of polygons that are tedious to write by hand.
star()  { awk -v cx="$1" -v cy="$2" -v ro="$3" -v ri="$4" -v n="$5" -v rot="${6:-0}" 'BEGIN{
  pi=atan2(0,-1); for(i=0;i<2*n;i++){r=(i%2)?ri:ro; a=(rot-90)*pi/180+i*pi/n;
  printf "%.1f,%.1f ", cx+r*cos(a), cy+r*sin(a)}}'; }
gear()  { awk -v cx="$1" -v cy="$2" -v ro="$3" -v ri="$4" -v n="$5" 'BEGIN{
  pi=atan2(0,-1); s=2*pi/n; for(i=0;i<n;i++){a=i*s;
  split("-0.30 -0.18 0.18 0.30",f," "); split("ri ro ro ri",w," ");
  for(k=1;k<=4;k++){r=(w[k]=="ro")?ro:ri; b=a+f[k]*s; printf "%.1f,%.1f ", cx+r*cos(b), cy+r*sin(b)}}}'; }

# ---------------------------------------------------------------- icons
C=(-size 128x128 xc:none)
# Round joins and caps on every outline: no miter spikes on the 4x drawings.
J='stroke-linejoin round stroke-linecap round '
raw=$tmp/raw.png

# Soft drop shadow, then a 4:1 box filter: every output pixel is the mean of a
# 4x4 block, which gives anti-aliased edges without ringing.
finish_icon() {
  convert "$raw" \( +clone -alpha extract -blur 0x3 -evaluate multiply 0.40 -roll +0+4 \
      -background '#00101c' -alpha shape \) +swap -compose over -composite \
    -filter Box -resize 32x32 "${PNGOPT[@]}" "PNG32:$1"
}

sparkle() { # x y size: a white four-point glint with a gold rim (text for eval)
  echo "-fill '#ffe680' -stroke '#b07800' -strokewidth 3 -draw '${J}polygon $(star "$1" "$2" "$3" $(( $3 / 4 )) 4)'" \
       "-fill white -stroke none -draw '${J}polygon $(star "$1" "$2" $(( $3 * 6 / 10 )) $(( $3 / 6 )) 4)'"
}
icon_DC() { # hard disk with a sparkle
  eval convert "${C[@]}" -stroke "'$INK'" -strokewidth 5 \
    -fill "'#c9d6df'" -draw "'${J}roundrectangle 10,46 112,110 12,12'" \
    -fill "'#8ea3b3'" -draw "'${J}roundrectangle 10,82 112,110 12,12'" \
    -stroke none -fill "'#eef4f8'" -draw "'${J}roundrectangle 16,51 106,66 8,8'" \
    -fill "'#3cc45a'" -stroke "'#155e25'" -strokewidth 3 -draw "'${J}circle 96,96 102,96'" \
    -stroke "'#5f7689'" -strokewidth 4 -draw "'${J}line 22,96 70,96'" \
    "$(sparkle 100 32 25)" "$raw"
}
cube() { # cx cy s top left right: one isometric cube as three draw polygons
  local cx=$1 cy=$2 s=$3 h; h=$(( s * 87 / 100 ))
  echo "-fill '$4' -draw '${J}polygon $cx,$((cy-s)) $((cx+h)),$((cy-s/2)) $cx,$cy $((cx-h)),$((cy-s/2))'" \
       "-fill '$5' -draw '${J}polygon $((cx-h)),$((cy-s/2)) $cx,$cy $cx,$((cy+s)) $((cx-h)),$((cy+s/2))'" \
       "-fill '$6' -draw '${J}polygon $cx,$cy $((cx+h)),$((cy-s/2)) $((cx+h)),$((cy+s/2)) $cx,$((cy+s))'"
}
icon_RC() { # stacked cubes
  eval convert "${C[@]}" -stroke "'$INK'" -strokewidth 4 \
    "$(cube 38 86 28 '#8fe6f2' '#1f93c0' '#0f5f8c')" \
    "$(cube 90 86 28 '#8fe6f2' '#1f93c0' '#0f5f8c')" \
    "$(cube 64 44 28 '#ffd98a' '#e39a1e' '#b06a0a')" "$raw"
}
globe() { # cx cy r: blue globe with meridians
  local cx=$1 cy=$2 r=$3
  echo "-stroke '$INK' -strokewidth 5 -fill '#2a8fd0' -draw '${J}circle $cx,$cy $((cx+r)),$cy'" \
       "-fill '#3fb548' -stroke none -draw '${J}ellipse $((cx-r/3)),$((cy-r/4)) $((r/3)),$((r/4)) 0,360'" \
       "-draw '${J}ellipse $((cx+r/3)),$((cy+r/3)) $((r/4)),$((r/3)) 0,360'" \
       "-fill none -stroke '#d8f4ff' -strokewidth 3" \
       "-draw '${J}ellipse $cx,$cy $((r*45/100)),$((r-2)) 0,360'" \
       "-draw '${J}line $((cx-r+3)),$cy $((cx+r-3)),$cy'" \
       "-draw '${J}line $cx,$((cy-r+3)) $cx,$((cy+r-3))'" \
       "-draw '${J}ellipse $cx,$((cy-r*55/100)) $((r*80/100)),$((r/7)) 0,360'" \
       "-draw '${J}ellipse $cx,$((cy+r*55/100)) $((r*80/100)),$((r/7)) 0,360'" \
       "-stroke '$INK' -strokewidth 5 -draw '${J}circle $cx,$cy $((cx+r)),$cy'" \
       "-stroke none -fill 'rgba(255,255,255,0.35)' -draw '${J}ellipse $((cx-r/4)),$((cy-r/2)) $((r/2)),$((r/4)) 0,360'"
}
icon_IC() { # globe with a broom
  eval convert "${C[@]}" "$(globe 54 54 44)" \
    -stroke "'#5a3410'" -strokewidth 9 -draw "'${J}line 122,40 78,96'" \
    -stroke "'#f6d77a'" -strokewidth 3 -draw "'${J}line 121,42 80,94'" \
    -stroke "'#7a4a06'" -strokewidth 4 -fill "'#f2b630'" \
    -draw "'${J}polygon 70,86 90,102 78,124 46,120 40,112'" \
    -stroke "'#b57a12'" -strokewidth 3 -draw "'${J}line 62,98 50,116'" -draw "'${J}line 72,104 64,120'" \
    -fill "'#c0392b'" -stroke "'#5a140c'" -strokewidth 3 -draw "'${J}polygon 70,84 80,90 92,100 88,106 66,90'" "$raw"
}
icon_ST() { # rocket lifting off
  convert "${C[@]}" \
    -fill '#ff9d1c' -stroke '#a84a00' -strokewidth 3 -draw "$J"'polygon 50,96 64,126 78,96' \
    -fill '#ffe066' -stroke none -draw "$J"'polygon 56,96 64,116 72,96' \
    -fill '#d63a2c' -stroke "$INK" -strokewidth 4 -draw "$J"'polygon 42,70 24,100 46,98' -draw "$J"'polygon 86,70 104,100 82,98' \
    -fill '#eef3f7' -draw "$J"'path "M 64,6 C 94,30 92,72 84,100 L 44,100 C 36,72 34,30 64,6 Z"' \
    -fill '#d63a2c' -draw "$J"'path "M 64,6 C 76,16 82,26 85,34 L 43,34 C 46,26 52,16 64,6 Z"' \
    -fill '#2ab3e0' -strokewidth 4 -draw "$J"'circle 64,58 64,70' \
    -fill 'rgba(255,255,255,0.7)' -stroke none -draw "$J"'circle 60,54 60,58' \
    -fill 'rgba(120,140,160,0.35)' -draw "$J"'path "M 72,36 C 78,56 78,80 74,98 L 84,98 C 90,74 90,52 84,36 Z"' \
    -background none -virtual-pixel transparent -distort SRT '64,64 1 40' "$raw"
}
icon_IP() { # shield with a check mark
  convert "${C[@]}" \
    -fill '#1f8fd0' -stroke "$INK" -strokewidth 5 \
    -draw "$J"'path "M 64,6 C 84,16 100,18 114,18 C 114,70 98,104 64,122 C 30,104 14,70 14,18 C 28,18 44,16 64,6 Z"' \
    -fill '#5cc8f0' -stroke none \
    -draw "$J"'path "M 64,12 C 82,20 96,23 108,23 C 108,70 94,98 64,115 Z"' \
    -fill none -stroke white -strokewidth 13 \
    -draw "$J"'polyline 38,62 56,82 92,40' \
    -stroke '#2fbf55' -strokewidth 7 -draw "$J"'polyline 38,62 56,82 92,40' "$raw"
}
icon_WIN() { # wrench
  convert "${C[@]}" \
    -stroke "$INK" -strokewidth 24 -draw "$J"'line 64,64 64,118' \
    -stroke '#b9c8d3' -strokewidth 16 -draw "$J"'line 64,64 64,118' \
    -stroke "$INK" -strokewidth 5 -fill '#b9c8d3' -draw "$J"'circle 64,36 64,6' \
    -stroke none -fill '#e6eef3' -draw "$J"'ellipse 58,28 12,18 0,360' \
    -fill '#1f6fa8' -stroke "$INK" -strokewidth 4 -draw "$J"'roundrectangle 55,80 73,120 8,8' \
    \( "${C[@]}" -fill white -draw 'rectangle 53,0 75,40' -draw 'circle 64,108 64,113' \) \
    -compose DstOut -composite -compose over \
    -fill none -stroke "$INK" -strokewidth 4 -draw "$J"'polyline 53,8 53,40 75,40 75,8' -draw 'circle 64,108 64,113' \
    -background none -virtual-pixel transparent -distort SRT '64,64 1 -45' "$raw"
}
icon_FW() { # shredder eating a page
  convert "${C[@]}" \
    -fill white -stroke "$INK" -strokewidth 4 -draw "$J"'polygon 32,10 82,10 96,24 96,62 32,62' \
    -fill '#d8e4ec' -draw "$J"'polygon 82,10 82,24 96,24' \
    -stroke '#7fa6c0' -strokewidth 3 -draw "$J"'line 42,24 74,24' -draw "$J"'line 42,34 86,34' -draw "$J"'line 42,44 86,44' \
    -stroke "$INK" -strokewidth 4 -fill '#eaf3f8' \
    -draw "$J"'rectangle 34,86 42,122' -draw "$J"'rectangle 50,86 58,116' -draw "$J"'rectangle 66,86 74,124' -draw "$J"'rectangle 82,86 90,114' \
    -fill '#3b4d5c' -strokewidth 5 -draw "$J"'roundrectangle 10,50 118,90 10,10' \
    -fill '#5f7a8e' -stroke none -draw "$J"'roundrectangle 15,54 113,68 6,6' \
    -fill '#111' -draw "$J"'rectangle 26,74 102,79' \
    -fill '#3cc45a' -draw "$J"'circle 106,80 106,84' "$raw"
}
icon_FSJ() { # page cut in two by scissors
  convert "${C[@]}" -fill white -stroke "$INK" -strokewidth 4 \
    -draw "$J"'polygon 8,22 56,22 56,112 8,112' -draw "$J"'polygon 70,14 104,14 120,30 120,104 70,104' \
    -fill '#d8e4ec' -draw "$J"'polygon 104,14 104,30 120,30' \
    -stroke '#7fa6c0' -strokewidth 3 -draw "$J"'line 16,40 48,40' -draw "$J"'line 16,52 48,52' -draw "$J"'line 16,64 40,64' \
    -draw "$J"'line 78,40 110,40' -draw "$J"'line 78,52 110,52' -draw "$J"'line 78,64 102,64' \
    -stroke '#e38a14' -strokewidth 4 -draw "stroke-dasharray 8 6 "'line 63,4 63,124' \
    -fill '#c9d6df' -stroke "$INK" -strokewidth 3 \
    -draw "$J"'polygon 60,70 102,112 96,116 56,76' -draw "$J"'polygon 66,70 26,112 32,116 70,76' \
    -fill none -stroke '#d63a2c' -strokewidth 8 -draw "$J"'circle 42,100 42,114' -draw "$J"'circle 86,100 86,114' \
    -fill '#222' -stroke none -draw "$J"'circle 63,73 63,77' "$raw"
}
icon_FED() { # padlock
  convert "${C[@]}" -fill none -stroke "$INK" -strokewidth 20 -draw "$J"'path "M 38,66 L 38,42 C 38,8 90,8 90,42 L 90,66"' \
    -stroke '#c6d3dd' -strokewidth 11 -draw "$J"'path "M 38,66 L 38,42 C 38,8 90,8 90,42 L 90,66"' \
    -fill '#f2b630' -stroke "$INK" -strokewidth 5 -draw "$J"'roundrectangle 18,56 110,122 12,12' \
    -fill '#ffd867' -stroke none -draw "$J"'roundrectangle 23,61 105,80 8,8' \
    -fill "$INK" -draw "$J"'circle 64,86 64,96' -draw "$J"'polygon 58,90 70,90 73,110 55,110' "$raw"
}
icon_SI() { # monitor with an info sign
  convert "${C[@]}" -fill '#8ea3b3' -stroke "$INK" -strokewidth 4 \
    -draw "$J"'polygon 50,92 78,92 84,112 44,112' -draw "$J"'roundrectangle 30,110 98,122 5,5' \
    -fill '#33434f' -strokewidth 5 -draw "$J"'roundrectangle 6,12 122,96 10,10' \
    -fill '#1f8fd0' -stroke none -draw "$J"'rectangle 14,20 114,86' \
    -fill '#5cc8f0' -draw "$J"'polygon 14,20 114,20 14,70' \
    -fill white -stroke "$INK" -strokewidth 3 -draw "$J"'circle 64,53 64,25' \
    -fill '#1f6fa8' -stroke none -draw "$J"'circle 64,36 64,42' -draw "$J"'roundrectangle 58,46 70,72 3,3' "$raw"
}
icon_DEFRAG() { # blocks being put in order
  local d=() cols=('#1f8fd0' '#1f8fd0' '#1f8fd0' '#1f8fd0'  '#1f8fd0' '#1f8fd0' '#3fd4e6' '#3fd4e6'
                   '#d63a2c' '#ffffff' '#3fd4e6' '#ffffff'  '#ffffff' '#d63a2c' '#ffffff' '#d63a2c') i x y
  for i in $(seq 0 15); do
    x=$(( 6 + (i % 4) * 30 )); y=$(( 6 + (i / 4) * 30 ))
    d+=(-fill "${cols[$i]}" -draw "${J}roundrectangle $x,$y $((x+26)),$((y+26)) 5,5")
  done
  convert "${C[@]}" -stroke "$INK" -strokewidth 4 "${d[@]}" \
    -stroke none -fill 'rgba(255,255,255,0.45)' -draw "$J"'rectangle 9,9 120,14' "$raw"
}
icon_FA() { # chain link
  convert "${C[@]}" -fill none \
    -stroke "$INK" -strokewidth 22 -draw "$J"'roundrectangle 10,44 76,84 20,20' \
    -stroke '#1f8fd0' -strokewidth 12 -draw "$J"'roundrectangle 10,44 76,84 20,20' \
    -stroke "$INK" -strokewidth 22 -draw "$J"'roundrectangle 52,44 118,84 20,20' \
    -stroke '#3fd4e6' -strokewidth 12 -draw "$J"'roundrectangle 52,44 118,84 20,20' \
    -stroke "$INK" -strokewidth 22 -draw "$J"'line 66,44 76,44' \
    -stroke '#1f8fd0' -strokewidth 12 -draw "$J"'line 60,44 70,44' \
    -stroke 'rgba(255,255,255,0.6)' -strokewidth 3 -draw "$J"'line 26,42 56,42' -draw "$J"'line 72,42 100,42' \
    -background none -virtual-pixel transparent -distort SRT '64,64 1 -35' "$raw"
}
icon_DLL() { # puzzle piece
  convert "${C[@]}" -fill '#8a5cd0' -stroke "$INK" -strokewidth 5 \
    -draw "$J"'roundrectangle 14,36 94,116 8,8' -draw "$J"'circle 54,28 54,12' -draw "$J"'circle 102,76 118,76' \
    -stroke none -draw "$J"'rectangle 44,34 64,42' -draw "$J"'rectangle 90,66 98,86' \
    -fill '#b28cf0' -draw "$J"'roundrectangle 20,42 88,58 6,6' \
    \( "${C[@]}" -fill white -draw "$J"'circle 14,76 28,76' -draw "$J"'circle 54,116 54,102' \) -compose DstOut -composite \
    -fill none -stroke "$INK" -strokewidth 5 -draw "$J"'arc 0,62 28,90 270,90' -draw "$J"'arc 40,102 68,130 180,360' "$raw"
}
icon_IT() { # globe with a speed arrow
  eval convert "${C[@]}" "$(globe 56 60 46)" \
    -fill "'#3cc45a'" -stroke "'#155e25'" -strokewidth 4 \
    -draw "'${J}polygon 78,88 104,62 94,56 124,48 118,78 110,70 86,96'" "$raw"
}
icon_OCO() { # lightning bolt
  convert "${C[@]}" -fill '#ffd23f' -stroke '#8a4b00' -strokewidth 5 \
    -draw "$J"'polygon 78,8 28,70 60,70 46,122 102,50 68,50 90,8' \
    -fill '#fff3b0' -stroke none -draw "$J"'polygon 76,14 38,64 50,64 80,26' "$raw"
}
icon_clean() { # broom with a sparkle
  eval convert "${C[@]}" \
    -stroke "'#5a3410'" -strokewidth 11 -draw "'${J}line 112,8 62,76'" \
    -stroke "'#d9a25a'" -strokewidth 5 -draw "'${J}line 110,11 64,73'" \
    -fill "'#f2b630'" -stroke "'#7a4a06'" -strokewidth 5 \
    -draw "'${J}polygon 54,66 80,86 62,124 10,120 8,108'" \
    -stroke "'#b57a12'" -strokewidth 3 -draw "'${J}line 44,86 24,116'" -draw "'${J}line 56,94 42,120'" -draw "'${J}line 66,100 58,120'" \
    -fill "'#1f8fd0'" -stroke "'$INK'" -strokewidth 4 -draw "'${J}polygon 52,64 60,58 86,78 80,88'" \
    "$(sparkle 30 34 26)" "$raw"
}
icon_tune() { # speedometer
  convert "${C[@]}" -fill '#23323d' -stroke "$INK" -strokewidth 5 -draw "$J"'circle 64,68 64,10' \
    -fill none -strokewidth 10 \
    -stroke '#3cc45a' -draw "$J"'arc 20,24 108,112 150,215' \
    -stroke '#ffd23f' -draw "$J"'arc 20,24 108,112 215,325' \
    -stroke '#e24a3b' -draw "$J"'arc 20,24 108,112 325,390' \
    -stroke white -strokewidth 7 -draw "$J"'line 64,68 96,36' \
    -fill '#c9d6df' -stroke "$INK" -strokewidth 3 -draw "$J"'circle 64,68 64,78' \
    -fill 'rgba(255,255,255,0.25)' -stroke none -draw "$J"'ellipse 64,34 36,14 0,360' "$raw"
}
icon_file() { # folder with a document
  convert "${C[@]}" -stroke "$INK" -strokewidth 4 \
    -fill '#e8a417' -draw "$J"'path "M 8,28 L 46,28 L 54,38 L 114,38 L 114,112 L 8,112 Z"' \
    -fill white -draw "$J"'polygon 28,14 86,14 100,28 100,84 28,84' \
    -fill '#d8e4ec' -draw "$J"'polygon 86,14 86,28 100,28' \
    -stroke '#7fa6c0' -strokewidth 3 -draw "$J"'line 38,36 88,36' -draw "$J"'line 38,46 88,46' -draw "$J"'line 38,56 76,56' \
    -fill '#ffd057' -stroke "$INK" -strokewidth 4 -draw "$J"'polygon 8,56 120,56 114,112 8,112' \
    -fill 'rgba(255,255,255,0.45)' -stroke none -draw "$J"'polygon 12,60 116,60 115,68 12,68' "$raw"
}
icon_new() { # star with sparkles
  eval convert "${C[@]}" -fill "'#ffd23f'" -stroke "'#8a4b00'" -strokewidth 5 \
    -draw "'${J}polygon $(star 58 70 52 22 5)'" \
    -fill "'#fff3b0'" -stroke none -draw "'${J}polygon $(star 52 62 24 10 5)'" \
    "$(sparkle 106 22 20)" "$(sparkle 108 100 14)" "$raw"
}

for code in DC RC IC DLL OCO ST IT IP WIN FW FSJ FED FA DEFRAG SI; do
  "icon_$code"
  finish_icon "$out/ModuleIcon_$code.png"
done
# The submenu slots use the same artwork as the module headers.
for code in DC RC IC ST IP WIN FW FSJ FED SI DEFRAG FA; do
  cp "$out/ModuleIcon_$code.png" "$out/icon_Module_$code.png"
done
for cat in clean tune file new; do
  "icon_$cat"
  finish_icon "$out/icon_main_$cat.png"
done

# ---------------------------------------------------------------- backgrounds
# Faint aqua waves, used as a signature on the dark and on the light pictures.
waves() { # w h colour alpha: three soft wave lines across the lower part
  local w=$1 h=$2 c=$3 a=$4 i y d=()
  for i in 0 1 2; do
    y=$(( h - 60 + i * 18 ))
    d+=(-stroke "rgba($c,$a)" -strokewidth $((3 - i)) -fill none
        -draw "path 'M -10,$y C $((w/4)),$((y-26)) $((w/2)),$((y+24)) $((w*3/4)),$((y-6)) S $((w+40)),$((y-30)) $((w+40)),$((y-10))'")
  done
  convert -size "${w}x${h}" xc:none "${d[@]}" -blur 0x0.6 "$tmp/waves.png"
}

# Header band: dark navy with a glass sheen, an aqua rule and a dark line below.
band() { # w h file
  local w=$1 h=$2
  convert -size "${w}x${h}" gradient:"$OCEAN"-"$NAVY" \
    \( -size "${w}x$((h / 2))" gradient:'rgba(255,255,255,0.16)'-'rgba(255,255,255,0.03)' \) -composite \
    -fill "$AQUA" -draw "rectangle 0,$((h - 2)) $w,$((h - 2))" \
    -fill '#01101c' -draw "rectangle 0,$((h - 1)) $w,$((h - 1))" "$3"
}

# Emblem: a glossy sea-blue disc with white waves; drawn at 4x.
emblem() { # size file
  convert -size 192x192 radial-gradient:'#4fe3f0'-"$OCEAN" -roll +0+40 -alpha set \
    \( -size 192x192 xc:none -fill white -draw 'circle 96,96 96,6' \) -compose DstIn -composite \
    -compose over -fill none -stroke white -strokewidth 10 \
    -draw "stroke-linecap round path 'M 30,112 C 56,86 76,138 104,112 S 150,92 168,108'" \
    -stroke 'rgba(255,255,255,0.75)' -strokewidth 7 -draw "stroke-linecap round path 'M 40,140 C 62,118 82,160 108,140 S 146,124 158,134'" \
    -stroke 'rgba(255,255,255,0.9)' -strokewidth 6 -fill none -draw 'circle 96,96 96,8' \
    -stroke none -fill 'rgba(255,255,255,0.28)' -draw 'ellipse 96,52 60,30 0,360' \
    -filter Box -resize "${1}x${1}" "$2"
}

title_text() { # file x baseline size: product name in white, the year in aqua
  local w yw
  w=$(convert -font "$FONTB" -pointsize "$4" label:'Veltrano Tidewright 2007' -format %w info:)
  yw=$(convert -font "$FONTB" -pointsize "$4" label:'2007' -format %w info:)
  convert "$1" -font "$FONTB" -pointsize "$4" \
    -fill 'rgba(0,0,0,0.55)' -annotate "+$(($2 + 1))+$(($3 + 1))" 'Veltrano Tidewright' \
    -annotate "+$(($2 + w - yw + 1))+$(($3 + 1))" '2007' \
    -fill white -annotate "+$2+$3" 'Veltrano Tidewright' \
    -fill "$AQUA" -annotate "+$(($2 + w - yw))+$3" '2007' "$1"
}

# Window body: ocean gradient with a soft light from the upper left.
body() { # w h file
  convert -size "${1}x${2}" gradient:"$SEA"-"$DEEP" \
    \( -size "$((${1} * 2))x$((${2}))" radial-gradient:'rgba(90,200,230,0.22)'-'rgba(90,200,230,0)' -crop "${1}x${2}+${1}+0" +repage \) \
    -compose screen -composite "$3"
}

emblem 30 "$tmp/emblem30.png"
body 640 480 "$tmp/body.png"
band 640 46 "$tmp/band.png"
waves 640 480 '95,215,235' 0.14

# Main window: header band, body, waves, the panel behind the submenu and a small imprint.
convert "$tmp/body.png" "$tmp/waves.png" -composite "$tmp/band.png" -composite \
  "$tmp/emblem30.png" -geometry +10+8 -composite \
  \( -size 640x480 xc:none -fill 'rgba(0,8,16,0.35)' -draw 'roundrectangle 302,60 628,470 12,12' -blur 0x4 \) -composite \
  -fill 'rgba(255,255,255,0.07)' -stroke 'rgba(160,235,250,0.25)' -strokewidth 1 \
  -draw 'roundrectangle 300.5,56.5 625.5,465.5 10,10' -stroke none \
  -font "$FONT" -pointsize 10 -fill 'rgba(170,225,240,0.55)' -annotate +16+462 '© 2007 Veltrano Software' \
  "$tmp/main.png"
title_text "$tmp/main.png" 46 28 15
save_bmp "$tmp/main.png" "$out/Background_MainMenu.bmp"

# About page: same frame, a quieter body so the credits read well.
waves 640 480 '95,215,235' 0.20
convert "$tmp/body.png" "$tmp/waves.png" -composite "$tmp/band.png" -composite \
  "$tmp/emblem30.png" -geometry +10+8 -composite "$tmp/about.png"
title_text "$tmp/about.png" 46 28 15
save_bmp "$tmp/about.png" "$out/Background.bmp"

# Logo for the About page: emblem, name and year on transparency.
emblem 52 "$tmp/emblem52.png"
convert -size 200x60 xc:none "$tmp/emblem52.png" -geometry +2+4 -composite \
  -font "$FONT" -pointsize 11 -fill "$FOAM" -annotate +62+19 'V E L T R A N O' \
  -font "$FONTB" -pointsize 22 -fill 'rgba(0,0,0,0.5)' -annotate +62+43 'Tidewright' \
  -fill white -annotate +61+42 'Tidewright' \
  -font "$FONTB" -pointsize 12 -fill "$AQUA" -annotate +152+56 '2007' \
  "$tmp/logo.png"
save_png "$tmp/logo.png" "$out/Logo.png"

# Module header: taller band, the emblem's waves repeated faintly at the right.
waves 640 77 '120,225,245' 0.22
convert -size 640x77 gradient:"$SEA"-"$OCEAN" \
  \( -size 640x38 gradient:'rgba(255,255,255,0.18)'-'rgba(255,255,255,0.03)' \) -composite \
  \( "$tmp/waves.png" -crop 300x77+340+0 +repage \) -geometry +340+0 -composite \
  -fill "$AQUA" -draw 'rectangle 0,75 640,75' -fill '#01101c' -draw 'rectangle 0,76 640,76' \
  "$tmp/header.png"
save_bmp "$tmp/header.png" "$out/Header_AllModules.bmp"

# Circle behind the module icon; the header is baked into its corners so it looks
# the same whether or not the picture is drawn with transparency.
convert -size 196x196 radial-gradient:'#ffffff'-'#9fdcef' -roll +0+40 -alpha set \
  \( -size 196x196 xc:none -fill white -draw 'circle 98,98 98,8' \) -compose DstIn -composite \
  -compose over -fill none -stroke "$AQUA" -strokewidth 6 -draw 'circle 98,98 98,10' \
  -stroke 'rgba(4,26,46,0.8)' -strokewidth 4 -draw 'circle 98,98 98,6' \
  -stroke none -fill 'rgba(255,255,255,0.7)' -draw 'ellipse 98,50 62,28 0,360' \
  -filter Box -resize 49x49 "$tmp/kreis.png"
convert "$tmp/header.png" -crop 49x49+6+6 +repage \
  \( "$tmp/kreis.png" -background none \( +clone -alpha extract -blur 0x1.5 -roll +1+2 -evaluate multiply 0.5 -background black -alpha shape \) +swap -compose over -composite \) \
  -compose over -composite "$tmp/kreis2.png"
save_png "$tmp/kreis2.png" "$out/Header_Kreis.png"

# Light page backgrounds: near white, faint waves low on the right.
light() { # w h file
  waves "$1" "$2" '20,120,170' 0.07
  convert -size "${1}x${2}" gradient:'#fbfdfe'-'#e8f2f7' "$tmp/waves.png" -composite "$3"
}
light 640 359 "$tmp/mod.png"; save_bmp "$tmp/mod.png" "$out/Background_Modules.bmp"
light 640 480 "$tmp/navmod.png"; save_bmp "$tmp/navmod.png" "$out/Background_NaviModules.bmp"

# Navigation bar: the window body's ocean with a light edge towards the page.
waves 180 480 '95,215,235' 0.14
convert -size 180x480 gradient:"$SEA"-"$DEEP" "$tmp/waves.png" -composite \
  -fill 'rgba(191,243,250,0.35)' -draw 'rectangle 178,0 178,480' -fill '#01101c' -draw 'rectangle 179,0 179,480' \
  "$tmp/navi.png"
save_bmp "$tmp/navi.png" "$out/Background_Navi.bmp"

# ---------------------------------------------------------------- buttons
# A glossy rounded face: vertical gradient, a glass sheen on the upper half,
# a thin border and a bright inner top edge (dark for a pressed face).
face() { # file w h radius top bottom border sheen_alpha edge
  local f=$1 w=$2 h=$3 r=$4
  convert -size "${w}x${h}" gradient:"$5"-"$6" -alpha set \
    \( -size "$((w - 4))x$((h / 2 - 1))" gradient:"rgba(255,255,255,$8)"-"rgba(255,255,255,0.02)" \
       \( -size "$((w - 4))x$((h / 2 - 1))" xc:none -fill white -draw "roundrectangle 0,0 $((w - 5)),$((h / 2 + r)) $((r - 1)),$((r - 1))" \) \
       -compose DstIn -composite \) -geometry +2+2 -compose over -composite \
    -fill none -stroke "$9" -strokewidth 1 -draw "roundrectangle 1.5,1.5 $((w - 2)).5,$((h - 2)).5 $((r - 1)),$((r - 1))" \
    -stroke "$7" -draw "roundrectangle 0.5,0.5 $((w - 1)).5,$((h - 1)).5 $r,$r" \
    \( -size "${w}x${h}" xc:none -fill white -stroke white -strokewidth 1 -draw "roundrectangle 0.5,0.5 $((w - 1)).5,$((h - 1)).5 $r,$r" \) \
    -compose DstIn -composite "$f"
}

# Submenu slot faces: light glass with navy text; the right end holds the icon.
slot() { # file top bottom border sheen edge
  face "$tmp/s.png" 260 52 9 "$2" "$3" "$4" "$5" "$6"
  convert "$tmp/s.png" \
    \( -size 260x52 xc:none -fill 'rgba(20,120,170,0.10)' -draw 'circle 234,24 234,2' \) -compose over -composite \
    -stroke 'rgba(20,120,170,0.18)' -draw 'line 208,10 208,42' "$1"
  save_png "$1" "$out/$7"
}
slot "$tmp/sn.png" '#ffffff' '#d5ecf5' '#6fa9c4' 0.70 'rgba(255,255,255,0.9)' button_sub_normal.png
slot "$tmp/sh.png" '#ffffff' '#bdf0fa' '#22b8d6' 0.80 'rgba(63,212,230,0.9)' button_sub_hover.png
slot "$tmp/sd.png" '#a9d0e0' '#e2f2f8' '#2f7699' 0.10 'rgba(20,70,100,0.35)' button_sub_down.png

# Category buttons: deep teal glass with white text.
cat_face() { # out top bottom border sheen edge
  face "$tmp/c.png" 272 62 10 "$2" "$3" "$4" "$5" "$6"
  convert "$tmp/c.png" \
    \( -size 272x62 xc:none -fill 'rgba(255,255,255,0.10)' -draw 'circle 244,24 244,2' \) -compose over -composite \
    -stroke 'rgba(255,255,255,0.12)' -draw 'line 218,10 218,52' "PNG32:$tmp/cc.png"
  save_png "$tmp/cc.png" "$out/$1"
}
cat_face button_group_normal.png '#1b84ad' '#0b4b72' '#04223a' 0.32 'rgba(255,255,255,0.35)'
cat_face button_group_over.png   '#27a3cf' '#0f628f' "$AQUA" 0.40 'rgba(191,243,250,0.6)'
cat_face button_group_down.png   '#08395a' '#105f8a' '#04223a' 0.08 'rgba(0,10,20,0.6)'

# One-Click button: glowing sea-green, a big faint bolt at the right (no icon is drawn there).
icon_OCO
convert "$raw" -alpha set -channel A -evaluate multiply 0.30 +channel -filter Box -resize 60x60 "$tmp/bolt.png"
oco_face() { # out top bottom border sheen edge
  face "$tmp/o.png" 272 80 12 "$2" "$3" "$4" "$5" "$6"
  convert "$tmp/o.png" "$tmp/bolt.png" -geometry +204+10 -compose over -composite "$tmp/oo.png"
  save_png "$tmp/oo.png" "$out/$1"
}
oco_face button_oco_normal.png '#16a58a' '#05574a' '#7ff0dc' 0.30 'rgba(160,255,235,0.5)'
oco_face button_oco_over.png   '#1fc4a4' '#077060' '#c8fff4' 0.38 'rgba(200,255,245,0.8)'
oco_face button_oco_down.png   '#04463b' '#0b7a64' '#7ff0dc' 0.08 'rgba(0,20,15,0.6)'

# Submenu: translucent frosted panel with a teal title strip for the headers and
# the signature waves low down, below the last slot.
waves 326 410 '20,120,170' 0.10
convert -size 326x410 xc:none \
  \( -size 326x410 gradient:'rgba(255,255,255,0.95)'-'rgba(228,244,250,0.90)' \) -compose over -composite \
  \( -size 326x34 gradient:"$TEAL"-"$OCEAN" \( -size 326x17 gradient:'rgba(255,255,255,0.25)'-'rgba(255,255,255,0.04)' \) -compose over -composite \) \
  -compose over -composite \
  -fill "$AQUA" -draw 'rectangle 0,34 326,34' \
  \( -size 326x410 xc:none -fill white -draw 'roundrectangle 0,0 325,409 10,10' \) -compose DstIn -composite \
  "$tmp/waves.png" -compose over -composite \
  -fill none -stroke 'rgba(255,255,255,0.7)' -draw 'roundrectangle 0.5,0.5 325.5,409.5 10,10' \
  "$tmp/submenu.png"
save_png "$tmp/submenu.png" "$out/submenu.png"

# Header buttons sit on the header band: the band behind each is baked in, so the
# faces are opaque and exact whether or not they are drawn with transparency.
hdr_button() { # name x y w h glyph-draw-args...
  local name=$1 x=$2 y=$3 w=$4 h=$5; shift 5
  local st top bot border sheen edge
  for st in normal over down; do
    case $st in
      normal) top='rgba(120,200,230,0.30)'; bot='rgba(20,80,120,0.30)'; border='rgba(150,225,245,0.45)'; sheen=0.30; edge='rgba(255,255,255,0.25)';;
      over)   top='rgba(110,225,245,0.70)'; bot='rgba(20,130,170,0.70)'; border="$AQUA"; sheen=0.40; edge='rgba(255,255,255,0.5)';;
      down)   top='rgba(0,15,30,0.70)';    bot='rgba(20,90,130,0.60)'; border='rgba(150,225,245,0.45)'; sheen=0.05; edge='rgba(0,0,0,0.4)';;
    esac
    [ "$name" = close ] && [ "$st" = over ] && { top='rgba(240,110,90,0.95)'; bot='rgba(170,30,20,0.95)'; border='#ffb4a8'; }
    face "$tmp/h.png" "$w" "$h" 5 "$top" "$bot" "$border" "$sheen" "$edge"
    convert "$tmp/main.png" -crop "${w}x${h}+$x+$y" +repage "$tmp/h.png" -compose over -composite \
      "$@" "$tmp/hb.png"
    save_png "$tmp/hb.png" "$out/button_${name}_$st.png"
  done
}
G=(-stroke none -fill white)
hdr_button close    608 11 22 22 -stroke white -strokewidth 2.5 -draw 'line 7,7 15,15' -draw 'line 15,7 7,15'
hdr_button minimize 580 11 22 22 "${G[@]}" -draw 'roundrectangle 6,13 16,15 1,1'
hdr_button about    546 10 24 24 -font "$FONTB" -pointsize 15 "${G[@]}" -gravity center -annotate +0+0 'i'
# Small glyphs at 4x for the captioned header buttons.
convert -size 64x64 xc:none -fill white -draw "polygon $(gear 32 32 28 19 8)" -fill none -stroke none \
  \( -size 64x64 xc:none -fill white -draw 'circle 32,32 32,23' \) -compose DstOut -composite \
  -filter Box -resize 16x16 "$tmp/gear.png"
convert -size 64x64 xc:none -fill none -stroke white -strokewidth 5 -draw 'circle 32,32 32,5' \
  -strokewidth 4 -draw 'ellipse 32,32 12,26 0,360' -draw 'line 6,32 58,32' -draw 'line 10,18 54,18' -draw 'line 10,46 54,46' \
  -filter Box -resize 16x16 "$tmp/globe.png"
hdr_button options      268 10 96 24 "$tmp/gear.png"  -geometry +22+4 -compose over -composite
hdr_button internetmenu 368 10 84 24 "$tmp/globe.png" -geometry +8+4 -compose over -composite
hdr_button help         456 10 70 24 -font "$FONTB" -pointsize 15 "${G[@]}" -annotate +11+17 '?'

# ---------------------------------------------------------------- defrag animation
# Sixteen run frames sort a fragmented disk map step by step; four pause frames
# pulse a pause sign; "finished" and "stop" show the end states.
defrag_map() { # out sorted-count overlay...
  local f=$1 n=$2 i x y c d=(); shift 2
  local map=(u f u e u u f e u f u u e f u e  u e f u u f e u f u e u u f e u)
  local sorted=() e=0 u=0 k
  for k in "${map[@]}"; do [ "$k" = e ] && e=$((e + 1)) || u=$((u + 1)); done
  for i in $(seq 0 31); do
    if [ "$i" -lt $((n * 2)) ]; then
      [ "$i" -lt "$u" ] && c='#1f8fd0' || c='#ffffff'
    else
      case ${map[$i]} in u) c='#1f8fd0';; f) c='#e24a3b';; e) c='#ffffff';; esac
    fi
    x=$(( 8 + (i % 8) * 18 )); y=$(( 8 + (i / 8) * 18 ))
    d+=(-fill "$c" -draw "roundrectangle $x,$y $((x + 15)),$((y + 15)) 3,3")
  done
  convert -size 160x88 gradient:'#ffffff'-'#e3f0f6' -stroke '#6fa9c4' -fill none -draw 'roundrectangle 0.5,0.5 159.5,87.5 6,6' \
    -stroke "$INK" -strokewidth 1 "${d[@]}" "$@" "$f"
}
for i in $(seq 1 16); do
  defrag_map "$tmp/d.png" "$i" -fill "rgba(63,212,230,0.55)" -stroke none \
    -draw "rectangle $(( 8 + ((i * 2 - 1) % 8) * 18 - 2 )),$(( 8 + ((i * 2 - 1) / 8) * 18 - 2 )) $(( 8 + ((i * 2 - 1) % 8) * 18 + 17 )),$(( 8 + ((i * 2 - 1) / 8) * 18 + 17 ))"
  save_png "$tmp/d.png" "$out/defrag_$(printf %02d "$i").png"
done
for i in 1 2 3 4; do
  a=$(awk -v i="$i" 'BEGIN{printf "%.2f", 0.35 + 0.15 * i}')
  defrag_map "$tmp/d.png" 8 -fill "rgba(4,26,46,$a)" -stroke none \
    -draw 'roundrectangle 64,26 74,62 2,2' -draw 'roundrectangle 86,26 96,62 2,2'
  save_png "$tmp/d.png" "$out/defrag_pause_0$i.png"
done
defrag_map "$tmp/d.png" 16 -fill none -stroke white -strokewidth 9 -draw 'polyline 58,44 74,60 104,28' \
  -stroke '#2fbf55' -strokewidth 5 -draw 'polyline 58,44 74,60 104,28'
save_png "$tmp/d.png" "$out/defrag_finished.png"
defrag_map "$tmp/d.png" 5 -fill '#d63a2c' -stroke white -strokewidth 3 -draw 'roundrectangle 62,26 98,62 5,5' \
  -fill white -stroke none -draw 'rectangle 72,36 88,52'
save_png "$tmp/d.png" "$out/defrag_stop.png"

# ---------------------------------------------------------------- skin.ini
# Windows reads ini files line by line with CR LF.
sed 's/\r\?$/\r/' "$here/skin.ini.in" > "$out/skin.ini"

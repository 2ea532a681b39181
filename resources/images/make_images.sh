#!/bin/sh
# Renders the two pictures of the web index page from their SVG sources:
#   wav_file.gif  32 x 32, shown in the table rows, so it is flattened onto their colour
#   Tembrel.gif  336 x 60, the banner at the top of the white page
# The build has no GIF writer, so the GIF files are committed; run this after changing a
# source. Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert (imagemagick).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

render() { # source.svg background output.gif
    rsvg-convert --format=png --output="$work/picture.png" "$here/$1"
    convert "$work/picture.png" -background "$2" -flatten -dither FloydSteinberg \
        -colors 256 "$here/$3"
}

render wav_file.svg '#00cccc' wav_file.gif
render Tembrel.svg '#ffffff' Tembrel.gif
identify "$here/wav_file.gif" "$here/Tembrel.gif"

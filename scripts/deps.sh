#!/usr/bin/env bash
# Installs what building and testing Quelm needs on Debian (run as root or through sudo).
set -euo pipefail
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends \
  cmake ninja-build g++ ccache pkg-config \
  qt6-base-dev libgl-dev libgtest-dev \
  fonts-dejavu-core xvfb xauth >/dev/null
# The windows in German and French: lupdate/lrelease make the .qm files (optional: without them the
# windows show their English texts), Qt's own translations give its standard buttons.
$SUDO apt-get install -y -qq --no-install-recommends \
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n >/dev/null
# A real RTF reader for the saved-script round trip test (skipped when absent).
$SUDO apt-get install -y -qq --no-install-recommends libreoffice-writer-nogui >/dev/null
# Debian package (dpkg-shlibdeps) and tests/install/check_deb.sh (desktop entry, manual pages).
$SUDO apt-get install -y -qq --no-install-recommends dpkg-dev desktop-file-utils groff-base >/dev/null
# ffmpeg reads the SRT, WebVTT and ASS files the shipped formats write (skipped when absent).
$SUDO apt-get install -y -qq --no-install-recommends ffmpeg >/dev/null
# python3 runs bench/cer.py for the recognition_cer test (left out when absent).
$SUDO apt-get install -y -qq --no-install-recommends python3 >/dev/null
# Look-alike letters are checked against hunspell dictionaries (optional: the build and the
# tests work without them, on the rule files' own word lists).
$SUDO apt-get install -y -qq --no-install-recommends \
  libhunspell-dev hunspell-en-us hunspell-de-de hunspell-fr >/dev/null
# unrtf reads back the script the main window saves (tests/app/ScriptWindowTest.cpp).
$SUDO apt-get install -y -qq --no-install-recommends unrtf >/dev/null
# Unknown characters get suggested texts from Tesseract (optional: without it learning asks with
# an empty answer, and the sanitizer build leaves it out so both kinds are tested).
$SUDO apt-get install -y -qq --no-install-recommends \
  libtesseract-dev tesseract-ocr-eng tesseract-ocr-deu tesseract-ocr-fra >/dev/null
# DVD images and drives are read through libdvdread (optional: without it an image gets a message;
# the sanitizer build leaves it out).
$SUDO apt-get install -y -qq --no-install-recommends libdvdread-dev >/dev/null
# Matroska files are read through libavformat (optional: without it a Matroska file gets a
# message; the sanitizer build leaves it out).
$SUDO apt-get install -y -qq --no-install-recommends libavformat-dev libavcodec-dev >/dev/null

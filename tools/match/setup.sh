#!/bin/sh
# Installs what the match runner needs: Debian's Stockfish (as an opponent) and the pinned npm packages.
set -eu
cd "$(dirname "$0")"
if ! [ -x /usr/games/stockfish ] && ! command -v stockfish >/dev/null 2>&1; then
  export DEBIAN_FRONTEND=noninteractive
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends stockfish
fi
npm ci --no-audit --no-fund --loglevel=error

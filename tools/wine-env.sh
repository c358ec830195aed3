# Sourced with one argument, a build tree: sets up the Wine environment that every run of a
# Windows program from that tree uses. The prefix and its home live inside the tree, so tests
# never touch the user's own Wine set-up or home folder (Wine links Desktop to $HOME).
velmora_tree=$(cd "$1" && pwd)
export WINEPREFIX="$velmora_tree/wineprefix"
export HOME="$velmora_tree/winehome"
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
export WINEARCH=win64
unset WINELOADER WINESERVER
mkdir -p "$HOME"

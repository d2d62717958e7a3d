#!/usr/bin/env bash
# The program as a process, with a user of its own: a second start hands
# its word over and ends at once while the first keeps running; SIGTERM
# closes the first as the user would, keeping the window's place and taking
# its lock and socket away; a stray lock file does not keep the next start out.
# programa.sh MINILEXARIA
set -euo pipefail
programa=$1
tmp=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; rm -rf "$tmp"' EXIT
export HOME=$tmp/casa XDG_CONFIG_HOME=$tmp/casa/.config XDG_DATA_HOME=$tmp/casa/.local/share
export XDG_RUNTIME_DIR=$tmp/run QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_CONFIG_HOME/Corvanta" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
conf=$XDG_CONFIG_HOME/Corvanta/MiniLexaria.conf
trava=$XDG_RUNTIME_DIR/minilexaria.lock
canal=$XDG_RUNTIME_DIR/minilexaria.socket

falha() {
  echo "FALHOU: $*" >&2
  [ -s "$tmp/saida" ] && grep -v 'does not support raise' "$tmp/saida" | tail -20 >&2
  exit 1
}
# Waits for a condition, at most a minute (the web view is slow to start).
espera() { for _ in $(seq 600); do eval "$1" && return 0; sleep 0.1; done; falha "$2"; }
valor() { sed -n "s/^$1=//p" "$conf"; }

# A place of its own, in twips, well inside the offscreen screen; with no
# "JanelaMax" the window starts maximized, and only a save writes it.
printf '[General]\nJanelaX=750\nJanelaY=600\nJanelaW=10200\nJanelaH=7500\n' > "$conf"
# Left behind by some earlier crash: garbage in the lock file.
printf 'lixo' > "$trava"

# What the first copy prints is shown if the test fails.
"$programa" pedra 2>"$tmp/saida" &
pid=$!
espera '[ -S "$canal" ]' "a primeira cópia não abriu o canal"
kill -0 "$pid" || falha "a primeira cópia terminou"

# The second start ends at once, with success, and the first goes on.
timeout 20 "$programa" casa 2>/dev/null || falha "a segunda cópia não terminou bem"
timeout 20 "$programa" 2>/dev/null || falha "a segunda cópia sem palavra não terminou bem"
kill -0 "$pid" || falha "a primeira cópia terminou com a segunda"

kill -TERM "$pid"
estado=0
wait "$pid" || estado=$?
pid=
[ "$estado" = 0 ] || falha "SIGTERM: saída $estado"
[ ! -e "$trava" ] || falha "a trava ficou"
[ ! -e "$canal" ] || falha "o canal ficou"
# Saved maximized, with the place to restore to.
for v in JanelaMax=1 JanelaX=750 JanelaY=600 JanelaW=10200 JanelaH=7500; do
  [ "$(valor "${v%%=*}")" = "${v#*=}" ] || falha "SIGTERM perdeu ${v%%=*}: $(valor "${v%%=*}")"
done
echo "programa ok"

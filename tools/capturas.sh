#!/bin/sh
# Screenshots of the real window as a new user sees it, under a virtual X
# server: start, a typed word in the three view modes with the word marked,
# a verb with its table, Back, scrolling, a letter picked, the minimum size,
# maximized and restored, a restart with the geometry kept, the advanced
# search and its result pages, the previous searches, a second copy,
# damaged data, at the start and while reading.
#   tools/capturas.sh [PASTA_DO_PROGRAMA] [PASTA_DAS_CAPTURAS]
# Needs Xvfb, xdotool and ImageMagick's import.
set -eu

app=${1:-build/app}
saida=${2:-/tmp/capturas-minilexaria}
app=$(cd "$app" && pwd)
mkdir -p "$saida"
rm -f "$saida"/*.png

casa=$(mktemp -d)
mkdir -p "$casa/config" "$casa/run"
chmod 700 "$casa/run"
export HOME="$casa" XDG_CONFIG_HOME="$casa/config" XDG_RUNTIME_DIR="$casa/run"
[ "$(id -u)" = 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
unset QT_QPA_PLATFORM

tela=99
while [ -e /tmp/.X11-unix/X$tela ] || [ -e /tmp/.X$tela-lock ]; do tela=$((tela + 1)); done
Xvfb :$tela -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=:$tela
programa=
fim() {
  [ -n "$programa" ] && kill "$programa" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$casa"
}
trap fim EXIT
sleep 1

captura() { import -window root "$saida/$1.png"; echo "captura: $saida/$1.png"; }

# The main window: the visible window of the program with the largest area.
janela() {
  melhor=; area=0
  for w in $(xdotool search --onlyvisible --pid "$programa" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    if [ $((WIDTH * HEIGHT)) -gt "$area" ]; then area=$((WIDTH * HEIGHT)); melhor=$w; fi
  done
  echo "$melhor"
}
geometria() { eval "$(xdotool getwindowgeometry --shell "$(janela)")"; JX=$X; JY=$Y; JW=$WIDTH; JH=$HEIGHT; }
clica() { xdotool mousemove $((JX + $1)) $((JY + $2)) click 1; sleep "${3:-0.4}"; }
arrasta() {
  xdotool mousemove $((JX + $1)) $((JY + $2)) mousedown 1
  sleep 0.2
  xdotool mousemove $((JX + $1 + 5)) $((JY + $2 + 5))
  sleep 0.1
  xdotool mousemove $((JX + $3)) $((JY + $4))
  sleep 0.2
  xdotool mouseup 1
  sleep 0.6
}

inicia() {
  "$app/minilexaria" >/dev/null 2>&1 &
  programa=$!
  sleep "$1"
}

# Start: the splash over the ready window, then the window alone.
inicia 1.3
captura 01-inicio-splash
sleep 3.5
captura 02-inicio
geometria
echo "janela: $JX,$JY ${JW}x$JH"

# A word typed anywhere in the window goes to the search box; after the
# pause its entry shows, the word marked, in each view mode.
visual() {
  if [ "$JW" -gt 700 ]; then set -- 432 469 505 "$1"; else set -- 420 452 484 "$1"; fi
  eval "x=\${$4}"
  clica $((x + 12)) $((34 + 12)) 1.5
}
clica 600 300 0.3
xdotool type --delay 90 casa; sleep 1.5
captura 02a-casa-modo1
visual 2; captura 02b-casa-modo2
visual 3; captura 02c-casa-modo3
visual 1
# A verb shows its conjugation beside the entry; Back returns to "casa".
xdotool type --delay 90 cantar; sleep 1.5
captura 02d-verbo-cantar
clica $((8 + 13)) $((33 + 13)) 1.5
captura 02e-voltar
# Today's spelling finds the 1913 entry, which shows it under the title.
xdotool type --delay 90 acao; sleep 1.5
captura 02f-grafia-atual

# Scrolling: three clicks on the track below the thumb, then a headword.
for _ in 1 2 3; do clica 248 400 0.2; done
clica 100 200 1.5
captura 03-rolagem

# The pointer over the close button, then the "Arquivo" menu open.
xdotool mousemove $((JX + JW - 22 + 8)) $((JY + 14)); sleep 0.4
captura 03b-destaque-fechar
clica 30 15 0.6
captura 03c-menu-arquivo
xdotool key Escape; sleep 0.4

# Another letter: "M" on the chooser (row 0, column 12).
clica $((9 + 12 * 19 + 9)) $((120 + 9)) 1.5
captura 04-letra-m

# Restore, then drag the grip well past the minimum: it stops at 640 x 490.
geometria
clica $((JW - 42 + 8)) 14 0.8
geometria
arrasta $((JW - 10)) $((JH - 10)) 200 150
geometria
echo "mínimo: ${JW}x$JH"
captura 05-minimo

# Maximize and restore with the window's own button.
clica $((JW - 42 + 8)) 14 0.8
captura 06-maximizada
geometria
clica $((JW - 42 + 8)) 14 0.8
geometria
# Move it by the header to a place of its own, a little larger.
arrasta 300 20 380 80
geometria
arrasta $((JW - 10)) $((JH - 10)) $((JW + 150)) $((JH + 90))
geometria
echo "antes de sair: $JX,$JY ${JW}x$JH"
captura 07-restaurada

# Close with the window's button, start again: same place and size.
clica $((JW - 22 + 8)) 14 1
wait "$programa" || true
programa=
inicia 5
geometria
echo "depois de reiniciar: $JX,$JY ${JW}x$JH"
captura 08-reinicio

# The advanced search: the panel open, then words beginning with "des".
clica 60 108 0.8
captura 10-painel-aberto
clica 16 128 0.3
clica 100 85 0.2; xdotool key ctrl+a BackSpace; xdotool type --delay 60 des; xdotool key Return; sleep 2
captura 11-pagina-resultados
# Every adjective: the class filter with "Adjetivo" ticked and nothing typed.
clica 16 128 0.3
clica 100 170 0.6; xdotool key Down Return; sleep 0.8
clica 16 190 0.3
clica 100 85 0.2; xdotool key ctrl+a BackSpace Return; sleep 2.5
captura 12-listagem-filtrada
# A word in the entries' text.
clica 100 170 0.6; xdotool key Up Return; sleep 0.5
clica 16 147 0.3
clica 100 85 0.2; xdotool type --delay 60 "água"; xdotool key Return; sleep 2.5
captura 13-busca-no-texto
# The previous searches, kept from the first run, under the search box.
clica 200 108 0.8
captura 14-buscas-anteriores

# A second copy ends silently while the first runs.
inicio=$(date +%s%N)
"$app/minilexaria" >/dev/null 2>&1 && echo "segunda cópia: terminou com 0 em $(( ($(date +%s%N) - inicio) / 1000000 )) ms"
kill "$programa" 2>/dev/null || true
wait "$programa" 2>/dev/null || true
programa=

# Damaged data: a copy of the program folder whose database is not one.
copia=$(mktemp -d)
cp "$app/minilexaria" "$app/h.htm" "$copia/"
echo "isto não é um banco de dados" > "$copia/minilexaria.db"
"$copia/minilexaria" >/dev/null 2>&1 &
programa=$!
sleep 2
captura 09-dados-danificados
xdotool key Return
sleep 0.5
kill -0 "$programa" 2>/dev/null && echo "o programa continua aberto depois da mensagem" || echo "o programa terminou depois da mensagem"
wait "$programa" 2>/dev/null || true
programa=
rm -rf "$copia"

# Damage the program only meets while reading: a whole program folder whose
# database has pages overwritten under the entries and indexes.
copia=$(mktemp -d)
cp -r "$app/." "$copia/"
python3 - "$copia/minilexaria.db" <<'FIM'
import os, sys
caminho = sys.argv[1]
paginas = os.path.getsize(caminho) // 4096
with open(caminho, "r+b") as f:
    for p in range(100, paginas - 2, 7):
        f.seek(p * 4096)
        f.write(b"\xff" * 40)
FIM
"$copia/minilexaria" >/dev/null 2>&1 &
programa=$!
sleep 5
geometria
clica 600 300 0.3
xdotool type --delay 90 casa; sleep 1.5
xdotool key Return; sleep 1.5
captura 09b-dados-danificados-ao-ler
kill "$programa" 2>/dev/null || true
wait "$programa" 2>/dev/null || true
programa=
rm -rf "$copia"

# The same, met while the first letter's list loads: the table of headwords
# cut short, so every list of a letter fails to read.
copia=$(mktemp -d)
cp -r "$app/." "$copia/"
python3 - "$copia/minilexaria.db" <<'FIM'
import sqlite3, sys
banco = sqlite3.connect(sys.argv[1])
banco.execute("UPDATE tabela SET dados = substr(dados, 1, 100) WHERE nome = 'palavras'")
banco.commit()
FIM
"$copia/minilexaria" >/dev/null 2>&1 &
programa=$!
sleep 5
captura 09c-dados-danificados-na-lista
kill "$programa" 2>/dev/null || true
wait "$programa" 2>/dev/null || true
programa=
rm -rf "$copia"

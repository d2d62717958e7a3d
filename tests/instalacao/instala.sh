#!/usr/bin/env bash
# Installs the build into a fresh prefix and uses it from there, as a user
# of the package would: both programs run with their files under the prefix
# and write nothing there; the menu entry and the metainfo pass their
# validators when these are installed.
# instala.sh BUILD SOURCE VIEWER(ON/OFF)
set -euo pipefail
build=$1 fonte=$2 visor=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefixo=$tmp/prefixo
cmake --install "$build" --prefix "$prefixo" >/dev/null

falha() { echo "FALHOU: $*" >&2; exit 1; }
existe() { [ -f "$prefixo/$1" ] || falha "falta $1"; }

existe bin/lexaria
existe share/minilexaria/minilexaria.db
existe share/man/man1/lexaria.1.gz
existe share/doc/minilexaria/copyright

# Every file of the program folder is installed (executables go to bin/).
( cd "$build/app" && find . -type f ! -name minilexaria ! -name lexaria ! -name '*.tmp' ) | sort > "$tmp/pasta"
( cd "$prefixo/share/minilexaria" && find . -type f ) | sort > "$tmp/instalados"
diff "$tmp/pasta" "$tmp/instalados" || falha "a pasta do programa e share/minilexaria diferem"

# A user of their own: settings and data in their folders only.
export HOME=$tmp/casa XDG_CONFIG_HOME=$tmp/casa/.config XDG_DATA_HOME=$tmp/casa/.local/share
export XDG_RUNTIME_DIR=$tmp/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
( cd "$prefixo" && find . | sort ) > "$tmp/antes"

# From anywhere, and from a prefix moved after the install.
saida=$(cd / && "$prefixo/bin/lexaria" verbete efeito | head -1)
[[ $saida == *efeito* ]] || falha "lexaria verbete efeito: $saida"
mv "$prefixo" "$tmp/movido"
saida=$("$tmp/movido/bin/lexaria" palavra casas)
[[ $saida == *casa* ]] || falha "lexaria do prefixo movido: $saida"
mv "$tmp/movido" "$prefixo"

if [ "$visor" = ON ]; then
  existe bin/minilexaria
  existe share/applications/com.corvanta.minilexaria.desktop
  existe share/metainfo/com.corvanta.minilexaria.metainfo.xml
  existe share/icons/hicolor/scalable/apps/minilexaria.svg
  for lado in 16 22 24 32 48 64 128 256 512; do
    existe share/icons/hicolor/${lado}x${lado}/apps/minilexaria.png
  done
  existe share/man/man1/minilexaria.1.gz
  # The window starts from the prefix and shows its start page; the
  # measurement mode ends it once the page is in.
  saida=$(cd / && QT_QPA_PLATFORM=offscreen MINILEXARIA_MEDICAO=1 timeout 90 "$prefixo/bin/minilexaria" 2>/dev/null)
  [[ $saida == *pagina_ms* ]] || falha "minilexaria não mostrou a página inicial: $saida"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefixo/share/applications/com.corvanta.minilexaria.desktop"
  fi
  if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --explain "$prefixo/share/metainfo/com.corvanta.minilexaria.metainfo.xml"
  fi
fi

( cd "$prefixo" && find . | sort ) > "$tmp/depois"
diff "$tmp/antes" "$tmp/depois" || falha "o programa gravou no prefixo"
echo "instalação ok"

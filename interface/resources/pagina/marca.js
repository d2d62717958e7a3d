// Marks the searched words in the shown entry, inside #AreaVerbete.
// The program evaluates this file in its own script world and then calls
// MarcaBusca; the page itself runs no scripts. Defines:
//   MarcaBusca(palavras, iniciada, terminada, corFundo, corTexto) -> marks made
//   DesmarcaBusca() -> marks removed
//   RecoloreBusca(corFundo, corTexto) -> marks recoloured
//   ChaveBusca(texto) -> the comparison key of a word
(function () {
  'use strict';

  var CLASSE = 'marcabusca';

  // The comparison key: accents folded by the program's traditional map,
  // separators dropped, lower case. It must give what the engine's
  // NormalizaPalavra gives, as the engine files headwords by it.
  var MAPA_ACENTOS = 'aaaaaa-ceeeeiiii--ooooo--uuuu---aaaaaa-ceeeeiiii--ooooo--uuuu---';
  var SEPARADORES = '- \'()\\/\u00B0.?!:*~\u00A0\u0178';

  function Minuscula(c) {
    if (c >= 0x41 && c <= 0x5A) return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c !== 0xD7) return c + 32;
    if (c >= 0x100 && c <= 0x137 && c !== 0x130) return c | 1;
    if (c >= 0x139 && c <= 0x148) return (c & 1) ? c + 1 : c;
    if (c >= 0x14A && c <= 0x177) return c | 1;
    if (c === 0x178) return 0xFF;
    if (c >= 0x179 && c <= 0x17E) return (c & 1) ? c + 1 : c;
    return c;
  }

  function ChaveBusca(texto) {
    var s = '';
    for (var ch of String(texto)) {
      var c = ch.codePointAt(0);
      if (c >= 0xC0 && c <= 0xFF) {
        s += MAPA_ACENTOS.charAt(c - 0xC0);
      } else if (SEPARADORES.indexOf(ch) < 0) {
        s += String.fromCodePoint(Minuscula(c));
      }
    }
    return s;   // spaces are separators, so there is nothing left to trim
  }

  // Finding ignores case and accents: each UTF-16 unit folds to one unit
  // (its base letter in lower case), so offsets in the folded text are
  // offsets in the page's text.
  var dobras = new Uint16Array(65536);
  var classes = new Uint8Array(65536);   // 0 unknown, 1 part of a word, 2 not
  var LETRA = /[\p{L}\p{M}\p{N}]/u;

  function DobraUnidade(u) {
    var r = dobras[u];
    if (r === 0 && u !== 0) {
      if (u >= 0xD800 && u <= 0xDFFF) {
        r = u;
      } else {
        var b = String.fromCharCode(u).normalize('NFD').toLowerCase();
        r = b.charCodeAt(0);
      }
      dobras[u] = r;
    }
    return r;
  }

  function DobraTexto(t) {
    var n = t.length;
    var codigos = new Uint16Array(n);
    for (var i = 0; i < n; ++i) codigos[i] = DobraUnidade(t.charCodeAt(i));
    var partes = [];
    for (var j = 0; j < n; j += 8192) partes.push(String.fromCharCode.apply(null, codigos.subarray(j, j + 8192)));
    return partes.join('');
  }

  function EhLetra(t, i) {
    var u = t.charCodeAt(i);
    var c = classes[u];
    if (c === 0) {
      c = (u >= 0xD800 && u <= 0xDFFF) || LETRA.test(String.fromCharCode(u)) ? 1 : 2;
      classes[u] = c;
    }
    return c === 1;
  }

  // Words never run across these boundaries: a word ends where a field, a
  // superscript, a line or a cell ends. Plain emphasis and links inside a
  // sentence do not end a word.
  var EM_LINHA = {A: 1, I: 1, B: 1, EM: 1, STRONG: 1, U: 1, S: 1, FONT: 1, SMALL: 1, ABBR: 1};
  var IGNORADOS = {SCRIPT: 1, STYLE: 1, TEMPLATE: 1, NOSCRIPT: 1};

  function Quebra(el) {
    var tag = el.nodeName;
    if (EM_LINHA[tag]) return false;
    if (tag === 'SPAN') return el.id !== '';
    return true;
  }

  // The area's text in one string, a NUL where a boundary falls (never a
  // letter, so no word runs across it), with every text node and the
  // offset where it starts. Folded once, as one string, which is what
  // keeps a long entry fast.
  var FRONTEIRA = '\u0000';

  function Texto(raiz) {
    var nos = [];
    var inicios = [];
    var partes = [];
    var tamanho = 0;
    var quebrou = false;
    function Visita(no) {
      for (var f = no.firstChild; f; f = f.nextSibling) {
        var tipo = f.nodeType;
        if (tipo === 3) {
          if (quebrou && tamanho > 0) {
            partes.push(FRONTEIRA);
            ++tamanho;
          }
          quebrou = false;
          var d = f.data;
          nos.push(f);
          inicios.push(tamanho);
          partes.push(d);
          tamanho += d.length;
        } else if (tipo === 1 && !IGNORADOS[f.nodeName]) {
          var q = Quebra(f);
          if (q) quebrou = true;
          Visita(f);
          if (q) quebrou = true;
        }
      }
    }
    Visita(raiz);
    var texto = partes.join('');
    return {nos: nos, inicios: inicios, texto: texto, dobrado: DobraTexto(texto), marcas: []};
  }

  function InicioPalavra(t, i) {
    while (i > 0 && EhLetra(t, i - 1)) --i;
    return i;
  }

  function FimPalavra(t, i) {
    while (i < t.length && EhLetra(t, i)) ++i;
    return i;
  }

  function Ocorrencias(seg, agulha, visita) {
    var p = seg.dobrado.indexOf(agulha);
    while (p >= 0) {
      visita(p, p + agulha.length);
      p = seg.dobrado.indexOf(agulha, p + 1);
    }
  }

  // Whole words that fold to one of the searched words; only the matched
  // text is painted.
  function MarcaPalavras(seg, palavras) {
    var vistas = {};
    var termos = [];
    for (var i = 0; i < palavras.length; ++i) {
      var pedacos = String(palavras[i]).split(' ');
      for (var j = 0; j < pedacos.length; ++j) {
        var w = pedacos[j];
        var chave = ChaveBusca(w).toUpperCase();
        if (w === '' || chave === '' || vistas[w]) continue;
        vistas[w] = true;
        termos.push({agulha: DobraTexto(w), chave: chave});
      }
    }
    termos.forEach(function (termo) {
      Ocorrencias(seg, termo.agulha, function (ini, fim) {
        var palavra = seg.texto.slice(InicioPalavra(seg.texto, ini), FimPalavra(seg.texto, fim));
        if (ChaveBusca(palavra).toUpperCase() === termo.chave) seg.marcas.push([ini, fim]);
      });
    });
  }

  // Beginnings, endings or both: compared case-blind but with accents.
  function MarcaPartes(seg, iniciada, terminada) {
    var inicioMaiusc = iniciada.toUpperCase();
    var fimMaiusc = terminada.toUpperCase();
    var busca = iniciada !== '' ? iniciada : terminada;
    var agulha = DobraTexto(busca);
    var t = seg.texto;
    Ocorrencias(seg, agulha, function (ini, fim) {
      var iniPalavra = InicioPalavra(t, ini);
      var fimPalavra = FimPalavra(t, fim);
      var achado = t.slice(ini, fim).toUpperCase();
      if (iniciada !== '' && terminada === '') {
        if (iniPalavra === ini && achado === inicioMaiusc) seg.marcas.push([ini, fim]);
      } else if (iniciada === '') {
        if (fimPalavra === fim && achado === fimMaiusc) seg.marcas.push([ini, fim]);
      } else {
        var palavra = t.slice(iniPalavra, fimPalavra).toUpperCase();
        if (palavra.startsWith(inicioMaiusc) && palavra.endsWith(fimMaiusc))
          seg.marcas.push([iniPalavra, fimPalavra]);
      }
    });
  }

  function Cor(c, padrao) {
    return typeof c === 'string' && /^#[0-9A-Fa-f]{6}$/.test(c) ? c : padrao;
  }

  function Pinta(span, fundo, texto) {
    span.style.backgroundColor = fundo;
    span.style.color = texto;
  }

  // The last node that starts before offset b.
  function UltimoAntes(inicios, b) {
    var lo = 0;
    var hi = inicios.length - 1;
    while (lo <= hi) {
      var m = (lo + hi) >> 1;
      if (inicios[m] < b) lo = m + 1;
      else hi = m - 1;
    }
    return hi;
  }

  // Wraps each mark's text in a span; a mark over several nodes gets one
  // span per node. Marks go from the end so earlier offsets stay valid.
  function Aplica(seg, fundo, texto) {
    var marcas = seg.marcas.sort(function (a, b) { return a[0] - b[0] || b[1] - a[1]; });
    var aceitas = [];
    var ate = -1;
    for (var i = 0; i < marcas.length; ++i) {
      if (marcas[i][0] >= ate) {
        aceitas.push(marcas[i]);
        ate = marcas[i][1];
      }
    }
    for (var k = aceitas.length - 1; k >= 0; --k) {
      var a = aceitas[k][0];
      var b = aceitas[k][1];
      for (var n = UltimoAntes(seg.inicios, b); n >= 0; --n) {
        var ini = seg.inicios[n];
        var fim = ini + seg.nos[n].data.length;
        if (fim <= a) break;   // the nodes before it end earlier still
        var de = Math.max(a, ini) - ini;
        var para = Math.min(b, fim) - ini;
        var no = seg.nos[n];
        var meio = de > 0 ? no.splitText(de) : no;
        if (para - de < meio.data.length) meio.splitText(para - de);
        var span = document.createElement('span');
        span.className = CLASSE;
        Pinta(span, fundo, texto);
        meio.parentNode.insertBefore(span, meio);
        span.appendChild(meio);
      }
    }
    return aceitas.length;
  }

  function Area() {
    return document.getElementById('AreaVerbete') || document.body;
  }

  function Marcas() {
    var area = Area();
    return area ? area.querySelectorAll('span.' + CLASSE) : [];
  }

  function DesmarcaBusca() {
    var marcas = Marcas();
    var pais = new Set();
    for (var i = 0; i < marcas.length; ++i) {
      var m = marcas[i];
      var pai = m.parentNode;
      while (m.firstChild) pai.insertBefore(m.firstChild, m);
      pai.removeChild(m);
      pais.add(pai);
    }
    pais.forEach(function (p) { p.normalize(); });
    return marcas.length;
  }

  function MarcaBusca(palavras, iniciada, terminada, corFundo, corTexto) {
    DesmarcaBusca();
    var area = Area();
    if (!area) return 0;
    iniciada = iniciada ? String(iniciada) : '';
    terminada = terminada ? String(terminada) : '';
    if (!Array.isArray(palavras)) palavras = palavras ? [String(palavras)] : [];
    if (iniciada === '' && terminada === '' && palavras.length === 0) return 0;
    var fundo = Cor(corFundo, '#FFFF00');
    var texto = Cor(corTexto, '#000000');
    var seg = Texto(area);
    if (iniciada === '' && terminada === '') MarcaPalavras(seg, palavras);
    else MarcaPartes(seg, iniciada, terminada);
    return seg.marcas.length ? Aplica(seg, fundo, texto) : 0;
  }

  function RecoloreBusca(corFundo, corTexto) {
    var fundo = Cor(corFundo, '#FFFF00');
    var texto = Cor(corTexto, '#000000');
    var marcas = Marcas();
    for (var i = 0; i < marcas.length; ++i) Pinta(marcas[i], fundo, texto);
    return marcas.length;
  }

  window.MarcaBusca = MarcaBusca;
  window.DesmarcaBusca = DesmarcaBusca;
  window.RecoloreBusca = RecoloreBusca;
  window.ChaveBusca = ChaveBusca;
})();

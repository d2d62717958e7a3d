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

  // The area's text is read in one call (textContent) and searched as one
  // folded string. The nodes are reached only where a match is: touching
  // every node of a long entry from the script costs far more than the
  // search itself. Each element's children and the offsets where they
  // start are worked out once, on the way down to a match.
  function Segmento(area) {
    var texto = area.textContent;
    return {
      area: area,
      texto: texto,
      dobrado: DobraTexto(texto),
      filhos: new Map(),
      textos: document.createTreeWalker(area, NodeFilter.SHOW_TEXT),
      todos: document.createTreeWalker(area, NodeFilter.SHOW_TEXT | NodeFilter.SHOW_ELEMENT),
      marcas: []
    };
  }

  function Filhos(seg, el) {
    var c = seg.filhos.get(el);
    if (c) return c;
    c = {nos: [], inicios: []};
    var soma = 0;
    for (var f = el.firstChild; f; f = f.nextSibling) {
      var tipo = f.nodeType;
      if (tipo !== 1 && tipo !== 3) continue;
      c.nos.push(f);
      c.inicios.push(soma);
      soma += tipo === 3 ? f.length : f.textContent.length;
    }
    seg.filhos.set(el, c);
    return c;
  }

  // The last index whose start is at or before k.
  function UltimoAte(inicios, k) {
    var lo = 0;
    var hi = inicios.length - 1;
    while (lo <= hi) {
      var m = (lo + hi) >> 1;
      if (inicios[m] <= k) lo = m + 1;
      else hi = m - 1;
    }
    return hi;
  }

  // The text node holding character k of the area's text, and k's place in it.
  function Localiza(seg, k) {
    var el = seg.area;
    for (;;) {
      var c = Filhos(seg, el);
      var i = UltimoAte(c.inicios, k);
      if (i < 0) return null;
      var no = c.nos[i];
      k -= c.inicios[i];
      if (no.nodeType === 3) return {no: no, pos: k};
      el = no;
    }
  }

  function Vizinho(seg, no, adiante) {
    var w = seg.textos;
    w.currentNode = no;
    var x;
    do x = adiante ? w.nextNode() : w.previousNode(); while (x && x.length === 0);
    return x;
  }

  // Whether a boundary falls between two text nodes, a before b: an element
  // that ends a word is left or entered on the way from one to the other.
  function Separados(seg, a, b) {
    for (var p = a.parentNode; p && p !== seg.area && !p.contains(b); p = p.parentNode)
      if (Quebra(p)) return true;
    var w = seg.todos;
    w.currentNode = a;
    for (var x = w.nextNode(); x && x !== b; x = w.nextNode())
      if (x.nodeType === 1 && Quebra(x)) return true;
    return false;
  }

  function Ignorado(seg, no) {
    for (var p = no.parentNode; p && p !== seg.area; p = p.parentNode)
      if (IGNORADOS[p.nodeName]) return true;
    return false;
  }

  // Where the word around offset i begins: letters to the left, not past a
  // boundary.
  function InicioPalavra(seg, i) {
    var t = seg.texto;
    if (i === 0 || !EhLetra(t, i - 1)) return i;
    var l = Localiza(seg, i);
    var no = l.no;
    var pos = l.pos;
    while (i > 0 && EhLetra(t, i - 1)) {
      if (pos === 0) {
        var antes = Vizinho(seg, no, false);
        if (!antes || Separados(seg, antes, no)) break;
        no = antes;
        pos = antes.length;
      }
      --i;
      --pos;
    }
    return i;
  }

  // Where the word around offset i (just past a character) ends.
  function FimPalavra(seg, i) {
    var t = seg.texto;
    if (i >= t.length || !EhLetra(t, i)) return i;
    var l = Localiza(seg, i - 1);
    var no = l.no;
    var pos = l.pos + 1;
    while (i < t.length && EhLetra(t, i)) {
      if (pos === no.length) {
        var depois = Vizinho(seg, no, true);
        if (!depois || Separados(seg, no, depois)) break;
        no = depois;
        pos = 0;
      }
      ++i;
      ++pos;
    }
    return i;
  }

  // A match lies in one field: no boundary between its first and last
  // characters, and nothing of it inside a script or a style.
  function NumCampo(seg, ini, fim) {
    var a = Localiza(seg, ini);
    var b = Localiza(seg, fim - 1);
    if (!a || !b || Ignorado(seg, a.no)) return false;
    for (var no = a.no; no !== b.no; ) {
      var x = Vizinho(seg, no, true);
      if (!x || Separados(seg, no, x)) return false;
      no = x;
    }
    return true;
  }

  function Ocorrencias(seg, agulha, visita) {
    if (agulha === '') return;
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
    var t = seg.texto;
    termos.forEach(function (termo) {
      Ocorrencias(seg, termo.agulha, function (ini, fim) {
        var palavra = t.slice(InicioPalavra(seg, ini), FimPalavra(seg, fim));
        if (ChaveBusca(palavra).toUpperCase() === termo.chave && NumCampo(seg, ini, fim))
          seg.marcas.push([ini, fim]);
      });
    });
  }

  // Beginnings, endings or both: compared case-blind but with accents.
  function MarcaPartes(seg, iniciada, terminada) {
    var inicioMaiusc = iniciada.toUpperCase();
    var fimMaiusc = terminada.toUpperCase();
    var busca = iniciada !== '' ? iniciada : terminada;
    var t = seg.texto;
    Ocorrencias(seg, DobraTexto(busca), function (ini, fim) {
      var achado = t.slice(ini, fim).toUpperCase();
      var marca = null;
      if (iniciada !== '' && terminada === '') {
        if (achado === inicioMaiusc && InicioPalavra(seg, ini) === ini) marca = [ini, fim];
      } else if (iniciada === '') {
        if (achado === fimMaiusc && FimPalavra(seg, fim) === fim) marca = [ini, fim];
      } else {
        var iniPalavra = InicioPalavra(seg, ini);
        var fimPalavra = FimPalavra(seg, fim);
        var palavra = t.slice(iniPalavra, fimPalavra).toUpperCase();
        if (palavra.startsWith(inicioMaiusc) && palavra.endsWith(fimMaiusc)) marca = [iniPalavra, fimPalavra];
      }
      if (marca && NumCampo(seg, marca[0], marca[1])) seg.marcas.push(marca);
    });
  }

  function Cor(c, padrao) {
    return typeof c === 'string' && /^#[0-9A-Fa-f]{6}$/.test(c) ? c : padrao;
  }

  function Pinta(span, fundo, texto) {
    span.style.backgroundColor = fundo;
    span.style.color = texto;
  }

  function Envolve(no, de, para, fundo, texto) {
    var meio = de > 0 ? no.splitText(de) : no;
    if (para - de < meio.length) meio.splitText(para - de);
    var span = document.createElement('span');
    span.className = CLASSE;
    Pinta(span, fundo, texto);
    meio.parentNode.insertBefore(span, meio);
    span.appendChild(meio);
  }

  // Wraps each mark's text in a span; a mark over several nodes gets one
  // span per node. The nodes are all found first; then marks go from the
  // end, so a split never moves the text an earlier mark points at.
  function Aplica(seg, fundo, texto) {
    var marcas = seg.marcas.sort(function (a, b) { return a[0] - b[0] || b[1] - a[1]; });
    var trechos = [];
    var ate = -1;
    for (var i = 0; i < marcas.length; ++i) {
      if (marcas[i][0] < ate) continue;
      ate = marcas[i][1];
      var a = Localiza(seg, marcas[i][0]);
      var b = Localiza(seg, marcas[i][1] - 1);
      var partes = [];
      for (var no = a.no, de = a.pos; ; no = Vizinho(seg, no, true), de = 0) {
        if (no === b.no) {
          partes.push([no, de, b.pos + 1]);
          break;
        }
        partes.push([no, de, no.length]);
      }
      trechos.push(partes);
    }
    for (var k = trechos.length - 1; k >= 0; --k)
      for (var j = trechos[k].length - 1; j >= 0; --j)
        Envolve(trechos[k][j][0], trechos[k][j][1], trechos[k][j][2], fundo, texto);
    return trechos.length;
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
    var seg = Segmento(area);
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

// Clicks on the program's command links (goto://, goID://, history.back)
// are reported to the program with the link's text exactly as the page has
// it, accents and "%20" included, and the browser does not follow them.
// The program replaces the marker below by a value of its own per run, so
// nothing else in the page can pass for a click.
(function () {
  'use strict';
  var MARCA = '@MARCA@';
  var COMANDO = /^(goto:\/\/|goid:\/\/|javascript:history\.back\(\))/i;

  document.addEventListener('click', function (ev) {
    if (ev.button !== 0) return;
    var alvo = ev.target;
    var a = alvo && alvo.closest ? alvo.closest('a[href]') : null;
    if (!a) return;
    var href = a.getAttribute('href') || '';
    if (!COMANDO.test(href)) return;
    ev.preventDefault();
    ev.stopPropagation();
    console.log(MARCA + href);
  }, true);
})();

// Pure text routines shared by the lookup controller, the lists and the
// browser: comparison keys, headword cleaning, stop words and HTML.
//
// The program works in Unicode. The old single-byte codes these rules were
// written for map to their Unicode characters: the homonym mark 160 is
// U+00A0 (159 is U+0178), the typographic quotes 145-148 are U+2018, U+2019,
// U+201C and U+201D, and "a code above 127" is any character past U+007F.
#pragma once

#include "PalavrasComuns.h"

#include <QString>
#include <QStringList>
#include <functional>

// Message pages RetiraPalavrasComuns may ask for.
constexpr int kModeloSemPalavraLonga = 501; // the query has no word of two or more letters
constexpr int kModeloSoPalavrasComuns = 502; // every word is a stop word; "%1" is the query

// Shows a result-page template with its values. The caller decides what that
// means (and leaves the notes editor off any entry first).
using MostraModeloPagina = std::function<void(int modelo, const QStringList& valores)>;

// Comparison key: accents folded, separators dropped, lower case, trimmed.
// The one folding module of the engine does the work.
QString NormalizaPalavra(const QString& texto);

// The part before the first no-break space (the homonym mark), or the text
// unchanged when it has none.
QString CortaEspacoRigido(const QString& texto);

// Trims U+0020 only: a no-break space at either end is the homonym mark or
// part of the text, never padding.
QString AparaEspacos(const QString& texto);

// True when some space-separated piece has more than one character.
bool TemPalavraLonga(const QString& texto);

// The query without its stop words, joined by single spaces. When nothing
// worth searching is left the result is empty and a message page is shown
// through mostra (which may be empty).
QString RetiraPalavrasComuns(const QString& consulta, const MostraModeloPagina& mostra);

// Text for an HTML page: space, quotation mark, "&", "<" and ">" become
// entities; control characters and everything past U+007F become a numeric
// reference of the code point.
QString CodificaHTML(const QString& texto);

// Only control characters and characters past U+007F are touched: the
// typographic quotes turn into plain ones, tab stays, the rest become numeric
// references. Markup characters are left alone.
QString CodificaHTMLTexto(const QString& texto);

// The text outside "<...>" tags; a stray ">" is dropped too. Entities are not
// decoded.
QString RetiraTags(const QString& html);

// Headword for display: at most 39 characters, spaces trimmed, the homonym
// mark and what follows it cut, every "." and ":" removed.
QString limpaVerbete(const QString& verbete);

// Headword limited to 39 characters and trimmed of spaces.
QString limpaVerbete1(const QString& verbete);

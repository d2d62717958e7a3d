#include "TrechosLinha.h"

#include <string>

#include "FonteVerbete.h"

namespace mini::compilador {
namespace {

constexpr std::string_view kTravessao = "\xE2\x80\x94";

// What may stand between two italics of one run of examples.
bool EhSeparador(std::string_view s) {
    std::string t;
    for (char c : s)
        if (c != ' ') t.push_back(c);
    for (std::string_view sep : {",", ";", "e", "ou", ",e", ",ou", ";e", ";ou"})
        if (t == sep) return true;
    return false;
}

// Where the colon that opens an example stands in a plain run: the run ends
// with it (blanks allowed after). npos when it does not.
size_t PosicaoDoisPontos(std::string_view s) {
    size_t p = s.find_last_not_of(' ');
    return p != std::string_view::npos && s[p] == ':' ? p : std::string_view::npos;
}

// What may follow a run of examples in italics: the end of the sentence, a
// bracket, a reference, "etc.".
bool FechaExemplo(std::string_view s) {
    for (std::string_view fim :
         {".", "!", "?", ";", ")", ":", ", etc.", ",etc.", " etc.", " Cf.", " (", " «"})
        if (s.substr(0, fim.size()) == fim) return true;
    return s.find_first_not_of(' ') == std::string_view::npos;
}

// Opens an example: at the colon of the last plain run when there is one.
void AbreExemplo(std::vector<Trecho>& saida) {
    if (!saida.empty() && saida.back().tipo == Trecho::kTexto) {
        const std::string_view t = saida.back().texto;
        const size_t p = PosicaoDoisPontos(t);
        if (p != std::string_view::npos) {
            saida.pop_back();
            if (p > 0) saida.push_back({Trecho::kTexto, t.substr(0, p)});
            saida.push_back({Trecho::kInicioExemplo, {}});
            saida.push_back({Trecho::kTexto, t.substr(p)});
            return;
        }
    }
    saida.push_back({Trecho::kInicioExemplo, {}});
}

}  // namespace

std::vector<Trecho> TrechosLinha::Divide(std::string_view linha) {
    std::vector<Trecho> trechos = Fatia(linha);
    MarcaExemplos(trechos);
    return trechos;
}

std::vector<Trecho> TrechosLinha::Fatia(std::string_view linha) {
    std::vector<Trecho> r;
    size_t i = 0, inicio = 0;
    auto despeja = [&](size_t ate) {
        if (ate > inicio) r.push_back({Trecho::kTexto, linha.substr(inicio, ate - inicio)});
    };
    while (i < linha.size()) {
        const char c = linha[i];
        if (c == kInicioTermo) {
            size_t fim = linha.find(kFimTermo, i + 1);
            if (fim == std::string_view::npos) fim = linha.size();
            despeja(i);
            r.push_back({Trecho::kTermo, linha.substr(i + 1, fim - i - 1)});
            i = inicio = std::min(fim + 1, linha.size());
            continue;
        }
        if (c == '_') {
            const size_t fim = linha.find('_', i + 1);
            if (fim != std::string_view::npos && fim > i + 1) {
                despeja(i);
                r.push_back({Trecho::kItalico, linha.substr(i + 1, fim - i - 1)});
                i = inicio = fim + 1;
                continue;
            }
        }
        if (c == kInicioCitacao || c == kFimCitacao) {
            despeja(i);
            r.push_back({c == kInicioCitacao ? Trecho::kInicioCitacao : Trecho::kFimCitacao, {}});
            i = inicio = i + 1;
            continue;
        }
        ++i;
    }
    despeja(linha.size());
    return r;
}

void TrechosLinha::MarcaExemplos(std::vector<Trecho>& trechos) {
    std::vector<Trecho> saida;
    saida.reserve(trechos.size() + 4);
    bool citacao = false;  // inside an example opened by a quotation
    int profundidade = 0;  // quotations still open
    for (size_t k = 0; k < trechos.size(); ++k) {
        const Trecho t = trechos[k];
        if (t.tipo == Trecho::kInicioCitacao) {
            if (!citacao) AbreExemplo(saida);
            citacao = true;
            ++profundidade;
            saida.push_back(t);
            continue;
        }
        if (t.tipo == Trecho::kFimCitacao) {
            if (profundidade > 0) --profundidade;
            saida.push_back(t);
            continue;
        }
        if (citacao) {
            // The quotation and its attribution end where a note begins.
            const size_t p = t.tipo == Trecho::kTexto && profundidade == 0 ? t.texto.find(kTravessao)
                                                                           : std::string_view::npos;
            if (p != std::string_view::npos) {
                size_t antes = p;
                while (antes > 0 && t.texto[antes - 1] == ' ') --antes;
                if (antes > 0) saida.push_back({Trecho::kTexto, t.texto.substr(0, antes)});
                saida.push_back({Trecho::kFimExemplo, {}});
                saida.push_back({Trecho::kTexto, t.texto.substr(antes)});
                citacao = false;
                continue;
            }
            saida.push_back(t);
            continue;
        }
        const bool aposDoisPontos = t.tipo == Trecho::kItalico && !saida.empty() &&
                                    saida.back().tipo == Trecho::kTexto &&
                                    PosicaoDoisPontos(saida.back().texto) != std::string_view::npos;
        if (!aposDoisPontos) {
            saida.push_back(t);
            continue;
        }
        size_t fim = k;
        while (fim + 2 < trechos.size() && trechos[fim + 1].tipo == Trecho::kTexto &&
               EhSeparador(trechos[fim + 1].texto) && trechos[fim + 2].tipo == Trecho::kItalico)
            fim += 2;
        if (fim + 1 < trechos.size() && trechos[fim + 1].tipo == Trecho::kTexto &&
            !FechaExemplo(trechos[fim + 1].texto)) {
            // "Há duas fórmas: _Guimaraens_, usada por Camillo, e …": the
            // sentence goes on, so the italics name words, not an example.
            saida.push_back(t);
            continue;
        }
        AbreExemplo(saida);
        for (; k <= fim; ++k) saida.push_back(trechos[k]);
        --k;
        saida.push_back({Trecho::kFimExemplo, {}});
    }
    if (citacao) saida.push_back({Trecho::kFimExemplo, {}});
    trechos = std::move(saida);
}

}  // namespace mini::compilador

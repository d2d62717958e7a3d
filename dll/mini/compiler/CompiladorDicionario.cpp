#include "CompiladorDicionario.h"

#include <algorithm>
#include <chrono>
#include <future>
#include <numeric>
#include <unordered_set>

#include "Abreviaturas.h"
#include "ClassesGramaticais.h"
#include "Esquema.h"
#include "GeradorHtml.h"
#include "GrafiaModerna.h"
#include "GravadorBanco.h"
#include "IndiceFlexoes.h"
#include "IndiceTexto.h"
#include "LeitorDicionario.h"
#include "TabelaGrafias.h"
#include "TabelaTextos.h"
#include "mini/Normaliza.h"

namespace mini::compilador {
namespace {

constexpr const char* kNomeDados = "Novo Diccionário da Língua Portuguesa, 1913";
constexpr const char* kEditor = "Cândido de Figueiredo; texto digital do Dicionário Aberto";
constexpr size_t kPaginasPorVez = 2048;

struct Ordenado {
    const FonteVerbete* fonte;
    std::string dobrada;
    std::string exibida;  // lower case, proper names keep their capital
    bool maiuscula;
};

// The line under the title that gives today's spelling.
std::string ComGrafiaAtual(std::string html, const std::vector<std::string>& formas) {
    if (formas.empty()) return html;
    std::string linha = "<span id=\"D_GRAFIA\">Grafia atual: ";
    for (size_t i = 0; i < formas.size(); ++i)
        linha += (i ? ", " : "") + std::string("<span class=\"grafiaatual\">") + formas[i] + "</span>";
    linha += "</span><BR>\n";
    const size_t fimTitulo = html.find("<BR>\n");
    html.insert(fimTitulo == std::string::npos ? html.size() : fimTitulo + 5, linha);
    return html;
}

std::string SemHomonimo(const std::string& p) { return p.substr(0, p.find("\u00A0")); }

uint16_t Classes(const std::string& classes, size_t id) {
    return static_cast<uint16_t>(static_cast<unsigned char>(classes[2 * id]) |
                                 (static_cast<unsigned char>(classes[2 * id + 1]) << 8));
}

bool TemMaiuscula(std::string_view s) {
    for (char32_t c : DecodificaUtf8(s))
        if (Minuscula(c) != c) return true;
    return false;
}

}  // namespace

bool CompiladorDicionario::Compila(const OpcoesCompilacao& opcoes, std::string& erro,
                                   const Progresso& progresso) {
    const auto inicio = std::chrono::steady_clock::now();
    auto avisa = [&](const std::string& m) {
        if (!progresso) return;
        auto ms =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - inicio)
                .count();
        progresso("[" + std::to_string(ms / 1000) + "." + std::to_string(ms % 1000 / 100) + " s] " + m);
    };

    std::vector<std::pair<std::string, std::string>> tabelaAbrev;
    if (!Abreviaturas::LeArquivo(opcoes.arquivoAbreviaturas, tabelaAbrev, erro)) return false;
    Abreviaturas abreviaturas;
    abreviaturas.Define(tabelaAbrev);

    std::vector<FonteVerbete> fontes;
    if (!LeitorDicionario::LePasta(
            opcoes.pastaDados, fontes, erro,
            [&](const std::string& arquivo, size_t n) {
                avisa("lido " + arquivo + ": " + std::to_string(n) + " verbetes");
            },
            opcoes.cacheXml))
        return false;

    // Order: folded key, then lower case before capitals, then spelling,
    // homonym number and place in the source.
    std::vector<Ordenado> ordem;
    ordem.reserve(fontes.size());
    for (const auto& f : fontes) {
        std::string exibida = (f.geografico || f.nomeProprio) ? f.orth : MinusculasUtf8(f.orth);
        ordem.push_back({&f, ChaveDobrada(f.orth), exibida, TemMaiuscula(exibida)});
    }
    std::sort(ordem.begin(), ordem.end(), [](const Ordenado& a, const Ordenado& b) {
        if (a.dobrada != b.dobrada) return a.dobrada < b.dobrada;
        if (a.maiuscula != b.maiuscula) return !a.maiuscula;
        if (a.exibida != b.exibida) return a.exibida < b.exibida;
        if (a.fonte->homonimo != b.fonte->homonimo) return a.fonte->homonimo < b.fonte->homonimo;
        if (a.fonte->arquivo != b.fonte->arquivo) return a.fonte->arquivo < b.fonte->arquivo;
        return a.fonte->ordem < b.fonte->ordem;
    });
    avisa("ordenados " + std::to_string(ordem.size()) + " verbetes");

    const size_t n = ordem.size();
    std::vector<std::string> palavras(n), dobradas(n), ortograficas(n);
    std::string classes;
    classes.reserve(2 * n);
    std::unordered_set<std::string> chavesVerbetes;
    for (size_t id = 0; id < n; ++id) {
        const auto& o = ordem[id];
        palavras[id] = o.exibida;
        if (o.fonte->homonimo > 0) palavras[id] += "\u00A0" + std::to_string(o.fonte->homonimo);
        dobradas[id] = o.dobrada;
        const uint16_t bits = ClassesGramaticais::DoVerbete(*o.fonte);
        classes.push_back(static_cast<char>(bits & 0xFF));
        classes.push_back(static_cast<char>(bits >> 8));
        chavesVerbetes.insert(o.dobrada);
    }
    // The inflections of the headwords need only these: they are made while
    // the text is indexed; those of the spellings of today join them later.
    auto flexoesFuturas = std::async(std::launch::async, [&palavras, &classes, n] {
        IndiceFlexoes flexoes;
        for (size_t id = 0; id < n; ++id)
            flexoes.Adiciona(static_cast<uint32_t>(id), palavras[id], Classes(classes, id));
        return flexoes;
    });
    // The words of the text, then today's spelling of them and of every headword.
    IndiceTexto indice;
    for (size_t id = 0; id < n; ++id) {
        const FonteVerbete& f = *ordem[id].fonte;
        for (const auto& s : f.sentidos)
            for (const auto& l : s.linhas) indice.Adiciona(static_cast<uint32_t>(id), l);
        for (const auto& e : f.etimologias) indice.Adiciona(static_cast<uint32_t>(id), e.texto);
    }
    std::vector<std::string> palavrasGrafia;
    for (auto& p : indice.PalavrasVistas())
        if (GrafiaModerna::Derivavel(p)) palavrasGrafia.push_back(std::move(p));
    for (size_t id = 0; id < n; ++id)
        if (GrafiaModerna::Derivavel(SemHomonimo(palavras[id])))
            palavrasGrafia.push_back(SemHomonimo(palavras[id]));
    std::sort(palavrasGrafia.begin(), palavrasGrafia.end());
    palavrasGrafia.erase(std::unique(palavrasGrafia.begin(), palavrasGrafia.end()), palavrasGrafia.end());
    TabelaGrafias grafias;
    if (!grafias.Prepara(palavrasGrafia, opcoes.hunspellBrasil, opcoes.hunspellPortugal,
                         opcoes.palavrasAtuais, opcoes.cacheGrafia, erro))
        return false;
    // Each headword's spellings of today, looked up once.
    std::vector<const std::vector<std::string>*> formasDe(n);
    std::vector<std::string> modernas(n);
    std::vector<std::pair<std::string, uint32_t>> chavesModernas;
    size_t comGrafia = 0;
    for (size_t id = 0; id < n; ++id) {
        const std::string semNumero = SemHomonimo(palavras[id]);
        formasDe[id] = &grafias.De(semNumero);
        const auto& formas = *formasDe[id];
        for (const auto& f : formas) {
            modernas[id] += (modernas[id].empty() ? "" : "|") + f;
            chavesModernas.emplace_back(ChaveDobrada(f), static_cast<uint32_t>(id));
        }
        comGrafia += !formas.empty();
        // A word of today, or one whose modern form is known, needs no guess:
        // the fold would only join it to other words ("pacto" and "pato").
        const bool dobra = !GrafiaModerna::Derivavel(semNumero) || grafias.SemGrafiaAtual(semNumero) ||
                           opcoes.hunspellBrasil.empty();
        ortograficas[id] = dobra ? ChaveOrtografica(dobradas[id]) : dobradas[id];
    }
    std::sort(chavesModernas.begin(), chavesModernas.end());
    chavesModernas.erase(std::unique(chavesModernas.begin(), chavesModernas.end()), chavesModernas.end());
    avisa("grafia atual" + std::string(grafias.DoCache() ? " (do cache)" : "") + ": " +
          std::to_string(comGrafia) + " verbetes");

    // The inflection index is finished, and the text index too, while the
    // entries are written.
    auto formasFuturas = std::async(
        std::launch::async, [&palavras, &classes, &formasDe, n, base = std::move(flexoesFuturas)]() mutable {
            IndiceFlexoes flexoes = base.get();
            for (size_t id = 0; id < n; ++id)
                flexoes.AdicionaModernas(static_cast<uint32_t>(id), palavras[id], Classes(classes, id),
                                         *formasDe[id]);
            return flexoes.Finaliza();
        });
    // A text word is found as written, as today's spelling of it, and, when it
    // is not of today and has no modern form, by the rule fold.
    auto vocabularioFuturo = std::async(std::launch::async, [&indice, &grafias] {
        return indice.Finaliza([&grafias](const std::string& p) {
            std::vector<std::string> outras = grafias.De(p);
            if (grafias.SemGrafiaAtual(p)) outras.push_back(ChaveOrtografica(ChaveDobrada(p)));
            return outras;
        });
    });
    std::vector<uint32_t> ordemOrto(n);
    std::iota(ordemOrto.begin(), ordemOrto.end(), 0u);
    std::stable_sort(ordemOrto.begin(), ordemOrto.end(),
                     [&](uint32_t a, uint32_t b) { return ortograficas[a] < ortograficas[b]; });

    GravadorBanco banco;
    if (!banco.Abre(opcoes.saida, erro)) return false;
    bool ok = banco.Info("formato", esquema::kVersaoFormato) && banco.Info("dados", kNomeDados) &&
              banco.Info("editor", kEditor) && banco.Info("verbetes", std::to_string(n));

    // The pages of one run of entries are rendered while the run before is
    // written: two runs at a time are all the memory they take.
    GeradorHtml gerador(abreviaturas,
                        [&](std::string_view p) { return chavesVerbetes.count(ChaveDobrada(p)) > 0; });
    auto rende = [&](size_t ini) {
        return std::async(std::launch::async, [&, ini] {
            std::vector<std::string> paginas;
            for (size_t id = ini; id < std::min(n, ini + kPaginasPorVez); ++id)
                paginas.push_back(ComGrafiaAtual(gerador.Gera(*ordem[id].fonte), *formasDe[id]));
            return paginas;
        });
    };
    auto proximas = rende(0);
    for (size_t ini = 0; ok && ini < n; ini += kPaginasPorVez) {
        const std::vector<std::string> paginas = proximas.get();
        if (ini + kPaginasPorVez < n) proximas = rende(ini + kPaginasPorVez);
        for (size_t k = 0; ok && k < paginas.size(); ++k)
            ok = banco.Verbete(static_cast<int32_t>(ini + k), palavras[ini + k], dobradas[ini + k],
                               paginas[k]);
    }
    avisa("verbetes gravados");

    ok = ok && banco.Tabela(esquema::kPalavras, TabelaTextos::Empacota(palavras)) &&
         banco.Tabela(esquema::kDobradas, TabelaTextos::Empacota(dobradas)) &&
         banco.Tabela(esquema::kOrtograficas, TabelaTextos::Empacota(ortograficas)) &&
         banco.Tabela(esquema::kOrdemOrtografica, EmpacotaU32(ordemOrto)) &&
         banco.Tabela(esquema::kClasses, classes);
    {
        std::vector<std::string> chaves;
        std::vector<uint32_t> ids;
        for (auto& [k, id] : chavesModernas) {
            chaves.push_back(k);
            ids.push_back(id);
        }
        ok = ok && banco.Tabela(esquema::kModernas, TabelaTextos::Empacota(modernas)) &&
             banco.Tabela(esquema::kChavesModernas, TabelaTextos::Empacota(chaves)) &&
             banco.Tabela(esquema::kIdsModernos, EmpacotaU32(ids));
        // Every key once more, reversed, so an ending is a range too.
        std::vector<std::pair<std::string, uint32_t>> inversas;
        inversas.reserve(n + chavesModernas.size());
        for (size_t id = 0; id < n; ++id)
            inversas.emplace_back(InverteUtf8(dobradas[id]), static_cast<uint32_t>(id));
        for (const auto& [k, id] : chavesModernas)
            inversas.emplace_back(InverteUtf8(k), id | esquema::kBitModerna);
        std::sort(inversas.begin(), inversas.end());
        chaves.clear();
        ids.clear();
        for (auto& [k, id] : inversas) {
            chaves.push_back(std::move(k));
            ids.push_back(id);
        }
        ok = ok && banco.Tabela(esquema::kInversas, TabelaTextos::Empacota(chaves)) &&
             banco.Tabela(esquema::kIdsInversos, EmpacotaU32(ids));
    }
    for (size_t i = 0; ok && i < tabelaAbrev.size(); ++i)
        ok = banco.Abreviatura(tabelaAbrev[i].first, tabelaAbrev[i].second);

    const auto vocabulario = vocabularioFuturo.get();
    for (size_t i = 0; ok && i < vocabulario.size(); ++i)
        ok =
            banco.Vocabulario(vocabulario[i].first, InverteUtf8(vocabulario[i].first), vocabulario[i].second);
    avisa("índice do texto: " + std::to_string(vocabulario.size()) + " palavras");
    const auto formas = formasFuturas.get();
    for (size_t i = 0; ok && i < formas.size(); ++i) ok = banco.Flexao(formas[i].first, formas[i].second);
    avisa("flexões: " + std::to_string(formas.size()) + " formas");
    if (!ok) {
        erro = "falha ao gravar o banco de dados";
        return false;
    }
    if (!banco.Conclui(erro)) return false;
    avisa("banco concluído: " + opcoes.saida);
    return true;
}

}  // namespace mini::compilador

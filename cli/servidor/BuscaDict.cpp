#include "BuscaDict.h"

#include <algorithm>
#include <unordered_set>

#include "ComandoLexaria.h"
#include "IndicePalavras.h"
#include "ReservaMotores.h"
#include "mini/ChaveVerbete.h"
#include "mini/DLLMiniLexariaDB.h"
#include "mini/ListaResultados.h"

namespace {

// Every id of the engine's last search, in its order. inteira turns false
// when the engine met a read error on the way.
std::vector<int32_t> IdsDaPesquisa(DLLMiniLexariaDB& motor, bool* inteira = nullptr) {
    std::vector<int32_t> ids;
    std::string pedaco;
    for (int32_t cursor = 0; cursor >= 0;) {
        cursor = motor.ObtemResultados(0, cursor, pedaco);
        if (inteira && !motor.ObtemUltimoErro().empty()) *inteira = false;
        const mini::ListaResultados lista = mini::LeResultados(pedaco);
        for (const auto& r : lista.itens) ids.push_back(r.id);
        if (!lista.Valida()) {
            if (inteira) *inteira = false;
            break;
        }
    }
    return ids;
}

}  // namespace

const std::vector<BuscaDict::Estrategia>& BuscaDict::Estrategias() {
    static const std::vector<Estrategia> lista = {
        {"exact", "A palavra exata (acentos e maiúsculas não contam)"},
        {"prefix", "Palavras que começam com o texto"},
        {"suffix", "Palavras que terminam com o texto"},
        {"substring", "Palavras que contêm o texto"},
        {"re", "Expressão regular POSIX estendida sobre as palavras"},
        {"word", "Verbetes que têm a palavra no texto"},
        {"lev", "Palavras a uma letra de distância (trocada, a mais ou a menos)"},
        {".", "A palavra na grafia de hoje ou de 1913, e a palavra de uma forma flexionada"},
    };
    return lista;
}

bool BuscaDict::Conhece(std::string_view estrategia) {
    const auto& lista = Estrategias();
    return std::any_of(lista.begin(), lista.end(), [&](const Estrategia& e) { return estrategia == e.nome; });
}

std::vector<int32_t> BuscaDict::Ids(std::string_view estrategia, const std::string& palavra, bool& valida,
                                    bool& ordenados) {
    valida = true;
    ordenados = estrategia != ".";
    if (estrategia == "exact") return indice_.Exatas(palavra);
    if (estrategia == "prefix") return indice_.Prefixo(palavra);
    if (estrategia == "suffix") return indice_.Sufixo(palavra);
    if (estrategia == "substring") return indice_.Contem(palavra);
    if (estrategia == "lev") return indice_.UmaEdicao(palavra);
    std::vector<int32_t> ids;
    if (estrategia == "re") {
        valida = indice_.Expressao(palavra, ids);
        return ids;
    }
    if (estrategia == "word") {
        // The text search reads "*" and "?" as wildcards and blanks and "+"
        // as several words; here the word is one word, taken as it is.
        if (palavra.find_first_of("*? +\t") != std::string::npos) return ids;
        auto motor = motores_.Empresta();
        std::string termo = palavra, primeiro;
        int32_t total = 0;
        motor->PesquisaReversa(termo, primeiro, 0, 0, total);
        return total > 0 ? IdsDaPesquisa(*motor) : ids;
    }
    auto motor = motores_.Empresta();
    std::string primeiro;
    return motor->PesquisaPalavra(palavra, 0, primeiro) > 0 ? IdsDaPesquisa(*motor) : ids;
}

BuscaDict::Resposta BuscaDict::Procura(std::string_view estrategia, const std::string& palavra,
                                       std::vector<std::string_view>& palavras) {
    palavras.clear();
    bool valida = true, ordenados = true;
    const std::vector<int32_t> ids = Ids(estrategia, palavra, valida, ordenados);
    if (!valida) return Resposta::Invalida;
    // Homonyms share one headword, and one definition request brings them
    // all. In dictionary order the homonyms of a headword stand together.
    std::unordered_set<std::string_view> vistas;
    palavras.reserve(ids.size());
    for (int32_t id : ids) {
        if (id < 0 || static_cast<size_t>(id) >= indice_.tamanho()) continue;
        const std::string_view p = indice_.Palavra(id);
        if (ordenados ? palavras.empty() || palavras.back() != p : vistas.insert(p).second)
            palavras.push_back(p);
    }
    return palavras.empty() ? Resposta::Nada : Resposta::Achou;
}

bool BuscaDict::Define(const std::string& palavra, std::vector<Verbete>& verbetes) {
    verbetes.clear();
    auto motor = motores_.Empresta();
    std::string primeiro, html;
    const bool achou = motor->PesquisaPalavra(palavra, 0, primeiro) > 0;
    bool inteira = motor->ObtemUltimoErro().empty();
    if (!achou) return inteira;
    for (int32_t id : IdsDaPesquisa(*motor, &inteira)) {
        const std::string titulo =
            motor->ObtemVerbete(id, html, mini::ValorChaveVerbete(mini::PosicaoChave(id)));
        if (titulo.empty()) {
            inteira = false;
            continue;
        }
        // The homonym number is raised on the page; in plain text it stands apart.
        const std::string_view numero = "<span id=\"D_SUP_TIT\">";
        if (const size_t p = html.find(numero); p != std::string::npos) html.insert(p + numero.size(), " ");
        verbetes.push_back(
            {id, titulo.substr(0, titulo.find("\u00A0")), ComandoLexaria::HtmlParaTexto(html)});
    }
    return inteira;
}

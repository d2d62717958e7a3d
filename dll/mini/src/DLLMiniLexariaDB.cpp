#include "mini/DLLMiniLexariaDB.h"

#include <unistd.h>

#include <filesystem>

#include "Abreviaturas.h"
#include "BuscaFlexoes.h"
#include "BuscaTexto.h"
#include "Conjugador.h"
#include "ConjuntoResultados.h"
#include "Dados.h"
#include "Esquema.h"
#include "FlexoesVerbete.h"
#include "IndiceVerbetes.h"
#include "mini/ChaveVerbete.h"
#include "mini/Normaliza.h"
#include "mini/PastaInstalacao.h"

namespace {

constexpr int32_t kLimitePadrao = 300;
constexpr size_t kMaximoPassos = 64;

}  // namespace

// Everything that lives between calls: the two result sets (the letter list
// and the last search), the chunk size and the filter being defined.
struct DLLMiniLexariaDB::Estado {
    explicit Estado(mini::Dados& dados) : indice(dados), busca(dados), flexoes(dados, indice) {}

    mini::IndiceVerbetes indice;
    mini::BuscaTexto busca;
    mini::BuscaFlexoes flexoes;
    mini::Abreviaturas abreviaturas;  // filled on the first question
    bool abreviaturasLidas = false;
    mini::ConjuntoResultados letra;     // read with source 1
    mini::ConjuntoResultados pesquisa;  // read with any other source
    int32_t limite = kLimitePadrao;

    struct Passo {
        bool uniao;
        int16_t filtro;
    };
    std::vector<Passo> filtro;
};

DLLMiniLexariaDB::DLLMiniLexariaDB()
    : DLLMiniLexariaDB((std::filesystem::path(mini::PastaInstalacao()) / NomeBanco()).string()) {}

DLLMiniLexariaDB::DLLMiniLexariaDB(std::string caminhoBanco)
    : caminho_(std::move(caminhoBanco)), dados_(std::make_unique<mini::Dados>()) {}

DLLMiniLexariaDB::~DLLMiniLexariaDB() = default;

const char* DLLMiniLexariaDB::NomeBanco() { return "minilexaria.db"; }

int32_t DLLMiniLexariaDB::SemErro(mini::ConjuntoResultados& conjunto, std::string& resultados) {
    // A search that met a read error is no answer: half a list would pass
    // for a whole one.
    if (!ObtemUltimoErro().empty()) {
        conjunto.Define({});
        resultados.clear();
    }
    return conjunto.tamanho();
}

bool DLLMiniLexariaDB::Pronto() {
    erro_.clear();
    dados_->LimpaErro();
    return estado_ != nullptr;
}

const std::string& DLLMiniLexariaDB::ObtemUltimoErro() const {
    return erro_.empty() ? dados_->Erro() : erro_;
}

bool DLLMiniLexariaDB::AbreDados() {
    estado_.reset();
    erro_.clear();
    if (!dados_->Abre(caminho_)) {
        erro_ = dados_->Erro();
        return false;
    }
    estado_ = std::make_unique<Estado>(*dados_);
    return true;
}

std::string DLLMiniLexariaDB::ObtemInformacoes() {
    if (!Pronto()) return {};
    return dados_->Informacao("dados") + "|" + dados_->Informacao("editor") + "|";
}

int32_t DLLMiniLexariaDB::LocalizaPalavra(const std::string& palavra) {
    if (!Pronto()) return -1;
    return estado_->indice.Localiza(palavra);
}

std::string DLLMiniLexariaDB::ObtemVerbete(int32_t& id, std::string& texto, int32_t chave) {
    texto.clear();
    if (!Pronto() || !dados_->Valido(id)) return {};
    if (chave == 0) return dados_->PalavraDireta(id);
    if (chave != mini::ValorChaveVerbete(mini::PosicaoChave(id))) return {};
    if (!dados_->Html(id, texto)) return {};
    std::string palavra = dados_->PalavraDireta(id);
    if (!ObtemUltimoErro().empty()) {
        texto.clear();
        return {};
    }
    return palavra;
}

bool DLLMiniLexariaDB::EhVerbo(int32_t& id) {
    if (!Pronto() || !dados_->Valido(id)) return false;
    return (dados_->Classes(id) & (1u << (mini::esquema::kFiltroVerbo - mini::esquema::kPrimeiroFiltro))) !=
           0;
}

std::string DLLMiniLexariaDB::ObtemConjugacao(std::string& verbo) {
    // The page passes the headword as shown, homonym number included
    // ("arguir\u00A01"); the number is no part of the verb.
    return mini::Conjugador::TextoConjugacao(mini::FlexoesVerbete::SemHomonimo(verbo));
}

std::string DLLMiniLexariaDB::ObtemAbreviatura(std::string& palavra) {
    if (!Pronto()) return {};
    if (!estado_->abreviaturasLidas) {
        estado_->abreviaturas.Define(dados_->Abreviaturas());
        estado_->abreviaturasLidas = true;
    }
    std::string e = estado_->abreviaturas.Expande(palavra);
    return e.empty() ? e : e + "|";
}

int32_t DLLMiniLexariaDB::PesquisaPalavra(const std::string& palavra, int32_t /*modo*/,
                                          std::string& resultados) {
    resultados.clear();
    if (!Pronto()) return 0;
    // The word's own entries first, then those of the lemma it inflects.
    std::vector<int32_t> ids = estado_->indice.Palavra(palavra);
    const std::vector<int32_t> lemas = estado_->flexoes.Lemas(palavra, ids);
    ids.insert(ids.end(), lemas.begin(), lemas.end());
    estado_->pesquisa.Define(std::move(ids));
    estado_->pesquisa.PedacoPorLugar(0, estado_->limite, *dados_, resultados);
    return SemErro(estado_->pesquisa, resultados);
}

int32_t DLLMiniLexariaDB::PesquisaMascara(const std::string& mascara, std::string& resultados,
                                          int32_t lista) {
    resultados.clear();
    if (!Pronto()) return 0;
    // The letter list keeps to folded keys, so its ids stay consecutive.
    const bool letra = lista == 1;
    auto& conjunto = letra ? estado_->letra : estado_->pesquisa;
    conjunto.Define(estado_->indice.Mascara(mascara, !letra));
    conjunto.PedacoPorLugar(0, estado_->limite, *dados_, resultados);
    return SemErro(conjunto, resultados);
}

void DLLMiniLexariaDB::PesquisaReversa(std::string& palavra, std::string& resultados, int32_t /*reservado1*/,
                                       int32_t /*reservado2*/, int32_t& total) {
    resultados.clear();
    total = 0;
    if (!Pronto()) return;
    estado_->pesquisa.Define(estado_->busca.Pesquisa(palavra, erro_));
    estado_->pesquisa.PedacoPorLugar(0, estado_->limite, *dados_, resultados);
    total = SemErro(estado_->pesquisa, resultados);
}

std::string DLLMiniLexariaDB::ObtemGrafiaAtual(int32_t id) {
    if (!Pronto() || !dados_->Valido(id)) return {};
    const std::string_view m = dados_->Modernas(id);
    return m.empty() ? std::string() : std::string(m) + "|";
}

int32_t DLLMiniLexariaDB::PesquisaGrafia(const std::string& palavra, std::string& resultados) {
    resultados.clear();
    if (!Pronto()) return 0;
    const std::vector<int32_t> ids = estado_->indice.IguaisModerna(mini::ChaveDobrada(palavra));
    for (int32_t id : ids) {
        resultados += dados_->Palavra(id);
        resultados += "|" + std::to_string(id) + "|";
    }
    return static_cast<int32_t>(ids.size());
}

std::string DLLMiniLexariaDB::VerificaDados() {
    if (!Pronto()) return erro_.empty() ? "banco de dados não aberto" : erro_;
    return dados_->Verifica();
}

int32_t DLLMiniLexariaDB::ObtemTotalResultados() { return estado_ ? estado_->pesquisa.tamanho() : 0; }

int32_t DLLMiniLexariaDB::ObtemResultados(int16_t origem, int32_t& cursor, std::string& lista) {
    lista.clear();
    if (!Pronto()) return -1;
    if (origem == 1) return estado_->letra.PedacoPorId(cursor, estado_->limite, *dados_, lista);
    return estado_->pesquisa.PedacoPorLugar(cursor, estado_->limite, *dados_, lista);
}

void DLLMiniLexariaDB::DefineFiltro(int16_t operacao, int16_t codigo) {
    if (!Pronto()) return;
    auto& passos = estado_->filtro;
    switch (operacao) {
        case 0: passos.clear(); break;
        case 2:
        case 3:
            // Each step costs a pass over the set; past this many they only repeat classes.
            if (passos.size() >= kMaximoPassos) {
                erro_ = "filtro com passos demais (máximo " + std::to_string(kMaximoPassos) + ")";
                break;
            }
            passos.push_back({operacao == 3, codigo});
            break;
        case 1: {
            if (passos.empty()) break;
            // Unions and intersections apply left to right, so each entry
            // can be judged on its own class bits.
            std::vector<int32_t> ficam;
            for (int32_t id : estado_->pesquisa.ids()) {
                const uint16_t bits = dados_->Classes(id);
                bool dentro = false;
                for (size_t i = 0; i < passos.size(); ++i) {
                    const int k = passos[i].filtro - mini::esquema::kPrimeiroFiltro;
                    const bool tem = k >= 0 && k < 16 && (bits & (1u << k));
                    dentro = i == 0 ? tem : passos[i].uniao ? (dentro || tem) : (dentro && tem);
                }
                if (dentro) ficam.push_back(id);
            }
            estado_->pesquisa.Define(std::move(ficam));
            passos.clear();
            break;
        }
        default: break;
    }
}

int32_t DLLMiniLexariaDB::ObtemFlexoes(const std::string& palavra, std::string& formas) {
    formas.clear();
    if (!Pronto()) return -1;
    return estado_->flexoes.Formas(palavra, formas);
}

void DLLMiniLexariaDB::LimiteResultados(int16_t limite) {
    if (!Pronto()) return;
    estado_->limite = limite > 0 ? limite : kLimitePadrao;
}

int32_t DLLMiniLexariaDB::limiteResultados() const { return estado_ ? estado_->limite : kLimitePadrao; }

#include "TabelaGrafias.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>
#include <unordered_set>

#include "GrafiaModerna.h"
#include "VerificadorHunspell.h"

namespace mini::compilador {
namespace {

// Change it whenever the rules change, so old caches are not trusted.
constexpr const char* kVersaoRegras = "grafia-24";
constexpr const char* kCabecalho = "# grafias ";
constexpr size_t kPalavrasPorVez = 256;

void Mistura(uint64_t& h, std::string_view s) {
    for (unsigned char c : s) {
        h ^= c;
        h *= 1099511628211ull;
    }
    h ^= 0xFF;  // ends each piece, so "ab"+"c" and "a"+"bc" differ
    h *= 1099511628211ull;
}

std::string Hex(uint64_t v) {
    char b[17];
    std::snprintf(b, sizeof b, "%016llx", static_cast<unsigned long long>(v));
    return b;
}

// The Brazilian list and the words of today it lacks.
class ListaComExtras : public VerificadorOrtografico {
public:
    ListaComExtras(VerificadorOrtografico& lista, const std::unordered_set<std::string>& extras)
        : lista_(lista), extras_(extras) {}
    bool Aceita(const std::string& p) override { return extras_.count(p) > 0 || lista_.Aceita(p); }

private:
    VerificadorOrtografico& lista_;
    const std::unordered_set<std::string>& extras_;
};

}  // namespace

uint64_t TabelaGrafias::Hash(const std::vector<std::string>& palavras,
                             const std::vector<std::string>& arquivos) {
    uint64_t h = 14695981039346656037ull;
    Mistura(h, kVersaoRegras);
    for (const auto& a : arquivos) {
        std::ifstream f(a, std::ios::binary);
        const std::string conteudo{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
        Mistura(h, conteudo);
    }
    for (const auto& p : palavras) Mistura(h, p);
    return h;
}

const std::vector<std::string>& TabelaGrafias::De(const std::string& palavra) const {
    static const std::vector<std::string> vazio;
    auto it = mapa_.find(palavra);
    return it == mapa_.end() ? vazio : it->second;
}

bool TabelaGrafias::SemGrafiaAtual(const std::string& palavra) const {
    auto it = mapa_.find(palavra);
    return it != mapa_.end() && it->second.empty();
}

bool TabelaGrafias::LeCache(const std::string& arquivo, uint64_t hash) {
    std::ifstream f(arquivo);
    std::string linha;
    if (!f || !std::getline(f, linha) || linha != kCabecalho + Hex(hash)) return false;
    Mapa m;
    while (std::getline(f, linha)) {
        const size_t tab = linha.find('\t');
        if (tab == std::string::npos) return false;
        std::vector<std::string> formas;
        for (size_t i = tab + 1; i <= linha.size();) {
            size_t fim = linha.find('|', i);
            if (fim == std::string::npos) fim = linha.size();
            if (fim > i) formas.push_back(linha.substr(i, fim - i));
            i = fim + 1;
        }
        m.emplace(linha.substr(0, tab), std::move(formas));
    }
    mapa_ = std::move(m);
    return true;
}

void TabelaGrafias::GravaCache(const std::string& arquivo, uint64_t hash) const {
    std::vector<const Mapa::value_type*> itens;
    for (const auto& par : mapa_) itens.push_back(&par);
    std::sort(itens.begin(), itens.end(), [](auto* a, auto* b) { return a->first < b->first; });
    const std::string temporario = arquivo + ".tmp";
    {
        std::ofstream f(temporario, std::ios::trunc);
        f << kCabecalho << Hex(hash) << '\n';
        for (const auto* par : itens) {
            f << par->first << '\t';
            for (size_t i = 0; i < par->second.size(); ++i) f << (i ? "|" : "") << par->second[i];
            f << '\n';
        }
        if (!f) {
            std::remove(temporario.c_str());
            return;  // only a cache: the next build derives again
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporario, arquivo, ec);
    if (ec) std::remove(temporario.c_str());
}

bool TabelaGrafias::Prepara(const std::vector<std::string>& palavras, const std::string& baseBrasil,
                            const std::string& basePortugal, const std::string& arquivoExtra,
                            const std::string& arquivoCache, std::string& erro) {
    mapa_.clear();
    doCache_ = false;
    for (const auto& base : {baseBrasil, basePortugal}) {
        if (!base.empty() && !VerificadorHunspell::Existe(base)) {
            erro = "dicionário ortográfico não encontrado: " + base + ".aff / .dic";
            return false;
        }
    }
    if (baseBrasil.empty()) return true;
    std::unordered_set<std::string> extras;
    if (!arquivoExtra.empty()) {
        std::ifstream f(arquivoExtra);
        if (!f) {
            erro = "não foi possível ler " + arquivoExtra;
            return false;
        }
        for (std::string l; std::getline(f, l);)
            if (!l.empty() && l[0] != '#') extras.insert(l);
    }
    std::vector<std::string> arquivos{baseBrasil + ".aff", baseBrasil + ".dic", arquivoExtra};
    if (!basePortugal.empty()) {
        arquivos.push_back(basePortugal + ".aff");
        arquivos.push_back(basePortugal + ".dic");
    }
    const uint64_t hash = Hash(palavras, arquivos);
    if (!arquivoCache.empty() && LeCache(arquivoCache, hash)) {
        doCache_ = true;
        return true;
    }

    // Each worker has its own dictionaries: hunspell objects are not shared.
    const unsigned nucleos = std::max(1u, std::min(2u, std::thread::hardware_concurrency()));
    std::vector<Mapa> parciais(nucleos);
    std::vector<std::thread> trabalhadores;
    std::atomic<size_t> proximo{0};
    for (unsigned t = 0; t < nucleos; ++t) {
        trabalhadores.emplace_back([&, t] {
            VerificadorHunspell hunspell(baseBrasil);
            ListaComExtras brasil(hunspell, extras);
            // Words of today are so on both sides of the ocean.
            std::unique_ptr<VerificadorHunspell> hunspellPt;
            std::unique_ptr<ListaComExtras> portugal;
            if (!basePortugal.empty()) {
                hunspellPt = std::make_unique<VerificadorHunspell>(basePortugal);
                portugal = std::make_unique<ListaComExtras>(*hunspellPt, extras);
            }
            GrafiaModerna grafia(brasil, portugal.get());
            // Runs of neighbours in alphabetical order share parts and
            // candidates: each worker takes a run at a time, and its memory
            // of the lists' answers serves the whole run.
            for (size_t ini; (ini = proximo.fetch_add(kPalavrasPorVez)) < palavras.size();) {
                for (size_t i = ini; i < std::min(palavras.size(), ini + kPalavrasPorVez); ++i) {
                    auto formas = grafia.Deriva(palavras[i]);
                    // Kept with no form: the words that are not of today.
                    if (!formas.empty() || !grafia.DeHoje(palavras[i]))
                        parciais[t].emplace(palavras[i], std::move(formas));
                }
            }
        });
    }
    for (auto& t : trabalhadores) t.join();
    for (auto& p : parciais) mapa_.merge(p);
    if (!arquivoCache.empty()) GravaCache(arquivoCache, hash);
    return true;
}

}  // namespace mini::compilador

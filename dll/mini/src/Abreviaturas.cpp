#include "Abreviaturas.h"

#include <fstream>

#include "mini/Normaliza.h"

namespace mini {
namespace {

int ValorHex(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Undoes the percent-escapes a browser puts into link text.
std::string DecodificaPercentual(std::string_view s) {
    std::string r;
    r.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size()) {
            int a = ValorHex(s[i + 1]), b = ValorHex(s[i + 2]);
            if (a >= 0 && b >= 0) {
                r.push_back(static_cast<char>(a * 16 + b));
                i += 2;
                continue;
            }
        }
        r.push_back(s[i]);
    }
    return r;
}

std::vector<std::string> Palavras(std::string_view s) {
    std::vector<std::string> r;
    size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
        size_t j = i;
        while (j < s.size() && s[j] != ' ' && s[j] != '\t') ++j;
        if (j > i) r.emplace_back(s.substr(i, j - i));
        i = j;
    }
    return r;
}

std::string Junta(const std::vector<std::string>& partes) {
    std::string r;
    for (const auto& p : partes) {
        if (!r.empty()) r.push_back(' ');
        r += p;
    }
    return r;
}

std::string PrimeiraLeitura(const std::string& expansao) { return expansao.substr(0, expansao.find('|')); }

}  // namespace

void Abreviaturas::Define(const std::vector<std::pair<std::string, std::string>>& tabela) {
    tabela_.clear();
    for (const auto& [rotulo, expansao] : tabela) {
        std::string chave = Junta(Palavras(MinusculasUtf8(rotulo)));
        if (!chave.empty() && !expansao.empty()) tabela_.emplace(std::move(chave), expansao);
    }
}

bool Abreviaturas::LeArquivo(const std::string& caminho,
                             std::vector<std::pair<std::string, std::string>>& tabela, std::string& erro) {
    std::ifstream f(caminho);
    if (!f) {
        erro = "não foi possível abrir " + caminho;
        return false;
    }
    std::string linha;
    int n = 0;
    while (std::getline(f, linha)) {
        ++n;
        if (!linha.empty() && linha.back() == '\r') linha.pop_back();
        if (linha.empty() || linha[0] == '#') continue;
        size_t tab = linha.find('\t');
        if (tab == std::string::npos || tab == 0 || tab + 1 >= linha.size()) {
            erro = caminho + ":" + std::to_string(n) + ": linha sem rótulo e expansão";
            return false;
        }
        tabela.emplace_back(linha.substr(0, tab), linha.substr(tab + 1));
    }
    return true;
}

const std::string* Abreviaturas::Procura(std::string_view chave) const {
    if (chave.empty()) return nullptr;
    if (auto it = tabela_.find(chave); it != tabela_.end()) return &it->second;
    if (chave.back() == '.') {
        if (auto it = tabela_.find(chave.substr(0, chave.size() - 1)); it != tabela_.end())
            return &it->second;
    } else {
        std::string comPonto(chave);
        comPonto.push_back('.');
        if (auto it = tabela_.find(comPonto); it != tabela_.end()) return &it->second;
    }
    return nullptr;
}

std::string Abreviaturas::Expande(std::string_view rotulo) const {
    const std::string texto = DecodificaPercentual(rotulo);
    const std::vector<std::string> originais = Palavras(texto);
    const std::vector<std::string> minusculas = Palavras(MinusculasUtf8(texto));
    if (minusculas.empty() || minusculas.size() != originais.size()) return {};
    if (const std::string* e = Procura(Junta(minusculas))) return *e;

    std::vector<std::string> partes;
    bool algum = false;
    for (size_t i = 0; i < minusculas.size(); ++i) {
        const std::string* e = Procura(minusculas[i]);
        // A word without a dot is an abbreviation only when the table says so
        // of it as written (e.g. "Bras" for "Bras."); ordinary words stay.
        if (e) {
            partes.push_back(PrimeiraLeitura(*e));
            algum = true;
        } else {
            partes.push_back(originais[i]);
        }
    }
    return algum ? Junta(partes) : std::string();
}

bool Abreviaturas::ConheceInteiro(std::string_view rotulo) const {
    return Procura(Junta(Palavras(MinusculasUtf8(rotulo)))) != nullptr;
}

bool Abreviaturas::Conhece(std::string_view rotulo) const {
    const std::vector<std::string> palavras = Palavras(MinusculasUtf8(rotulo));
    if (palavras.empty()) return false;
    if (Procura(Junta(palavras))) return true;
    bool algumPonto = false;
    for (const auto& p : palavras) {
        if (p.back() != '.') continue;
        algumPonto = true;
        if (!Procura(p)) return false;
    }
    return algumPonto;
}

}  // namespace mini

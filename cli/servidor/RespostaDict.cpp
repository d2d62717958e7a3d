#include "RespostaDict.h"

namespace {

bool Continuacao(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

void RespostaDict::Estado(std::string_view linha) {
    texto_.append(linha);
    texto_.append("\r\n");
}

void RespostaDict::LinhaTexto(std::string_view linha) {
    // Room for the doubled dot as well.
    while (linha.size() > kMaximoLinha - 1) {
        size_t corte = linha.rfind(' ', kMaximoLinha - 1);
        size_t resto = corte;
        if (corte == std::string_view::npos || corte < kMaximoLinha / 2) {
            corte = kMaximoLinha - 1;
            while (corte > 0 && Continuacao(linha[corte])) --corte;
            resto = corte;
        } else {
            resto = corte + 1;
        }
        LinhaTexto(linha.substr(0, corte));
        linha.remove_prefix(resto);
    }
    if (!linha.empty() && linha[0] == '.') texto_ += '.';
    texto_.append(linha);
    texto_.append("\r\n");
}

void RespostaDict::AbreTexto() {
    if (mime_)
        texto_.append("Content-type: text/plain; charset=utf-8\r\nContent-transfer-encoding: 8bit\r\n\r\n");
}

void RespostaDict::Texto(std::string_view texto) {
    AbreTexto();
    while (!texto.empty() && texto.back() == '\n') texto.remove_suffix(1);
    size_t i = 0;
    while (i < texto.size()) {
        size_t fim = texto.find('\n', i);
        if (fim == std::string_view::npos) fim = texto.size();
        std::string_view linha = texto.substr(i, fim - i);
        if (!linha.empty() && linha.back() == '\r') linha.remove_suffix(1);
        LinhaTexto(linha);
        i = fim + 1;
    }
    FechaTexto();
}

void RespostaDict::AcrescentaAspas(std::string& destino, std::string_view palavra) {
    destino += '"';
    // Runs with nothing to escape go in at once.
    size_t inicio = 0;
    for (size_t i = 0; i < palavra.size(); ++i) {
        const char c = palavra[i];
        if (c != '"' && c != '\\' && c != '\r' && c != '\n') continue;
        destino.append(palavra, inicio, i - inicio);
        // Line breaks would end the status line early.
        if (c == '\r' || c == '\n') {
            destino += ' ';
        } else {
            destino += '\\';
            destino += c;
        }
        inicio = i + 1;
    }
    destino.append(palavra, inicio);
    destino += '"';
}

std::string RespostaDict::Aspas(std::string_view palavra) {
    std::string r;
    AcrescentaAspas(r, palavra);
    return r;
}

#include "SessaoDict.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <ctime>
#include <memory>

#include "BuscaDict.h"
#include "CacheDefinicoes.h"
#include "ContextoDict.h"
#include "IndicePalavras.h"
#include "LinhaComando.h"
#include "ReservaMotores.h"
#include "RespostaDict.h"

#ifndef MINI_VERSAO
#define MINI_VERSAO "0"
#endif

namespace {

std::string Maiusculas(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::string Minusculas(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string Linha(std::string_view texto) { return std::string(texto) + "\r\n"; }

const char* const kBaseInvalida = "550 base inválida, use \"SHOW DB\" para a lista de bases";
const char* const kEstrategiaInvalida =
    "551 estratégia inválida, use \"SHOW STRAT\" para a lista de estratégias";
const char* const kNada = "552 nada encontrado";
const char* const kParametros = "501 erro de sintaxe, parâmetros inválidos";
const char* const kOk = "250 ok";

}  // namespace

SessaoDict::SessaoDict(ContextoDict& contexto)
    : contexto_(contexto),
      numero_(++contexto.sessoes),
      baseDefinicao_(std::string(" ") + kBase + " " + RespostaDict::Aspas(contexto.descricao)) {}

std::string SessaoDict::Saudacao() const {
    return Linha("220 " + contexto_.hospedeiro + " Minilexária " MINI_VERSAO " <mime> <" +
                 std::to_string(getpid()) + "." + std::to_string(numero_) + "." +
                 std::to_string(std::time(nullptr)) + "@" + contexto_.hospedeiro + ">");
}

std::string SessaoDict::LinhaLonga() { return Linha("500 linha longa demais (o máximo são 1024 bytes)"); }

bool SessaoDict::BaseValida(const std::string& base) {
    return base == "*" || base == "!" || Minusculas(base) == kBase;
}

std::string SessaoDict::Responde(std::string_view linha) {
    ++contexto_.pedidos;
    std::vector<std::string> p;
    if (!LinhaComando::Divide(linha, p)) return Linha(kParametros);
    if (p.empty()) return Linha("500 erro de sintaxe, comando não reconhecido");
    const std::string comando = Maiusculas(p[0]);
    if (comando == "DEFINE") return Define(p);
    if (comando == "MATCH") return Procura(p);
    if (comando == "SHOW") return Mostra(p);
    if (comando == "CLIENT") {
        if (p.size() < 2) return Linha(kParametros);
        cliente_.clear();
        for (size_t i = 1; i < p.size(); ++i) cliente_ += (i > 1 ? " " : "") + p[i];
        return Linha(kOk);
    }
    if (comando == "STATUS") return p.size() == 1 ? Linha("210 " + Estado()) : Linha(kParametros);
    if (comando == "HELP") return p.size() == 1 ? Ajuda() : Linha(kParametros);
    if (comando == "QUIT") {
        if (p.size() != 1) return Linha(kParametros);
        encerrada_ = true;
        return Linha("221 até logo");
    }
    if (comando == "OPTION") {
        if (p.size() != 2) return Linha(kParametros);
        if (Maiusculas(p[1]) != "MIME") return Linha("503 opção não implementada");
        mime_ = true;
        return Linha(kOk);
    }
    if (comando == "AUTH" || comando == "SASLAUTH" || comando == "SASLRESP")
        return Linha("502 comando não implementado");
    return Linha("500 erro de sintaxe, comando não reconhecido");
}

std::string SessaoDict::Define(const std::vector<std::string>& p) {
    if (p.size() != 3) return Linha(kParametros);
    if (!BaseValida(p[1])) return Linha(kBaseInvalida);
    std::shared_ptr<const CacheDefinicoes::Verbetes> guardados = contexto_.definicoes.Procura(p[2]);
    if (!guardados) {
        auto novos = std::make_shared<CacheDefinicoes::Verbetes>();
        const bool inteira = BuscaDict(contexto_.indice, contexto_.motores).Define(p[2], *novos);
        guardados = std::move(novos);
        if (inteira) contexto_.definicoes.Guarda(p[2], guardados);
    }
    const auto& verbetes = *guardados;
    if (verbetes.empty()) return Linha(kNada);
    RespostaDict r(mime_);
    size_t tamanho = 64;
    for (const auto& v : verbetes) tamanho += v.texto.size() + v.palavra.size() + baseDefinicao_.size() + 128;
    r.Reserva(tamanho);
    r.Estado("150 " + std::to_string(verbetes.size()) +
             (verbetes.size() == 1 ? " definição encontrada" : " definições encontradas"));
    std::string linha;
    for (const auto& v : verbetes) {
        linha.assign("151 ");
        RespostaDict::AcrescentaAspas(linha, v.palavra);
        linha.append(baseDefinicao_);
        r.Estado(linha);
        r.Texto(v.texto);
    }
    r.Estado(kOk);
    return r.Leva();
}

std::string SessaoDict::Procura(const std::vector<std::string>& p) {
    if (p.size() != 4) return Linha(kParametros);
    if (!BaseValida(p[1])) return Linha(kBaseInvalida);
    const std::string estrategia = Minusculas(p[2]);
    if (!BuscaDict::Conhece(estrategia)) return Linha(kEstrategiaInvalida);
    std::vector<std::string_view> palavras;
    switch (BuscaDict(contexto_.indice, contexto_.motores).Procura(estrategia, p[3], palavras)) {
        case BuscaDict::Resposta::Invalida: return Linha(kParametros);
        case BuscaDict::Resposta::Nada: return Linha(kNada);
        case BuscaDict::Resposta::Achou: break;
    }
    RespostaDict r(mime_);
    r.Estado("152 " + std::to_string(palavras.size()) +
             (palavras.size() == 1 ? " correspondência encontrada" : " correspondências encontradas"));
    r.AbreTexto();
    std::string linha;
    for (const auto palavra : palavras) {
        linha.assign(kBase).append(" ");
        RespostaDict::AcrescentaAspas(linha, palavra);
        r.LinhaTexto(linha);
    }
    r.FechaTexto();
    r.Estado(kOk);
    return r.Leva();
}

std::string SessaoDict::Mostra(const std::vector<std::string>& p) {
    if (p.size() < 2) return Linha(kParametros);
    const std::string o_que = Maiusculas(p[1]);
    RespostaDict r(mime_);
    if ((o_que == "DB" || o_que == "DATABASES") && p.size() == 2) {
        r.Estado("110 1 base disponível");
        r.Texto(std::string(kBase) + " " + RespostaDict::Aspas(contexto_.descricao));
    } else if ((o_que == "STRAT" || o_que == "STRATEGIES") && p.size() == 2) {
        const auto& estrategias = BuscaDict::Estrategias();
        r.Estado("111 " + std::to_string(estrategias.size()) + " estratégias disponíveis");
        std::string corpo;
        for (const auto& e : estrategias)
            corpo += std::string(e.nome) + " " + RespostaDict::Aspas(e.descricao) + "\n";
        r.Texto(corpo);
    } else if (o_que == "INFO" && p.size() == 3) {
        if (p[2] == "*" || p[2] == "!" || !BaseValida(p[2])) return Linha(kBaseInvalida);
        r.Estado("112 informações sobre a base a seguir");
        r.Texto(contexto_.informacao);
    } else if (o_que == "SERVER" && p.size() == 2) {
        r.Estado("114 informações sobre o servidor a seguir");
        r.Texto(SobreServidor());
    } else {
        return Linha(kParametros);
    }
    r.Estado(kOk);
    return r.Leva();
}

std::string SessaoDict::Ajuda() const {
    RespostaDict r(mime_);
    r.Estado("113 ajuda a seguir");
    r.Texto(
        "DEFINE base palavra            os verbetes da palavra (grafia de hoje ou de 1913, formas "
        "flexionadas)\n"
        "MATCH base estratégia palavra  as palavras que correspondem, pela estratégia\n"
        "SHOW DB                        as bases disponíveis\n"
        "SHOW STRAT                     as estratégias de MATCH\n"
        "SHOW INFO base                 sobre a base\n"
        "SHOW SERVER                    sobre o servidor\n"
        "STATUS                         o estado do servidor\n"
        "CLIENT texto                   o nome do programa cliente\n"
        "OPTION MIME                    cabeçalho MIME antes de cada texto\n"
        "HELP                           esta ajuda\n"
        "QUIT                           encerra a conexão\n"
        "\n"
        "A base é \"minilexaria\"; \"*\" e \"!\" também a escolhem.\n"
        "A estratégia \".\" é a padrão. Palavras com espaços vão entre aspas.\n");
    r.Estado(kOk);
    return r.Leva();
}

std::string SessaoDict::Estado() const {
    const auto segundos =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - contexto_.inicio)
            .count();
    return "conexões abertas: " + std::to_string(contexto_.conexoes.load()) +
           "; pedidos atendidos: " + std::to_string(contexto_.pedidos.load()) +
           "; motores abertos: " + std::to_string(contexto_.motores.abertos()) +
           "; pedidos à espera de um motor: " + std::to_string(contexto_.motores.esperando()) +
           "; no ar há " + std::to_string(segundos) + " s";
}

std::string SessaoDict::SobreServidor() const {
    return "Minilexária " MINI_VERSAO
           ", servidor do dicionário\n"
           "Base: " +
           std::string(kBase) + " (" + contexto_.descricao + "), " +
           std::to_string(contexto_.indice.tamanho()) + " verbetes.\n" + "Estado: " + Estado() + ".\n";
}

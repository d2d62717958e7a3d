#include "ComandoLexaria.h"

#include <algorithm>
#include <charconv>
#include <memory>
#include <string_view>

#include "TabelaConjugacao.h"
#include "mini/ChaveVerbete.h"
#include "mini/DLLMiniLexariaDB.h"
#include "mini/ListaResultados.h"
#include "mini/Normaliza.h"
#include "mini/PedidoConjugacao.h"
#include "mini/TextoConjugacao.h"
#include "servidor/ComandoServidor.h"

namespace {

bool Numero(const std::string& s, int& valor) {
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), valor);
    return ec == std::errc() && p == s.data() + s.size();
}

// The viewer's filter codes ("1;9;") become engine filters (code + 8): the
// first opens the set, later ones are united with it when summed and
// intersected otherwise.
bool AplicaFiltros(DLLMiniLexariaDB& motor, const std::string& codigos, bool somar) {
    if (codigos.empty()) return true;
    // There are 13 classes: a longer list only repeats them.
    if (std::count(codigos.begin(), codigos.end(), ';') > 64) return false;
    motor.DefineFiltro(0, 0);
    bool primeiro = true;
    size_t i = 0;
    while (i <= codigos.size()) {
        size_t fim = codigos.find(';', i);
        if (fim == std::string::npos) fim = codigos.size();
        const std::string item = codigos.substr(i, fim - i);
        if (!item.empty()) {
            int codigo = 0;
            if (!Numero(item, codigo) || codigo < 0 || codigo > 1000) return false;
            motor.DefineFiltro(primeiro || somar ? 3 : 2, static_cast<int16_t>(codigo + 8));
            primeiro = false;
        }
        i = fim + 1;
    }
    motor.DefineFiltro(1, 0);
    return true;
}

int ListaDanificada(const mini::ListaResultados& lista, std::ostream& erros) {
    erros << "lexaria: o motor devolveu uma lista ilegível: " << lista.erro << "\n";
    return ComandoLexaria::kErro;
}

}  // namespace

std::string ComandoLexaria::Ajuda() {
    return "uso: lexaria [--banco ARQUIVO] COMANDO ...\n"
           "\n"
           "  localiza PALAVRA          id do primeiro verbete que começa com PALAVRA\n"
           "  verbete PALAVRA|#ID [--html]\n"
           "                            o verbete: linha do título, depois o texto\n"
           "  palavra PALAVRA           todos os verbetes da palavra (homônimos, grafia antiga)\n"
           "  busca MASCARA             verbetes pela máscara (* e ?), ex.: \"des*ar\"\n"
           "  texto TERMO               verbetes com TERMO no texto (\"pedra +água\", \"*mente\", \"*\")\n"
           "  abrev ROTULO              significado de uma abreviatura, ex.: \"v. t.\"\n"
           "  conjuga VERBO             a conjugação: o nome de cada tempo, depois pessoa e forma\n"
           "                            por linha (também de uma forma: \"tenho\" conjuga têr)\n"
           "  flexoes PALAVRA           as formas flexionadas: plural, feminino, formas do verbo\n"
           "  verifica                  confere o banco de dados inteiro (integridade e conteúdo)\n"
           "  grafia PALAVRA            a grafia atual de um verbete (acção → ação) e os verbetes\n"
           "                            de que a palavra é a grafia atual (ação ← acção)\n"
           "  servidor [--endereco 127.0.0.1] [--porta 2628]\n"
           "                            servidor do dicionário pelo protocolo DICT (RFC 2229),\n"
           "                            para clientes como o dict; Ctrl+C o encerra\n"
           "\n"
           "Opções das pesquisas: --total (só a contagem), --filtro 1;9; (classes), --somar\n"
           "(soma os filtros em vez de exigir todos). \"--\" encerra as opções: o que vem\n"
           "depois é sempre palavra (lexaria verbete -- --total).\n"
           "Códigos das classes: 1 Adjetivo, 2 Advérbio, 3 Artigo, 4 Conjunção,\n"
           "5 Elemento de composição, 6 Interjeição, 7 Numeral, 9 Preposição, 10 Pronome,\n"
           "11 Substantivo, 13 Verbo, 14 Gírias, 15 Estrangeiras.\n"
           "Saída: 0 quando encontra algo, 1 quando não encontra, 2 em erro de uso ou de dados.\n";
}

std::string ComandoLexaria::HtmlParaTexto(const std::string& html) {
    std::string r;
    r.reserve(html.size());
    size_t i = 0;
    while (i < html.size()) {
        // Plain text up to the next tag, reference or line break goes in at
        // once. A plain loop: find_first_of scans the set for every byte.
        size_t especial = i;
        while (especial < html.size() && html[especial] != '<' && html[especial] != '&' &&
               html[especial] != '\n')
            ++especial;
        r.append(html, i, especial - i);
        i = especial;
        if (i >= html.size()) break;
        const char c = html[i];
        if (c == '<') {
            size_t fim = html.find('>', i);
            if (fim == std::string::npos) break;
            const std::string_view nome =
                std::string_view(html).substr(i + 1, std::min<size_t>(2, fim - i - 1));
            if ((nome == "BR" || nome == "br") &&
                (fim - i - 1 == 2 || html[i + 3] == ' ' || html[i + 3] == '/'))
                r += '\n';
            i = fim + 1;
            continue;
        }
        if (c == '&') {
            static const std::pair<std::string_view, char> refs[] = {
                {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&#39;", '\''}};
            bool trocou = false;
            for (auto [ref, ch] : refs) {
                if (html.compare(i, ref.size(), ref) == 0) {
                    r += ch;
                    i += ref.size();
                    trocou = true;
                    break;
                }
            }
            if (trocou) continue;
        }
        if (c != '\n') r += c;
        ++i;
    }
    while (!r.empty() && r.back() == '\n') r.pop_back();
    r += '\n';
    return r;
}

int ComandoLexaria::Lista(DLLMiniLexariaDB& motor, int total, bool soTotal, std::ostream& saida,
                          std::ostream& erros) {
    if (soTotal) {
        saida << total << '\n';
        return total > 0 ? kAchou : kNada;
    }
    std::string pedaco;
    int32_t cursor = 0;
    while (cursor >= 0) {
        cursor = motor.ObtemResultados(0, cursor, pedaco);
        if (ErroDoMotor(motor, erros) != kAchou) return kErro;
        const mini::ListaResultados lista = mini::LeResultados(pedaco);
        for (const auto& r : lista.itens) saida << r.id << '\t' << r.palavra << '\n';
        if (!lista.Valida()) return ListaDanificada(lista, erros);
    }
    return total > 0 ? kAchou : kNada;
}

int ComandoLexaria::Conjuga(DLLMiniLexariaDB& motor, const std::string& palavra, std::ostream& saida,
                            std::ostream& erros) {
    // The verb entries of the word itself; when the word is no headword, those
    // of the verb it is a form of ("tenho" -> têr); when it is not in the
    // dictionary at all, the word as an infinitive.
    std::string pares;
    motor.LimiteResultados(300);
    const int total = motor.PesquisaPalavra(palavra, 0, pares);
    // An unreadable search is no reason to conjugate the word as a guess.
    if (ErroDoMotor(motor, erros) != kAchou) return kErro;
    const std::string chave = mini::ChaveOrtografica(mini::ChaveDobrada(palavra));
    std::vector<mini::Resultado> exatos, lemas;
    for (int32_t cursor = 0; cursor >= 0;) {
        cursor = motor.ObtemResultados(0, cursor, pares);
        if (ErroDoMotor(motor, erros) != kAchou) return kErro;
        mini::ListaResultados lista = mini::LeResultados(pares);
        if (!lista.Valida()) return ListaDanificada(lista, erros);
        for (auto& r : lista.itens) {
            const std::string semNumero = r.palavra.substr(0, r.palavra.find("\u00A0"));
            (mini::ChaveOrtografica(mini::ChaveDobrada(semNumero)) == chave ? exatos : lemas)
                .push_back(std::move(r));
        }
    }
    // 1 when the verb has no table, 2 when its table cannot be read.
    auto escreve = [&](const std::string& verbo) {
        const mini::ConjugacaoPedida pedida =
            mini::PedeConjugacao(verbo, [&motor](std::string& v) { return motor.ObtemConjugacao(v); });
        if (ErroDoMotor(motor, erros) != kAchou) return kErro;
        const mini::Conjugacao conjugacao = mini::LeConjugacao(pedida.verbo, pedida.dados);
        if (conjugacao.estado == mini::Conjugacao::Estado::Invalida) {
            erros << "lexaria: a conjugação de \"" << Visivel(pedida.verbo)
                  << "\" veio ilegível: " << conjugacao.erro << "\n";
            return kErro;
        }
        if (conjugacao.estado == mini::Conjugacao::Estado::Vazia) return kNada;
        saida << TabelaConjugacao::Texto(conjugacao);
        return kAchou;
    };
    if (total == 0) return escreve(palavra);
    for (const auto& r : exatos.empty() ? lemas : exatos) {
        int32_t i = r.id;
        const bool verbo = motor.EhVerbo(i);
        if (ErroDoMotor(motor, erros) != kAchou) return kErro;
        if (!verbo) continue;
        const int codigo = escreve(r.palavra);
        if (codigo != kNada) return codigo;
    }
    return kNada;
}

int ComandoLexaria::Flexoes(DLLMiniLexariaDB& motor, const std::string& palavra, std::ostream& saida,
                            std::ostream& erros) {
    std::string formas;
    const int32_t n = motor.ObtemFlexoes(palavra, formas);
    if (ErroDoMotor(motor, erros) != kAchou) return kErro;
    if (n < 0) return kNada;
    const mini::ListaResultados lista = mini::LeResultados(formas);
    for (const auto& r : lista.itens) saida << r.palavra << '\n';
    return lista.Valida() ? kAchou : ListaDanificada(lista, erros);
}

int ComandoLexaria::Grafia(DLLMiniLexariaDB& motor, const std::string& palavra, std::ostream& saida,
                           std::ostream& erros) {
    // The headwords spelled as typed, with today's spelling of each...
    std::string pares;
    motor.LimiteResultados(300);
    motor.PesquisaPalavra(palavra, 0, pares);
    if (ErroDoMotor(motor, erros) != kAchou) return kErro;
    const std::string chave = mini::ChaveDobrada(palavra);
    bool achou = false;
    for (int32_t cursor = 0; cursor >= 0;) {
        cursor = motor.ObtemResultados(0, cursor, pares);
        if (ErroDoMotor(motor, erros) != kAchou) return kErro;
        const mini::ListaResultados lista = mini::LeResultados(pares);
        if (!lista.Valida()) return ListaDanificada(lista, erros);
        for (const auto& r : lista.itens) {
            if (mini::ChaveDobrada(r.palavra.substr(0, r.palavra.find("\u00A0"))) != chave) continue;
            std::string atual = motor.ObtemGrafiaAtual(r.id);
            if (ErroDoMotor(motor, erros) != kAchou) return kErro;
            if (atual.empty()) {
                saida << r.palavra << ": grafia atual\n";
            } else {
                atual.pop_back();
                for (size_t i = atual.find('|'); i != std::string::npos; i = atual.find('|', i))
                    atual.replace(i, 1, ", ");
                saida << r.palavra << " → " << atual << '\n';
            }
            achou = true;
        }
    }
    // ...then the 1913 headwords of which it is today's spelling.
    motor.PesquisaGrafia(palavra, pares);
    if (ErroDoMotor(motor, erros) != kAchou) return kErro;
    const mini::ListaResultados antigas = mini::LeResultados(pares);
    if (!antigas.Valida()) return ListaDanificada(antigas, erros);
    for (const auto& r : antigas.itens) {
        saida << palavra << " ← " << r.palavra << '\n';
        achou = true;
    }
    return achou ? kAchou : kNada;
}

std::string ComandoLexaria::Visivel(const std::string& texto) {
    std::string r;
    for (size_t i = 0; i < texto.size(); ++i) {
        const auto c = static_cast<unsigned char>(texto[i]);
        // C1 controls arrive as UTF-8 "\xC2\x80".."\xC2\x9F".
        const bool c1 = c == 0xC2 && i + 1 < texto.size() &&
                        static_cast<unsigned char>(texto[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(texto[i + 1]) < 0xA0;
        if (c < 0x20 || c == 0x7F || c1) {
            static const char* hex = "0123456789ABCDEF";
            const unsigned char v = c1 ? static_cast<unsigned char>(texto[++i]) : c;
            r += "\\x";
            r += hex[v >> 4];
            r += hex[v & 0xF];
        } else {
            r += static_cast<char>(c);
        }
    }
    return r;
}

int ComandoLexaria::ErroDoMotor(const DLLMiniLexariaDB& motor, std::ostream& erros) {
    const std::string& e = motor.ObtemUltimoErro();
    if (e.empty()) return kAchou;
    erros << "lexaria: " << Visivel(e) << "\n";
    return kErro;
}

int ComandoLexaria::Executa(const std::vector<std::string>& argumentos, std::ostream& saida,
                            std::ostream& erros, const std::string& caminhoBanco) {
    const int codigo = ExecutaComando(argumentos, saida, erros, caminhoBanco);
    // A full disk or a closed pipe is no success.
    saida.flush();
    if (!saida) {
        erros << "lexaria: não foi possível escrever a saída\n";
        return kErro;
    }
    return codigo;
}

int ComandoLexaria::ExecutaComando(const std::vector<std::string>& argumentos, std::ostream& saida,
                                   std::ostream& erros, const std::string& caminhoBanco) {
    // The server has options of its own, after its name.
    {
        std::string banco = caminhoBanco;
        size_t i = 0;
        if (argumentos.size() >= 2 && argumentos[0] == "--banco") {
            banco = argumentos[1];
            i = 2;
        }
        if (i < argumentos.size() && argumentos[i] == "servidor")
            return ComandoServidor::Executa(
                {argumentos.begin() + static_cast<std::ptrdiff_t>(i) + 1, argumentos.end()}, banco, saida,
                erros);
    }
    std::vector<std::string> posicionais;
    std::string banco = caminhoBanco, filtro;
    bool html = false, soTotal = false, somar = false, opcoes = true;
    for (size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& a = argumentos[i];
        // After "--" every argument is a word, even "--help".
        if (!opcoes || a.empty() || a[0] != '-') {
            posicionais.push_back(a);
            continue;
        }
        if (a == "--") {
            opcoes = false;
            continue;
        }
        if (a == "--help" || a == "-h") {
            saida << Ajuda();
            return kAchou;
        }
        if (a == "--html")
            html = true;
        else if (a == "--total")
            soTotal = true;
        else if (a == "--somar")
            somar = true;
        else if ((a == "--filtro" || a == "--banco") && i + 1 < argumentos.size())
            (a == "--filtro" ? filtro : banco) = argumentos[++i];
        else if (a == "--filtro" || a == "--banco") {
            erros << "lexaria: " << Visivel(a) << " precisa de um valor\n";
            return kErro;
        } else if (a.size() > 2 && a.rfind("--", 0) == 0) {
            erros << "lexaria: opção desconhecida " << Visivel(a) << "\n" << Ajuda();
            return kErro;
        } else {
            posicionais.push_back(a);
        }
    }
    const bool verifica = posicionais.size() == 1 && posicionais[0] == "verifica";
    if (posicionais.size() != 2 && !verifica) {
        erros << Ajuda();
        return kErro;
    }
    const std::string& comando = posicionais[0];
    std::string termo = verifica ? std::string() : posicionais[1];
    static const char* comandos[] = {"localiza", "verbete", "palavra", "busca",  "texto",
                                     "abrev",    "conjuga", "flexoes", "grafia", "verifica"};
    if (std::find(std::begin(comandos), std::end(comandos), comando) == std::end(comandos)) {
        erros << "lexaria: comando desconhecido \"" << Visivel(comando) << "\"\n" << Ajuda();
        return kErro;
    }

    auto motor =
        banco.empty() ? std::make_unique<DLLMiniLexariaDB>() : std::make_unique<DLLMiniLexariaDB>(banco);
    if (!motor->AbreDados()) {
        erros << "lexaria: não foi possível ler o banco de dados do dicionário"
              << (banco.empty() ? std::string() : " (" + Visivel(banco) + ")") << ": "
              << Visivel(motor->ObtemUltimoErro()) << "\n";
        return kErro;
    }

    if (comando == "verifica") {
        const std::string problema = motor->VerificaDados();
        if (!problema.empty()) {
            erros << "lexaria: " << Visivel(problema) << "\n";
            return kErro;
        }
        saida << "banco de dados íntegro\n";
        return kAchou;
    }
    if (comando == "localiza") {
        const int32_t id = motor->LocalizaPalavra(termo);
        if (ErroDoMotor(*motor, erros) != kAchou) return kErro;
        saida << id << '\n';
        return id >= 0 ? kAchou : kNada;
    }
    if (comando == "verbete") {
        int32_t id = -1;
        if (termo.size() > 1 && termo[0] == '#') {
            int n = 0;
            if (!Numero(termo.substr(1), n)) {
                erros << "lexaria: id inválido \"" << Visivel(termo) << "\"\n";
                return kErro;
            }
            id = n;
        } else {
            id = motor->LocalizaPalavra(termo);
            if (ErroDoMotor(*motor, erros) != kAchou) return kErro;
        }
        std::string texto;
        const std::string titulo =
            motor->ObtemVerbete(id, texto, mini::ValorChaveVerbete(mini::PosicaoChave(id < 0 ? 0 : id)));
        if (ErroDoMotor(*motor, erros) != kAchou) return kErro;
        if (titulo.empty()) return kNada;
        saida << id << '\t' << titulo << '\n' << (html ? texto + "\n" : HtmlParaTexto(texto));
        return kAchou;
    }
    if (comando == "conjuga") return Conjuga(*motor, termo, saida, erros);
    if (comando == "flexoes") return Flexoes(*motor, termo, saida, erros);
    if (comando == "grafia") return Grafia(*motor, termo, saida, erros);
    if (comando == "abrev") {
        const std::string e = motor->ObtemAbreviatura(termo);
        if (ErroDoMotor(*motor, erros) != kAchou) return kErro;
        if (e.empty()) return kNada;
        std::string linhas = e.substr(0, e.size() - 1);
        for (char& c : linhas)
            if (c == '|') c = '\n';
        saida << linhas << '\n';
        return kAchou;
    }

    motor->LimiteResultados(300);
    int total = 0;
    std::string ignorado;
    if (comando == "palavra")
        total = motor->PesquisaPalavra(termo, 0, ignorado);
    else if (comando == "busca")
        total = motor->PesquisaMascara(termo, ignorado, 0);
    else {
        int32_t t = 0;
        motor->PesquisaReversa(termo, ignorado, 0, 0, t);
    }
    if (ErroDoMotor(*motor, erros) != kAchou) return kErro;
    if (!AplicaFiltros(*motor, filtro, somar)) {
        erros << "lexaria: filtro inválido \"" << Visivel(filtro.substr(0, 200))
              << (filtro.size() > 200 ? "…" : "") << "\" (ex.: 1;9;, no máximo 64 classes)\n";
        return kErro;
    }
    total = motor->ObtemTotalResultados();
    return Lista(*motor, total, soTotal, saida, erros);
}

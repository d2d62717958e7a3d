#include "ComandoServidor.h"

#include <signal.h>

#include <charconv>

#include "ServidorDict.h"

int ComandoServidor::Executa(const std::vector<std::string>& argumentos, const std::string& banco,
                             std::ostream& saida, std::ostream& erros) {
    ServidorDict::Opcoes opcoes;
    opcoes.banco = banco;
    for (size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& a = argumentos[i];
        if ((a == "--endereco" || a == "--porta") && i + 1 < argumentos.size()) {
            const std::string& valor = argumentos[++i];
            if (a == "--endereco") {
                opcoes.endereco = valor;
                continue;
            }
            unsigned porta = 0;
            auto [p, ec] = std::from_chars(valor.data(), valor.data() + valor.size(), porta);
            if (ec != std::errc() || p != valor.data() + valor.size() || porta > 65535) {
                erros << "lexaria: porta inválida \"" << valor << "\"\n";
                return 2;
            }
            opcoes.porta = static_cast<uint16_t>(porta);
        } else {
            erros << "lexaria: servidor: argumento inesperado \"" << a << "\"\n"
                  << "uso: lexaria servidor [--endereco 127.0.0.1] [--porta 2628]\n";
            return 2;
        }
    }
    // The signals are taken by sigwait below, so every thread the server
    // starts inherits them blocked.
    sigset_t sinais;
    sigemptyset(&sinais);
    sigaddset(&sinais, SIGINT);
    sigaddset(&sinais, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &sinais, nullptr);

    ServidorDict servidor(opcoes);
    if (!servidor.Inicia()) {
        erros << "lexaria: " << servidor.erro() << "\n";
        pthread_sigmask(SIG_UNBLOCK, &sinais, nullptr);
        return 2;
    }
    saida << "servidor do dicionário em " << opcoes.endereco << ":" << servidor.porta()
          << " (Ctrl+C para parar)" << std::endl;
    int sinal = 0;
    sigwait(&sinais, &sinal);
    servidor.Para();
    pthread_sigmask(SIG_UNBLOCK, &sinais, nullptr);
    return 0;
}

// `lexaria servidor`: starts the dictionary server and keeps it up until the
// process is told to stop (SIGINT or SIGTERM).
#pragma once

#include <ostream>
#include <string>
#include <vector>

class ComandoServidor {
public:
    // argumentos: what follows "servidor" (--endereco, --porta). Returns the
    // tool's exit code: 0 after a clean stop, 2 on a usage or start error.
    static int Executa(const std::vector<std::string>& argumentos, const std::string& banco,
                       std::ostream& saida, std::ostream& erros);
};

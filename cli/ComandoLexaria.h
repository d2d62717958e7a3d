// The terminal tool over the engine: parses a command line, runs it and
// writes the answer. Kept apart from main() so tests can drive it.
#pragma once

#include <ostream>
#include <string>
#include <vector>

class DLLMiniLexariaDB;

class ComandoLexaria {
public:
    // Exit codes: something found, nothing found, usage or data error.
    enum Saida { kAchou = 0, kNada = 1, kErro = 2 };

    // caminhoBanco empty: the database beside the executable.
    int Executa(const std::vector<std::string>& argumentos, std::ostream& saida, std::ostream& erros,
                const std::string& caminhoBanco = "");

    static std::string Ajuda();
    // Entry HTML as plain text: one line per <BR>, tags dropped, the few
    // character references the engine writes decoded.
    static std::string HtmlParaTexto(const std::string& html);
    // Input echoed in a message, with control characters written as \xNN so
    // they never reach the terminal raw.
    static std::string Visivel(const std::string& texto);

private:
    int ExecutaComando(const std::vector<std::string>& argumentos, std::ostream& saida, std::ostream& erros,
                       const std::string& caminhoBanco);
    // A data error of the last engine call, reported (kErro); kAchou when none.
    static int ErroDoMotor(const DLLMiniLexariaDB& motor, std::ostream& erros);
    // A list the engine sends damaged is an error (kErro), reported on erros.
    int Lista(DLLMiniLexariaDB& motor, int total, bool soTotal, std::ostream& saida, std::ostream& erros);
    int Conjuga(DLLMiniLexariaDB& motor, const std::string& palavra, std::ostream& saida,
                std::ostream& erros);
    int Flexoes(DLLMiniLexariaDB& motor, const std::string& palavra, std::ostream& saida,
                std::ostream& erros);
    int Grafia(DLLMiniLexariaDB& motor, const std::string& palavra, std::ostream& saida, std::ostream& erros);
};

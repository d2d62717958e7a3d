#include <iostream>

#include "ComandoLexaria.h"

int main(int argc, char** argv) {
    std::vector<std::string> argumentos(argv + 1, argv + argc);
    return ComandoLexaria().Executa(argumentos, std::cout, std::cerr);
}

#include "TabelaStrings.h"

#include <algorithm>
#include <iterator>

namespace {

struct Entrada {
    int id;
    const char* texto; // UTF-8
};

// Sorted by number.
constexpr Entrada kTextos[] = {
    {100, "Dicionário Lexária"},
    {106, "Nenhuma pesquisa foi realizada."},
    {113, "nenhum verbete"},
    {114, "verbete"},
    {115, "verbetes"},
    {116, "Filtro:"},
    {117, "%linhaSimples<span id=\"T4\">Para procurar um verbete, digite a palavra no campo \"Pesquisa\" ou uti"
          "lize as opções disponíveis na \"Pesquisa avançada\"%linhaSimples</span> "},
    {118, "(filtros somados)"},
    {120, "Presente do Indicativo,Pretérito Imperfeito do Indicativo,Pretérito Perfeito,"
          "Pretérito Mais-que-Perfeito,Futuro do Presente,Futuro do Pretérito,Presente do Subjuntivo,"
          "Pretérito Imperfeito do Subjuntivo,Futuro do Subjuntivo,Imperativo Afirmativo,"
          "Infinitivo Pessoal,Gerúndio,<BR>Particípio"},
    {124, "<BR><span id='T4'>Veja a lista completa de verbetes no item \"Resultados da Pesquisa\".</span>"},
    {128, "Carregando..."},
    {131, "Não foi possível ler os arquivos de dados. Verifique a conexão de rede ou reinstale o produto."},
    {134, "Mini Monousuário"},
    {201, "%linhaSimples<span id=\"T4\"> Resultado da busca por </span><span id=\"T5\">%1</span>.<BR><span id="
          "\"T4\">%filtros</span><span id=\"T6\">%numVerbetes</span>%linhaDupla%listaVerbetes%linhaDupla"},
    {202, "%linhaSimples<span id=\"T4\">Resultado da busca de palavras iniciadas por </span><span id=\"T5\">%1<"
          "/span>.<BR><span id=\"T4\">%filtros</span><span id=\"T6\">%numVerbetes</span>%linhaDupla%listaVerbet"
          "es%linhaDupla<span id=\"T4\">A lista alfabética de verbetes está disponível no item \"Dicionário\".<"
          "/span>%linhaSimples"},
    {203, "%linhaSimples<span id=\"T4\">Resultado da busca de palavras terminadas em </span><span id=\"T5\">%1<"
          "/span>.<BR><span id=\"T4\">%filtros</span><span id=\"T6\">%numVerbetes</span>%linhaDupla%listaVerbet"
          "es%linhaDupla<span id=\"T4\">A lista alfabética de verbetes está disponível no item \"Dicionário\".<"
          "/span>%linhaSimples"},
    {204, "%linhaSimples<span id=\"T4\">Resultado da busca de palavras iniciadas por </span><span id=\"T5\">%1<"
          "/span><span id=\"T4\"> e terminadas em </span><span id=\"T5\">%2</span>.<BR><span id=\"T4\">%filtros"
          "</span><span id=\"T6\">%numVerbetes</span>%linhaDupla%listaVerbetes%linhaDupla<span id=\"T4\">A list"
          "a alfabética de verbetes está disponível no item \"Dicionário\".</span>%linhaSimples"},
    {205, "%linhaSimples<span id=\"T4\">Resultado da busca por <span id=\"T5\">%1</span> no texto do verbete.</"
          "span><BR><span id=\"T4\">%filtros</span><span id=\"T6\">%numVerbetes</span>%linhaDupla%listaVerbetes"
          "%linhaDupla<span id=\"T4\">A lista alfabética de verbetes está disponível no item \"Dicionário\".</s"
          "pan>%linhaSimples"},
    {206, "%linhaSimples<span id=\"T4\">Resultado da busca de palavras iniciadas por <span id=\"T5\">%1</span> "
          "no texto do verbete.</span><BR><span id=\"T4\">%filtros</span><span id=\"T6\">%numVerbetes</span>%li"
          "nhaDupla%listaVerbetes%linhaDupla<span id=\"T4\">A lista alfabética de verbetes está disponível no i"
          "tem \"Dicionário\".</span>%linhaSimples"},
    {207, "%linhaSimples<span id=\"T4\">Resultado da busca de palavras terminadas em <span id=\"T5\">%1</span> "
          "no texto do verbete.</span><BR><span id=\"T4\">%filtros</span><span id=\"T6\">%numVerbetes</span>%li"
          "nhaDupla%listaVerbetes%linhaDupla<span id=\"T4\">A lista alfabética de verbetes está disponível no i"
          "tem \"Dicionário\".</span>%linhaSimples"},
    {208, "%linhaSimples<span id=\"T4\">Resultado da busca de palavras iniciadas por <span id=\"T5\">%1</span> "
          "e terminadas em <span id=\"T5\">%2</span> no texto do verbete.</span><BR><span id=\"T4\">%filtros</s"
          "pan><span id=\"T6\">%numVerbetes</span>%linhaDupla%listaVerbetes%linhaDupla<span id=\"T4\">A lista a"
          "lfabética de verbetes está disponível no item \"Dicionário\".</span>%linhaSimples"},
    {210, "%linhaSimples<span id=\"T4\">Resultado da aplicação do </span><span id=\"T5\">%filtros</span><span i"
          "d=\"T6\">%numVerbetes</span>%linhaDupla%listaVerbetes%linhaDupla<span id=\"T4\">A lista alfabética d"
          "e verbetes está disponível dentro do item \"Dicionário\".</span>%linhaSimples"},
    {251, "%linhaSimples<span id=\"T4\">Não foi encontrado o verbete </span><span id=\"T5\">%1.</span><BR><span"
          " id=\"T6\">%filtros</span>%linhaSimples <span id=\"T4\"> Verifique se não houve erro de digitação ou"
          " utilize as outras opções de pesquisa.</span>"},
    {252, "%linhaSimples<span id=\"T4\"> Não foi encontrado nenhum verbete iniciado por </span><span id=\"T5\">"
          "%1.</span><BR><span id=\"T6\">%filtros</span>%linhaSimples<span id=\"T4\">  Verifique se não houve e"
          "rro de digitação ou utilize as outras opções de pesquisa.</span>"},
    {253, "%linhaSimples<span id=\"T4\"> Não foi encontrado nenhum verbete terminado em </span><span id=\"T5\">"
          "%1.</span><BR><span id=\"T6\">%filtros</span>%linhaSimples <span id=\"T4\"> Verifique se não houve e"
          "rro de digitação ou utilize as outras opções de pesquisa.</span>"},
    {254, "%linhaSimples<span id=\"T4\"> Não foi encontrado nenhum verbete iniciado por <span id=\"T5\">%1</spa"
          "n> e terminado por <span id=\"T5\">%2</span></span><BR><span id=\"T6\">%filtros</span>%linhaSimples "
          "<span id=\"T4\"> Verifique se não houve erro de digitação ou utilize as outras opções de pesquisa.</"
          "span>"},
    {255, "%linhaSimples<span id=\"T4\"> Não foi encontrado nenhum verbete com a palavra <span id=\"T5\">%1</sp"
          "an> em sua definição. </span><BR><span id=\"T6\">%filtros</span>%linhaSimples<span id=\"T4\"> Verifi"
          "que se não houve erro de digitação ou utilize as outras opções de pesquisa.</span>"},
    {256, "%linhaSimples<span id=\"T4\"> Não foi encontrado nenhum verbete com uma palavra iniciada por <span i"
          "d=\"T5\">%1</span> em sua definição. </span><BR><span id=\"T6\">%filtros</span>%linhaSimples<span id"
          "=\"T4\"> Verifique se não houve erro de digitação ou utilize as outras opções de pesquisa.</span>"},
    {257, "%linhaSimples<span id=\"T4\"> Não foi encontrado nenhum verbete com uma palavra terminada em <span i"
          "d=\"T5\">%1</span> na sua definição. </span><BR><span id=\"T6\">%filtros</span>%linhaSimples <span i"
          "d=\"T4\"> Verifique se não houve erro de digitação ou utilize as outras opções de pesquisa.</span>"},
    {258, "%linhaSimples<span id=\"T4\"> Não foi encontrado nenhum verbete com uma palavra iniciada por <span i"
          "d=\"T5\">%1</span> e  terminada em <span id=\"T5\">%2</span> na sua definição.</span><BR><span id=\""
          "T6\">%filtros</span>%linhaSimples <span id=\"T4\"> Verifique se não houve erro de digitação ou utili"
          "ze as outras opções de pesquisa.</span>"},
    {301, "Resultado da busca por “%1” (%numVerbetes)."},
    {302, "Resultado da busca de palavras iniciadas por “%1”  (%numVerbetes)."},
    {303, "Resultado da busca de palavras terminadas em “%1”  (%numVerbetes)."},
    {304, "Resultado da busca de palavras iniciadas por “%1” e  terminadas em “%2”  (%numVerbetes)."},
    {305, "Resultado da busca por “%1” no texto do verbete  (%numVerbetes)."},
    {306, "Palavras iniciadas por “%1” no texto do verbete  (%numVerbetes)."},
    {307, "Palavras terminadas por “%1” no texto do verbete  (%numVerbetes)."},
    {308, "Palavras iniciadas por “%1” e  terminadas em “%2” no texto do verbete  (%numVerbetes)."},
    {310, "Resultado da aplicação do filtro  (%numVerbetes)."},
    {351, "Não foi encontrado o verbete “%1”."},
    {352, "Não foi encontrado nenhum verbete iniciado por “%1”."},
    {353, "Não foi encontrado nenhum verbete terminado em “%1”."},
    {354, "Não foi encontrado nenhum verbete iniciado por \"%1\" e  terminado em \"%2\"."},
    {355, "Não foi encontrado nenhum verbete com a palavra \"%1\" em sua definição."},
    {356, "Nenhum verbete encontrado: palavra iniciada por “%1” no texto do verbete."},
    {357, "Nenhum verbete encontrado: palavra terminada por “%1” no texto do verbete."},
    {358, "Nenhum verbete: palavra iniciada por “%1” e  terminada por “%2” no texto do verbete."},
    {370, "O diretório de notas não foi definido corretamente. Se for escolhido continuar, o programa não "
          "terá acesso a leitura e escrita de notas. Deseja continuar?"},
    {371, "Não é possível alterar as configurações de apresentação do verbete porque o login de seu usuário "
          "não tem direito de gravar no diretório %1."},
    {400,
     "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" bgcolor=\"#F6F6EE\" align='right' id=\"table1\" "
     "style=\"visibility:hidden;\"><tr><td width=\"1\" height=\"1\"><img src=\"BordaSupEsquerda.gif\"></td><td  "
     "width=\"60\" height=\"1\" background=\"LinhaSup.gif\"><img src=\"LinhaSup.gif\"></td><td width=\"1\" "
     "height=\"1\"><img src=\"BordaSupDireita.gif\"></td></tr><tr><td width=\"8\" background=\"LinhaEsquerda.gif\">"
     "</td><td id='ListaAlternativas'></td><td width=\"8\" background=\"LinhaDireita.gif\"></td></tr><tr><td "
     "id='ListaEspaco' colspan=\"3\"><table width=\"100%\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\"><tr><td "
     "width=\"8\" background=\"LinhaEsquerda.gif\"></td><td width=\"100%\"></td><td width=\"8\" "
     "background=\"LinhaDireita.gif\"></td></tr></table></td></tr><tr><td width=\"8\" "
     "background=\"LinhaEsquerda.gif\"></td><td id='ListaConjugacao'></td><td width=\"8\" "
     "background=\"LinhaDireita.gif\"></td></tr><tr><td><img src=\"BordaInfEsquerda.gif\"></td><td width=\"8\" "
     "height=\"1\" background=\"LinhaInf.gif\"><img src=\"LinhaInf.gif\"></td><td><img "
     "src=\"BordaInfDireita.gif\"></td></tr></table>"},
    {500, "Não foi possível inserir a anotação neste verbete. O diretório %1 não permite gravação. Verifique "
          "se a configuração de seu usuário tem direito de gravar neste diretório."},
    {501, "%linhaSimples<span id=\"T4\">Não é possível procurar no texto do verbete usando apenas uma letra.</s"
          "pan>%linhaSimples"},
    {502, "%linhaSimples<span id=\"T4\">Não é possível procurar no texto do verbete usando apenas <span id=\"T5"
          "\"> \"%1\" </span> como critério de pesquisa. Escolha outras palavras para sua pesquisa.</span>%linh"
          "aSimples"},
    {503, "O diretório %1 não permite gravação. Verifique se a configuração de seu usuário tem direito de "
          "gravar neste diretório."},
    {600, "<table width=\"100%\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\"><tr><td width=\"8\" "
          "background=\"LinhaEsquerda.gif\"><img src=\"LinhaEsquerda.gif\"></td><td width=\"100%\"> </td><td "
          "width=\"8\" background=\"LinhaDireita.gif\"><img src=\"LinhaDireita.gif\"></td></tr><tr><td colspan = \"3\" "
          "width=\"100%\" background=\"Linha.gif\"><img src=\"Linha.gif\"></td></tr><tr><td width=\"8\" "
          "background=\"LinhaEsquerda.gif\"><img src=\"LinhaEsquerda.gif\"></td><td width=\"100%\"> </td><td "
          "width=\"8\" background=\"LinhaDireita.gif\"><img src=\"LinhaDireita.gif\"></td></tr></table>"},
    {701, "Página Inicial"},
    {702, "Voltar"},
    {703, "Avançar"},
    {704, "Modo Completo"},
    {705, "Modo Reduzido"},
    {706, "Modo Dicionário"},
    {707, "Imprimir"},
    {708, "Inserir Nota"},
    {709, "As configurações-padrão serão restauradas. Deseja continuar?"},
    {710, "Quando desmarcada, a opção Somar Filtros <BR> lista somente as palavras que satisfazem,<BR>ao mesmo "
          "tempo, os filtros selecionados."},
    // The page and the title line when the engine cannot read the dictionary.
    {900, "%linhaSimples<span id=\"T4\">Não foi possível ler o dicionário: </span><span id=\"T5\">%1</span>"
          "<span id=\"T4\">.<BR>Se o problema continuar, reinstale o programa.</span>%linhaSimples"},
    {901, "Erro ao ler o dicionário."},
};

static_assert(std::is_sorted(std::begin(kTextos), std::end(kTextos),
                             [](const Entrada& a, const Entrada& b) { return a.id < b.id; }));

} // namespace

QString TabelaStrings::Texto(int id)
{
    const auto it =
        std::lower_bound(std::begin(kTextos), std::end(kTextos), id, [](const Entrada& e, int n) { return e.id < n; });
    if (it == std::end(kTextos) || it->id != id)
        return {};
    return QString::fromUtf8(it->texto);
}

QString TabelaStrings::Texto(int id, const QString& valor)
{
    QString texto = Texto(id);
    return texto.replace(QStringLiteral("%1"), valor);
}

#include "TabelaStrings.h"

#include <algorithm>
#include <iterator>

namespace {

struct Entrada {
    int id;
    const char* texto;   // UTF-8
};

// Sorted by number.
constexpr Entrada kTextos[] = {
    {100, "Dicionário Lexária"},
    {106, "Nenhuma pesquisa foi realizada."},
    {120, "Presente do Indicativo,Pretérito Imperfeito do Indicativo,Pretérito Perfeito,"
          "Pretérito Mais-que-Perfeito,Futuro do Presente,Futuro do Pretérito,Presente do Subjuntivo,"
          "Pretérito Imperfeito do Subjuntivo,Futuro do Subjuntivo,Imperativo Afirmativo,"
          "Infinitivo Pessoal,Gerúndio,<BR>Particípio"},
    {128, "Carregando..."},
    {131, "Não foi possível ler os arquivos de dados. Verifique a conexão de rede ou reinstale o produto."},
    {134, "Mini Monousuário"},
    {370, "O diretório de notas não foi definido corretamente. Se for escolhido continuar, o programa não "
          "terá acesso a leitura e escrita de notas. Deseja continuar?"},
    {371, "Não é possível alterar as configurações de apresentação do verbete porque o login de seu usuário "
          "não tem direito de gravar no diretório %1."},
    {400, "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" bgcolor=\"#F6F6EE\" align='right' id=\"table1\" "
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
};

static_assert(std::is_sorted(std::begin(kTextos), std::end(kTextos),
                             [](const Entrada& a, const Entrada& b) { return a.id < b.id; }));

} // namespace

QString TabelaStrings::Texto(int id)
{
    const auto it = std::lower_bound(std::begin(kTextos), std::end(kTextos), id,
                                     [](const Entrada& e, int n) { return e.id < n; });
    if (it == std::end(kTextos) || it->id != id)
        return {};
    return QString::fromUtf8(it->texto);
}

QString TabelaStrings::Texto(int id, const QString& valor)
{
    QString texto = Texto(id);
    return texto.replace(QStringLiteral("%1"), valor);
}

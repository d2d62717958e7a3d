#include "PaginasResultado.h"

#include "DestinoResultados.h"
#include "TabelaStrings.h"
#include "TipoPesquisa.h"

namespace {

const QString kFiltros = QStringLiteral("filtros");
const QString kNumVerbetes = QStringLiteral("numVerbetes");
const QString kListaVerbetes = QStringLiteral("listaVerbetes");
constexpr int kNaoEncontrado = 50;

} // namespace

PaginasResultado::PaginasResultado(DestinoResultados& destino) : m_destino(destino) { }

QString PaginasResultado::TextoNumVerbetes(qint32 n)
{
    return QString::number(n) + u' ' + TabelaStrings::Texto(n < 2 ? TabelaStrings::Verbete : TabelaStrings::Verbetes);
}

PaginasResultado::Escolha PaginasResultado::EscolheModelos(qint16 tipoPesquisa, const QString& palavra)
{
    Escolha e;
    const qsizetype estrela = palavra.indexOf(u'*');
    const QString antes = estrela < 0 ? palavra : palavra.left(estrela);
    QString depois = estrela < 0 ? QString() : palavra.mid(estrela + 1);
    const qsizetype segunda = depois.indexOf(u'*');
    if (segunda >= 0)
        depois = depois.left(segunda);

    auto escolhe = [&e](int n, const QString* p1, const QString* p2) {
        e.pagina = 200 + n;
        e.titulo = 300 + n;
        if (p1) {
            e.usa1 = true;
            e.parte1 = *p1;
        }
        if (p2) {
            e.usa2 = true;
            e.parte2 = *p2;
        }
    };
    switch (static_cast<TipoPesquisa>(tipoPesquisa)) {
    case TipoPesquisa::Flexivel: escolhe(1, &palavra, nullptr); break;
    case TipoPesquisa::Mascara:
        if (palavra.count(u'*') != 1)
            break;
        if (!antes.isEmpty() && !depois.isEmpty())
            escolhe(4, &antes, &depois);
        else if (!depois.isEmpty())
            escolhe(3, &depois, nullptr);
        else if (!antes.isEmpty())
            escolhe(2, &antes, nullptr);
        break;
    case TipoPesquisa::Reversa:
        if (palavra == u"*")
            escolhe(10, nullptr, nullptr);
        else if (estrela < 0)
            escolhe(5, &palavra, nullptr);
        else if (!antes.isEmpty() && !depois.isEmpty())
            escolhe(8, &antes, &depois);
        else if (!depois.isEmpty())
            escolhe(7, &depois, nullptr);
        else if (!antes.isEmpty())
            escolhe(6, &antes, nullptr);
        break;
    }
    return e;
}

QStringList PaginasResultado::Partes(const Escolha& escolha)
{
    QStringList pares;
    if (escolha.usa1)
        pares << QStringLiteral("1") << escolha.parte1;
    if (escolha.usa2)
        pares << QStringLiteral("2") << escolha.parte2;
    return pares;
}

QString PaginasResultado::PreencheTitulo(int titulo, const QStringList& pares)
{
    QString texto = TabelaStrings::Texto(titulo);
    for (qsizetype i = 0; i + 1 < pares.size(); i += 2)
        texto.replace(u'%' + pares.at(i), pares.at(i + 1));
    return texto;
}

void PaginasResultado::MostraDescricaoPesquisa(int titulo, const QStringList& pares)
{
    m_destino.DefineDescricaoPesquisa(PreencheTitulo(titulo, pares));
}

void PaginasResultado::RetornoBusca(const QString& palavra, const QString& strLista, qint32 tamLista,
                                    qint16 tipoPesquisa)
{
    m_destino.SelecionaLista(2);
    m_destino.VerificaVerbete(-1);
    m_destino.DesmarcaListaAlfabetica();
    const QString f = m_destino.DescricaoFiltros();
    const QString filtros = f.isEmpty() ? QString() : f + QStringLiteral("<BR>");
    const QString numero = TextoNumVerbetes(tamLista + 1);
    const Escolha e = EscolheModelos(tipoPesquisa, palavra);
    if (!e.pagina)
        return;
    m_destino.MostraLista(e.pagina, Partes(e)
                                        << kFiltros << filtros << kNumVerbetes << numero << kListaVerbetes << strLista);
    QStringList titulo = Partes(e);
    if (e.SoFiltros())
        titulo << kFiltros << f << kListaVerbetes << strLista;
    MostraDescricaoPesquisa(e.titulo, titulo << kNumVerbetes << numero);
}

void PaginasResultado::NaoEncontrado(const QString& palavra, qint16 tipoPesquisa)
{
    m_destino.VerificaVerbete(-1);
    m_destino.DesmarcaListaAlfabetica();
    const QString f = m_destino.DescricaoFiltros();
    const QString filtros = f.isEmpty() ? QString() : f + QStringLiteral("<BR>");
    const Escolha e = EscolheModelos(tipoPesquisa, palavra);
    if (e.pagina) {
        const QString nenhum = TabelaStrings::Texto(TabelaStrings::NenhumVerbete);
        QStringList pagina = Partes(e) << kFiltros << filtros;
        QStringList titulo = Partes(e);
        if (e.SoFiltros()) {
            pagina << kNumVerbetes << nenhum << kListaVerbetes << QString();
            titulo << kFiltros << f << kNumVerbetes << nenhum << kListaVerbetes << QString();
            m_destino.MostraLista(e.pagina, pagina);
            MostraDescricaoPesquisa(e.titulo, titulo);
        } else {
            if (e.titulo != 301)
                titulo << kFiltros << f;
            m_destino.MostraLista(e.pagina + kNaoEncontrado, pagina);
            MostraDescricaoPesquisa(e.titulo + kNaoEncontrado, titulo);
        }
    }
    m_destino.MostraAguarde(false);
}

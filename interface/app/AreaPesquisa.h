// The window's searches: the advanced panel, the dispatcher, the result
// pages and the searches on the results list, joined to the lookup area's
// search box, entry view and lists. AreaConsulta creates it; it is the
// window side of the interfaces the search logic owns.
#pragma once

#include "AmbienteBusca.h"
#include "CBuscasAnteriores.h"
#include "DespachoPesquisa.h"
#include "DestinoResultados.h"
#include "PaginasResultado.h"
#include "PainelPesquisa.h"
#include "PesquisaLista.h"

#include <QObject>
#include <functional>
#include <memory>

class CBrowser;
class CList;
class JanelaConsulta;
class MotorDicionario;
class PainelAvancado;
class QFontMetrics;
class QLabel;
class QLineEdit;
class QToolButton;
class QWidget;
class SuperficieWidget;
struct Disposicao;

class AreaPesquisa : public QObject, public PainelPesquisa, public DestinoResultados, public AmbienteBusca {
    Q_OBJECT
public:
    struct Partes {
        QWidget* janela = nullptr;
        QLineEdit* txtEntrada = nullptr;
        QLabel* lblDescricaoPesquisa = nullptr;
        CBrowser* browser = nullptr;
        CList* lista = nullptr;
        CList* lista2 = nullptr;
        JanelaConsulta* consulta = nullptr;
        std::function<MotorDicionario*()> motor;
        std::function<void()> paraBuscaDigitada;
        std::function<void(int qual)> selecionaLista;
        std::function<void()> posiciona; // lay the window out again
        // A previous search chosen: its entry, not recorded again.
        std::function<void(qint32 id)> exibeVerbete;
        // The searching picture over the entry view.
        std::function<void(bool visivel)> mostraPesquisando;
    };

    explicit AreaPesquisa(Partes partes);
    ~AreaPesquisa() override;

    DespachoPesquisa& Despacho() { return m_despacho; }
    PaginasResultado& Paginas() { return m_paginas; }
    PesquisaLista& Busca() { return m_busca; }
    PainelAvancado& Painel() { return *m_painel; }
    CBuscasAnteriores& Buscas() { return m_Buscas; }
    SuperficieWidget* PicBuscasAnteriores() const { return picBuscasAnteriores; }
    // The panel and the previous searches in the left column.
    void Ajusta(Disposicao& d);
    void MostraBuscasAnteriores(bool visivel);
    void AbrePainel();
    // The stored state of the filter-summing tick (1 ticked).
    void DefineSomarFiltros(int valor);

    // The title shortened in its middle until it wraps into that many lines
    // of that width: the searched words and the count at its end stay.
    static QString AjustaTitulo(const QString& titulo, const QFontMetrics& fonte, int largura, int linhas);

    // The result list of a clicked word: its filters do not apply.
    void PesquisaPalavraClicada(const QString& palavra);

    // PainelPesquisa
    bool PainelAberto() const override;
    bool Marcada(Caixa caixa) const override;
    QString Entrada() const override;
    QString Entrada1() const override;
    QString Entrada2() const override;
    int IndiceFiltro() const override;
    std::vector<bool> ClassesMarcadas() const override;
    bool ConsultandoPalavraClicada() const override { return m_palavraClicada; }
    bool ListaAlfabeticaVisivel() const override;
    void ParaBuscaDigitada() override;
    void MostraAguarde(bool visivel) override;
    void MostraPagina(int modelo, const QStringList& pares) override;
    void VerificaVerbete(qint32 id) override;
    void DesmarcaResultados() override;
    void SelecionaLista(int qual) override;
    int LarguraRotuloFiltros() const override;
    int LarguraTexto(const QString& texto) const override;
    void DefineRotuloFiltros(const QString& texto, const QString& dica) override;
    void PalavraBusca(const QString& palavra, const QString& iniciada, const QString& terminada) override;
    QString ExpandeFlexoes(const QString& texto) override;
    void Pesquisa(TipoPesquisa tipo, const QString& termo, const QString& filtros) override;

    // DestinoResultados
    void DesmarcaListaAlfabetica() override;
    QString DescricaoFiltros() const override;
    void MostraLista(int modelo, const QStringList& pares) override;
    void DefineDescricaoPesquisa(const QString& titulo) override;

    // AmbienteBusca
    int AlturaJanelaTwips() const override;
    bool FiltrosSomados() const override;
    void ProcessaEventos() override;
    void MostraErroMotor(const QString& erro) override;

private:
    Partes m;
    PainelAvancado* m_painel = nullptr;
    DespachoPesquisa m_despacho{*this};
    PaginasResultado m_paginas{*this};
    PesquisaLista m_busca;
    CBuscasAnteriores m_Buscas;
    SuperficieWidget* picBuscasAnteriores = nullptr;
    QToolButton* btBuscasAnteriores = nullptr;
    bool m_palavraClicada = false;
};

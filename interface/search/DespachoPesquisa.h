// The search button and Enter: a plain search of the typed word or
// pattern, or the advanced one the panel's ticks and filters describe.
// Also answers whether typing may still look words up in the list.
#pragma once

#include <QString>
#include <functional>

class PainelPesquisa;

class DespachoPesquisa {
public:
    explicit DespachoPesquisa(PainelPesquisa& painel);

    bool PodeLocalizar() const;
    void ProcessaPesquisa();

    QString DescricaoFiltros() const;
    QString CodigosFiltros() const;

    // The longest beginning of texto that fits in largura less 13, with
    // " ..." after it; the text itself when it fits.
    static QString CortaRotulo(const QString& texto, int largura, const std::function<int(const QString&)>& mede);

private:
    void PesquisaSimples();
    void PesquisaAvancada();
    void AtualizaRotulo();
    void LimpaBusca();
    void RecusaUmaLetra();

    PainelPesquisa& m_painel;
};

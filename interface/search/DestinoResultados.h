// Where a result page goes: the results tab, the entry view, the title
// line, and the parts of the window a result page leaves no entry in.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

class DestinoResultados {
public:
    virtual ~DestinoResultados() = default;

    virtual void SelecionaLista(int qual) = 0;
    virtual void VerificaVerbete(qint32 id) = 0;
    virtual void DesmarcaListaAlfabetica() = 0;
    virtual QString DescricaoFiltros() const = 0;
    // A page of the table of texts, filled from name, value pairs.
    virtual void MostraLista(int modelo, const QStringList& pares) = 0;
    virtual void DefineDescricaoPesquisa(const QString& titulo) = 0;
    virtual void MostraAguarde(bool visivel) = 0;
};

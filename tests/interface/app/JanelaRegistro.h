// A main window that records the steps the life-cycle sequences ask of it,
// over a real settings store in memory.
#pragma once

#include "ArmazemMemoria.h"
#include "CConfig.h"
#include "JanelaFalsa.h"
#include "JanelaPrincipal.h"

#include <QStringList>

class JanelaRegistro : public JanelaPrincipal {
public:
    ArmazemMemoria armazem;
    JanelaFalsa geometria;
    CConfig config{armazem};
    QStringList passos;
    bool outraInstancia = false;
    bool dadosLegiveis = true;
    bool buscaAvancada = false;
    QString informacoes = QStringLiteral("Novo Dicionário|Editora Exemplo|");

    void Anota(const QString& passo) { passos << passo; }

    bool OutraInstanciaAtiva() override
    {
        Anota("OutraInstancia");
        return outraInstancia;
    }
    QString PastaPrograma() const override { return QStringLiteral("/opt/mini"); }
    CConfig& Config() override { return config; }
    void AplicaFundoETitulo() override { Anota("Fundo"); }
    bool AbreMotor() override
    {
        Anota("AbreMotor");
        return dadosLegiveis;
    }
    QString InformacoesMotor() override { return informacoes; }
    void MostraErroFatal(const QString& t, const QString& titulo) override { Anota("Erro:" + titulo + ":" + t); }
    void CriaListas() override { Anota("CriaListas"); }
    void InicializaConfig() override
    {
        Anota("Config");
        config.Inicializar(&geometria);
    }
    void DefineNomeEmpresa(const QString& nome) override { Anota("Empresa:" + nome); }
    void PosicionaListasIniciais() override { Anota("PosicionaListas"); }
    void InicializaListas() override { Anota("InicializaListas"); }
    void InstalaFiltroJanela() override { Anota("InstalaFiltro"); }
    void RemoveFiltroJanela() override { Anota("RemoveFiltro"); }
    void CriaComponentes() override { Anota("Componentes"); }
    void InicializaNotas(const QString& pasta) override { Anota("Notas:" + pasta); }
    void PreparaPesquisa(const QString& d) override { Anota("Pesquisa:" + d); }
    void DefineTempoTip(int t) override { Anota("Tip:" + QString::number(t)); }
    void DefineCoresMarca(quint32 f, quint32 t) override { Anota(QStringLiteral("Cores:%1/%2").arg(f).arg(t)); }
    void AdicionaBuscaAnterior(const QString& t, qint32 id) override
    {
        Anota(QStringLiteral("Busca:%1=%2").arg(t).arg(id));
    }
    void AlteraFonteListas(qint16 f) override { Anota("Fonte:" + QString::number(f)); }
    void AlteraModelo(qint16 m) override { Anota("Modelo:" + QString::number(m)); }
    void DefineDica(const QString& c, const QString& t) override { Anota("Dica:" + c + "=" + t); }
    void PosicionaControles() override { Anota("Posiciona"); }
    void AbreBuscaAvancada() override { Anota("BuscaAvancada"); }
    void Repinta() override { Anota("Repinta"); }
    void MostraPagina(const QString& c) override { Anota("Pagina:" + c); }
    void OcultaBotoesVerbete(bool o) override { Anota(o ? "OcultaBotoes" : "MostraBotoes"); }
    void SelecionaLista(int q) override { Anota("Lista:" + QString::number(q)); }
    void SelecionaLetra(const QString& l) override { Anota("Letra:" + l); }
    void ListaLetra(const QString& l) override { Anota("ListaLetra:" + l); }
    void DesmarcaLista() override { Anota("Desmarca"); }
    void LeNotas() override { Anota("LeNotas"); }
    void FinalizaLista() override { Anota("FinalizaLista"); }
    void LiberaMotor() override { Anota("LiberaMotor"); }
    bool BuscaAvancadaAberta() const override { return buscaAvancada; }
    void GravaBuscasAnteriores() override { Anota("GravaBuscas"); }
    void SalvaNota() override { Anota("SalvaNota"); }
};

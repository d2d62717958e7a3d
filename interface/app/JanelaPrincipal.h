// What the start-up, first-activation and close sequences act on: the main
// window and the components it owns. The sequences decide the order and
// the values; the window carries each step out.
#pragma once

#include <QString>
#include <QtGlobal>

class CConfig;

class JanelaPrincipal {
public:
    virtual ~JanelaPrincipal() = default;

    virtual bool OutraInstanciaAtiva() = 0;
    virtual QString PastaPrograma() const = 0;
    // Where the program writes what is not a setting; a folder run as it is
    // writes in the program folder itself.
    virtual QString PastaDados() const { return PastaPrograma(); }
    virtual CConfig& Config() = 0;

    // Load.
    virtual void AplicaFundoETitulo() = 0;
    virtual bool AbreMotor() = 0;
    virtual QString InformacoesMotor() = 0;
    virtual void MostraErroFatal(const QString& texto, const QString& titulo) = 0;
    virtual void CriaListas() = 0;
    virtual void InicializaConfig() = 0;
    virtual void DefineNomeEmpresa(const QString& nome) = 0;
    virtual void PosicionaListasIniciais() = 0;
    virtual void InicializaListas() = 0;
    virtual void InstalaFiltroJanela() = 0;
    virtual void RemoveFiltroJanela() = 0;
    virtual void CriaComponentes() = 0;
    virtual void InicializaNotas(const QString& pasta) = 0;
    virtual void PreparaPesquisa(const QString& descricao) = 0;
    virtual void DefineTempoTip(int tiques) = 0;
    virtual void DefineCoresMarca(quint32 fundo, quint32 texto) = 0;
    virtual void AdicionaBuscaAnterior(const QString& titulo, qint32 id) = 0;
    virtual void AlteraFonteListas(qint16 fonte) = 0;
    virtual void AlteraModelo(qint16 modo) = 0;
    virtual void DefineDica(const QString& controle, const QString& texto) = 0;
    virtual void PosicionaControles() = 0;

    // First activation.
    virtual void AbreBuscaAvancada() = 0;
    virtual void Repinta() = 0;
    virtual void MostraPagina(const QString& caminho) = 0;
    virtual void OcultaBotoesVerbete(bool ocultar) = 0;
    virtual void SelecionaLista(int qual) = 0;
    virtual void SelecionaLetra(const QString& letra) = 0;
    virtual void ListaLetra(const QString& letra) = 0;
    virtual void DesmarcaLista() = 0;
    virtual void LeNotas() = 0;

    // Close and unload.
    virtual void FinalizaLista() = 0;
    virtual void LiberaMotor() = 0;
    virtual bool BuscaAvancadaAberta() const = 0;
    virtual void GravaBuscasAnteriores() = 0;
    virtual void SalvaNota() = 0;
};

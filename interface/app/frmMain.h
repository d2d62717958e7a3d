// The main window: borderless and skinned, it owns the engine, the settings
// store, the two headword lists, the letter chooser and the entry view for
// the whole run, and carries out the steps of its start-up and close.
#pragma once

#include "CicloJanela.h"
#include "JanelaPrincipal.h"
#include "LayoutJanela.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class ArmazemConfig;
class CaixaPreviaQt;
class ComandosJanela;
class CConfig;
class CEscolheLetra;
class CList;
class FiltroJanela;
class InstanciaUnica;
class JanelaConfigQt;
class MotorDicionario;
class PeleJanela;
class QLabel;
class SuperficieDesenho;
class SuperficieWidget;
class AreaConsulta;
class VisorWeb;

class frmMain : public QWidget, public JanelaPrincipal {
    Q_OBJECT
public:
    struct Opcoes {
        QString pastaPrograma; // empty: the executable's folder
        QString caminhoBanco; // empty: the database beside the executable
        QString pastaDados; // empty: the program folder
        ArmazemConfig* armazem = nullptr; // null: the platform's settings store
        InstanciaUnica* instancia = nullptr; // null: no single-copy rule
        bool comVisor = true; // the web view for the entry area
        std::function<void(const QString& texto, const QString& titulo)> MostraMensagem;
        std::function<void()> Encerra; // the process ends after unload
    };

    static constexpr int IntervaloListaCarga = 1;
    static constexpr int AlturaNota = 90;

    explicit frmMain(Opcoes opcoes);
    ~frmMain() override;

    CicloJanela::Carga Carrega(const QStringList& argumentos);

    // For the program's own checks and measurements.
    CList* Lista() const { return lista.get(); }
    CList* Lista2() const { return lista2.get(); }
    CEscolheLetra* EscolheLetra() const { return m_EscolheLetra.get(); }
    SuperficieWidget* PicLista() const { return PicLista_; }
    PeleJanela* Pele() const { return m_pele; }
    VisorWeb* Visor() const;
    AreaConsulta* Consulta() const { return m_consulta.get(); }
    MotorDicionario* Motor() const { return m_motor.get(); }
    CicloJanela& Ciclo() { return m_ciclo; }
    bool TemVisor() const { return m_opcoes.comVisor; }
    bool CarregandoLetra() const { return tmrListaCarga.isActive(); }
    const Disposicao& DisposicaoAtual() const { return m_disposicao; }

    // The home page: the start page's stand-in, the list unmarked, the
    // entry's buttons hidden.
    void Inicio();

    // JanelaPrincipal
    bool OutraInstanciaAtiva() override;
    QString PastaPrograma() const override;
    QString PastaDados() const override;
    CConfig& Config() override;
    void AplicaFundoETitulo() override;
    bool AbreMotor() override;
    QString InformacoesMotor() override;
    void MostraErroFatal(const QString& texto, const QString& titulo) override;
    void CriaListas() override;
    void InicializaConfig() override;
    void DefineNomeEmpresa(const QString& nome) override;
    void PosicionaListasIniciais() override;
    void InicializaListas() override;
    void InstalaFiltroJanela() override;
    void RemoveFiltroJanela() override;
    void CriaComponentes() override;
    void InicializaNotas(const QString& pasta) override;
    void PreparaPesquisa(const QString& descricao) override;
    void DefineTempoTip(int tiques) override;
    void DefineCoresMarca(quint32 fundo, quint32 texto) override;
    void AdicionaBuscaAnterior(const QString& titulo, qint32 id) override;
    void AlteraFonteListas(qint16 fonte) override;
    void AlteraModelo(qint16 modo) override;
    void DefineDica(const QString& controle, const QString& texto) override;
    void PosicionaControles() override;
    void AbreBuscaAvancada() override;
    void Repinta() override;
    void MostraPagina(const QString& caminho) override;
    void OcultaBotoesVerbete(bool ocultar) override;
    void SelecionaLista(int qual) override;
    void SelecionaLetra(const QString& letra) override;
    void ListaLetra(const QString& letra) override;
    void DesmarcaLista() override;
    void LeNotas() override;
    void FinalizaLista() override;
    void LiberaMotor() override;
    bool BuscaAvancadaAberta() const override;
    void GravaBuscasAnteriores() override;
    void SalvaNota() override;

signals:
    void PrimeiraPintura();
    // The web view has taken the entry area.
    void VisorCriado();
    // The entry view has its content in place (ok false: unreadable).
    void PaginaCarregada(bool ok);
    // The letter's headwords are all in the list.
    void LetraCarregada();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void CriaVisor();
    void tmrListaCarga_Timer();

    Opcoes m_opcoes;
    CicloJanela m_ciclo{*this};
    std::unique_ptr<ArmazemConfig> m_armazemProprio;
    std::unique_ptr<JanelaConfigQt> m_janelaConfig;
    std::unique_ptr<CConfig> m_config;
    std::unique_ptr<MotorDicionario> m_motor;
    std::unique_ptr<CList> lista;
    std::unique_ptr<CList> lista2;
    std::unique_ptr<CEscolheLetra> m_EscolheLetra;
    std::unique_ptr<SuperficieDesenho> imgLetraBackBuffer;
    std::unique_ptr<CaixaPreviaQt> m_previa;
    std::unique_ptr<ComandosJanela> m_comandos;
    PeleJanela* m_pele = nullptr;
    FiltroJanela* m_filtro = nullptr;
    SuperficieWidget* PicLista_ = nullptr;
    SuperficieWidget* picLista2 = nullptr;
    SuperficieWidget* imgLetras = nullptr;
    QLabel* txtTip = nullptr;
    QLabel* lblNomeEmpresa = nullptr;
    QLabel* lblDescricaoPesquisa = nullptr;
    std::unique_ptr<AreaConsulta> m_consulta;
    QWidget* m_areaVisor = nullptr; // stands in for the view when there is none
    QTimer tmrListaCarga;
    Disposicao m_disposicao;

    QString m_pastaNotas;
    bool m_botoesVerbeteOcultos = false;
    bool m_pintou = false;
};

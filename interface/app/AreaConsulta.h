// The window's lookup area: the search box and its button, the entry view
// with its page logic, the lookup controller, the abbreviation tip and the
// window-wide key routing. frmMain creates it and hands it the lists and
// the engine; the controller reaches the window only through JanelaConsulta.
#pragma once

#include "AreaPesquisa.h"
#include "CBrowser.h"
#include "ControladorConsulta.h"
#include "DocumentoVisor.h"
#include "HistoricoJanela.h"
#include "JanelaConsulta.h"
#include "RotaTeclado.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

class CList;
class MotorDicionario;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QToolButton;
class QWidget;
class VisorWeb;
struct Disposicao;

class AreaConsulta : public QObject, public JanelaConsulta {
    Q_OBJECT
public:
    struct Ligacoes {
        QWidget* janela = nullptr;
        CList* lista = nullptr;
        CList* lista2 = nullptr;
        QWidget* picLista = nullptr;
        QWidget* picLista2 = nullptr;
        QString pastaPrograma;
        std::function<MotorDicionario*()> motor;
        std::function<void()> reiniciaMotor;
        std::function<void(const QString& letra)> selecionaLetra; // the letter chooser
        std::function<void(int qual)> selecionaLista; // 1 alphabetical, 2 results
        std::function<void(bool ocultar)> ocultaBotoesVerbete;
        std::function<void()> processaEventos;
        QLabel* lblDescricaoPesquisa = nullptr;
        std::function<void()> posiciona; // lay the window out again
    };

    explicit AreaConsulta(Ligacoes ligacoes);
    ~AreaConsulta() override;

    CBrowser& Browser() { return m_browser; }
    ControladorConsulta& Controlador() { return *m_controlador; }
    HistoricoJanela& Historico() { return *m_historico; }
    AreaPesquisa& Pesquisa() { return *m_pesquisa; }
    QLineEdit* Entrada() const { return txtEntrada; }
    VisorWeb* Visor() const { return m_documento.Visor(); }
    QLabel* TipAbreviatura() const { return picTipAbrev; }

    // The web view takes its place in the entry area (placeholder replaced).
    VisorWeb* CriaVisor(QWidget* lugar);
    void Posiciona(const QRect& areaBusca, const QRect& visor);
    // A word asked for from outside the window: put in the search box and
    // looked up as Enter there would.
    void MostraPalavra(const QString& palavra);
    // The window's layout with room for the advanced panel, the list tabs
    // and the previous searches in the left column.
    ::Disposicao Disposicao(int largura, int altura);
    // Closing: no timer runs on, and a list still filling stops.
    void Para();
    void DefineTempoTip(int tiques) { m_tempoTip = tiques; }
    void AvancaHistorico();
    // A command key: the name of the button it stands for.
    std::function<void(const QString& botao)> AoAtalho;
    // Every entry recorded in the history passes here too.
    std::function<void(const QString& palavra, qint32 id, const QString& busca, const QString& iniciada,
                       const QString& terminada)>
        AoRegistrar;

    // JanelaConsulta
    bool ListaAlfabeticaVisivel() const override;
    void MostraListaAlfabetica() override;
    void SelecionaLetra(const QString& letra) override;
    void MostraAguarde(bool visivel) override;
    void OcultaBotoesVerbete(bool ocultar) override;
    void ProcessaEventos() override;
    void ReiniciaMotor() override;
    bool PodeLocalizar() const override;
    void ProcessaPesquisa() override;
    void PesquisaFlexivel(const QString& palavra) override;
    void RegistraHistorico(const QString& palavra, qint32 id, const QString& busca, const QString& iniciada,
                           const QString& terminada) override;
    void VoltaHistorico() override;
    void MostraDicaAbreviatura(const QString& texto) override;
    void VerificaVerbete(qint32 id) override;

signals:
    void PaginaCarregada(bool ok);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    bool TrataTecla(QObject* objeto, QKeyEvent* tecla);
    bool TrataAtalho(QObject* objeto, QKeyEvent* tecla, bool soltura);
    RotaTeclado::Foco FocoAtual() const;
    void tmrTip_Timer();

    Ligacoes m;
    DocumentoVisor m_documento;
    CBrowser m_browser;
    std::unique_ptr<ControladorConsulta> m_controlador;
    std::unique_ptr<HistoricoJanela> m_historico;
    std::unique_ptr<AreaPesquisa> m_pesquisa;
    QLineEdit* txtEntrada = nullptr;
    QToolButton* btBuscar = nullptr;
    QLabel* picTipAbrev = nullptr;
    QTimer tmrTip;
    int m_contaTip = 0;
    int m_tempoTip = 6;
    bool m_aguarde = false;
};

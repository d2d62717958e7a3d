// The lookup controller: turns typing in the search box, list selections,
// letters, clicked links and the home button into shown entries. Every
// path that opens an entry goes through ExibeVerbete, which gives up as soon
// as a newer request has taken over.
#pragma once

#include "LinkPagina.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class CBrowser;
class CList;
class JanelaConsulta;
class MotorDicionario;

class ControladorConsulta : public QObject {
    Q_OBJECT
public:
    static constexpr int IntervaloBusca = 350;
    static constexpr int IntervaloLista = 200;

    struct Partes {
        JanelaConsulta& janela;
        CBrowser& browser;
        CList& lista; // alphabetical
        CList& lista2; // results
        std::function<MotorDicionario*()> motor; // null while there is none
        QString pastaPrograma;
    };

    explicit ControladorConsulta(Partes partes);

    void ExibeVerbete(qint32 id, QString palavra, bool registra, bool sincroniza);
    void LocalizaNaLista(const QString& texto);
    // Enter in the search box.
    void ConfirmaEntrada(const QString& texto);
    void ConsultaPalavraClicada(QString palavra);
    void Inicio();
    void EscolheLetra(const QString& letra);

    // The search box's text changed by a key: the lookup waits for a pause.
    void TextoDigitado(const QString& texto);
    // A list key moved the selection (released): the entry opens after a pause.
    void MovimentoTeclado();
    // Selection events of the two lists.
    void lista_SelecionaItem();
    void lista2_SelecionaItem();
    // The engine could not read the dictionary: its reason, on a page of its own.
    void MostraErroMotor(const QString& erro);
    // A command link of the page (run on the next turn of the event loop).
    void ComandoBrowser(const LinkPagina& link);

    // Timer ticks, public so they can be run at once.
    void tmrBusca_Timer();
    void tmrLista_Timer();
    void tmrComandoBrowser_Timer();
    void Para();
    void ParaBusca() { tmrBusca.stop(); }

    bool BuscaPendente() const { return tmrBusca.isActive(); }
    bool ListaPendente() const { return tmrLista.isActive(); }
    qint32 Pedido() const { return m_pedido; }

signals:
    // An entry is in the page: id and its headword as shown.
    void VerbeteExibido(qint32 id, const QString& palavra);

private:
    bool Atual(qint32 id) const { return m_pedido == id; }
    void MarcaBuscaDigitada(const QString& texto, qint32 id);

    Partes m;
    QTimer tmrBusca;
    QTimer tmrLista;
    QTimer tmrComandoBrowser;
    QString m_textoBusca;
    LinkPagina m_comando;
    qint32 m_pedido = -1;
    bool m_movimentoTeclado = false;
};

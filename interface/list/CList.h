// A custom-drawn, virtual list of headwords: the words and entry ids of one
// initial letter (loaded from the engine in chunks while the user already
// works with it) or of a search's results. Draws itself into a buffer that
// is copied to its surface, owns its scroll bar, handles mouse and keys and
// tells the owner which headword was chosen.
#pragma once

#include "CScroll.h"
#include "ImagemScroll.h"
#include "OuvinteSuperficie.h"

#include <QColor>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class CaixaPrevia;
class MotorDicionario;
class SuperficieDesenho;
class Temporizador;

class CList : public OuvinteSuperficie {
public:
    struct EventosLista {
        std::function<void(const QString& TituloVerbete, qint32 IDVerbete)> SelecionaItem;
        std::function<void(const QString& palavra, qint16 tipoPesquisa)> NaoEncontrado;
        std::function<void(const QString& palavra, const QString& strLista, qint32 tamLista, qint16 tipoPesquisa)>
            RetornoBusca;
        std::function<void(qint32 posInicial)> IniciaCargaListaLetra;
        // The owner's "searching" picture: shown while a search starts,
        // hidden when it has filled in or when a letter has no words.
        std::function<void()> MostraPesquisando;
        std::function<void()> OcultaPesquisando;
        // The engine met a read error while a letter loaded: its own words.
        std::function<void(const QString& erro)> ErroMotor;
    };
    EventosLista Eventos;

    static constexpr qint16 LimiteCarga = 300;
    static constexpr int CapacidadeInicial = 25;
    static constexpr double FontePequena = 7.5;
    static constexpr double FonteGrande = 9.0;
    static constexpr double ReducaoHomonimo = 2.5;
    static constexpr int BitmapBarra = 101;
    static constexpr int BitmapSetaCima = 102;
    static constexpr int BitmapSetaBaixo = 103;
    static constexpr int LarguraScroll = 21;
    static constexpr int FaixaScroll = 20;
    inline static const QColor CorTexto{12, 102, 154};
    inline static const QColor CorFundo{255, 255, 255};
    inline static const QColor CorSelecao{255, 206, 29};
    // String 128, shown for rows that have not arrived yet.
    inline static const QString TextoCarregando = QStringLiteral("Carregando...");

    CList();
    ~CList() override;
    CList(const CList&) = delete;
    CList& operator=(const CList&) = delete;

    void Inicializa(SuperficieDesenho* fundo, MotorDicionario* motor, CaixaPrevia* tip);
    void Finaliza();
    void ListaLetra(const QString& letra, qint32 pos);
    bool CarregaListaLetra();
    QString ObtemLetraAtual() const { return m_letra; }
    QString ObtemPalavraPos(qint32 pos) const;
    qint32 ObtemPoslista() const;
    void SelecionaItem(qint32 pos);
    void TrataTecla(int KeyCode);
    void DesmarcaLista();
    void Executa();
    bool SelecionaItemID(qint32 idItem);
    void AlteraFonte(int tamFonte);
    void PalavraBusca(const QString& palavra, const QString& iniciada, const QString& terminada);
    void getPalavraBusca(QString& palavra, QString& iniciada, QString& terminada) const;

    // Building blocks of the list searches, which replace the content with a
    // result set: clear the selection and mark the list busy; size the list
    // for a total; put a chunk of "word|id|" pairs from a slot on; empty it.
    void IniciaBusca();
    void PreparaResultados(qint32 total);
    int ColocaPares(const QString& texto, qint32 base);
    void EsvaziaResultados();
    bool Ocupada() const { return m_ocupada; }
    void DefineOcupada(bool ocupada) { m_ocupada = ocupada; }
    MotorDicionario* Motor() const { return m_motor; }

    void Desenha();
    void Redimensiona();

    // Read-only state, for the owner and for tests.
    qint32 Selecionado() const { return m_selecionado; }
    qint32 Ultimo() const { return m_ultimo; }
    qint32 Linhas() const { return m_linhas; }
    qint32 Capacidade() const { return m_capacidade; }
    qint32 Topo() const { return m_scroll.Valor(); }
    qint32 Desmarcado() const { return m_desmarcado; }
    double TamanhoFonte() const { return m_tamanhoFonte; }
    double AlturaLinha() const { return m_alturaLinha; }
    qint32 Carregados() const { return m_carregados; }
    bool Voltou() const { return m_voltou; }
    const std::vector<QString>& Palavras() const { return m_palavras; }
    const std::vector<qint32>& Ids() const { return m_ids; }
    const CScroll& Scroll() const { return m_scroll; }
    const ImagemScroll& ImagemBarra() const { return m_imgBarra; }
    const ImagemScroll& ImagemSetaCima() const { return m_imgSetaCima; }
    const ImagemScroll& ImagemSetaBaixo() const { return m_imgSetaBaixo; }
    const ImagemScroll& ImagemFundo() const { return m_imgFundo; }

    void MousePressiona(double x, double y, int botao) override;
    void MouseMove(double x, double y, int botoes) override;
    void MouseSolta(double x, double y, int botao) override;
    void MouseDuploClique(double x, double y, int botao) override;
    void Tecla(int codigo) override;
    void Roda(int passos) override;
    void Redimensionada() override;

private:
    enum class Alvo {
        Nenhum,
        Lista,
        Barra,
        SetaCima,
        SetaBaixo,
        Fundo
    };

    Alvo AlvoEm(double x, double y) const;
    qint32 Limita(qint32 indice) const;
    void DefineTopo(qint32 topo);
    void PressionaLista(double y);
    void DesenhaFaixaScroll();
    void DesenhaPalavra(double y, const QString& palavra);
    void MedeLinha();
    void PosicionaImagens();
    void AoScroll(qint32 valor);
    void AoEndScroll(qint32 valor);
    void Recria(qint32 ultimo);
    // Tells the owner of the engine's last error, if any; whether there was one.
    bool InformaErro();

    MotorDicionario* m_motor = nullptr;
    SuperficieDesenho* m_fundo = nullptr;
    std::unique_ptr<SuperficieDesenho> m_buffer;
    std::unique_ptr<Temporizador> m_temporizador;
    CaixaPrevia* m_tip = nullptr;
    qint32 m_capacidade = CapacidadeInicial;
    double m_tamanhoFonte = FontePequena;
    double m_alturaLinha = 0;
    qint32 m_selecionado = -1;
    qint32 m_ultimo = -1;
    std::vector<QString> m_palavras;
    std::vector<qint32> m_ids;
    QString m_letra;
    bool m_ocupada = false;
    qint32 m_linhas = -1;
    qint32 m_desmarcado = -1;
    ImagemScroll m_imgBarra;
    ImagemScroll m_imgSetaCima;
    ImagemScroll m_imgSetaBaixo;
    ImagemScroll m_imgFundo;
    CScroll m_scroll;
    QString m_palavraBusca;
    QString m_iniciada;
    QString m_terminada;
    qint32 m_proximoCursor = 0;
    qint32 m_cursorInicial = 0;
    qint32 m_preenche = 0;
    bool m_voltou = false;
    qint32 m_carregados = 0;
    Alvo m_captura = Alvo::Nenhum;
};

// The advanced search panel under the search box: the position ticks, the
// two part boxes, search in entry text, the class filter with its list and
// the summing tick, the tab strip of the two lists and the filter label.
// It keeps its widgets' state and places them in the left column; what a
// search does with that state is the dispatcher's business.
#pragma once

#include <QObject>
#include <QRect>
#include <QString>
#include <array>
#include <functional>
#include <vector>

class AbasListas;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QToolButton;
class QWidget;
struct Disposicao;

class PainelAvancado : public QObject {
    Q_OBJECT
public:
    static constexpr int AlturaMaximaClasses = 120;
    // The title line and the filter label, or the letter chooser, above the lists.
    static constexpr int AlturaTitulos = 46;

    PainelAvancado(QWidget* janela, QLineEdit* txtEntrada);

    bool Aberto() const { return m_aberto; }
    bool Marcada(int caixa) const;
    void Marca(int caixa, bool marcada); // as a click on the box would
    QString Entrada1() const;
    QString Entrada2() const;
    int IndiceFiltro() const;
    void EscolheFiltro(int indice); // as a choice in the combo would
    std::vector<bool> ClassesMarcadas() const;
    void MarcaClasse(int indice, bool marcada);
    bool DuasCaixas() const;

    void imgAvancada_Click();
    void imgFechar_Click();
    void chkAvancada_Click(int indice);
    void cmbFiltro_Click();

    // Moves what is under the search box down to make room for the panel
    // and the tab strip, and places the panel's own widgets.
    void Ajusta(Disposicao& d);
    // The two part boxes take the place of the single box.
    void PosicionaCaixas(const QRect& caixa);
    void SelecionaAba(int qual);
    void DefineRotuloFiltros(const QString& texto, const QString& dica);
    int LarguraRotuloFiltros() const;
    int LarguraTexto(const QString& texto) const;

    AbasListas* Abas() const { return m_abas; }
    QLineEdit* Entrada1Widget() const { return txtEntrada1; }
    QLineEdit* Entrada2Widget() const { return txtEntrada2; }
    QListWidget* ListaFiltros() const { return lstFiltros; }
    QComboBox* Filtro() const { return cmbFiltro; }

    std::function<void()> AoMudarDisposicao;
    std::function<void(int qual)> AoSelecionarAba;

private:
    void MostraPainel(bool visivel);

    QWidget* m_janela;
    QLineEdit* txtEntrada;
    QToolButton* imgAvancada = nullptr;
    QToolButton* imgFechar = nullptr;
    std::array<QCheckBox*, 4> chkAvancada{};
    QLineEdit* txtEntrada1 = nullptr;
    QLineEdit* txtEntrada2 = nullptr;
    QComboBox* cmbFiltro = nullptr;
    QListWidget* lstFiltros = nullptr;
    AbasListas* m_abas = nullptr;
    QLabel* lblFiltros = nullptr;
    bool m_aberto = false;
    bool m_abaResultados = false;
};

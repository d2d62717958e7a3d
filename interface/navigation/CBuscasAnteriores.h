// The entries looked up most recently, newest on top, drawn as plain text
// lines on their own surface; a click on a line asks for that entry again.
// The four newest are kept between runs in the settings pairs HistTit1..4
// and HistID1..4, number 4 the newest.
#pragma once

#include "CHistReg.h"
#include "OuvinteSuperficie.h"

#include <QString>
#include <functional>
#include <vector>

class SuperficieDesenho;

class CBuscasAnteriores : public OuvinteSuperficie {
public:
    static constexpr int Capacidade = 20;
    static constexpr int Guardadas = 4;
    static constexpr double Fonte = 7.5;
    static constexpr double FonteHomonimo = 5;

    struct Eventos {
        std::function<void(const QString& titulo, qint32 id)> SelecionaItem;
    } Eventos;

    void Inicializa(SuperficieDesenho* fundo);
    void Adiciona(const QString& titulo, qint32 id);
    void DesenhaLista();
    // Writes the four newest through the settings store's writer.
    void GravaHistorico(const std::function<bool(const QString& nome, const QString& valor)>& gravaReg) const;

    int Quantidade() const { return static_cast<int>(registros.size()); }
    // Oldest first, as kept.
    const std::vector<CHistReg>& Registros() const { return registros; }
    int NumLinhas() const { return numLinhas; }
    double AlturaLinha() const { return alturaLinha; }

    void MousePressiona(double x, double y, int botao) override;
    void MouseSolta(double x, double y, int botao) override;
    void Redimensionada() override;

private:
    void Mede();

    SuperficieDesenho* m_picFundo = nullptr;
    std::vector<CHistReg> registros;
    int linhaClicada = -1;
    double alturaLinha = 0;
    int numLinhas = 0;
};

// A surface that records what is drawn on it. Text is 2 pixels high per
// point and 1 pixel wide per point per character, so positions are easy to
// work out by hand.
#pragma once

#include "SuperficieDesenho.h"
#include "TemporizadorFalso.h"

#include <QList>
#include <QStringList>

class SuperficieFalsa : public SuperficieDesenho {
public:
    enum class Tipo {
        Limpa,
        LimpaArea,
        Texto,
        Caixa,
        Bitmap,
        Copia
    };
    struct Operacao {
        Tipo tipo = Tipo::Limpa;
        QString texto;
        double x = 0, y = 0, tamanho = 0;
        QRectF area;
        QColor cor;
        bool cheia = false;
        int id = 0;
        QRect origem;
        QPoint destino;
        const SuperficieDesenho* fonte = nullptr;
    };

    int largura, altura;
    QList<Operacao> ops;
    OuvinteSuperficie* ouvinte = nullptr;
    Ponteiro ponteiro = Ponteiro::Padrao;
    QList<SuperficieFalsa*> buffers; // owned by whoever asked for them
    TemporizadorFalso* temporizador = nullptr;
    QPoint posicaoNaJanela{200, 100};
    int ponteiroY = 0;

    SuperficieFalsa(int l, int a) : largura(l), altura(a) { }

    int Largura() const override { return largura; }
    int Altura() const override { return altura; }
    void Redimensiona(int l, int a) override { largura = l, altura = a; }
    void Limpa(const QColor& cor) override { Registra(Tipo::Limpa).cor = cor; }
    void LimpaArea(const QRect& area, const QColor& cor) override
    {
        Operacao& op = Registra(Tipo::LimpaArea);
        op.area = area;
        op.cor = cor;
    }
    double ImprimeTexto(double x, double y, const QString& texto, double tamanho, const QColor& cor) override
    {
        Operacao& op = Registra(Tipo::Texto);
        op.texto = texto, op.x = x, op.y = y, op.tamanho = tamanho, op.cor = cor;
        return x + texto.size() * tamanho;
    }
    double AlturaTexto(const QString&, double tamanho) const override { return tamanho * 2; }
    void DesenhaCaixa(const QRectF& caixa, const QColor& cor, bool cheia) override
    {
        Operacao& op = Registra(Tipo::Caixa);
        op.area = caixa, op.cor = cor, op.cheia = cheia;
    }
    void DesenhaBitmap(int id, const QRect& origem, const QPoint& destino) override
    {
        Operacao& op = Registra(Tipo::Bitmap);
        op.id = id, op.origem = origem, op.destino = destino;
    }
    void CopiaImagem(const SuperficieDesenho& fonte, const QRect& area, const QPoint& destino) override
    {
        Operacao& op = Registra(Tipo::Copia);
        op.origem = area, op.destino = destino, op.fonte = &fonte;
    }
    void DefinePonteiro(Ponteiro p) override { ponteiro = p; }
    void DefineOuvinte(OuvinteSuperficie* o) override { ouvinte = o; }
    std::unique_ptr<SuperficieDesenho> CriaBuffer(int l, int a) override
    {
        auto b = std::make_unique<SuperficieFalsa>(l, a);
        buffers.append(b.get());
        return b;
    }
    std::unique_ptr<Temporizador> CriaTemporizador() override
    {
        auto t = std::make_unique<TemporizadorFalso>();
        temporizador = t.get();
        return t;
    }
    QPoint PosicaoNaJanela() const override { return posicaoNaJanela; }
    int PonteiroYNaJanela() const override { return ponteiroY; }

    QList<Operacao> DoTipo(Tipo tipo) const
    {
        QList<Operacao> r;
        for (const Operacao& op : ops)
            if (op.tipo == tipo)
                r.append(op);
        return r;
    }
    QStringList Textos() const
    {
        QStringList r;
        for (const Operacao& op : DoTipo(Tipo::Texto))
            r << op.texto;
        return r;
    }

private:
    Operacao& Registra(Tipo tipo)
    {
        ops.append(Operacao{});
        ops.last().tipo = tipo;
        return ops.last();
    }
};

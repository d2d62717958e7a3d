// The entry-key table: 3000 signed 16-bit values at positions 1 to 3000.
// Every entry fetch carries the value at position (id mod 3000) + 1, and the
// engine gives no text for a key that does not match; the values come from
// the generator the engine itself checks against.
#pragma once

#include <QtGlobal>
#include <array>
#include <functional>

class TabelaChaves {
public:
    static constexpr int kTamanho = 3000;

    // Value for a position 1..3000.
    using Gerador = std::function<qint16(int posicao)>;

    // The engine's generator by default; tests give their own.
    TabelaChaves();
    explicit TabelaChaves(Gerador gerador);

    // The one table of the program, filled at start-up.
    static TabelaChaves& global();

    // Fills the 3000 positions; once filled, later calls change nothing.
    void Preenche();
    bool preenchida() const { return preenchida_; }

    // Value at a position 1..3000, 0 for any other. Reading fills the table
    // if start-up did not, so a fetch never carries a wrong key.
    qint16 valor(int posicao);

    // Position an entry id uses: (id mod 3000) + 1. A negative id is no
    // entry and has no position (0), which gives key 0, as the engine expects.
    static int posicao(qint32 id);

    // Key to pass with ObtemVerbete for an entry id.
    qint16 chave(qint32 id) { return valor(posicao(id)); }

private:
    Gerador gerador_;
    std::array<qint16, kTamanho> valores_{};
    bool preenchida_ = false;
};

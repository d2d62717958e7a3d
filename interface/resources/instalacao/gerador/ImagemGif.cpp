#include "ImagemGif.h"

#include <unordered_map>

namespace {

void Palavra16(QByteArray& b, int v)
{
    b.append(static_cast<char>(v & 0xFF));
    b.append(static_cast<char>((v >> 8) & 0xFF));
}

// Codes of variable width, least significant bit first, as GIF packs them.
class Bits {
public:
    void Escreve(uint32_t codigo, int largura)
    {
        m_acumulado |= codigo << m_quantos;
        m_quantos += largura;
        while (m_quantos >= 8) {
            m_saida.append(static_cast<char>(m_acumulado & 0xFF));
            m_acumulado >>= 8;
            m_quantos -= 8;
        }
    }
    QByteArray Fim()
    {
        if (m_quantos > 0)
            m_saida.append(static_cast<char>(m_acumulado & 0xFF));
        m_acumulado = 0;
        m_quantos = 0;
        return m_saida;
    }

private:
    QByteArray m_saida;
    uint32_t m_acumulado = 0;
    int m_quantos = 0;
};

} // namespace

ImagemGif::ImagemGif(int largura, int altura, std::vector<uint32_t> paleta)
    : m_largura(largura), m_altura(altura), m_paleta(std::move(paleta)),
      m_pixels(static_cast<size_t>(largura * altura), 0)
{
    if (m_paleta.empty())
        m_paleta.push_back(0);
    if (m_paleta.size() > 256)
        m_paleta.resize(256);
}

void ImagemGif::Pinta(int x, int y, uint8_t indice)
{
    if (x >= 0 && y >= 0 && x < m_largura && y < m_altura && indice < m_paleta.size())
        m_pixels[static_cast<size_t>(y * m_largura + x)] = indice;
}

uint8_t ImagemGif::Indice(int x, int y) const { return m_pixels[static_cast<size_t>(y * m_largura + x)]; }

QByteArray ImagemGif::Lzw(int tamanhoMinimo) const
{
    const uint32_t limpa = 1u << tamanhoMinimo;
    const uint32_t fim = limpa + 1;
    std::unordered_map<uint32_t, uint32_t> dicionario;
    uint32_t maior = fim; // the last code in use
    int largura = tamanhoMinimo + 1;
    Bits bits;
    bits.Escreve(limpa, largura);
    if (m_pixels.empty()) {
        bits.Escreve(fim, largura);
        return bits.Fim();
    }
    uint32_t prefixo = m_pixels.front();
    for (size_t i = 1; i < m_pixels.size(); ++i) {
        const uint32_t k = m_pixels[i];
        const uint32_t chave = (prefixo << 8) | k;
        if (auto it = dicionario.find(chave); it != dicionario.end()) {
            prefixo = it->second;
            continue;
        }
        bits.Escreve(prefixo, largura);
        dicionario.emplace(chave, ++maior);
        // The reader adds each code one step later and widens as soon as
        // the next free code needs another bit.
        if (maior >= (1u << largura) && largura < 12)
            ++largura;
        if (maior == 4095) {
            bits.Escreve(limpa, largura);
            dicionario.clear();
            maior = fim;
            largura = tamanhoMinimo + 1;
        }
        prefixo = k;
    }
    bits.Escreve(prefixo, largura);
    bits.Escreve(fim, largura);
    return bits.Fim();
}

QByteArray ImagemGif::Codifica() const
{
    int bitsCor = 1; // the colour table holds 2^bitsCor entries
    while ((1u << bitsCor) < m_paleta.size())
        ++bitsCor;

    QByteArray b("GIF89a");
    Palavra16(b, m_largura);
    Palavra16(b, m_altura);
    b.append(static_cast<char>(0xF0 | (bitsCor - 1))); // global table, 8-bit colour resolution
    b.append('\0'); // background index
    b.append('\0'); // square pixels
    for (int i = 0; i < (1 << bitsCor); ++i) {
        const uint32_t c = i < static_cast<int>(m_paleta.size()) ? m_paleta[static_cast<size_t>(i)] : 0;
        b.append(static_cast<char>((c >> 16) & 0xFF));
        b.append(static_cast<char>((c >> 8) & 0xFF));
        b.append(static_cast<char>(c & 0xFF));
    }
    if (m_transparente) {
        b.append("\x21\xF9\x04\x01", 4);
        Palavra16(b, 0);
        b.append(static_cast<char>(*m_transparente));
        b.append('\0');
    }
    b.append('\x2C');
    Palavra16(b, 0);
    Palavra16(b, 0);
    Palavra16(b, m_largura);
    Palavra16(b, m_altura);
    b.append('\0');

    const int tamanhoMinimo = bitsCor < 2 ? 2 : bitsCor;
    b.append(static_cast<char>(tamanhoMinimo));
    const QByteArray dados = Lzw(tamanhoMinimo);
    for (qsizetype i = 0; i < dados.size(); i += 255) {
        const QByteArray bloco = dados.mid(i, 255);
        b.append(static_cast<char>(bloco.size()));
        b.append(bloco);
    }
    b.append('\0');
    b.append('\x3B');
    return b;
}

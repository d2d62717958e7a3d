// Every stored setting, declared once: its name exactly as stored, where it
// is read from, and its default. Reads and writes name these entries instead
// of repeating strings.
#pragma once

#include <QString>
#include <array>

enum class LeituraConfig {
    UsuarioDepoisMaquina, // per-user value, else the machine-wide one
    SoUsuario,
    SoMaquina,
};

struct ValorConfig {
    const char* nome; // UTF-8, kept byte for byte
    LeituraConfig leitura;
    const char* padrao; // nullptr: the default depends on the moment (window, folders)
    bool gravado; // whether the program ever writes it

    QString Nome() const { return QString::fromUtf8(nome); }
    bool TemPadraoFixo() const { return padrao != nullptr; }
    QString Padrao() const { return padrao ? QString::fromUtf8(padrao) : QString(); }
};

// The values named by the suffix appended to an entry element's name.
struct SufixoElemento {
    const char* sufixo;
    bool gravado;

    QString Nome(const QString& elemento) const { return elemento + QString::fromUtf8(sufixo); }
};

namespace ValoresConfig {

using enum LeituraConfig;

inline constexpr ValorConfig JanelaX{"JanelaX", UsuarioDepoisMaquina, nullptr, true};
inline constexpr ValorConfig JanelaY{"JanelaY", UsuarioDepoisMaquina, nullptr, true};
inline constexpr ValorConfig JanelaW{"JanelaW", UsuarioDepoisMaquina, nullptr, true};
inline constexpr ValorConfig JanelaH{"JanelaH", UsuarioDepoisMaquina, nullptr, true};
inline constexpr ValorConfig JanelaMax{"JanelaMax", UsuarioDepoisMaquina, "1", true};
inline constexpr ValorConfig SomarFiltros{"SomarFiltros", UsuarioDepoisMaquina, "0", true};
inline constexpr ValorConfig ModoBusca{"ModoBusca", UsuarioDepoisMaquina, "0", true};
// Default: the program folder followed by "notas".
inline constexpr ValorConfig DirNotas{"DirNotas", UsuarioDepoisMaquina, nullptr, true};
// The installation stamp is read from each scope on its own, with different
// defaults, so a fresh machine always looks like a new installation.
inline constexpr ValorConfig InstalacaoMaquina{"Instalacao", SoMaquina, "1", false};
inline constexpr ValorConfig InstalacaoUsuario{"Instalacao", SoUsuario, "2", true};
inline constexpr ValorConfig TempoTip{"TempoTip", UsuarioDepoisMaquina, "6", false};
inline constexpr ValorConfig MarcaCorFundo{"Marca cor fundo", UsuarioDepoisMaquina, "65535", true};
inline constexpr ValorConfig MarcaCorTexto{"Marca cor texto", UsuarioDepoisMaquina, "0", true};
inline constexpr ValorConfig FonteVerbete{"Fonte verbete", UsuarioDepoisMaquina, "1", true};
inline constexpr ValorConfig FonteLista{"Fonte lista", UsuarioDepoisMaquina, "0", true};
inline constexpr ValorConfig FormaApresentacao{"FormaApresentacao", UsuarioDepoisMaquina, "0", true};
inline constexpr std::array<ValorConfig, 4> HistTit{{
    {"HistTit1", UsuarioDepoisMaquina, "", true},
    {"HistTit2", UsuarioDepoisMaquina, "", true},
    {"HistTit3", UsuarioDepoisMaquina, "", true},
    {"HistTit4", UsuarioDepoisMaquina, "", true},
}};
inline constexpr std::array<ValorConfig, 4> HistID{{
    {"HistID1", UsuarioDepoisMaquina, "0", true},
    {"HistID2", UsuarioDepoisMaquina, "0", true},
    {"HistID3", UsuarioDepoisMaquina, "0", true},
    {"HistID4", UsuarioDepoisMaquina, "0", true},
}};
// Default: the program folder.
inline constexpr ValorConfig DirInstalado{"DirInstalado", SoMaquina, nullptr, false};

// Element values; their defaults are the element's values in memory. Note
// the trailing blank of the colour suffix and the missing accent of "Padrao"
// in the default colour: both are part of the stored names.
inline constexpr SufixoElemento Cor{" - Cor ", true};
inline constexpr SufixoElemento CorPadrao{" - Cor Padrao", false};
inline constexpr SufixoElemento TipoFonte{" - Tipo Fonte", true};
inline constexpr SufixoElemento TipoFontePadrao{" - Tipo Fonte Padrão", false};

// Every plain value, for listings and checks.
const std::array<ValorConfig, 25>& Todos();

} // namespace ValoresConfig

// One reply of the dictionary protocol, built whole before it is sent: status
// lines and text bodies, every line ended by CRLF, a body's lines starting
// with "." doubled and the body closed by a line holding only ".".
#pragma once

#include <string>
#include <string_view>

class RespostaDict {
public:
    // With mime on, every text body opens with its MIME header and a blank line.
    explicit RespostaDict(bool mime = false) : mime_(mime) {}

    // Room for a reply of about this many bytes, so it is not copied as it grows.
    void Reserva(size_t bytes) { texto_.reserve(bytes); }
    void Estado(std::string_view linha);
    // Lines split at "\n" (a "\r" before it is dropped). A line longer than
    // the protocol allows is broken at a blank, or at a character boundary.
    void Texto(std::string_view texto);
    // The same, a line at a time, for long lists: AbreTexto, LinhaTexto for
    // each line (no line breaks inside), FechaTexto.
    void AbreTexto();
    void LinhaTexto(std::string_view linha);
    void FechaTexto() { texto_.append(".\r\n"); }

    const std::string& texto() const { return texto_; }
    std::string Leva() { return std::move(texto_); }

    // The word in double quotes, with '"' and '\' escaped.
    static std::string Aspas(std::string_view palavra);
    static void AcrescentaAspas(std::string& destino, std::string_view palavra);

    // Longest text line sent, CRLF not counted (the limit is 1024 with it).
    static constexpr size_t kMaximoLinha = 1000;

private:
    bool mime_;
    std::string texto_;
};

#include "TabelaTextos.h"

namespace mini {

void AcrescentaU32(std::string& destino, uint32_t v) {
    for (int k = 0; k < 4; ++k) destino.push_back(static_cast<char>((v >> (8 * k)) & 0xFF));
}

uint32_t LeU32(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return uint32_t{b[0]} | (uint32_t{b[1]} << 8) | (uint32_t{b[2]} << 16) | (uint32_t{b[3]} << 24);
}

std::string EmpacotaU32(const std::vector<uint32_t>& valores) {
    std::string s;
    s.reserve(valores.size() * 4);
    for (uint32_t v : valores) AcrescentaU32(s, v);
    return s;
}

bool DesempacotaU32(std::string_view blob, std::vector<uint32_t>& valores) {
    if (blob.size() % 4 != 0) return false;
    valores.resize(blob.size() / 4);
    for (size_t i = 0; i < valores.size(); ++i) valores[i] = LeU32(blob.data() + 4 * i);
    return true;
}

std::string TabelaTextos::Empacota(const std::vector<std::string>& textos) {
    std::string s;
    AcrescentaU32(s, static_cast<uint32_t>(textos.size()));
    uint32_t pos = 0;
    AcrescentaU32(s, pos);
    for (const auto& t : textos) {
        pos += static_cast<uint32_t>(t.size());
        AcrescentaU32(s, pos);
    }
    for (const auto& t : textos) s += t;
    return s;
}

bool TabelaTextos::Carrega(std::string blob) {
    n_ = 0;
    offsets_.clear();
    dados_ = std::move(blob);
    if (dados_.size() < 8) return false;
    const size_t n = LeU32(dados_.data());
    if (n > (dados_.size() - 4) / 4 - 1) return false;
    base_ = 4 + 4 * (n + 1);
    offsets_.resize(n + 1);
    for (size_t i = 0; i <= n; ++i) {
        offsets_[i] = LeU32(dados_.data() + 4 + 4 * i);
        if (i > 0 && offsets_[i] < offsets_[i - 1]) return false;
    }
    if (offsets_[0] != 0 || base_ + offsets_[n] != dados_.size()) return false;
    n_ = n;
    return true;
}

}  // namespace mini

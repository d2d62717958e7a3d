// A packed array of texts as the data compiler stores it in one blob:
// count, count + 1 offsets (32-bit little-endian), then the bytes. Reading
// it back costs no parsing: the views point into the blob.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mini {

class TabelaTextos {
public:
    // Serialises the texts in order.
    static std::string Empacota(const std::vector<std::string>& textos);

    // Takes the blob over; false when it is not a well-formed table.
    bool Carrega(std::string blob);

    size_t tamanho() const { return n_; }
    std::string_view operator[](size_t i) const {
        return {dados_.data() + base_ + offsets_[i], offsets_[i + 1] - offsets_[i]};
    }

private:
    std::string dados_;
    std::vector<uint32_t> offsets_;
    size_t n_ = 0;
    size_t base_ = 0;
};

// 32-bit little-endian helpers shared by the compiler and the engine.
void AcrescentaU32(std::string& destino, uint32_t v);
uint32_t LeU32(const char* p);
std::string EmpacotaU32(const std::vector<uint32_t>& valores);
bool DesempacotaU32(std::string_view blob, std::vector<uint32_t>& valores);

}  // namespace mini

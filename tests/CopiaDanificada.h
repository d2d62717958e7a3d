// A copy of the test database with pages of entries and indexes overwritten,
// as a failing disk or a bad copy leaves it; removed with the object.
#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

class CopiaDanificada {
public:
    static constexpr size_t kPagina = 4096;

    explicit CopiaDanificada(const std::string& nome)
        : caminho_(std::filesystem::temp_directory_path() / ("mini-" + nome + "-" + std::to_string(getpid())))
    {
        std::filesystem::copy_file(MINI_TEST_DB, caminho_, std::filesystem::copy_options::overwrite_existing);
    }
    ~CopiaDanificada()
    {
        std::error_code e;
        std::filesystem::remove(caminho_, e);
    }
    CopiaDanificada(const CopiaDanificada&) = delete;
    CopiaDanificada& operator=(const CopiaDanificada&) = delete;

    // 40 bytes of 0xFF over the start of every passo-th page from primeira to
    // ultima; ultima past the end stops at the file's last page but one.
    void Danifica(size_t primeira, size_t ultima, size_t passo = 7) const
    {
        ultima = std::min(ultima, static_cast<size_t>(std::filesystem::file_size(caminho_) / kPagina) - 2);
        std::fstream f(caminho_, std::ios::in | std::ios::out | std::ios::binary);
        const std::string lixo(40, '\xFF');
        for (size_t p = primeira; p <= ultima; p += passo) {
            f.seekp(static_cast<std::streamoff>(p * kPagina));
            f.write(lixo.data(), static_cast<std::streamsize>(lixo.size()));
        }
    }
    std::string Caminho() const { return caminho_.string(); }

private:
    std::filesystem::path caminho_;
};

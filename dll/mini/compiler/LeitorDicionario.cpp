#include "LeitorDicionario.h"

#include <bzlib.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <pugixml.hpp>
#include <sstream>
#include <thread>

#include "HashConteudo.h"

namespace mini::compilador {
namespace {

bool EhEspaco(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Flattens mixed content: text as it stands, terms of cross-references and
// quoted examples marked, every other element by its text.
void Achata(const pugi::xml_node& no, std::string& saida) {
    for (pugi::xml_node filho = no.first_child(); filho; filho = filho.next_sibling()) {
        if (filho.type() == pugi::node_pcdata || filho.type() == pugi::node_cdata) {
            saida += filho.value();
        } else if (filho.type() == pugi::node_element) {
            if (std::string_view(filho.name()) == "term") {
                saida += kInicioTermo;
                std::string termo;
                Achata(filho, termo);
                saida += ColapsaEspacos(termo);
                saida += kFimTermo;
            } else if (std::string_view(filho.name()) == "cit") {
                saida += kInicioCitacao;
                Achata(filho, saida);
                saida += kFimCitacao;
            } else {
                Achata(filho, saida);
            }
        }
    }
}

std::vector<std::string> Linhas(const std::string& texto) {
    std::vector<std::string> linhas;
    std::istringstream in(texto);
    std::string linha;
    while (std::getline(in, linha)) {
        linha = ColapsaEspacos(linha);
        if (!linha.empty()) linhas.push_back(linha);
    }
    return linhas;
}

}  // namespace

std::string ColapsaEspacos(const std::string& s) {
    std::string r;
    r.reserve(s.size());
    bool espaco = false;
    for (char c : s) {
        if (EhEspaco(c)) {
            espaco = !r.empty();
        } else {
            if (espaco) r.push_back(' ');
            espaco = false;
            r.push_back(c);
        }
    }
    return r;
}

namespace {

bool LeTudo(const std::string& caminho, std::string& conteudo) {
    std::ifstream f(caminho, std::ios::binary | std::ios::ate);
    if (!f) return false;
    conteudo.resize(static_cast<size_t>(f.tellg()));
    f.seekg(0);
    return static_cast<bool>(f.read(conteudo.data(), static_cast<std::streamsize>(conteudo.size())));
}

bool DescomprimeBytes(std::string& comprimido, const std::string& caminho, std::string& saida,
                      std::string& erro) {
    bz_stream bz{};
    if (BZ2_bzDecompressInit(&bz, 0, 0) != BZ_OK) {
        erro = "bzip2 não iniciou";
        return false;
    }
    bz.next_in = comprimido.data();
    bz.avail_in = static_cast<unsigned>(comprimido.size());
    saida.clear();
    std::string bloco(1 << 20, '\0');
    int r = BZ_OK;
    while (r == BZ_OK) {
        bz.next_out = bloco.data();
        bz.avail_out = static_cast<unsigned>(bloco.size());
        r = BZ2_bzDecompress(&bz);
        saida.append(bloco.data(), bloco.size() - bz.avail_out);
        if (r == BZ_OK && bz.avail_in == 0 && bz.avail_out != 0) break;
    }
    BZ2_bzDecompressEnd(&bz);
    if (r != BZ_STREAM_END) {
        erro = caminho + ": arquivo bzip2 danificado";
        return false;
    }
    return true;
}

// The XML of a compressed file, from the cache folder when it holds it under
// the hash of these very bytes; otherwise decompressed and kept there.
bool LeXml(const std::filesystem::path& caminho, const std::string& pastaCache, std::string& xml,
           std::string& erro) {
    std::string comprimido;
    if (!LeTudo(caminho.string(), comprimido)) {
        erro = "não foi possível abrir " + caminho.string();
        return false;
    }
    if (pastaCache.empty()) return DescomprimeBytes(comprimido, caminho.string(), xml, erro);
    uint64_t h = kInicioHashConteudo;
    MisturaValor(h, comprimido.data(), comprimido.size());
    const std::string cabecalho = "# xml " + HexHashConteudo(h) + "\n";
    const std::filesystem::path guardado = std::filesystem::path(pastaCache) / caminho.stem();
    if (LeTudo(guardado.string(), xml) && xml.starts_with(cabecalho)) {
        xml.erase(0, cabecalho.size());
        return true;
    }
    if (!DescomprimeBytes(comprimido, caminho.string(), xml, erro)) return false;
    // Only a cache: when it cannot be written the next build decompresses again.
    std::error_code ec;
    std::filesystem::create_directories(pastaCache, ec);
    const std::string temporario = guardado.string() + ".tmp";
    {
        std::ofstream f(temporario, std::ios::binary | std::ios::trunc);
        f << cabecalho;
        f.write(xml.data(), static_cast<std::streamsize>(xml.size()));
        if (!f) {
            f.close();
            std::remove(temporario.c_str());
            return true;
        }
    }
    std::filesystem::rename(temporario, guardado, ec);
    if (ec) std::remove(temporario.c_str());
    return true;
}

}  // namespace

bool LeitorDicionario::Analisa(const std::string& xml, const std::string& nomeArquivo,
                               std::vector<FonteVerbete>& verbetes, std::string& erro) {
    pugi::xml_document doc;
    auto r = doc.load_buffer(xml.data(), xml.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!r) {
        erro = nomeArquivo + ": XML inválido (" + r.description() + ")";
        return false;
    }
    size_t ordem = 0;
    for (pugi::xml_node e : doc.child("dic").children("entry")) {
        FonteVerbete v;
        v.arquivo = nomeArquivo;
        v.ordem = ordem++;
        v.orth = ColapsaEspacos(e.child("form").child("orth").text().get());
        v.pronuncia = ColapsaEspacos(e.child("form").child("phon").text().get());
        v.homonimo = e.attribute("n").as_int(0);
        v.geografico = e.attribute("geo").as_int(0) == 1;
        v.nomeProprio = e.attribute("name").as_int(0) == 1;
        v.estrangeiro = e.attribute("chaveta").as_int(0) == 1;
        for (pugi::xml_node s : e.children("sense")) {
            Sentido sentido;
            sentido.classe = ColapsaEspacos(s.child("gramGrp").text().get());
            sentido.acrescimo = s.attribute("ast").as_int(0) == 1;
            for (pugi::xml_node u : s.children("usg")) {
                std::string t = ColapsaEspacos(u.text().get());
                if (!t.empty()) sentido.rotulos.push_back({u.attribute("type").value(), t});
            }
            for (pugi::xml_node d : s.children("def")) {
                std::string texto;
                Achata(d, texto);
                for (auto& l : Linhas(texto)) sentido.linhas.push_back(std::move(l));
            }
            v.sentidos.push_back(std::move(sentido));
        }
        for (pugi::xml_node t : e.children("etym")) {
            std::string texto;
            Achata(t, texto);
            texto = ColapsaEspacos(texto);
            std::string origem = t.attribute("ori").value();
            if (origem.empty()) origem = t.attribute("orig").value();
            if (!texto.empty()) v.etimologias.push_back({texto, origem});
        }
        if (!v.orth.empty()) verbetes.push_back(std::move(v));
    }
    return true;
}

bool LeitorDicionario::LePasta(const std::string& pasta, std::vector<FonteVerbete>& verbetes,
                               std::string& erro,
                               const std::function<void(const std::string&, size_t)>& progresso,
                               const std::string& pastaCache) {
    namespace fs = std::filesystem;
    std::vector<fs::path> arquivos;
    std::error_code ec;
    for (const auto& item : fs::directory_iterator(pasta, ec)) {
        const std::string nome = item.path().filename().string();
        if (nome.size() > 8 && nome.ends_with(".xml.bz2")) arquivos.push_back(item.path());
    }
    if (ec || arquivos.empty()) {
        erro = "nenhum arquivo .xml.bz2 em " + pasta;
        return false;
    }
    std::sort(arquivos.begin(), arquivos.end());
    // The files are independent and decompressing is most of the time: two
    // workers take them in turn, and the entries are joined in name order.
    struct Lido {
        std::vector<FonteVerbete> verbetes;
        std::string erro;
        bool ok = false;
    };
    std::vector<Lido> lidos(arquivos.size());
    std::atomic<size_t> proximo{0};
    auto trabalha = [&] {
        std::string xml;
        for (size_t i; (i = proximo.fetch_add(1)) < arquivos.size();) {
            Lido& l = lidos[i];
            l.ok = LeXml(arquivos[i], pastaCache, xml, l.erro) &&
                   Analisa(xml, arquivos[i].filename().string(), l.verbetes, l.erro);
        }
    };
    {
        std::thread outro(trabalha);
        trabalha();
        outro.join();
    }
    for (size_t i = 0; i < arquivos.size(); ++i) {
        if (!lidos[i].ok) {
            erro = lidos[i].erro;
            return false;
        }
        const size_t deste = lidos[i].verbetes.size();
        verbetes.insert(verbetes.end(), std::make_move_iterator(lidos[i].verbetes.begin()),
                        std::make_move_iterator(lidos[i].verbetes.end()));
        lidos[i].verbetes = {};
        if (progresso) progresso(arquivos[i].filename().string(), deste);
    }
    return true;
}

}  // namespace mini::compilador

// Mask and entry-text searches, class filters and the result cursors, on the
// real dictionary. Expected entries were read from the source XML.
#include <algorithm>
#include <set>

#include "MotorTeste.h"
#include "mini/Normaliza.h"

namespace {

std::string SemHomonimo(const std::string& titulo) { return titulo.substr(0, titulo.find("\u00A0")); }

bool TemTitulo(const std::vector<Par>& pares, const std::string& titulo) {
    return std::any_of(pares.begin(), pares.end(),
                       [&](const Par& p) { return SemHomonimo(p.palavra) == titulo; });
}

std::set<int32_t> Ids(const std::vector<Par>& pares) {
    std::set<int32_t> r;
    for (const auto& p : pares) r.insert(p.id);
    return r;
}

class Pesquisas : public MotorReal {
protected:
    void SetUp() override {
        M().LimiteResultados(300);
        M().DefineFiltro(0, 0);
    }
    static std::vector<Par> Mascara(const std::string& mascara) {
        std::string lista;
        const int32_t n = M().PesquisaMascara(mascara, lista, 0);
        auto r = TodosResultados();
        EXPECT_EQ(static_cast<int32_t>(r.size()), n) << mascara;
        return r;
    }
    static std::vector<Par> Texto(std::string consulta) {
        std::string lista;
        int32_t total = -1;
        M().PesquisaReversa(consulta, lista, 0, 0, total);
        auto r = TodosResultados();
        EXPECT_EQ(static_cast<int32_t>(r.size()), total) << consulta;
        EXPECT_EQ(M().ObtemTotalResultados(), total);
        return r;
    }
    // Narrows the last search: the first filter opens the set, the others
    // are united (3) or intersected (2) with it.
    static std::set<int32_t> Filtra(std::initializer_list<std::pair<int16_t, int16_t>> passos) {
        M().DefineFiltro(0, 0);
        for (auto [op, id] : passos) M().DefineFiltro(op, id);
        M().DefineFiltro(1, 0);
        return Ids(TodosResultados());
    }
    static int32_t Id(const std::string& palavra) {
        const int32_t id = M().LocalizaPalavra(palavra);
        EXPECT_EQ(SemHomonimo(Titulo(id)), palavra);
        return id;
    }
};

constexpr int16_t kAdjetivo = 9, kAdverbio = 10, kSubstantivo = 19, kVerbo = 21, kGiria = 22,
                  kEstrangeira = 23;

}  // namespace

TEST_F(Pesquisas, MaskIsBlindToAccentsAndCase) {
    const auto cao = Ids(Mascara("*ção"));
    EXPECT_EQ(Ids(Mascara("*CAO")), cao);
    EXPECT_EQ(Ids(Mascara("*Çâo")), cao);
    EXPECT_TRUE(TemTitulo(Mascara("*ção"), "acção"));

    const auto desAr = Mascara("DES*AR");
    EXPECT_TRUE(TemTitulo(desAr, "desandar"));
    EXPECT_TRUE(TemTitulo(desAr, "desabafar"));
    // The headword matches as written or in today's spelling.
    for (const auto& p : desAr) {
        std::vector<std::string> grafias{SemHomonimo(p.palavra)};
        const std::string atual = M().ObtemGrafiaAtual(p.id);
        for (size_t i = 0, f; (f = atual.find('|', i)) != std::string::npos; i = f + 1)
            grafias.push_back(atual.substr(i, f - i));
        EXPECT_TRUE(std::any_of(grafias.begin(), grafias.end(), [](const std::string& g) {
            const std::string k = mini::ChaveDobrada(g);
            return k.starts_with("des") && k.ends_with("ar");
        })) << p.palavra;
    }
    // "?" is one letter, accented or not.
    const auto c_sa = Mascara("c?sa");
    EXPECT_TRUE(TemTitulo(c_sa, "casa"));
    for (const auto& p : c_sa) EXPECT_EQ(mini::ChaveDobrada(SemHomonimo(p.palavra)).size(), 4u) << p.palavra;
    EXPECT_TRUE(Mascara("casax*").empty());
}

TEST_F(Pesquisas, EntryTextTermsAndAllOfThem) {
    const auto agua = Texto("água");
    const auto pedra = Texto("pedra");
    // Entries whose definitions name both.
    const auto ambas = Texto("pedra +água");
    for (const char* t : {"pia", "tanque", "bacia", "lastro", "molada"})
        EXPECT_TRUE(TemTitulo(ambas, t)) << t;
    std::set<int32_t> intersecao;
    const auto a = Ids(agua), p = Ids(pedra);
    std::set_intersection(a.begin(), a.end(), p.begin(), p.end(),
                          std::inserter(intersecao, intersecao.end()));
    EXPECT_EQ(Ids(ambas), intersecao);
    // Blanks, "+" and case do not change the query.
    EXPECT_EQ(Ids(Texto("  ÁGUA+ Pedra ")), intersecao);
    EXPECT_TRUE(Texto("pedra +xyzwq").empty());
    // Today's spelling finds the 1913 text ("pharmácia" in "botica") and the
    // text already written so; the 1913 spelling finds only itself.
    const auto farmacia = Ids(Texto("farmácia"));
    const auto pharmacia = Ids(Texto("pharmácia"));
    EXPECT_TRUE(TemTitulo(Texto("farmácia"), "botica"));
    EXPECT_TRUE(std::includes(farmacia.begin(), farmacia.end(), pharmacia.begin(), pharmacia.end()));
    EXPECT_GT(farmacia.size(), pharmacia.size());
}

TEST_F(Pesquisas, EntryTextBeginningsAndEndings) {
    auto contem = [](const std::set<int32_t>& maior, const std::set<int32_t>& menor) {
        return std::includes(maior.begin(), maior.end(), menor.begin(), menor.end());
    };
    const auto pedr = Ids(Texto("pedr*"));
    EXPECT_TRUE(contem(pedr, Ids(Texto("pedra"))));
    EXPECT_TRUE(contem(pedr, Ids(Texto("pedreira"))));
    const auto mente = Texto("*mente");
    EXPECT_TRUE(TemTitulo(mente, "só"));  // "somente"
    EXPECT_TRUE(contem(Ids(mente), Ids(Texto("somente"))));
    EXPECT_TRUE(contem(Ids(mente), Ids(Texto("unicamente"))));
    const auto desAr = Texto("des*ar");
    EXPECT_TRUE(TemTitulo(desAr, "retroceder"));  // "desandar"
    EXPECT_TRUE(contem(Ids(desAr), Ids(Texto("desandar"))));
}

TEST_F(Pesquisas, FiltersUniteIntersectAndKeepEntriesOfSeveralClasses) {
    std::string lista, tudo = "*";
    int32_t total = 0;
    auto todos = [&] { M().PesquisaReversa(tudo, lista, 0, 0, total); };
    todos();
    const auto adj = Filtra({{3, kAdjetivo}});
    todos();
    const auto adv = Filtra({{3, kAdverbio}});
    todos();
    const auto soma = Filtra({{3, kAdjetivo}, {3, kAdverbio}});
    todos();
    const auto ambos = Filtra({{3, kAdjetivo}, {2, kAdverbio}});
    ASSERT_FALSE(adj.empty());
    ASSERT_FALSE(adv.empty());
    EXPECT_FALSE(ambos.empty());  // "só" is adjective and adverb
    EXPECT_EQ(soma.size(), adj.size() + adv.size() - ambos.size());
    for (int32_t id : ambos) EXPECT_TRUE(adj.count(id) && adv.count(id));

    // "açoitador" is "m. e adj.": in both classes; "pedra" only a noun.
    const int32_t acoitador = Id("açoitador"), pedra = Id("pedra");
    todos();
    const auto substAdj = Filtra({{3, kSubstantivo}, {2, kAdjetivo}});
    EXPECT_TRUE(adj.count(acoitador) && substAdj.count(acoitador));
    EXPECT_FALSE(adj.count(pedra) || substAdj.count(pedra));

    // Slang from the "Gír." label; foreign words from the book's braces or
    // an etymology "(T. fr.)", "(T. it.)" ...
    todos();
    const auto giria = Filtra({{3, kGiria}});
    EXPECT_TRUE(giria.count(Id("abuçar")));
    EXPECT_FALSE(giria.count(pedra));
    todos();
    const auto estrangeira = Filtra({{3, kEstrangeira}});
    EXPECT_TRUE(estrangeira.count(Id("allegro")));
    EXPECT_TRUE(estrangeira.count(Id("garage")));
    EXPECT_FALSE(estrangeira.count(pedra));

    // A filter narrows the search it follows; unknown classes match nothing.
    const auto ambas = Ids(Texto("pedra +água"));
    const auto verbos = Filtra({{3, kVerbo}});
    EXPECT_TRUE(std::includes(ambas.begin(), ambas.end(), verbos.begin(), verbos.end()));
    EXPECT_LT(verbos.size(), ambas.size());
    todos();
    EXPECT_TRUE(Filtra({{3, 16}}).empty());
}

TEST_F(Pesquisas, SearchCursorGivesChunksThenMinusOne) {
    M().LimiteResultados(7);
    std::string lista, consulta = "pedra";
    int32_t total = 0;
    M().PesquisaReversa(consulta, lista, 0, 0, total);
    ASSERT_GT(total, 14);
    EXPECT_EQ(LePares(lista).size(), 7u);  // the search hands over the first chunk
    std::vector<Par> lidos;
    int32_t cursor = 0, pedacos = 0;
    while ((cursor = M().ObtemResultados(0, cursor, lista)) >= 0 && pedacos <= total) {
        const auto pares = LePares(lista);
        EXPECT_EQ(cursor, static_cast<int32_t>(lidos.size() + pares.size()));
        EXPECT_LE(pares.size(), 7u);
        lidos.insert(lidos.end(), pares.begin(), pares.end());
        ++pedacos;
    }
    EXPECT_EQ(lista, "");
    EXPECT_EQ(static_cast<int32_t>(lidos.size()), total);
    EXPECT_EQ(pedacos, (total + 6) / 7);
    EXPECT_TRUE(
        std::is_sorted(lidos.begin(), lidos.end(), [](const Par& a, const Par& b) { return a.id < b.id; }));
    int32_t alem = total;
    EXPECT_EQ(M().ObtemResultados(0, alem, lista), -1);
}

TEST_F(Pesquisas, LetterCursorStartsAtTheLetterAndFollowsIds) {
    M().LimiteResultados(5);
    std::string lista;
    const int32_t total = M().PesquisaMascara("b*", lista, 1);
    const int32_t primeiro = M().LocalizaPalavra("b");
    ASSERT_GT(primeiro, 0);
    // A cursor of 0, or anywhere before the letter, starts at its first headword.
    for (int32_t inicio : {0, primeiro - 1000, primeiro}) {
        int32_t cursor = inicio;
        EXPECT_EQ(M().ObtemResultados(1, cursor, lista), primeiro + 5);
        EXPECT_EQ(LePares(lista).front().id, primeiro);
    }
    // From the middle: the pairs at and after the cursor.
    int32_t meio = primeiro + 10;
    EXPECT_EQ(M().ObtemResultados(1, meio, lista), primeiro + 15);
    EXPECT_EQ(LePares(lista).front().id, primeiro + 10);
    // The last chunk is short, then nothing is left.
    int32_t quase = primeiro + total - 2;
    EXPECT_EQ(M().ObtemResultados(1, quase, lista), primeiro + total);
    EXPECT_EQ(LePares(lista).size(), 2u);
    int32_t fim = primeiro + total;
    EXPECT_EQ(M().ObtemResultados(1, fim, lista), -1);
    EXPECT_EQ(lista, "");
    // Another search leaves the letter list alone.
    std::string consulta = "pedra";
    int32_t n = 0;
    M().PesquisaReversa(consulta, lista, 0, 0, n);
    int32_t cursor = 0;
    M().ObtemResultados(1, cursor, lista);
    EXPECT_EQ(LePares(lista).front().id, primeiro);
}

// The entry page the engine writes, checked against what the source XML
// says of "Pedra" and of the second "A", and over every entry of the
// dictionary: well formed, escaped, and free of the source's typing.
#include "MotorTeste.h"
#include "VerificaHtml.h"

using VerbeteHtml = MotorReal;

namespace {

size_t Conta(const std::string& texto, const std::string& parte) {
    size_t n = 0;
    for (size_t p = texto.find(parte); p != std::string::npos; p = texto.find(parte, p + 1)) ++n;
    return n;
}

}  // namespace

TEST_F(VerbeteHtml, PedraHasItsSensesLabelsLinksAndEtymology) {
    const std::string html = Html(M().LocalizaPalavra("pedra"));
    for (const char* parte : {
             "<span id=\"D_TIT\">Pedra</span><BR>",
             "<span id=\"D_N_CG\"><a href=\"goto://f.\" title=\"Feminino\">f.</a></span>",     // class label
             "<span id=\"D_RUB\"><a href=\"goto://Fig.\" title=\"Figurado\">Fig.</a></span>",  // usage label
             "<a href=\"goto://Prov.\" title=\"Provincianismo\">Prov.</a>",
             "<i>uma pedra de sal</i>",                                // example in italics
             "<i><a href=\"goto://jaspe-negro\">jaspe-negro</a></i>",  // cross-reference to a headword
             "<span id=\"D_TIT_LOC\">Pedra angular</span><span id=\"D_LOC\">, base, fundamento.</span>",
             "<span id=\"D_N_NUM\">1.</span> <span id=\"D_DEF\">Corpo duro e sólido",
             "<span id=\"D_ETM\">(<a href=\"goto://Lat.\" title=\"Latim\">Lat.</a>",
         })
        EXPECT_NE(html.find(parte), std::string::npos) << parte << "\n" << html;
    // 11 numbered senses and 9 locutions in the source; no homonym number.
    EXPECT_EQ(Conta(html, "id=\"D_N_NUM\""), 11u);
    EXPECT_NE(html.find("<span id=\"D_N_NUM\">11.</span>"), std::string::npos);
    EXPECT_EQ(Conta(html, "id=\"D_TIT_LOC\""), 9u);
    EXPECT_EQ(html.find("D_SUP_TIT"), std::string::npos);

    // The second "A" (article): its homonym number as a superscript.
    const std::string a2 = Html(M().LocalizaPalavra("a") + 1);
    EXPECT_TRUE(a2.starts_with("<span id=\"D_TIT\">A<span id=\"D_SUP_TIT\"><sup>2</sup></span></span>"))
        << a2;
    EXPECT_NE(a2.find("<a href=\"goto://art.\" title=\"Artigo ou Artilharia\">art.</a>"), std::string::npos);
}

TEST_F(VerbeteHtml, KeyMustMatchTheEntry) {
    int32_t id = M().LocalizaPalavra("casa");
    const int16_t certa = mini::ValorChaveVerbete(mini::PosicaoChave(id));
    std::string texto = "antes";
    EXPECT_EQ(M().ObtemVerbete(id, texto, certa == 1 ? 2 : 1), "");
    EXPECT_EQ(texto, "");
    // Key 0: the headword alone.
    EXPECT_EQ(M().ObtemVerbete(id, texto, 0), "casa");
    EXPECT_EQ(texto, "");
    EXPECT_EQ(M().ObtemVerbete(id, texto, certa), "casa");
    EXPECT_FALSE(texto.empty());
}

TEST_F(VerbeteHtml, EveryEntryIsWellFormedAndFreeOfTheSourcesTyping) {
    std::string falhas;
    int32_t total = 0, ruins = 0;
    for (int32_t id = 0;; ++id) {
        const std::string html = Html(id);
        if (html.empty()) break;
        ++total;
        std::string problema = verifica::Problema(html);
        if (problema.empty() && !html.starts_with("<span id=\"D_TIT\">")) problema = "não começa pelo título";
        if (problema.empty()) continue;
        if (++ruins <= 20) falhas += std::to_string(id) + " " + Titulo(id) + ": " + problema + "\n";
    }
    EXPECT_EQ(total, 128524);
    EXPECT_EQ(ruins, 0) << falhas;
}

#include "ClassesVerbais.h"

#include <array>
#include <unordered_map>
#include <utility>

namespace mini {

namespace {

using A = ClassesVerbais::Alternancia;
using D = ClassesVerbais::Defeito;

// clang-format off
constexpr std::pair<std::u32string_view, A> kAlternancias[] = {
    {U"subir", A::UparaO}, {U"assubir", A::UparaO}, {U"ressubir", A::UparaO}, {U"resubir", A::UparaO},
    {U"acudir", A::UparaO}, {U"recudir", A::UparaO}, {U"bulir", A::UparaO},
    {U"rebulir", A::UparaO}, {U"cuspir", A::UparaO}, {U"fugir", A::UparaO},
    {U"refugir", A::UparaO}, {U"esfugir", A::UparaO}, {U"confugir", A::UparaO},
    {U"transfugir", A::UparaO}, {U"subterfugir", A::UparaO}, {U"sacudir", A::UparaO},
    {U"sumir", A::UparaO}, {U"consumir", A::UparaO}, {U"escapulir", A::UparaO},

    {U"dormir", A::OparaU}, {U"adormir", A::OparaU}, {U"cobrir", A::OparaU},
    {U"descobrir", A::OparaU}, {U"encobrir", A::OparaU}, {U"recobrir", A::OparaU},
    {U"desencobrir", A::OparaU}, {U"tossir", A::OparaU}, {U"engolir", A::OparaU},
    {U"desengolir", A::OparaU},

    {U"polir", A::OparaUTonica}, {U"despolir", A::OparaUTonica}, {U"sortir", A::OparaUTonica},

    {U"agredir", A::EparaITonica}, {U"progredir", A::EparaITonica},
    {U"regredir", A::EparaITonica}, {U"transgredir", A::EparaITonica},
    {U"prevenir", A::EparaITonica}, {U"desprevenir", A::EparaITonica},
    {U"denegrir", A::EparaITonica}, {U"cerzir", A::EparaITonica}, {U"serzir", A::EparaITonica},

    // Of the -iar verbs only these take ei when stressed; the rest are regular.
    {U"mediar", A::Iar}, {U"intermediar", A::Iar}, {U"ansiar", A::Iar},
    {U"remediar", A::Iar}, {U"incendiar", A::Iar}, {U"odiar", A::Iar},

    // The i or u after a vowel is a syllable of its own here, and takes the
    // accent when stressed; in cuidar, reinar, causar it is a diphthong.
    {U"proibir", A::Hiato}, {U"coibir", A::Hiato}, {U"arruinar", A::Hiato},
    {U"amiudar", A::Hiato}, {U"faiscar", A::Hiato}, {U"enviuvar", A::Hiato},
    {U"esmiuçar", A::Hiato}, {U"aunar", A::Hiato},
};

// Families of hiatus verbs known by their ending (judaizar, europeizar,
// desajuizar, dessaudar, desembaular, entreunir).
constexpr std::u32string_view kFinaisDeHiato[] = {U"aizar", U"eizar", U"juizar", U"saudar", U"baular", U"eunir"};

constexpr std::pair<std::u32string_view, D> kDefeitos[] = {
    {U"chover", D::Impessoal}, {U"chuviscar", D::Impessoal}, {U"chuvinhar", D::Impessoal},
    {U"nevar", D::Impessoal}, {U"nevoar", D::Impessoal}, {U"neviscar", D::Impessoal},
    {U"gear", D::Impessoal}, {U"granizar", D::Impessoal}, {U"saraivar", D::Impessoal},
    {U"trovejar", D::Impessoal}, {U"trovoar", D::Impessoal}, {U"relampejar", D::Impessoal},
    {U"relampaguear", D::Impessoal}, {U"relampar", D::Impessoal}, {U"relampadejar", D::Impessoal},
    {U"ventar", D::Impessoal}, {U"ventanear", D::Impessoal}, {U"ventanejar", D::Impessoal},
    {U"orvalhar", D::Impessoal}, {U"garoar", D::Impessoal}, {U"concernir", D::Impessoal},

    {U"abolir", D::SemOA}, {U"banir", D::SemOA}, {U"brandir", D::SemOA},
    {U"carpir", D::SemOA}, {U"colorir", D::SemOA}, {U"descolorir", D::SemOA},
    {U"delinquir", D::SemOA}, {U"demolir", D::SemOA}, {U"emergir", D::SemOA},
    {U"imergir", D::SemOA}, {U"submergir", D::SemOA}, {U"exaurir", D::SemOA},
    {U"explodir", D::SemOA}, {U"extorquir", D::SemOA}, {U"retorquir", D::SemOA},
    {U"fremir", D::SemOA}, {U"haurir", D::SemOA}, {U"jungir", D::SemOA},
    {U"ungir", D::SemOA},

    {U"falir", D::SoArrizotonicas}, {U"aguerrir", D::SoArrizotonicas},
    {U"combalir", D::SoArrizotonicas}, {U"comedir", D::SoArrizotonicas},
    {U"delir", D::SoArrizotonicas}, {U"embair", D::SoArrizotonicas},
    {U"empedernir", D::SoArrizotonicas}, {U"desempedernir", D::SoArrizotonicas},
    {U"florir", D::SoArrizotonicas}, {U"desflorir", D::SoArrizotonicas},
    {U"foragir", D::SoArrizotonicas}, {U"fornir", D::SoArrizotonicas},
    {U"espavorir", D::SoArrizotonicas}, {U"despavorir", D::SoArrizotonicas},
    {U"empavorir", D::SoArrizotonicas}, {U"esbaforir", D::SoArrizotonicas},
    {U"remir", D::SoArrizotonicas}, {U"premir", D::SoArrizotonicas},
    {U"renhir", D::SoArrizotonicas}, {U"ressarcir", D::SoArrizotonicas},
    {U"puir", D::SoArrizotonicas}, {U"precaver", D::SoArrizotonicas},
    {U"desprecaver", D::SoArrizotonicas}, {U"reaver", D::SoArrizotonicas},
};

constexpr std::u32string_view kComoConstruir[] = {U"construir", U"reconstruir", U"destruir",
                                                   U"desconstruir"};

constexpr std::pair<std::u32string_view, std::u32string_view> kSegundoParticipio[] = {
    {U"aceitar", U"aceito"}, {U"entregar", U"entregue"}, {U"expressar", U"expresso"},
    {U"expulsar", U"expulso"}, {U"isentar", U"isento"}, {U"juntar", U"junto"},
    {U"limpar", U"limpo"}, {U"matar", U"morto"}, {U"salvar", U"salvo"},
    {U"soltar", U"solto"}, {U"ganhar", U"ganho"}, {U"gastar", U"gasto"},
    {U"pagar", U"pago"}, {U"findar", U"findo"}, {U"fartar", U"farto"},
    {U"libertar", U"liberto"}, {U"ocultar", U"oculto"}, {U"segurar", U"seguro"},
    {U"sujeitar", U"sujeito"}, {U"enxugar", U"enxuto"}, {U"dispersar", U"disperso"},
    {U"despertar", U"desperto"}, {U"manifestar", U"manifesto"}, {U"fixar", U"fixo"},
    {U"secar", U"seco"}, {U"vagar", U"vago"}, {U"completar", U"completo"},
    {U"inquietar", U"inquieto"}, {U"anexar", U"anexo"}, {U"cativar", U"cativo"},
    {U"assentar", U"assente"}, {U"pegar", U"pego"},
    {U"eleger", U"eleito"}, {U"reeleger", U"reeleito"}, {U"prender", U"preso"},
    {U"acender", U"aceso"}, {U"reacender", U"reaceso"}, {U"morrer", U"morto"},
    {U"suspender", U"suspenso"}, {U"envolver", U"envolto"}, {U"benzer", U"bento"},
    {U"corromper", U"corrupto"}, {U"romper", U"roto"}, {U"absorver", U"absorto"},
    {U"revolver", U"revolto"}, {U"nascer", U"nato"}, {U"convencer", U"convicto"},
    {U"incorrer", U"incurso"}, {U"submeter", U"submisso"}, {U"encher", U"cheio"},
    {U"malquerer", U"malquisto"}, {U"benquerer", U"benquisto"},
    {U"imprimir", U"impresso"}, {U"exprimir", U"expresso"}, {U"emergir", U"emerso"},
    {U"imergir", U"imerso"}, {U"submergir", U"submerso"}, {U"extinguir", U"extinto"},
    {U"distinguir", U"distinto"}, {U"tingir", U"tinto"}, {U"inserir", U"inserto"},
    {U"omitir", U"omisso"}, {U"incluir", U"incluso"}, {U"concluir", U"concluso"},
    {U"confundir", U"confuso"}, {U"difundir", U"difuso"}, {U"afligir", U"aflito"},
    {U"restringir", U"restrito"}, {U"expelir", U"expulso"}, {U"repelir", U"repulso"},
    {U"abstrair", U"abstrato"}, {U"exaurir", U"exausto"},
};

// Endings whose verbs, compounds included, have only an irregular participle.
constexpr std::pair<std::u32string_view, std::u32string_view> kParticipioUnico[] = {
    {U"abrir", U"aberto"}, {U"cobrir", U"coberto"}, {U"screver", U"scrito"}};
// clang-format on

template <typename V>
std::unordered_map<std::u32string, V> Mapa(const std::pair<std::u32string_view, V>* inicio, std::size_t n) {
    std::unordered_map<std::u32string, V> mapa;
    for (std::size_t i = 0; i < n; ++i) mapa.emplace(std::u32string(inicio[i].first), inicio[i].second);
    return mapa;
}

template <typename V, std::size_t N>
std::unordered_map<std::u32string, V> Mapa(const std::pair<std::u32string_view, V> (&lista)[N]) {
    return Mapa(lista, N);
}

}  // namespace

ClassesVerbais::Alternancia ClassesVerbais::AlternanciaListada(std::u32string_view verbo) {
    static const auto mapa = Mapa(kAlternancias);
    const auto it = mapa.find(std::u32string(verbo));
    if (it != mapa.end()) return it->second;
    for (auto fim : kFinaisDeHiato)
        if (verbo.size() >= fim.size() && verbo.substr(verbo.size() - fim.size()) == fim)
            return Alternancia::Hiato;
    return Alternancia::Nenhuma;
}

ClassesVerbais::Defeito ClassesVerbais::DefeitoDe(std::u32string_view verbo) {
    static const auto mapa = Mapa(kDefeitos);
    const auto it = mapa.find(std::u32string(verbo));
    return it == mapa.end() ? Defeito::Nenhum : it->second;
}

bool ClassesVerbais::ComoConstruir(std::u32string_view verbo) {
    for (auto v : kComoConstruir)
        if (v == verbo) return true;
    return false;
}

std::u32string ClassesVerbais::SegundoParticipio(std::u32string_view verbo) {
    static const auto mapa = Mapa(kSegundoParticipio);
    const auto it = mapa.find(std::u32string(verbo));
    return it == mapa.end() ? std::u32string() : std::u32string(it->second);
}

std::u32string ClassesVerbais::ParticipioUnico(std::u32string_view verbo) {
    for (const auto& [fim, participio] : kParticipioUnico) {
        if (verbo.size() >= fim.size() && verbo.substr(verbo.size() - fim.size()) == fim)
            return std::u32string(verbo.substr(0, verbo.size() - fim.size())) + std::u32string(participio);
    }
    return {};
}

}  // namespace mini

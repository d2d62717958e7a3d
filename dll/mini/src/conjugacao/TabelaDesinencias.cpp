#include "TabelaDesinencias.h"

#include <stdexcept>

namespace mini {

namespace {

constexpr std::u32string_view kAr =
    U"o as a amos ais am|ava avas ava ávamos áveis avam|ei aste ou amos astes aram|"
    U"ara aras ara áramos áreis aram|arei arás ará aremos areis arão|"
    U"aria arias aria aríamos aríeis ariam|e es e emos eis em|"
    U"asse asses asse ássemos ásseis assem|ar ares ar armos ardes arem|a e emos ai em|"
    U"ar ares ar armos ardes arem|ando|ado";

constexpr std::u32string_view kEr =
    U"o es e emos eis em|ia ias ia íamos íeis iam|i este eu emos estes eram|"
    U"era eras era êramos êreis eram|erei erás erá eremos ereis erão|"
    U"eria erias eria eríamos eríeis eriam|a as a amos ais am|"
    U"esse esses esse êssemos êsseis essem|er eres er ermos erdes erem|e a amos ei am|"
    U"er eres er ermos erdes erem|endo|ido";

constexpr std::u32string_view kIr =
    U"o es e imos is em|ia ias ia íamos íeis iam|i iste iu imos istes iram|"
    U"ira iras ira íramos íreis iram|irei irás irá iremos ireis irão|"
    U"iria irias iria iríamos iríeis iriam|a as a amos ais am|"
    U"isse isses isse íssemos ísseis issem|ir ires ir irmos irdes irem|e a amos i am|"
    U"ir ires ir irmos irdes irem|indo|ido";

constexpr std::u32string_view kAir =
    U"aio ais ai aímos aís aem|aía aías aía aíamos aíeis aíam|aí aíste aiu aímos aístes aíram|"
    U"aíra aíras aíra aíramos aíreis aíram|airei airás airá airemos aireis airão|"
    U"airia airias airia airíamos airíeis airiam|aia aias aia aiamos aiais aiam|"
    U"aísse aísses aísse aíssemos aísseis aíssem|air aíres air airmos airdes aírem|"
    U"ai aia aiamos aí aiam|air aíres air airmos airdes aírem|aindo|aído";

constexpr std::u32string_view kUir =
    U"uo uis ui uímos uís uem|uía uías uía uíamos uíeis uíam|uí uíste uiu uímos uístes uíram|"
    U"uíra uíras uíra uíramos uíreis uíram|uirei uirás uirá uiremos uireis uirão|"
    U"uiria uirias uiria uiríamos uiríeis uiriam|ua uas ua uamos uais uam|"
    U"uísse uísses uísse uíssemos uísseis uíssem|uir uíres uir uirmos uirdes uírem|"
    U"ui ua uamos uí uam|uir uíres uir uirmos uirdes uírem|uindo|uído";

// construir, destruir: the stressed u of the present opens to ó.
constexpr std::u32string_view kConstruir =
    U"uo óis ói uímos uís oem|uía uías uía uíamos uíeis uíam|uí uíste uiu uímos uístes uíram|"
    U"uíra uíras uíra uíramos uíreis uíram|uirei uirás uirá uiremos uireis uirão|"
    U"uiria uirias uiria uiríamos uiríeis uiriam|ua uas ua uamos uais uam|"
    U"uísse uísses uísse uíssemos uísseis uíssem|uir uíres uir uirmos uirdes uírem|"
    U"ói ua uamos uí uam|uir uíres uir uirmos uirdes uírem|uindo|uído";

constexpr std::u32string_view kOer =
    U"oo óis ói oemos oeis oem|oía oías oía oíamos oíeis oíam|oí oeste oeu oemos oestes oeram|"
    U"oera oeras oera oêramos oêreis oeram|oerei oerás oerá oeremos oereis oerão|"
    U"oeria oerias oeria oeríamos oeríeis oeriam|oa oas oa oamos oais oam|"
    U"oesse oesses oesse oêssemos oêsseis oessem|oer oeres oer oermos oerdes oerem|"
    U"ói oa oamos oei oam|oer oeres oer oermos oerdes oerem|oendo|oído";

constexpr std::u32string_view kUzir =
    U"zo zes z zimos zis zem|zia zias zia zíamos zíeis ziam|zi ziste ziu zimos zistes ziram|"
    U"zira ziras zira zíramos zíreis ziram|zirei zirás zirá ziremos zireis zirão|"
    U"ziria zirias ziria ziríamos ziríeis ziriam|za zas za zamos zais zam|"
    U"zisse zisses zisse zíssemos zísseis zissem|zir zires zir zirmos zirdes zirem|"
    U"z za zamos zi zam|zir zires zir zirmos zirdes zirem|zindo|zido";

// arguir, redarguir: the u is sounded but glides into the i, so no hiatus
// accent (arguimos, arguido) and the present keeps the i (arguis, argui).
constexpr std::u32string_view kArguir =
    U"uo uis ui uimos uis uem|uia uias uia uíamos uíeis uiam|ui uiste uiu uimos uistes uiram|"
    U"uira uiras uira uíramos uíreis uiram|uirei uirás uirá uiremos uireis uirão|"
    U"uiria uirias uiria uiríamos uiríeis uiriam|ua uas ua uamos uais uam|"
    U"uisse uisses uisse uíssemos uísseis uissem|uir uires uir uirmos uirdes uirem|"
    U"ui ua uamos ui uam|uir uires uir uirmos uirdes uirem|uindo|uido";

struct Tabelas {
    std::array<Formas72, 9> lidas;
    Tabelas() {
        const std::array<std::u32string_view, 9> textos = {kAr,        kEr,  kIr,   kAir,   kUir,
                                                           kConstruir, kOer, kUzir, kArguir};
        for (std::size_t i = 0; i < textos.size(); ++i)
            if (!LeitorTabela::Le(textos[i], lidas[i]))
                throw std::logic_error("tabela de desinências malformada");
    }
};

}  // namespace

const Formas72& TabelaDesinencias::Desinencias(Padrao padrao) {
    static const Tabelas tabelas;
    return tabelas.lidas[static_cast<std::size_t>(padrao)];
}

std::size_t TabelaDesinencias::Sufixo(Padrao padrao) {
    switch (padrao) {
        case Padrao::Ar:
        case Padrao::Er:
        case Padrao::Ir: return 2;
        default: return 3;
    }
}

}  // namespace mini

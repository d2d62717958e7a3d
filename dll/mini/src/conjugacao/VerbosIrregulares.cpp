#include "VerbosIrregulares.h"

#include "ClassesVerbais.h"
#include "FlexaoRegular.h"

#include <stdexcept>
#include <unordered_map>

namespace mini {

namespace {

// "=" is the form the rule gives for the verb itself (compound included),
// "/" a form the verb lacks. Prefixes: the listed ones and none; "*" any.
struct Modelo {
    std::u32string_view base;
    std::u32string_view prefixos;
    std::u32string_view formas;
};

constexpr Modelo kModelos[] = {
    {U"ser", U"",
     U"sou és é somos sois são|era eras era éramos éreis eram|fui foste foi fomos fostes foram|"
     U"fora foras fora fôramos fôreis foram|=|=|seja sejas seja sejamos sejais sejam|"
     U"fosse fosses fosse fôssemos fôsseis fossem|for fores for formos fordes forem|"
     U"sê seja sejamos sede sejam|=|=|="},
    {U"estar", U"",
     U"estou estás está estamos estais estão|=|estive estiveste esteve estivemos estivestes estiveram|"
     U"estivera estiveras estivera estivéramos estivéreis estiveram|=|=|"
     U"esteja estejas esteja estejamos estejais estejam|"
     U"estivesse estivesses estivesse estivéssemos estivésseis estivessem|"
     U"estiver estiveres estiver estivermos estiverdes estiverem|está esteja estejamos estai estejam|=|=|="},
    {U"ter", U"abs a con de entre man ob re sus",
     U"tenho tens tem temos tendes têm|tinha tinhas tinha tínhamos tínheis tinham|"
     U"tive tiveste teve tivemos tivestes tiveram|tivera tiveras tivera tivéramos tivéreis tiveram|=|=|"
     U"tenha tenhas tenha tenhamos tenhais tenham|tivesse tivesses tivesse tivéssemos tivésseis tivessem|"
     U"tiver tiveres tiver tivermos tiverdes tiverem|tem tenha tenhamos tende tenham|=|=|="},
    {U"haver", U"",
     U"hei hás há havemos haveis hão|=|houve houveste houve houvemos houvestes houveram|"
     U"houvera houveras houvera houvéramos houvéreis houveram|=|=|haja hajas haja hajamos hajais hajam|"
     U"houvesse houvesses houvesse houvéssemos houvésseis houvessem|"
     U"houver houveres houver houvermos houverdes houverem|há haja hajamos havei hajam|=|=|="},
    // Only the forms with v + e are used; the rest are cut by its defect.
    {U"reaver", U"",
     U"=|=|reouve reouveste reouve reouvemos reouvestes reouveram|"
     U"reouvera reouveras reouvera reouvéramos reouvéreis reouveram|=|=|=|"
     U"reouvesse reouvesses reouvesse reouvéssemos reouvésseis reouvessem|"
     U"reouver reouveres reouver reouvermos reouverdes reouverem|=|=|=|="},
    {U"ir", U"",
     U"vou vais vai vamos ides vão|ia ias ia íamos íeis iam|fui foste foi fomos fostes foram|"
     U"fora foras fora fôramos fôreis foram|=|=|vá vás vá vamos vades vão|"
     U"fosse fosses fosse fôssemos fôsseis fossem|for fores for formos fordes forem|"
     U"vai vá vamos ide vão|=|=|="},
    {U"vir", U"a ad con contra desa descon inter ob pro re recon sobre",
     U"venho vens vem vimos vindes vêm|vinha vinhas vinha vínhamos vínheis vinham|"
     U"vim vieste veio viemos viestes vieram|viera vieras viera viéramos viéreis vieram|=|=|"
     U"venha venhas venha venhamos venhais venham|viesse viesses viesse viéssemos viésseis viessem|"
     U"vier vieres vier viermos vierdes vierem|vem venha venhamos vinde venham|=|vindo|vindo"},
    {U"ver", U"ante entre pre re tres",
     U"vejo vês vê vemos vedes veem|=|vi viste viu vimos vistes viram|vira viras vira víramos víreis viram|"
     U"=|=|veja vejas veja vejamos vejais vejam|visse visses visse víssemos vísseis vissem|"
     U"vir vires vir virmos virdes virem|vê veja vejamos vede vejam|=|=|visto"},
    // Like ver in the present only: provi, provesse, provido.
    {U"prover", U"des",
     U"provejo provês provê provemos provedes proveem|=|=|=|=|=|"
     U"proveja provejas proveja provejamos provejais provejam|=|=|provê proveja provejamos provede provejam|"
     U"=|=|="},
    {U"dar", U"des satis",
     U"dou dás dá damos dais dão|=|dei deste deu demos destes deram|dera deras dera déramos déreis deram|"
     U"=|=|dê dês dê demos deis deem|desse desses desse déssemos désseis dessem|"
     U"der deres der dermos derdes derem|dá dê demos dai deem|=|=|="},
    {U"fazer", U"*",
     U"faço fazes faz fazemos fazeis fazem|=|fiz fizeste fez fizemos fizestes fizeram|"
     U"fizera fizeras fizera fizéramos fizéreis fizeram|farei farás fará faremos fareis farão|"
     U"faria farias faria faríamos faríeis fariam|faça faças faça façamos façais façam|"
     U"fizesse fizesses fizesse fizéssemos fizésseis fizessem|fizer fizeres fizer fizermos fizerdes fizerem|"
     U"faz faça façamos fazei façam|=|=|feito"},
    {U"dizer", U"*",
     U"digo dizes diz dizemos dizeis dizem|=|disse disseste disse dissemos dissestes disseram|"
     U"dissera disseras dissera disséramos disséreis disseram|direi dirás dirá diremos direis dirão|"
     U"diria dirias diria diríamos diríeis diriam|diga digas diga digamos digais digam|"
     U"dissesse dissesses dissesse disséssemos dissésseis dissessem|"
     U"disser disseres disser dissermos disserdes disserem|diz diga digamos dizei digam|=|=|dito"},
    {U"trazer", U"*",
     U"trago trazes traz trazemos trazeis trazem|=|trouxe trouxeste trouxe trouxemos trouxestes trouxeram|"
     U"trouxera trouxeras trouxera trouxéramos trouxéreis trouxeram|trarei trarás trará traremos trareis "
     U"trarão|"
     U"traria trarias traria traríamos traríeis trariam|traga tragas traga tragamos tragais tragam|"
     U"trouxesse trouxesses trouxesse trouxéssemos trouxésseis trouxessem|"
     U"trouxer trouxeres trouxer trouxermos trouxerdes trouxerem|traz traga tragamos trazei tragam|=|=|="},
    // Every verb in -por is a compound of pôr; the accent stays on pôr alone.
    {U"por", U"*",
     U"ponho pões põe pomos pondes põem|punha punhas punha púnhamos púnheis punham|"
     U"pus puseste pôs pusemos pusestes puseram|pusera puseras pusera puséramos puséreis puseram|"
     U"porei porás porá poremos poreis porão|poria porias poria poríamos poríeis poriam|"
     U"ponha ponhas ponha ponhamos ponhais ponham|pusesse pusesses pusesse puséssemos pusésseis pusessem|"
     U"puser puseres puser pusermos puserdes puserem|põe ponha ponhamos ponde ponham|"
     U"pôr pores pôr pormos pordes porem|pondo|posto"},
    {U"poder", U"",
     U"posso = = = = =|=|pude pudeste pôde pudemos pudestes puderam|"
     U"pudera puderas pudera pudéramos pudéreis puderam|=|=|possa possas possa possamos possais possam|"
     U"pudesse pudesses pudesse pudéssemos pudésseis pudessem|"
     U"puder puderes puder pudermos puderdes puderem|/ / / / /|=|=|="},
    {U"querer", U"*",
     U"= = quer = = =|=|quis quiseste quis quisemos quisestes quiseram|"
     U"quisera quiseras quisera quiséramos quiséreis quiseram|=|=|queira queiras queira queiramos queirais "
     U"queiram|"
     U"quisesse quisesses quisesse quiséssemos quisésseis quisessem|"
     U"quiser quiseres quiser quisermos quiserdes quiserem|quer queira queiramos = queiram|=|=|="},
    // Only the present is like querer's: requeri, requeresse, requerido.
    {U"requerer", U"",
     U"requeiro = requer = = =|=|=|=|=|=|requeira requeiras requeira requeiramos requeirais requeiram|=|=|"
     U"= requeira requeiramos = requeiram|=|=|="},
    {U"saber", U"des re res",
     U"sei = = = = =|=|soube soubeste soube soubemos soubestes souberam|"
     U"soubera souberas soubera soubéramos soubéreis souberam|=|=|saiba saibas saiba saibamos saibais saibam|"
     U"soubesse soubesses soubesse soubéssemos soubésseis soubessem|"
     U"souber souberes souber soubermos souberdes souberem|= saiba saibamos = saibam|=|=|="},
    {U"caber", U"des",
     U"caibo = = = = =|=|coube coubeste coube coubemos coubestes couberam|"
     U"coubera couberas coubera coubéramos coubéreis couberam|=|=|caiba caibas caiba caibamos caibais caibam|"
     U"coubesse coubesses coubesse coubéssemos coubésseis coubessem|"
     U"couber couberes couber coubermos couberdes couberem|/ / / / /|=|=|="},
    {U"ler", U"re tre tres",
     U"leio lês lê lemos ledes leem|=|=|=|=|=|leia leias leia leiamos leiais leiam|=|=|"
     U"lê leia leiamos lede leiam|=|=|="},
    {U"crer", U"des",
     U"creio crês crê cremos credes creem|=|=|=|=|=|creia creias creia creiamos creiais creiam|=|=|"
     U"crê creia creiamos crede creiam|=|=|="},
    {U"rir", U"sor",
     U"rio ris ri rimos rides riem|=|=|=|=|=|ria rias ria riamos riais riam|=|=|ri ria riamos ride "
     U"riam|=|=|="},
    {U"ouvir", U"entre ex",
     U"ouço = = = = =|=|=|=|=|=|ouça ouças ouça ouçamos ouçais ouçam|=|=|= ouça ouçamos = ouçam|=|=|="},
    {U"perder", U"",
     U"perco = = = = =|=|=|=|=|=|perca percas perca percamos percais percam|=|=|= perca percamos = "
     U"percam|=|=|="},
    {U"valer", U"des equi",
     U"valho = = = = =|=|=|=|=|=|valha valhas valha valhamos valhais valham|=|=|= valha valhamos = "
     U"valham|=|=|="},
    {U"medir", U"des re",
     U"meço = = = = =|=|=|=|=|=|meça meças meça meçamos meçais meçam|=|=|= meça meçamos = meçam|=|=|="},
    {U"pedir", U"des desim ex im re reex",
     U"peço = = = = =|=|=|=|=|=|peça peças peça peçamos peçais peçam|=|=|= peça peçamos = peçam|=|=|="},
    {U"jazer", U"ad circum circun", U"= = jaz = = =|=|=|=|=|=|=|=|=|jaz = = = =|=|=|="},
    {U"comprazer", U"des", U"= = compraz = = =|=|=|=|=|=|=|=|=|compraz = = = =|=|=|="},
    {U"prazer", U"a desa",
     U"= = praz = = =|=|prouve prouveste prouve prouvemos prouvestes prouveram|"
     U"prouvera prouveras prouvera prouvéramos prouvéreis prouveram|=|=|=|"
     U"prouvesse prouvesses prouvesse prouvéssemos prouvésseis prouvessem|"
     U"prouver prouveres prouver prouvermos prouverdes prouverem|praz = = = =|=|=|="},
    {U"frigir", U"", U"= freges frege = = fregem|=|=|=|=|=|=|=|=|frege = = = =|=|=|frigido frito"},
    {U"parir", U"mal",
     U"pairo = = = = =|=|=|=|=|=|paira pairas paira pairamos pairais pairam|=|=|= paira pairamos = "
     U"pairam|=|=|="},
};

struct Lido {
    const Modelo* modelo;
    Formas72 formas;
};

const std::unordered_map<std::u32string, Lido>& Modelos() {
    static const auto mapa = [] {
        std::unordered_map<std::u32string, Lido> m;
        for (const Modelo& modelo : kModelos) {
            Lido lido{&modelo, {}};
            if (!LeitorTabela::Le(modelo.formas, lido.formas))
                throw std::logic_error("modelo irregular malformado");
            m.emplace(std::u32string(modelo.base), std::move(lido));
        }
        return m;
    }();
    return mapa;
}

bool PrefixoAceito(std::u32string_view lista, std::u32string_view prefixo) {
    if (prefixo.empty() || lista == U"*") return true;
    std::size_t inicio = 0;
    while (inicio < lista.size()) {
        std::size_t fim = lista.find(U' ', inicio);
        if (fim == std::u32string_view::npos) fim = lista.size();
        if (lista.substr(inicio, fim - inicio) == prefixo) return true;
        inicio = fim + 1;
    }
    return false;
}

// A form of the simple verb inside a compound: a one-syllable "tem", "vem"
// becomes an oxytone and takes the accent (contém, convéns); pôr loses its.
std::u32string FormaComposta(std::u32string_view prefixo, const std::u32string& forma) {
    if (prefixo.empty() || forma.empty() || forma == U"/") return forma;
    std::u32string f = forma;
    if (f == U"tem" || f == U"vem" || f == U"tens" || f == U"vens")
        f[1] = U'é';
    else if (f == U"pôr")
        f = U"por";
    return std::u32string(prefixo) + f;
}

}  // namespace

bool VerbosIrregulares::Conjuga(std::u32string_view verbo, Formas72& formas) {
    const auto& modelos = Modelos();
    for (std::size_t corte = 0; corte < verbo.size(); ++corte) {
        const auto it = modelos.find(std::u32string(verbo.substr(corte)));
        if (it == modelos.end()) continue;
        const std::u32string_view prefixo = verbo.substr(0, corte);
        if (!PrefixoAceito(it->second.modelo->prefixos, prefixo)) continue;

        Formas72 regulares;
        const bool temRegulares = FlexaoRegular::Simples(verbo, regulares);
        const Formas72& modelo = it->second.formas;
        for (std::size_t i = 0; i < formas.size(); ++i) {
            if (modelo[i] != U"=") {
                formas[i] = FormaComposta(prefixo, modelo[i]);
            } else if (temRegulares) {
                formas[i] = regulares[i];
            } else {
                return false;
            }
        }
        if (modelo[LeitorTabela::kParticipio] == U"=")
            formas[LeitorTabela::kParticipio + 1] = ClassesVerbais::SegundoParticipio(verbo);
        FlexaoRegular::AplicaDefeito(ClassesVerbais::DefeitoDe(verbo), formas);
        return true;
    }
    return false;
}

}  // namespace mini

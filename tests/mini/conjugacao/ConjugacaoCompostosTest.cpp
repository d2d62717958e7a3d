// Compounds of the irregular verbs: the simple verb's forms after the prefix,
// with the accent a one-syllable form takes once it is the end of a longer
// word (contém, convéns), and the verbs that only look like compounds.
#include "TabelaEsperada.h"

#include <gtest/gtest.h>

using teste::ConfereFormasChave;
using teste::ConfereTabela;

TEST(ConjugacaoCompostos, DeTer) {
    ConfereTabela("conter",
                  "contenho conténs contém contemos contendes contêm|"
                  "continha continhas continha contínhamos contínheis continham|"
                  "contive contiveste conteve contivemos contivestes contiveram|"
                  "contivera contiveras contivera contivéramos contivéreis contiveram|"
                  "conterei conterás conterá conteremos contereis conterão|"
                  "conteria conterias conteria conteríamos conteríeis conteriam|"
                  "contenha contenhas contenha contenhamos contenhais contenham|"
                  "contivesse contivesses contivesse contivéssemos contivésseis contivessem|"
                  "contiver contiveres contiver contivermos contiverdes contiverem|"
                  "contém contenha contenhamos contende contenham|"
                  "conter conteres conter contermos conterdes conterem|contendo|contido");
    ConfereFormasChave("manter", "mantenho manténs mantém mantemos mantendes mantêm|mantive manteve|mantenha|mantido");
    ConfereFormasChave("obter", "obtenho obténs obtém obtemos obtendes obtêm|obtive obteve|obtenha|obtido");
    ConfereFormasChave("deter", "detenho deténs detém detemos detendes detêm|detive deteve|detenha|detido");
    ConfereFormasChave("reter", "retenho reténs retém retemos retendes retêm|retive reteve|retenha|retido");
    ConfereFormasChave("ater", "atenho aténs atém atemos atendes atêm|ative ateve|atenha|atido");
    ConfereFormasChave("entreter",
                       "entretenho entreténs entretém entretemos entretendes entretêm|entretive entreteve|entretenha|"
                       "entretido");
    ConfereFormasChave("suster", "sustenho susténs sustém sustemos sustendes sustêm|sustive susteve|sustenha|sustido");
    ConfereFormasChave("abster", "abstenho absténs abstém abstemos abstendes abstêm|abstive absteve|abstenha|abstido");
}

TEST(ConjugacaoCompostos, DeVir) {
    ConfereTabela("convir",
                  "convenho convéns convém convimos convindes convêm|"
                  "convinha convinhas convinha convínhamos convínheis convinham|"
                  "convim convieste conveio conviemos conviestes convieram|"
                  "conviera convieras conviera conviéramos conviéreis convieram|"
                  "convirei convirás convirá conviremos convireis convirão|"
                  "conviria convirias conviria conviríamos conviríeis conviriam|"
                  "convenha convenhas convenha convenhamos convenhais convenham|"
                  "conviesse conviesses conviesse conviéssemos conviésseis conviessem|"
                  "convier convieres convier conviermos convierdes convierem|"
                  "convém convenha convenhamos convinde convenham|"
                  "convir convires convir convirmos convirdes convirem|convindo|convindo");
    ConfereFormasChave("intervir",
                       "intervenho intervéns intervém intervimos intervindes intervêm|intervim interveio|intervenha|"
                       "intervindo");
    ConfereFormasChave("provir", "provenho provéns provém provimos provindes provêm|provim proveio|provenha|provindo");
    ConfereFormasChave("advir", "advenho advéns advém advimos advindes advêm|advim adveio|advenha|advindo");
    ConfereFormasChave("sobrevir",
                       "sobrevenho sobrevéns sobrevém sobrevimos sobrevindes sobrevêm|sobrevim sobreveio|sobrevenha|"
                       "sobrevindo");
}

TEST(ConjugacaoCompostos, DePor) {
    ConfereTabela("compor",
                  "componho compões compõe compomos compondes compõem|"
                  "compunha compunhas compunha compúnhamos compúnheis compunham|"
                  "compus compuseste compôs compusemos compusestes compuseram|"
                  "compusera compuseras compusera compuséramos compuséreis compuseram|"
                  "comporei comporás comporá comporemos comporeis comporão|"
                  "comporia comporias comporia comporíamos comporíeis comporiam|"
                  "componha componhas componha componhamos componhais componham|"
                  "compusesse compusesses compusesse compuséssemos compusésseis compusessem|"
                  "compuser compuseres compuser compusermos compuserdes compuserem|"
                  "compõe componha componhamos componde componham|"
                  "compor compores compor compormos compordes comporem|compondo|composto");
    ConfereFormasChave("dispor", "disponho dispões dispõe dispomos dispondes dispõem|dispus dispôs|disponha|disposto");
    ConfereFormasChave("supor", "suponho supões supõe supomos supondes supõem|supus supôs|suponha|suposto");
    ConfereFormasChave("propor", "proponho propões propõe propomos propondes propõem|propus propôs|proponha|proposto");
    ConfereFormasChave("repor", "reponho repões repõe repomos repondes repõem|repus repôs|reponha|reposto");
    ConfereFormasChave("impor", "imponho impões impõe impomos impondes impõem|impus impôs|imponha|imposto");
    ConfereFormasChave("expor", "exponho expões expõe expomos expondes expõem|expus expôs|exponha|exposto");
    ConfereFormasChave("depor", "deponho depões depõe depomos depondes depõem|depus depôs|deponha|deposto");
    ConfereFormasChave("opor", "oponho opões opõe opomos opondes opõem|opus opôs|oponha|oposto");
    ConfereFormasChave("transpor",
                       "transponho transpões transpõe transpomos transpondes transpõem|transpus transpôs|transponha|"
                       "transposto");
}

TEST(ConjugacaoCompostos, DeVerEProver) {
    ConfereTabela("prever",
                  "prevejo prevês prevê prevemos prevedes preveem|previa previas previa prevíamos prevíeis previam|"
                  "previ previste previu previmos previstes previram|"
                  "previra previras previra prevíramos prevíreis previram|"
                  "preverei preverás preverá preveremos prevereis preverão|"
                  "preveria preverias preveria preveríamos preveríeis preveriam|"
                  "preveja prevejas preveja prevejamos prevejais prevejam|"
                  "previsse previsses previsse prevíssemos prevísseis previssem|"
                  "previr previres previr previrmos previrdes previrem|prevê preveja prevejamos prevede prevejam|"
                  "prever preveres prever prevermos preverdes preverem|prevendo|previsto");
    ConfereFormasChave("rever", "revejo revês revê revemos revedes reveem|revi reviu|reveja|revisto");
    ConfereFormasChave("antever", "antevejo antevês antevê antevemos antevedes anteveem|antevi anteviu|anteveja|antevisto");
    ConfereFormasChave("desprover",
                       "desprovejo desprovês desprovê desprovemos desprovedes desproveem|desprovi desproveu|"
                       "desproveja|desprovido");
}

TEST(ConjugacaoCompostos, DeFazerEDizer) {
    ConfereTabela("satisfazer",
                  "satisfaço satisfazes satisfaz satisfazemos satisfazeis satisfazem|"
                  "satisfazia satisfazias satisfazia satisfazíamos satisfazíeis satisfaziam|"
                  "satisfiz satisfizeste satisfez satisfizemos satisfizestes satisfizeram|"
                  "satisfizera satisfizeras satisfizera satisfizéramos satisfizéreis satisfizeram|"
                  "satisfarei satisfarás satisfará satisfaremos satisfareis satisfarão|"
                  "satisfaria satisfarias satisfaria satisfaríamos satisfaríeis satisfariam|"
                  "satisfaça satisfaças satisfaça satisfaçamos satisfaçais satisfaçam|"
                  "satisfizesse satisfizesses satisfizesse satisfizéssemos satisfizésseis satisfizessem|"
                  "satisfizer satisfizeres satisfizer satisfizermos satisfizerdes satisfizerem|"
                  "satisfaz satisfaça satisfaçamos satisfazei satisfaçam|"
                  "satisfazer satisfazeres satisfazer satisfazermos satisfazerdes satisfazerem|satisfazendo|satisfeito");
    ConfereFormasChave("desfazer", "desfaço desfazes desfaz desfazemos desfazeis desfazem|desfiz desfez|desfaça|desfeito");
    ConfereFormasChave("refazer", "refaço refazes refaz refazemos refazeis refazem|refiz refez|refaça|refeito");
    ConfereFormasChave("perfazer", "perfaço perfazes perfaz perfazemos perfazeis perfazem|perfiz perfez|perfaça|perfeito");
    ConfereFormasChave("bendizer", "bendigo bendizes bendiz bendizemos bendizeis bendizem|bendisse bendisse|bendiga|bendito");
    ConfereFormasChave("maldizer", "maldigo maldizes maldiz maldizemos maldizeis maldizem|maldisse maldisse|maldiga|maldito");
    ConfereFormasChave("contradizer",
                       "contradigo contradizes contradiz contradizemos contradizeis contradizem|"
                       "contradisse contradisse|contradiga|contradito");
    ConfereFormasChave("predizer", "predigo predizes prediz predizemos predizeis predizem|predisse predisse|prediga|predito");
}

TEST(ConjugacaoCompostos, DeOutrosIrregulares) {
    ConfereFormasChave("reler", "releio relês relê relemos reledes releem|reli releu|releia|relido");
    ConfereFormasChave("descrer", "descreio descrês descrê descremos descredes descreem|descri descreu|descreia|descrido");
    ConfereFormasChave("sorrir", "sorrio sorris sorri sorrimos sorrides sorriem|sorri sorriu|sorria|sorrido");
    ConfereFormasChave("despedir",
                       "despeço despedes despede despedimos despedis despedem|despedi despediu|despeça|despedido");
    ConfereFormasChave("impedir", "impeço impedes impede impedimos impedis impedem|impedi impediu|impeça|impedido");
    ConfereFormasChave("expedir", "expeço expedes expede expedimos expedis expedem|expedi expediu|expeça|expedido");
    ConfereFormasChave("equivaler",
                       "equivalho equivales equivale equivalemos equivaleis equivalem|equivali equivaleu|equivalha|"
                       "equivalido");
    ConfereFormasChave("malquerer",
                       "malquero malqueres malquer malqueremos malquereis malquerem|malquis malquis|malqueira|"
                       "malquerido malquisto");
}

TEST(ConjugacaoCompostos, ParecidosMasRegulares) {
    // They end like ter, ver, vir, ler, rir, dar but are not compounds of them.
    ConfereFormasChave("bater", "bato bates bate batemos bateis batem|bati bateu|bata|batido");
    ConfereFormasChave("prometer", "prometo prometes promete prometemos prometeis prometem|prometi prometeu|prometa|prometido");
    ConfereFormasChave("mover", "movo moves move movemos moveis movem|movi moveu|mova|movido");
    ConfereFormasChave("absolver", "absolvo absolves absolve absolvemos absolveis absolvem|absolvi absolveu|absolva|absolvido");
    ConfereFormasChave("colher", "colho colhes colhe colhemos colheis colhem|colhi colheu|colha|colhido");
    ConfereFormasChave("servir", "sirvo serves serve servimos servis servem|servi serviu|sirva|servido");
    ConfereFormasChave("abrir", "abro abres abre abrimos abris abrem|abri abriu|abra|aberto");
    ConfereFormasChave("circundar", "circundo circundas circunda circundamos circundais circundam|circundei circundou|circunde|circundado");
    ConfereFormasChave("competir", "compito competes compete competimos competis competem|competi competiu|compita|competido");
}

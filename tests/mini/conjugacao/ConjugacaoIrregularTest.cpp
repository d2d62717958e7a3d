// The irregular verbs, every form, from the grammar's paradigms.
#include "TabelaEsperada.h"

#include <gtest/gtest.h>

using teste::ConfereFormasChave;
using teste::ConfereTabela;

TEST(ConjugacaoIrregular, SerEstarTerHaverIr) {
    ConfereTabela("ser",
                  "sou és é somos sois são|era eras era éramos éreis eram|fui foste foi fomos fostes foram|"
                  "fora foras fora fôramos fôreis foram|serei serás será seremos sereis serão|"
                  "seria serias seria seríamos seríeis seriam|seja sejas seja sejamos sejais sejam|"
                  "fosse fosses fosse fôssemos fôsseis fossem|for fores for formos fordes forem|"
                  "sê seja sejamos sede sejam|ser seres ser sermos serdes serem|sendo|sido");
    ConfereTabela("estar",
                  "estou estás está estamos estais estão|estava estavas estava estávamos estáveis estavam|"
                  "estive estiveste esteve estivemos estivestes estiveram|"
                  "estivera estiveras estivera estivéramos estivéreis estiveram|"
                  "estarei estarás estará estaremos estareis estarão|"
                  "estaria estarias estaria estaríamos estaríeis estariam|"
                  "esteja estejas esteja estejamos estejais estejam|"
                  "estivesse estivesses estivesse estivéssemos estivésseis estivessem|"
                  "estiver estiveres estiver estivermos estiverdes estiverem|está esteja estejamos estai estejam|"
                  "estar estares estar estarmos estardes estarem|estando|estado");
    ConfereTabela("ter",
                  "tenho tens tem temos tendes têm|tinha tinhas tinha tínhamos tínheis tinham|"
                  "tive tiveste teve tivemos tivestes tiveram|tivera tiveras tivera tivéramos tivéreis tiveram|"
                  "terei terás terá teremos tereis terão|teria terias teria teríamos teríeis teriam|"
                  "tenha tenhas tenha tenhamos tenhais tenham|tivesse tivesses tivesse tivéssemos tivésseis tivessem|"
                  "tiver tiveres tiver tivermos tiverdes tiverem|tem tenha tenhamos tende tenham|"
                  "ter teres ter termos terdes terem|tendo|tido");
    ConfereTabela("haver",
                  "hei hás há havemos haveis hão|havia havias havia havíamos havíeis haviam|"
                  "houve houveste houve houvemos houvestes houveram|"
                  "houvera houveras houvera houvéramos houvéreis houveram|"
                  "haverei haverás haverá haveremos havereis haverão|"
                  "haveria haverias haveria haveríamos haveríeis haveriam|haja hajas haja hajamos hajais hajam|"
                  "houvesse houvesses houvesse houvéssemos houvésseis houvessem|"
                  "houver houveres houver houvermos houverdes houverem|há haja hajamos havei hajam|"
                  "haver haveres haver havermos haverdes haverem|havendo|havido");
    ConfereTabela("ir",
                  "vou vais vai vamos ides vão|ia ias ia íamos íeis iam|fui foste foi fomos fostes foram|"
                  "fora foras fora fôramos fôreis foram|irei irás irá iremos ireis irão|"
                  "iria irias iria iríamos iríeis iriam|vá vás vá vamos vades vão|"
                  "fosse fosses fosse fôssemos fôsseis fossem|for fores for formos fordes forem|"
                  "vai vá vamos ide vão|ir ires ir irmos irdes irem|indo|ido");
}

TEST(ConjugacaoIrregular, VirVerDarPor) {
    ConfereTabela("vir",
                  "venho vens vem vimos vindes vêm|vinha vinhas vinha vínhamos vínheis vinham|"
                  "vim vieste veio viemos viestes vieram|viera vieras viera viéramos viéreis vieram|"
                  "virei virás virá viremos vireis virão|viria virias viria viríamos viríeis viriam|"
                  "venha venhas venha venhamos venhais venham|viesse viesses viesse viéssemos viésseis viessem|"
                  "vier vieres vier viermos vierdes vierem|vem venha venhamos vinde venham|"
                  "vir vires vir virmos virdes virem|vindo|vindo");
    ConfereTabela("ver",
                  "vejo vês vê vemos vedes veem|via vias via víamos víeis viam|vi viste viu vimos vistes viram|"
                  "vira viras vira víramos víreis viram|verei verás verá veremos vereis verão|"
                  "veria verias veria veríamos veríeis veriam|veja vejas veja vejamos vejais vejam|"
                  "visse visses visse víssemos vísseis vissem|vir vires vir virmos virdes virem|"
                  "vê veja vejamos vede vejam|ver veres ver vermos verdes verem|vendo|visto");
    ConfereTabela("dar",
                  "dou dás dá damos dais dão|dava davas dava dávamos dáveis davam|dei deste deu demos destes deram|"
                  "dera deras dera déramos déreis deram|darei darás dará daremos dareis darão|"
                  "daria darias daria daríamos daríeis dariam|dê dês dê demos deis deem|"
                  "desse desses desse déssemos désseis dessem|der deres der dermos derdes derem|"
                  "dá dê demos dai deem|dar dares dar darmos dardes darem|dando|dado");
    ConfereTabela("pôr",
                  "ponho pões põe pomos pondes põem|punha punhas punha púnhamos púnheis punham|"
                  "pus puseste pôs pusemos pusestes puseram|pusera puseras pusera puséramos puséreis puseram|"
                  "porei porás porá poremos poreis porão|poria porias poria poríamos poríeis poriam|"
                  "ponha ponhas ponha ponhamos ponhais ponham|pusesse pusesses pusesse puséssemos pusésseis pusessem|"
                  "puser puseres puser pusermos puserdes puserem|põe ponha ponhamos ponde ponham|"
                  "pôr pores pôr pormos pordes porem|pondo|posto");
}

TEST(ConjugacaoIrregular, FazerDizerTrazer) {
    ConfereTabela("fazer",
                  "faço fazes faz fazemos fazeis fazem|fazia fazias fazia fazíamos fazíeis faziam|"
                  "fiz fizeste fez fizemos fizestes fizeram|fizera fizeras fizera fizéramos fizéreis fizeram|"
                  "farei farás fará faremos fareis farão|faria farias faria faríamos faríeis fariam|"
                  "faça faças faça façamos façais façam|fizesse fizesses fizesse fizéssemos fizésseis fizessem|"
                  "fizer fizeres fizer fizermos fizerdes fizerem|faz faça façamos fazei façam|"
                  "fazer fazeres fazer fazermos fazerdes fazerem|fazendo|feito");
    ConfereTabela("dizer",
                  "digo dizes diz dizemos dizeis dizem|dizia dizias dizia dizíamos dizíeis diziam|"
                  "disse disseste disse dissemos dissestes disseram|"
                  "dissera disseras dissera disséramos disséreis disseram|direi dirás dirá diremos direis dirão|"
                  "diria dirias diria diríamos diríeis diriam|diga digas diga digamos digais digam|"
                  "dissesse dissesses dissesse disséssemos dissésseis dissessem|"
                  "disser disseres disser dissermos disserdes disserem|diz diga digamos dizei digam|"
                  "dizer dizeres dizer dizermos dizerdes dizerem|dizendo|dito");
    ConfereTabela("trazer",
                  "trago trazes traz trazemos trazeis trazem|trazia trazias trazia trazíamos trazíeis traziam|"
                  "trouxe trouxeste trouxe trouxemos trouxestes trouxeram|"
                  "trouxera trouxeras trouxera trouxéramos trouxéreis trouxeram|"
                  "trarei trarás trará traremos trareis trarão|traria trarias traria traríamos traríeis trariam|"
                  "traga tragas traga tragamos tragais tragam|"
                  "trouxesse trouxesses trouxesse trouxéssemos trouxésseis trouxessem|"
                  "trouxer trouxeres trouxer trouxermos trouxerdes trouxerem|traz traga tragamos trazei tragam|"
                  "trazer trazeres trazer trazermos trazerdes trazerem|trazendo|trazido");
}

TEST(ConjugacaoIrregular, PoderQuererSaberCaber) {
    ConfereTabela("poder",
                  "posso podes pode podemos podeis podem|podia podias podia podíamos podíeis podiam|"
                  "pude pudeste pôde pudemos pudestes puderam|pudera puderas pudera pudéramos pudéreis puderam|"
                  "poderei poderás poderá poderemos podereis poderão|"
                  "poderia poderias poderia poderíamos poderíeis poderiam|possa possas possa possamos possais possam|"
                  "pudesse pudesses pudesse pudéssemos pudésseis pudessem|"
                  "puder puderes puder pudermos puderdes puderem|/ / / / /|"
                  "poder poderes poder podermos poderdes poderem|podendo|podido");
    ConfereTabela("querer",
                  "quero queres quer queremos quereis querem|queria querias queria queríamos queríeis queriam|"
                  "quis quiseste quis quisemos quisestes quiseram|quisera quiseras quisera quiséramos quiséreis quiseram|"
                  "quererei quererás quererá quereremos querereis quererão|"
                  "quereria quererias quereria quereríamos quereríeis quereriam|"
                  "queira queiras queira queiramos queirais queiram|"
                  "quisesse quisesses quisesse quiséssemos quisésseis quisessem|"
                  "quiser quiseres quiser quisermos quiserdes quiserem|quer queira queiramos querei queiram|"
                  "querer quereres querer querermos quererdes quererem|querendo|querido");
    ConfereTabela("saber",
                  "sei sabes sabe sabemos sabeis sabem|sabia sabias sabia sabíamos sabíeis sabiam|"
                  "soube soubeste soube soubemos soubestes souberam|"
                  "soubera souberas soubera soubéramos soubéreis souberam|"
                  "saberei saberás saberá saberemos sabereis saberão|"
                  "saberia saberias saberia saberíamos saberíeis saberiam|saiba saibas saiba saibamos saibais saibam|"
                  "soubesse soubesses soubesse soubéssemos soubésseis soubessem|"
                  "souber souberes souber soubermos souberdes souberem|sabe saiba saibamos sabei saibam|"
                  "saber saberes saber sabermos saberdes saberem|sabendo|sabido");
    ConfereTabela("caber",
                  "caibo cabes cabe cabemos cabeis cabem|cabia cabias cabia cabíamos cabíeis cabiam|"
                  "coube coubeste coube coubemos coubestes couberam|"
                  "coubera couberas coubera coubéramos coubéreis couberam|"
                  "caberei caberás caberá caberemos cabereis caberão|"
                  "caberia caberias caberia caberíamos caberíeis caberiam|caiba caibas caiba caibamos caibais caibam|"
                  "coubesse coubesses coubesse coubéssemos coubésseis coubessem|"
                  "couber couberes couber coubermos couberdes couberem|/ / / / /|"
                  "caber caberes caber cabermos caberdes caberem|cabendo|cabido");
}

TEST(ConjugacaoIrregular, LerCrerRirOuvirPerder) {
    ConfereTabela("ler",
                  "leio lês lê lemos ledes leem|lia lias lia líamos líeis liam|li leste leu lemos lestes leram|"
                  "lera leras lera lêramos lêreis leram|lerei lerás lerá leremos lereis lerão|"
                  "leria lerias leria leríamos leríeis leriam|leia leias leia leiamos leiais leiam|"
                  "lesse lesses lesse lêssemos lêsseis lessem|ler leres ler lermos lerdes lerem|"
                  "lê leia leiamos lede leiam|ler leres ler lermos lerdes lerem|lendo|lido");
    ConfereTabela("crer",
                  "creio crês crê cremos credes creem|cria crias cria críamos críeis criam|"
                  "cri creste creu cremos crestes creram|crera creras crera crêramos crêreis creram|"
                  "crerei crerás crerá creremos crereis crerão|creria crerias creria creríamos creríeis creriam|"
                  "creia creias creia creiamos creiais creiam|cresse cresses cresse crêssemos crêsseis cressem|"
                  "crer creres crer crermos crerdes crerem|crê creia creiamos crede creiam|"
                  "crer creres crer crermos crerdes crerem|crendo|crido");
    ConfereTabela("rir",
                  "rio ris ri rimos rides riem|ria rias ria ríamos ríeis riam|ri riste riu rimos ristes riram|"
                  "rira riras rira ríramos ríreis riram|rirei rirás rirá riremos rireis rirão|"
                  "riria ririas riria riríamos riríeis ririam|ria rias ria riamos riais riam|"
                  "risse risses risse ríssemos rísseis rissem|rir rires rir rirmos rirdes rirem|"
                  "ri ria riamos ride riam|rir rires rir rirmos rirdes rirem|rindo|rido");
    ConfereTabela("ouvir",
                  "ouço ouves ouve ouvimos ouvis ouvem|ouvia ouvias ouvia ouvíamos ouvíeis ouviam|"
                  "ouvi ouviste ouviu ouvimos ouvistes ouviram|ouvira ouviras ouvira ouvíramos ouvíreis ouviram|"
                  "ouvirei ouvirás ouvirá ouviremos ouvireis ouvirão|ouviria ouvirias ouviria ouviríamos ouviríeis ouviriam|"
                  "ouça ouças ouça ouçamos ouçais ouçam|ouvisse ouvisses ouvisse ouvíssemos ouvísseis ouvissem|"
                  "ouvir ouvires ouvir ouvirmos ouvirdes ouvirem|ouve ouça ouçamos ouvi ouçam|"
                  "ouvir ouvires ouvir ouvirmos ouvirdes ouvirem|ouvindo|ouvido");
    ConfereTabela("perder",
                  "perco perdes perde perdemos perdeis perdem|perdia perdias perdia perdíamos perdíeis perdiam|"
                  "perdi perdeste perdeu perdemos perdestes perderam|"
                  "perdera perderas perdera perdêramos perdêreis perderam|"
                  "perderei perderás perderá perderemos perdereis perderão|"
                  "perderia perderias perderia perderíamos perderíeis perderiam|"
                  "perca percas perca percamos percais percam|"
                  "perdesse perdesses perdesse perdêssemos perdêsseis perdessem|"
                  "perder perderes perder perdermos perderdes perderem|perde perca percamos perdei percam|"
                  "perder perderes perder perdermos perderdes perderem|perdendo|perdido");
}

TEST(ConjugacaoIrregular, ProverRequererFrigirEOutros) {
    ConfereTabela("prover",
                  "provejo provês provê provemos provedes proveem|provia provias provia províamos províeis proviam|"
                  "provi proveste proveu provemos provestes proveram|"
                  "provera proveras provera provêramos provêreis proveram|"
                  "proverei proverás proverá proveremos provereis proverão|"
                  "proveria proverias proveria proveríamos proveríeis proveriam|"
                  "proveja provejas proveja provejamos provejais provejam|"
                  "provesse provesses provesse provêssemos provêsseis provessem|"
                  "prover proveres prover provermos proverdes proverem|provê proveja provejamos provede provejam|"
                  "prover proveres prover provermos proverdes proverem|provendo|provido");
    ConfereTabela("requerer",
                  "requeiro requeres requer requeremos requereis requerem|"
                  "requeria requerias requeria requeríamos requeríeis requeriam|"
                  "requeri requereste requereu requeremos requerestes requereram|"
                  "requerera requereras requerera requerêramos requerêreis requereram|"
                  "requererei requererás requererá requereremos requerereis requererão|"
                  "requereria requererias requereria requereríamos requereríeis requereriam|"
                  "requeira requeiras requeira requeiramos requeirais requeiram|"
                  "requeresse requeresses requeresse requerêssemos requerêsseis requeressem|"
                  "requerer requereres requerer requerermos requererdes requererem|"
                  "requere requeira requeiramos requerei requeiram|"
                  "requerer requereres requerer requerermos requererdes requererem|requerendo|requerido");
    ConfereTabela("frigir",
                  "frijo freges frege frigimos frigis fregem|frigia frigias frigia frigíamos frigíeis frigiam|"
                  "frigi frigiste frigiu frigimos frigistes frigiram|frigira frigiras frigira frigíramos frigíreis frigiram|"
                  "frigirei frigirás frigirá frigiremos frigireis frigirão|"
                  "frigiria frigirias frigiria frigiríamos frigiríeis frigiriam|"
                  "frija frijas frija frijamos frijais frijam|frigisse frigisses frigisse frigíssemos frigísseis frigissem|"
                  "frigir frigires frigir frigirmos frigirdes frigirem|frege frija frijamos frigi frijam|"
                  "frigir frigires frigir frigirmos frigirdes frigirem|frigindo|frigido frito");
    ConfereFormasChave("valer", "valho vales vale valemos valeis valem|vali valeu|valha|valido");
    ConfereFormasChave("medir", "meço medes mede medimos medis medem|medi mediu|meça|medido");
    ConfereFormasChave("pedir", "peço pedes pede pedimos pedis pedem|pedi pediu|peça|pedido");
    ConfereFormasChave("jazer", "jazo jazes jaz jazemos jazeis jazem|jazi jazeu|jaza|jazido");
    ConfereFormasChave("aprazer", "aprazo aprazes apraz aprazemos aprazeis aprazem|aprouve aprouve|apraza|aprazido");
    ConfereFormasChave("comprazer",
                       "comprazo comprazes compraz comprazemos comprazeis comprazem|comprazi comprazeu|compraza|"
                       "comprazido");
    ConfereFormasChave("parir", "pairo pares pare parimos paris parem|pari pariu|paira|parido");
}

TEST(ConjugacaoIrregular, ParticipiosDuplos) {
    ConfereFormasChave("aceitar", "aceito aceitas aceita aceitamos aceitais aceitam|aceitei aceitou|aceite|aceitado aceito");
    ConfereFormasChave("entregar",
                       "entrego entregas entrega entregamos entregais entregam|entreguei entregou|entregue|"
                       "entregado entregue");
    ConfereFormasChave("expressar",
                       "expresso expressas expressa expressamos expressais expressam|expressei expressou|expresse|"
                       "expressado expresso");
    ConfereFormasChave("limpar", "limpo limpas limpa limpamos limpais limpam|limpei limpou|limpe|limpado limpo");
    ConfereFormasChave("matar", "mato matas mata matamos matais matam|matei matou|mate|matado morto");
    ConfereFormasChave("salvar", "salvo salvas salva salvamos salvais salvam|salvei salvou|salve|salvado salvo");
    ConfereFormasChave("ganhar", "ganho ganhas ganha ganhamos ganhais ganham|ganhei ganhou|ganhe|ganhado ganho");
    ConfereFormasChave("gastar", "gasto gastas gasta gastamos gastais gastam|gastei gastou|gaste|gastado gasto");
    ConfereFormasChave("pagar", "pago pagas paga pagamos pagais pagam|paguei pagou|pague|pagado pago");
    ConfereFormasChave("eleger", "elejo eleges elege elegemos elegeis elegem|elegi elegeu|eleja|elegido eleito");
    ConfereFormasChave("prender", "prendo prendes prende prendemos prendeis prendem|prendi prendeu|prenda|prendido preso");
    ConfereFormasChave("acender", "acendo acendes acende acendemos acendeis acendem|acendi acendeu|acenda|acendido aceso");
    ConfereFormasChave("morrer", "morro morres morre morremos morreis morrem|morri morreu|morra|morrido morto");
    ConfereFormasChave("suspender",
                       "suspendo suspendes suspende suspendemos suspendeis suspendem|suspendi suspendeu|suspenda|"
                       "suspendido suspenso");
    ConfereFormasChave("imprimir",
                       "imprimo imprimes imprime imprimimos imprimis imprimem|imprimi imprimiu|imprima|"
                       "imprimido impresso");
    ConfereFormasChave("tingir", "tinjo tinges tinge tingimos tingis tingem|tingi tingiu|tinja|tingido tinto");
    ConfereFormasChave("benzer", "benzo benzes benze benzemos benzeis benzem|benzi benzeu|benza|benzido bento");
    ConfereFormasChave("abrir", "abro abres abre abrimos abris abrem|abri abriu|abra|aberto");
    ConfereFormasChave("escrever", "escrevo escreves escreve escrevemos escreveis escrevem|escrevi escreveu|escreva|escrito");
    ConfereFormasChave("descrever",
                       "descrevo descreves descreve descrevemos descreveis descrevem|descrevi descreveu|descreva|"
                       "descrito");
    ConfereFormasChave("reabrir", "reabro reabres reabre reabrimos reabris reabrem|reabri reabriu|reabra|reaberto");
}

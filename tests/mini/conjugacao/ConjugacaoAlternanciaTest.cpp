// Verbs whose stem vowel changes with the stress: the forms are regular
// except where the grammar moves the vowel.
#include "TabelaEsperada.h"

#include <gtest/gtest.h>

using teste::ConfereFormasChave;
using teste::ConfereTabela;

TEST(ConjugacaoAlternancia, EparaINaPrimeiraPessoaESubjuntivo) {
    ConfereTabela("sentir",
                  "sinto sentes sente sentimos sentis sentem|sentia sentias sentia sentíamos sentíeis sentiam|"
                  "senti sentiste sentiu sentimos sentistes sentiram|"
                  "sentira sentiras sentira sentíramos sentíreis sentiram|"
                  "sentirei sentirás sentirá sentiremos sentireis sentirão|"
                  "sentiria sentirias sentiria sentiríamos sentiríeis sentiriam|"
                  "sinta sintas sinta sintamos sintais sintam|"
                  "sentisse sentisses sentisse sentíssemos sentísseis sentissem|"
                  "sentir sentires sentir sentirmos sentirdes sentirem|sente sinta sintamos senti sintam|"
                  "sentir sentires sentir sentirmos sentirdes sentirem|sentindo|sentido");
    ConfereTabela("seguir",
                  "sigo segues segue seguimos seguis seguem|seguia seguias seguia seguíamos seguíeis seguiam|"
                  "segui seguiste seguiu seguimos seguistes seguiram|"
                  "seguira seguiras seguira seguíramos seguíreis seguiram|"
                  "seguirei seguirás seguirá seguiremos seguireis seguirão|"
                  "seguiria seguirias seguiria seguiríamos seguiríeis seguiriam|"
                  "siga sigas siga sigamos sigais sigam|"
                  "seguisse seguisses seguisse seguíssemos seguísseis seguissem|"
                  "seguir seguires seguir seguirmos seguirdes seguirem|segue siga sigamos segui sigam|"
                  "seguir seguires seguir seguirmos seguirdes seguirem|seguindo|seguido");
    ConfereFormasChave("vestir", "visto vestes veste vestimos vestis vestem|vesti vestiu|vista|vestido");
    ConfereFormasChave("ferir", "firo feres fere ferimos feris ferem|feri feriu|fira|ferido");
    ConfereFormasChave("mentir", "minto mentes mente mentimos mentis mentem|menti mentiu|minta|mentido");
    ConfereFormasChave("preferir",
                       "prefiro preferes prefere preferimos preferis preferem|preferi preferiu|prefira|preferido");
    ConfereFormasChave("repetir", "repito repetes repete repetimos repetis repetem|repeti repetiu|repita|repetido");
    ConfereFormasChave("despir", "dispo despes despe despimos despis despem|despi despiu|dispa|despido");
    ConfereFormasChave("aderir", "adiro aderes adere aderimos aderis aderem|aderi aderiu|adira|aderido");
    ConfereFormasChave("advertir",
                       "advirto advertes adverte advertimos advertis advertem|adverti advertiu|advirta|advertido");
    ConfereFormasChave("divertir",
                       "divirto divertes diverte divertimos divertis divertem|diverti divertiu|divirta|divertido");
    ConfereFormasChave("sugerir", "sugiro sugeres sugere sugerimos sugeris sugerem|sugeri sugeriu|sugira|sugerido");
    ConfereFormasChave("conseguir",
                       "consigo consegues consegue conseguimos conseguis conseguem|consegui conseguiu|consiga|"
                       "conseguido");
    ConfereFormasChave("perseguir",
                       "persigo persegues persegue perseguimos perseguis perseguem|persegui perseguiu|persiga|"
                       "perseguido");
    ConfereFormasChave("convergir",
                       "convirjo converges converge convergimos convergis convergem|convergi convergiu|convirja|"
                       "convergido");
    ConfereFormasChave("inserir",
                       "insiro inseres insere inserimos inseris inserem|inseri inseriu|insira|inserido inserto");
}

TEST(ConjugacaoAlternancia, OparaUNaPrimeiraPessoaESubjuntivo) {
    ConfereTabela("dormir",
                  "durmo dormes dorme dormimos dormis dormem|dormia dormias dormia dormíamos dormíeis dormiam|"
                  "dormi dormiste dormiu dormimos dormistes dormiram|"
                  "dormira dormiras dormira dormíramos dormíreis dormiram|"
                  "dormirei dormirás dormirá dormiremos dormireis dormirão|"
                  "dormiria dormirias dormiria dormiríamos dormiríeis dormiriam|"
                  "durma durmas durma durmamos durmais durmam|"
                  "dormisse dormisses dormisse dormíssemos dormísseis dormissem|"
                  "dormir dormires dormir dormirmos dormirdes dormirem|dorme durma durmamos dormi durmam|"
                  "dormir dormires dormir dormirmos dormirdes dormirem|dormindo|dormido");
    ConfereTabela("cobrir",
                  "cubro cobres cobre cobrimos cobris cobrem|cobria cobrias cobria cobríamos cobríeis cobriam|"
                  "cobri cobriste cobriu cobrimos cobristes cobriram|"
                  "cobrira cobriras cobrira cobríramos cobríreis cobriram|"
                  "cobrirei cobrirás cobrirá cobriremos cobrireis cobrirão|"
                  "cobriria cobririas cobriria cobriríamos cobriríeis cobririam|"
                  "cubra cubras cubra cubramos cubrais cubram|"
                  "cobrisse cobrisses cobrisse cobríssemos cobrísseis cobrissem|"
                  "cobrir cobrires cobrir cobrirmos cobrirdes cobrirem|cobre cubra cubramos cobri cubram|"
                  "cobrir cobrires cobrir cobrirmos cobrirdes cobrirem|cobrindo|coberto");
    ConfereFormasChave("tossir", "tusso tosses tosse tossimos tossis tossem|tossi tossiu|tussa|tossido");
    ConfereFormasChave("engolir", "engulo engoles engole engolimos engolis engolem|engoli engoliu|engula|engolido");
    ConfereFormasChave("descobrir",
                       "descubro descobres descobre descobrimos descobris descobrem|descobri descobriu|descubra|"
                       "descoberto");
    ConfereFormasChave("encobrir",
                       "encubro encobres encobre encobrimos encobris encobrem|encobri encobriu|encubra|encoberto");
}

TEST(ConjugacaoAlternancia, UparaONasFormasComE) {
    ConfereTabela("subir",
                  "subo sobes sobe subimos subis sobem|subia subias subia subíamos subíeis subiam|"
                  "subi subiste subiu subimos subistes subiram|subira subiras subira subíramos subíreis subiram|"
                  "subirei subirás subirá subiremos subireis subirão|"
                  "subiria subirias subiria subiríamos subiríeis subiriam|"
                  "suba subas suba subamos subais subam|subisse subisses subisse subíssemos subísseis subissem|"
                  "subir subires subir subirmos subirdes subirem|sobe suba subamos subi subam|"
                  "subir subires subir subirmos subirdes subirem|subindo|subido");
    ConfereFormasChave("fugir", "fujo foges foge fugimos fugis fogem|fugi fugiu|fuja|fugido");
    ConfereFormasChave("acudir", "acudo acodes acode acudimos acudis acodem|acudi acudiu|acuda|acudido");
    ConfereFormasChave("sacudir", "sacudo sacodes sacode sacudimos sacudis sacodem|sacudi sacudiu|sacuda|sacudido");
    ConfereFormasChave("cuspir", "cuspo cospes cospe cuspimos cuspis cospem|cuspi cuspiu|cuspa|cuspido");
    ConfereFormasChave("sumir", "sumo somes some sumimos sumis somem|sumi sumiu|suma|sumido");
    ConfereFormasChave("consumir",
                       "consumo consomes consome consumimos consumis consomem|consumi consumiu|consuma|consumido");
    ConfereFormasChave("bulir", "bulo boles bole bulimos bulis bolem|buli buliu|bula|bulido");
    ConfereFormasChave("escapulir",
                       "escapulo escapoles escapole escapulimos escapulis escapolem|escapuli escapuliu|escapula|"
                       "escapulido");
}

TEST(ConjugacaoAlternancia, VogalMudadaEmTodasAsFormasTonicas) {
    ConfereTabela("polir",
                  "pulo pules pule polimos polis pulem|polia polias polia políamos políeis poliam|"
                  "poli poliste poliu polimos polistes poliram|polira poliras polira políramos políreis poliram|"
                  "polirei polirás polirá poliremos polireis polirão|"
                  "poliria polirias poliria poliríamos poliríeis poliriam|"
                  "pula pulas pula pulamos pulais pulam|polisse polisses polisse políssemos polísseis polissem|"
                  "polir polires polir polirmos polirdes polirem|pule pula pulamos poli pulam|"
                  "polir polires polir polirmos polirdes polirem|polindo|polido");
    ConfereTabela("progredir",
                  "progrido progrides progride progredimos progredis progridem|"
                  "progredia progredias progredia progredíamos progredíeis progrediam|"
                  "progredi progrediste progrediu progredimos progredistes progrediram|"
                  "progredira progrediras progredira progredíramos progredíreis progrediram|"
                  "progredirei progredirás progredirá progrediremos progredireis progredirão|"
                  "progrediria progredirias progrediria progrediríamos progrediríeis progrediriam|"
                  "progrida progridas progrida progridamos progridais progridam|"
                  "progredisse progredisses progredisse progredíssemos progredísseis progredissem|"
                  "progredir progredires progredir progredirmos progredirdes progredirem|"
                  "progride progrida progridamos progredi progridam|"
                  "progredir progredires progredir progredirmos progredirdes progredirem|progredindo|progredido");
    ConfereFormasChave("sortir", "surto surtes surte sortimos sortis surtem|sorti sortiu|surta|sortido");
    ConfereFormasChave("agredir", "agrido agrides agride agredimos agredis agridem|agredi agrediu|agrida|agredido");
    ConfereFormasChave("transgredir",
                       "transgrido transgrides transgride transgredimos transgredis transgridem|"
                       "transgredi transgrediu|transgrida|transgredido");
    ConfereFormasChave("prevenir",
                       "previno prevines previne prevenimos prevenis previnem|preveni preveniu|previna|prevenido");
}

TEST(ConjugacaoAlternancia, HiatoAcentuadoQuandoTonico) {
    ConfereTabela("saudar",
                  "saúdo saúdas saúda saudamos saudais saúdam|saudava saudavas saudava saudávamos saudáveis saudavam|"
                  "saudei saudaste saudou saudamos saudastes saudaram|"
                  "saudara saudaras saudara saudáramos saudáreis saudaram|"
                  "saudarei saudarás saudará saudaremos saudareis saudarão|"
                  "saudaria saudarias saudaria saudaríamos saudaríeis saudariam|"
                  "saúde saúdes saúde saudemos saudeis saúdem|"
                  "saudasse saudasses saudasse saudássemos saudásseis saudassem|"
                  "saudar saudares saudar saudarmos saudardes saudarem|saúda saúde saudemos saudai saúdem|"
                  "saudar saudares saudar saudarmos saudardes saudarem|saudando|saudado");
    ConfereTabela("proibir",
                  "proíbo proíbes proíbe proibimos proibis proíbem|proibia proibias proibia proibíamos proibíeis proibiam|"
                  "proibi proibiste proibiu proibimos proibistes proibiram|"
                  "proibira proibiras proibira proibíramos proibíreis proibiram|"
                  "proibirei proibirás proibirá proibiremos proibireis proibirão|"
                  "proibiria proibirias proibiria proibiríamos proibiríeis proibiriam|"
                  "proíba proíbas proíba proibamos proibais proíbam|"
                  "proibisse proibisses proibisse proibíssemos proibísseis proibissem|"
                  "proibir proibires proibir proibirmos proibirdes proibirem|proíbe proíba proibamos proibi proíbam|"
                  "proibir proibires proibir proibirmos proibirdes proibirem|proibindo|proibido");
    ConfereFormasChave("reunir", "reúno reúnes reúne reunimos reunis reúnem|reuni reuniu|reúna|reunido");
    ConfereFormasChave("enraizar",
                       "enraízo enraízas enraíza enraizamos enraizais enraízam|enraizei enraizou|enraíze|enraizado");
    ConfereFormasChave("faiscar", "faísco faíscas faísca faiscamos faiscais faíscam|faisquei faiscou|faísque|faiscado");
    ConfereFormasChave("judaizar", "judaízo judaízas judaíza judaizamos judaizais judaízam|judaizei judaizou|judaíze|judaizado");
    ConfereFormasChave("homogeneizar",
                       "homogeneízo homogeneízas homogeneíza homogeneizamos homogeneizais homogeneízam|"
                       "homogeneizei homogeneizou|homogeneíze|homogeneizado");
    ConfereFormasChave("desembaular",
                       "desembaúlo desembaúlas desembaúla desembaulamos desembaulais desembaúlam|"
                       "desembaulei desembaulou|desembaúle|desembaulado");
    // A diphthong, not a hiatus: no accent.
    ConfereFormasChave("cuidar", "cuido cuidas cuida cuidamos cuidais cuidam|cuidei cuidou|cuide|cuidado");
    ConfereFormasChave("causar", "causo causas causa causamos causais causam|causei causou|cause|causado");
    ConfereFormasChave("reinar", "reino reinas reina reinamos reinais reinam|reinei reinou|reine|reinado");
}

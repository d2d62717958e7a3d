// Verbs that lack forms: "/" where the grammar says the form is not used.
#include "TabelaEsperada.h"

#include <gtest/gtest.h>

using teste::ConfereFormasChave;
using teste::ConfereTabela;

TEST(ConjugacaoDefectivos, ImpessoaisSoNaTerceiraPessoa) {
    ConfereTabela("chover",
                  "/ / chove / / chovem|/ / chovia / / choviam|/ / choveu / / choveram|/ / chovera / / choveram|"
                  "/ / choverá / / choverão|/ / choveria / / choveriam|/ / chova / / chovam|"
                  "/ / chovesse / / chovessem|/ / chover / / choverem|/ / / / /|/ / chover / / choverem|"
                  "chovendo|chovido");
    ConfereFormasChave("nevar", "/ / neva / / nevam|/ nevou|/|nevado");
    ConfereFormasChave("trovejar", "/ / troveja / / trovejam|/ trovejou|/|trovejado");
    ConfereFormasChave("gear", "/ / geia / / geiam|/ geou|/|geado");
}

TEST(ConjugacaoDefectivos, SemFormasComOouA) {
    ConfereTabela("abolir",
                  "/ aboles abole abolimos abolis abolem|abolia abolias abolia abolíamos abolíeis aboliam|"
                  "aboli aboliste aboliu abolimos abolistes aboliram|abolira aboliras abolira abolíramos abolíreis aboliram|"
                  "abolirei abolirás abolirá aboliremos abolireis abolirão|"
                  "aboliria abolirias aboliria aboliríamos aboliríeis aboliriam|/ / / / / /|"
                  "abolisse abolisses abolisse abolíssemos abolísseis abolissem|"
                  "abolir abolires abolir abolirmos abolirdes abolirem|abole / / aboli /|"
                  "abolir abolires abolir abolirmos abolirdes abolirem|abolindo|abolido");
    ConfereFormasChave("colorir", "/ colores colore colorimos coloris colorem|colori coloriu|/|colorido");
    ConfereFormasChave("demolir", "/ demoles demole demolimos demolis demolem|demoli demoliu|/|demolido");
    ConfereFormasChave("banir", "/ banes bane banimos banis banem|bani baniu|/|banido");
    ConfereFormasChave("explodir", "/ explodes explode explodimos explodis explodem|explodi explodiu|/|explodido");
}

TEST(ConjugacaoDefectivos, SoFormasTonicasNaDesinencia) {
    ConfereTabela("falir",
                  "/ / / falimos falis /|falia falias falia falíamos falíeis faliam|"
                  "fali faliste faliu falimos falistes faliram|falira faliras falira falíramos falíreis faliram|"
                  "falirei falirás falirá faliremos falireis falirão|faliria falirias faliria faliríamos faliríeis faliriam|"
                  "/ / / / / /|falisse falisses falisse falíssemos falísseis falissem|"
                  "falir falires falir falirmos falirdes falirem|/ / / fali /|"
                  "falir falires falir falirmos falirdes falirem|falindo|falido");
    ConfereTabela("reaver",
                  "/ / / reavemos reaveis /|reavia reavias reavia reavíamos reavíeis reaviam|"
                  "reouve reouveste reouve reouvemos reouvestes reouveram|"
                  "reouvera reouveras reouvera reouvéramos reouvéreis reouveram|"
                  "reaverei reaverás reaverá reaveremos reavereis reaverão|"
                  "reaveria reaverias reaveria reaveríamos reaveríeis reaveriam|/ / / / / /|"
                  "reouvesse reouvesses reouvesse reouvéssemos reouvésseis reouvessem|"
                  "reouver reouveres reouver reouvermos reouverdes reouverem|/ / / reavei /|"
                  "reaver reaveres reaver reavermos reaverdes reaverem|reavendo|reavido");
    ConfereTabela("precaver",
                  "/ / / precavemos precaveis /|precavia precavias precavia precavíamos precavíeis precaviam|"
                  "precavi precaveste precaveu precavemos precavestes precaveram|"
                  "precavera precaveras precavera precavêramos precavêreis precaveram|"
                  "precaverei precaverás precaverá precaveremos precavereis precaverão|"
                  "precaveria precaverias precaveria precaveríamos precaveríeis precaveriam|/ / / / / /|"
                  "precavesse precavesses precavesse precavêssemos precavêsseis precavessem|"
                  "precaver precaveres precaver precavermos precaverdes precaverem|/ / / precavei /|"
                  "precaver precaveres precaver precavermos precaverdes precaverem|precavendo|precavido");
    ConfereFormasChave("florir", "/ / / florimos floris /|flori floriu|/|florido");
    ConfereFormasChave("remir", "/ / / remimos remis /|remi remiu|/|remido");
}

// The three conjugations, the spelling that keeps the consonant's sound, and
// the verbs whose stem ends in a vowel. Expected forms written from the
// grammar's paradigms.
#include "TabelaEsperada.h"

#include <gtest/gtest.h>

using teste::ConfereFormasChave;
using teste::ConfereTabela;

TEST(ConjugacaoRegular, TresConjugacoes) {
    ConfereTabela("amar",
                  "amo amas ama amamos amais amam|amava amavas amava amávamos amáveis amavam|"
                  "amei amaste amou amamos amastes amaram|amara amaras amara amáramos amáreis amaram|"
                  "amarei amarás amará amaremos amareis amarão|amaria amarias amaria amaríamos amaríeis amariam|"
                  "ame ames ame amemos ameis amem|amasse amasses amasse amássemos amásseis amassem|"
                  "amar amares amar amarmos amardes amarem|ama ame amemos amai amem|"
                  "amar amares amar amarmos amardes amarem|amando|amado");
    ConfereTabela("vender",
                  "vendo vendes vende vendemos vendeis vendem|vendia vendias vendia vendíamos vendíeis vendiam|"
                  "vendi vendeste vendeu vendemos vendestes venderam|"
                  "vendera venderas vendera vendêramos vendêreis venderam|"
                  "venderei venderás venderá venderemos vendereis venderão|"
                  "venderia venderias venderia venderíamos venderíeis venderiam|"
                  "venda vendas venda vendamos vendais vendam|"
                  "vendesse vendesses vendesse vendêssemos vendêsseis vendessem|"
                  "vender venderes vender vendermos venderdes venderem|vende venda vendamos vendei vendam|"
                  "vender venderes vender vendermos venderdes venderem|vendendo|vendido");
    ConfereTabela("partir",
                  "parto partes parte partimos partis partem|partia partias partia partíamos partíeis partiam|"
                  "parti partiste partiu partimos partistes partiram|"
                  "partira partiras partira partíramos partíreis partiram|"
                  "partirei partirás partirá partiremos partireis partirão|"
                  "partiria partirias partiria partiríamos partiríeis partiriam|"
                  "parta partas parta partamos partais partam|"
                  "partisse partisses partisse partíssemos partísseis partissem|"
                  "partir partires partir partirmos partirdes partirem|parte parta partamos parti partam|"
                  "partir partires partir partirmos partirdes partirem|partindo|partido");
    ConfereFormasChave("cantar", "canto cantas canta cantamos cantais cantam|cantei cantou|cante|cantado");
    ConfereFormasChave("trabalhar",
                       "trabalho trabalhas trabalha trabalhamos trabalhais trabalham|trabalhei trabalhou|"
                       "trabalhe|trabalhado");
    ConfereFormasChave("estudar", "estudo estudas estuda estudamos estudais estudam|estudei estudou|estude|estudado");
    ConfereFormasChave("lavar", "lavo lavas lava lavamos lavais lavam|lavei lavou|lave|lavado");
    ConfereFormasChave("comer", "como comes come comemos comeis comem|comi comeu|coma|comido");
    ConfereFormasChave("beber", "bebo bebes bebe bebemos bebeis bebem|bebi bebeu|beba|bebido");
    ConfereFormasChave("correr", "corro corres corre corremos correis correm|corri correu|corra|corrido");
    ConfereFormasChave("viver", "vivo vives vive vivemos viveis vivem|vivi viveu|viva|vivido");
    ConfereFormasChave("aprender",
                       "aprendo aprendes aprende aprendemos aprendeis aprendem|aprendi aprendeu|aprenda|aprendido");
    ConfereFormasChave("meter", "meto metes mete metemos meteis metem|meti meteu|meta|metido");
    ConfereFormasChave("dever", "devo deves deve devemos deveis devem|devi deveu|deva|devido");
    ConfereFormasChave("abater", "abato abates abate abatemos abateis abatem|abati abateu|abata|abatido");
    ConfereFormasChave("decidir", "decido decides decide decidimos decidis decidem|decidi decidiu|decida|decidido");
    ConfereFormasChave("unir", "uno unes une unimos unis unem|uni uniu|una|unido");
    ConfereFormasChave("assumir", "assumo assumes assume assumimos assumis assumem|assumi assumiu|assuma|assumido");
    ConfereFormasChave("servir", "sirvo serves serve servimos servis servem|servi serviu|sirva|servido");
    // A tilde in the stem is a letter, kept in every form.
    ConfereFormasChave("anãzar", "anãzo anãzas anãza anãzamos anãzais anãzam|anãzei anãzou|anãze|anãzado");
}

TEST(ConjugacaoRegular, OrtografiaDaConsoanteFinal) {
    ConfereTabela("ficar",
                  "fico ficas fica ficamos ficais ficam|ficava ficavas ficava ficávamos ficáveis ficavam|"
                  "fiquei ficaste ficou ficamos ficastes ficaram|ficara ficaras ficara ficáramos ficáreis ficaram|"
                  "ficarei ficarás ficará ficaremos ficareis ficarão|"
                  "ficaria ficarias ficaria ficaríamos ficaríeis ficariam|"
                  "fique fiques fique fiquemos fiqueis fiquem|"
                  "ficasse ficasses ficasse ficássemos ficásseis ficassem|"
                  "ficar ficares ficar ficarmos ficardes ficarem|fica fique fiquemos ficai fiquem|"
                  "ficar ficares ficar ficarmos ficardes ficarem|ficando|ficado");
    ConfereTabela("chegar",
                  "chego chegas chega chegamos chegais chegam|chegava chegavas chegava chegávamos chegáveis chegavam|"
                  "cheguei chegaste chegou chegamos chegastes chegaram|"
                  "chegara chegaras chegara chegáramos chegáreis chegaram|"
                  "chegarei chegarás chegará chegaremos chegareis chegarão|"
                  "chegaria chegarias chegaria chegaríamos chegaríeis chegariam|"
                  "chegue chegues chegue cheguemos chegueis cheguem|"
                  "chegasse chegasses chegasse chegássemos chegásseis chegassem|"
                  "chegar chegares chegar chegarmos chegardes chegarem|chega chegue cheguemos chegai cheguem|"
                  "chegar chegares chegar chegarmos chegardes chegarem|chegando|chegado");
    ConfereTabela("começar",
                  "começo começas começa começamos começais começam|"
                  "começava começavas começava começávamos começáveis começavam|"
                  "comecei começaste começou começamos começastes começaram|"
                  "começara começaras começara começáramos começáreis começaram|"
                  "começarei começarás começará começaremos começareis começarão|"
                  "começaria começarias começaria começaríamos começaríeis começariam|"
                  "comece comeces comece comecemos comeceis comecem|"
                  "começasse começasses começasse começássemos começásseis começassem|"
                  "começar começares começar começarmos começardes começarem|"
                  "começa comece comecemos começai comecem|"
                  "começar começares começar começarmos começardes começarem|começando|começado");
    ConfereTabela("averiguar",
                  "averiguo averiguas averigua averiguamos averiguais averiguam|"
                  "averiguava averiguavas averiguava averiguávamos averiguáveis averiguavam|"
                  "averiguei averiguaste averiguou averiguamos averiguastes averiguaram|"
                  "averiguara averiguaras averiguara averiguáramos averiguáreis averiguaram|"
                  "averiguarei averiguarás averiguará averiguaremos averiguareis averiguarão|"
                  "averiguaria averiguarias averiguaria averiguaríamos averiguaríeis averiguariam|"
                  "averigue averigues averigue averiguemos averigueis averiguem|"
                  "averiguasse averiguasses averiguasse averiguássemos averiguásseis averiguassem|"
                  "averiguar averiguares averiguar averiguarmos averiguardes averiguarem|"
                  "averigua averigue averiguemos averiguai averiguem|"
                  "averiguar averiguares averiguar averiguarmos averiguardes averiguarem|averiguando|averiguado");
    ConfereTabela("conhecer",
                  "conheço conheces conhece conhecemos conheceis conhecem|"
                  "conhecia conhecias conhecia conhecíamos conhecíeis conheciam|"
                  "conheci conheceste conheceu conhecemos conhecestes conheceram|"
                  "conhecera conheceras conhecera conhecêramos conhecêreis conheceram|"
                  "conhecerei conhecerás conhecerá conheceremos conhecereis conhecerão|"
                  "conheceria conhecerias conheceria conheceríamos conheceríeis conheceriam|"
                  "conheça conheças conheça conheçamos conheçais conheçam|"
                  "conhecesse conhecesses conhecesse conhecêssemos conhecêsseis conhecessem|"
                  "conhecer conheceres conhecer conhecermos conhecerdes conhecerem|"
                  "conhece conheça conheçamos conhecei conheçam|"
                  "conhecer conheceres conhecer conhecermos conhecerdes conhecerem|conhecendo|conhecido");
    ConfereTabela("proteger",
                  "protejo proteges protege protegemos protegeis protegem|"
                  "protegia protegias protegia protegíamos protegíeis protegiam|"
                  "protegi protegeste protegeu protegemos protegestes protegeram|"
                  "protegera protegeras protegera protegêramos protegêreis protegeram|"
                  "protegerei protegerás protegerá protegeremos protegereis protegerão|"
                  "protegeria protegerias protegeria protegeríamos protegeríeis protegeriam|"
                  "proteja protejas proteja protejamos protejais protejam|"
                  "protegesse protegesses protegesse protegêssemos protegêsseis protegessem|"
                  "proteger protegeres proteger protegermos protegerdes protegerem|"
                  "protege proteja protejamos protegei protejam|"
                  "proteger protegeres proteger protegermos protegerdes protegerem|protegendo|protegido");
    ConfereTabela("erguer",
                  "ergo ergues ergue erguemos ergueis erguem|erguia erguias erguia erguíamos erguíeis erguiam|"
                  "ergui ergueste ergueu erguemos erguestes ergueram|"
                  "erguera ergueras erguera erguêramos erguêreis ergueram|"
                  "erguerei erguerás erguerá ergueremos erguereis erguerão|"
                  "ergueria erguerias ergueria ergueríamos ergueríeis ergueriam|"
                  "erga ergas erga ergamos ergais ergam|"
                  "erguesse erguesses erguesse erguêssemos erguêsseis erguessem|"
                  "erguer ergueres erguer erguermos erguerdes erguerem|ergue erga ergamos erguei ergam|"
                  "erguer ergueres erguer erguermos erguerdes erguerem|erguendo|erguido");
    ConfereTabela("dirigir",
                  "dirijo diriges dirige dirigimos dirigis dirigem|dirigia dirigias dirigia dirigíamos dirigíeis dirigiam|"
                  "dirigi dirigiste dirigiu dirigimos dirigistes dirigiram|"
                  "dirigira dirigiras dirigira dirigíramos dirigíreis dirigiram|"
                  "dirigirei dirigirás dirigirá dirigiremos dirigireis dirigirão|"
                  "dirigiria dirigirias dirigiria dirigiríamos dirigiríeis dirigiriam|"
                  "dirija dirijas dirija dirijamos dirijais dirijam|"
                  "dirigisse dirigisses dirigisse dirigíssemos dirigísseis dirigissem|"
                  "dirigir dirigires dirigir dirigirmos dirigirdes dirigirem|dirige dirija dirijamos dirigi dirijam|"
                  "dirigir dirigires dirigir dirigirmos dirigirdes dirigirem|dirigindo|dirigido");
    ConfereTabela("distinguir",
                  "distingo distingues distingue distinguimos distinguis distinguem|"
                  "distinguia distinguias distinguia distinguíamos distinguíeis distinguiam|"
                  "distingui distinguiste distinguiu distinguimos distinguistes distinguiram|"
                  "distinguira distinguiras distinguira distinguíramos distinguíreis distinguiram|"
                  "distinguirei distinguirás distinguirá distinguiremos distinguireis distinguirão|"
                  "distinguiria distinguirias distinguiria distinguiríamos distinguiríeis distinguiriam|"
                  "distinga distingas distinga distingamos distingais distingam|"
                  "distinguisse distinguisses distinguisse distinguíssemos distinguísseis distinguissem|"
                  "distinguir distinguires distinguir distinguirmos distinguirdes distinguirem|"
                  "distingue distinga distingamos distingui distingam|"
                  "distinguir distinguires distinguir distinguirmos distinguirdes distinguirem|distinguindo|"
                  "distinguido distinto");
    ConfereFormasChave("dançar", "danço danças dança dançamos dançais dançam|dancei dançou|dance|dançado");
    ConfereFormasChave("abraçar", "abraço abraças abraça abraçamos abraçais abraçam|abracei abraçou|abrace|abraçado");
    ConfereFormasChave("alcançar",
                       "alcanço alcanças alcança alcançamos alcançais alcançam|alcancei alcançou|alcance|alcançado");
    ConfereFormasChave("tocar", "toco tocas toca tocamos tocais tocam|toquei tocou|toque|tocado");
    ConfereFormasChave("explicar",
                       "explico explicas explica explicamos explicais explicam|expliquei explicou|explique|explicado");
    ConfereFormasChave("ligar", "ligo ligas liga ligamos ligais ligam|liguei ligou|ligue|ligado");
    ConfereFormasChave("jogar", "jogo jogas joga jogamos jogais jogam|joguei jogou|jogue|jogado");
    ConfereFormasChave("enxaguar",
                       "enxaguo enxaguas enxagua enxaguamos enxaguais enxaguam|enxaguei enxaguou|enxague|enxaguado");
    ConfereFormasChave("apaziguar",
                       "apaziguo apaziguas apazigua apaziguamos apaziguais apaziguam|apaziguei apaziguou|apazigue|"
                       "apaziguado");
    ConfereFormasChave("merecer", "mereço mereces merece merecemos mereceis merecem|mereci mereceu|mereça|merecido");
    ConfereFormasChave("vencer", "venço vences vence vencemos venceis vencem|venci venceu|vença|vencido");
    ConfereFormasChave("torcer", "torço torces torce torcemos torceis torcem|torci torceu|torça|torcido");
    ConfereFormasChave("esquecer",
                       "esqueço esqueces esquece esquecemos esqueceis esquecem|esqueci esqueceu|esqueça|esquecido");
    ConfereFormasChave("reger", "rejo reges rege regemos regeis regem|regi regeu|reja|regido");
    ConfereFormasChave("abranger",
                       "abranjo abranges abrange abrangemos abrangeis abrangem|abrangi abrangeu|abranja|abrangido");
    ConfereFormasChave("soerguer", "soergo soergues soergue soerguemos soergueis soerguem|soergui soergueu|soerga|soerguido");
    ConfereFormasChave("fingir", "finjo finges finge fingimos fingis fingem|fingi fingiu|finja|fingido");
    ConfereFormasChave("extinguir",
                       "extingo extingues extingue extinguimos extinguis extinguem|extingui extinguiu|extinga|"
                       "extinguido extinto");
    ConfereFormasChave("ressarcir",
                       "/ / / ressarcimos ressarcis /|ressarci ressarciu|/|ressarcido");
}

TEST(ConjugacaoRegular, RadicalTerminadoEmVogal) {
    ConfereTabela("passear",
                  "passeio passeias passeia passeamos passeais passeiam|"
                  "passeava passeavas passeava passeávamos passeáveis passeavam|"
                  "passeei passeaste passeou passeamos passeastes passearam|"
                  "passeara passearas passeara passeáramos passeáreis passearam|"
                  "passearei passearás passeará passearemos passeareis passearão|"
                  "passearia passearias passearia passearíamos passearíeis passeariam|"
                  "passeie passeies passeie passeemos passeeis passeiem|"
                  "passeasse passeasses passeasse passeássemos passeásseis passeassem|"
                  "passear passeares passear passearmos passeardes passearem|"
                  "passeia passeie passeemos passeai passeiem|"
                  "passear passeares passear passearmos passeardes passearem|passeando|passeado");
    ConfereTabela("odiar",
                  "odeio odeias odeia odiamos odiais odeiam|odiava odiavas odiava odiávamos odiáveis odiavam|"
                  "odiei odiaste odiou odiamos odiastes odiaram|odiara odiaras odiara odiáramos odiáreis odiaram|"
                  "odiarei odiarás odiará odiaremos odiareis odiarão|odiaria odiarias odiaria odiaríamos odiaríeis odiariam|"
                  "odeie odeies odeie odiemos odieis odeiem|odiasse odiasses odiasse odiássemos odiásseis odiassem|"
                  "odiar odiares odiar odiarmos odiardes odiarem|odeia odeie odiemos odiai odeiem|"
                  "odiar odiares odiar odiarmos odiardes odiarem|odiando|odiado");
    ConfereTabela("copiar",
                  "copio copias copia copiamos copiais copiam|copiava copiavas copiava copiávamos copiáveis copiavam|"
                  "copiei copiaste copiou copiamos copiastes copiaram|copiara copiaras copiara copiáramos copiáreis copiaram|"
                  "copiarei copiarás copiará copiaremos copiareis copiarão|"
                  "copiaria copiarias copiaria copiaríamos copiaríeis copiariam|"
                  "copie copies copie copiemos copieis copiem|copiasse copiasses copiasse copiássemos copiásseis copiassem|"
                  "copiar copiares copiar copiarmos copiardes copiarem|copia copie copiemos copiai copiem|"
                  "copiar copiares copiar copiarmos copiardes copiarem|copiando|copiado");
    ConfereTabela("atribuir",
                  "atribuo atribuis atribui atribuímos atribuís atribuem|"
                  "atribuía atribuías atribuía atribuíamos atribuíeis atribuíam|"
                  "atribuí atribuíste atribuiu atribuímos atribuístes atribuíram|"
                  "atribuíra atribuíras atribuíra atribuíramos atribuíreis atribuíram|"
                  "atribuirei atribuirás atribuirá atribuiremos atribuireis atribuirão|"
                  "atribuiria atribuirias atribuiria atribuiríamos atribuiríeis atribuiriam|"
                  "atribua atribuas atribua atribuamos atribuais atribuam|"
                  "atribuísse atribuísses atribuísse atribuíssemos atribuísseis atribuíssem|"
                  "atribuir atribuíres atribuir atribuirmos atribuirdes atribuírem|"
                  "atribui atribua atribuamos atribuí atribuam|"
                  "atribuir atribuíres atribuir atribuirmos atribuirdes atribuírem|atribuindo|atribuído");
    ConfereTabela("construir",
                  "construo constróis constrói construímos construís constroem|"
                  "construía construías construía construíamos construíeis construíam|"
                  "construí construíste construiu construímos construístes construíram|"
                  "construíra construíras construíra construíramos construíreis construíram|"
                  "construirei construirás construirá construiremos construireis construirão|"
                  "construiria construirias construiria construiríamos construiríeis construiriam|"
                  "construa construas construa construamos construais construam|"
                  "construísse construísses construísse construíssemos construísseis construíssem|"
                  "construir construíres construir construirmos construirdes construírem|"
                  "constrói construa construamos construí construam|"
                  "construir construíres construir construirmos construirdes construírem|construindo|construído");
    ConfereTabela("sair",
                  "saio sais sai saímos saís saem|saía saías saía saíamos saíeis saíam|"
                  "saí saíste saiu saímos saístes saíram|saíra saíras saíra saíramos saíreis saíram|"
                  "sairei sairás sairá sairemos saireis sairão|sairia sairias sairia sairíamos sairíeis sairiam|"
                  "saia saias saia saiamos saiais saiam|saísse saísses saísse saíssemos saísseis saíssem|"
                  "sair saíres sair sairmos sairdes saírem|sai saia saiamos saí saiam|"
                  "sair saíres sair sairmos sairdes saírem|saindo|saído");
    ConfereTabela("moer",
                  "moo móis mói moemos moeis moem|moía moías moía moíamos moíeis moíam|"
                  "moí moeste moeu moemos moestes moeram|moera moeras moera moêramos moêreis moeram|"
                  "moerei moerás moerá moeremos moereis moerão|moeria moerias moeria moeríamos moeríeis moeriam|"
                  "moa moas moa moamos moais moam|moesse moesses moesse moêssemos moêsseis moessem|"
                  "moer moeres moer moermos moerdes moerem|mói moa moamos moei moam|"
                  "moer moeres moer moermos moerdes moerem|moendo|moído");
    ConfereTabela("produzir",
                  "produzo produzes produz produzimos produzis produzem|"
                  "produzia produzias produzia produzíamos produzíeis produziam|"
                  "produzi produziste produziu produzimos produzistes produziram|"
                  "produzira produziras produzira produzíramos produzíreis produziram|"
                  "produzirei produzirás produzirá produziremos produzireis produzirão|"
                  "produziria produzirias produziria produziríamos produziríeis produziriam|"
                  "produza produzas produza produzamos produzais produzam|"
                  "produzisse produzisses produzisse produzíssemos produzísseis produzissem|"
                  "produzir produzires produzir produzirmos produzirdes produzirem|"
                  "produz produza produzamos produzi produzam|"
                  "produzir produzires produzir produzirmos produzirdes produzirem|produzindo|produzido");
    // The u of arguir is sounded but glides: no hiatus accent (arguimos, arguido).
    ConfereTabela("arguir",
                  "arguo arguis argui arguimos arguis arguem|arguia arguias arguia arguíamos arguíeis arguiam|"
                  "argui arguiste arguiu arguimos arguistes arguiram|"
                  "arguira arguiras arguira arguíramos arguíreis arguiram|"
                  "arguirei arguirás arguirá arguiremos arguireis arguirão|"
                  "arguiria arguirias arguiria arguiríamos arguiríeis arguiriam|"
                  "argua arguas argua arguamos arguais arguam|"
                  "arguisse arguisses arguisse arguíssemos arguísseis arguissem|"
                  "arguir arguires arguir arguirmos arguirdes arguirem|argui argua arguamos argui arguam|"
                  "arguir arguires arguir arguirmos arguirdes arguirem|arguindo|arguido");
    ConfereFormasChave("redarguir",
                       "redarguo redarguis redargui redarguimos redarguis redarguem|redargui redarguiu|redargua|"
                       "redarguido");
    ConfereFormasChave("nomear", "nomeio nomeias nomeia nomeamos nomeais nomeiam|nomeei nomeou|nomeie|nomeado");
    ConfereFormasChave("recear", "receio receias receia receamos receais receiam|receei receou|receie|receado");
    ConfereFormasChave("ansiar", "anseio anseias anseia ansiamos ansiais anseiam|ansiei ansiou|anseie|ansiado");
    ConfereFormasChave("remediar",
                       "remedeio remedeias remedeia remediamos remediais remedeiam|remediei remediou|remedeie|remediado");
    ConfereFormasChave("mediar", "medeio medeias medeia mediamos mediais medeiam|mediei mediou|medeie|mediado");
    ConfereFormasChave("incendiar",
                       "incendeio incendeias incendeia incendiamos incendiais incendeiam|incendiei incendiou|incendeie|"
                       "incendiado");
    ConfereFormasChave("anunciar",
                       "anuncio anuncias anuncia anunciamos anunciais anunciam|anunciei anunciou|anuncie|anunciado");
    ConfereFormasChave("voar", "voo voas voa voamos voais voam|voei voou|voe|voado");
    ConfereFormasChave("abençoar",
                       "abençoo abençoas abençoa abençoamos abençoais abençoam|abençoei abençoou|abençoe|abençoado");
    ConfereFormasChave("continuar",
                       "continuo continuas continua continuamos continuais continuam|continuei continuou|continue|"
                       "continuado");
    ConfereFormasChave("destruir",
                       "destruo destróis destrói destruímos destruís destroem|destruí destruiu|destrua|destruído");
    ConfereFormasChave("possuir", "possuo possuis possui possuímos possuís possuem|possuí possuiu|possua|possuído");
    ConfereFormasChave("incluir",
                       "incluo incluis inclui incluímos incluís incluem|incluí incluiu|inclua|incluído incluso");
    ConfereFormasChave("concluir",
                       "concluo concluis conclui concluímos concluís concluem|concluí concluiu|conclua|"
                       "concluído concluso");
    ConfereFormasChave("cair", "caio cais cai caímos caís caem|caí caiu|caia|caído");
    ConfereFormasChave("trair", "traio trais trai traímos traís traem|traí traiu|traia|traído");
    ConfereFormasChave("atrair", "atraio atrais atrai atraímos atraís atraem|atraí atraiu|atraia|atraído");
    ConfereFormasChave("distrair",
                       "distraio distrais distrai distraímos distraís distraem|distraí distraiu|distraia|distraído");
    ConfereFormasChave("abstrair",
                       "abstraio abstrais abstrai abstraímos abstraís abstraem|abstraí abstraiu|abstraia|"
                       "abstraído abstrato");
    ConfereFormasChave("roer", "roo róis rói roemos roeis roem|roí roeu|roa|roído");
    ConfereFormasChave("doer", "doo dóis dói doemos doeis doem|doí doeu|doa|doído");
    ConfereFormasChave("corroer", "corroo corróis corrói corroemos corroeis corroem|corroí corroeu|corroa|corroído");
    ConfereFormasChave("conduzir",
                       "conduzo conduzes conduz conduzimos conduzis conduzem|conduzi conduziu|conduza|conduzido");
    ConfereFormasChave("traduzir",
                       "traduzo traduzes traduz traduzimos traduzis traduzem|traduzi traduziu|traduza|traduzido");
    ConfereFormasChave("reduzir", "reduzo reduzes reduz reduzimos reduzis reduzem|reduzi reduziu|reduza|reduzido");
    ConfereFormasChave("introduzir",
                       "introduzo introduzes introduz introduzimos introduzis introduzem|introduzi introduziu|"
                       "introduza|introduzido");
    ConfereFormasChave("luzir", "luzo luzes luz luzimos luzis luzem|luzi luziu|luza|luzido");
}

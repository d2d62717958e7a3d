#include "frmMenu.h"

frmMenu::frmMenu() : m_arquivo(std::make_unique<QMenu>()), m_ajuda(std::make_unique<QMenu>())
{
    m_arquivo->setObjectName(QStringLiteral("mnu_Arquivo"));
    m_arquivo->setTitle(QStringLiteral("Arquivo"));
    Adiciona(m_arquivo.get(), "mnu_nota", QStringLiteral("Inserir &Nota"));
    Adiciona(m_arquivo.get(), "mnu_copiaVerbete", QStringLiteral("Copiar V&erbete"));
    Adiciona(m_arquivo.get(), "mnu_copiaConjugacao", QStringLiteral("Copiar C&onjugações"));
    m_arquivo->addSeparator();
    Adiciona(m_arquivo.get(), "mnu_inicio", QStringLiteral("&Página inicial"));
    Adiciona(m_arquivo.get(), "mnu_voltar", QStringLiteral("&Voltar"));
    Adiciona(m_arquivo.get(), "mnu_avancar", QStringLiteral("&Avançar"));
    m_arquivo->addSeparator();
    QMenu* verbetes = m_arquivo->addMenu(QStringLiteral("Ver&betes"));
    verbetes->setObjectName(QStringLiteral("mnu_verbetes"));
    Adiciona(verbetes, "mnu_completo", QStringLiteral("Modo &Completo"));
    Adiciona(verbetes, "mnu_resumido", QStringLiteral("Modo &Resumido"));
    Adiciona(verbetes, "mnu_dicionario", QStringLiteral("Modo &Dicionário"));
    QMenu* configuracoes = m_arquivo->addMenu(QStringLiteral("&Configurações"));
    configuracoes->setObjectName(QStringLiteral("mnu_configuracoes"));
    Adiciona(configuracoes, "mnu_configuragerais", QStringLiteral("&Gerais..."));
    Adiciona(configuracoes, "mnu_configuralista", QStringLiteral("&Lista de verbetes..."));
    Adiciona(configuracoes, "mnu_configuraverbete", QStringLiteral("&Apresentação do verbete..."));
    m_arquivo->addSeparator();
    Adiciona(m_arquivo.get(), "mnu_sair", QStringLiteral("Sair"));

    m_ajuda->setObjectName(QStringLiteral("mnu_ajuda"));
    m_ajuda->setTitle(QStringLiteral("Ajuda"));
    Adiciona(m_ajuda.get(), "mnu_ajudaComo", QStringLiteral("&Como usar - Manual do dicionário"));
    Adiciona(m_ajuda.get(), "mnu_ajudaVerbete", QStringLiteral("&Verbete - Entenda sua estrutura"));
    Adiciona(m_ajuda.get(), "mnu_ajudaBiografia", QStringLiteral("&Biografia de Cândido de Figueiredo"));
    Adiciona(m_ajuda.get(), "mnu_ajudaDicas", QStringLiteral("&Professor - O Lexária na Escola"));
    m_ajuda->addSeparator();
    Adiciona(m_ajuda.get(), "mnu_SiteDicionario", QStringLiteral("Site do Novo Dicionário &Lexária"));
    Adiciona(m_ajuda.get(), "mnu_ajudaCredito", QStringLiteral("&Sobre o dicionário eletrônico"));
}

frmMenu::~frmMenu() = default;

QAction* frmMenu::Adiciona(QMenu* menu, const char* nome, const QString& texto)
{
    QAction* acao = menu->addAction(texto);
    acao->setObjectName(QString::fromLatin1(nome));
    // Nothing is offered until the owner says it can be done.
    acao->setEnabled(false);
    connect(acao, &QAction::triggered, this, [this, acao] {
        if (AoEscolher)
            AoEscolher(acao->objectName());
    });
    return acao;
}

QAction* frmMenu::Item(const QString& nome) const
{
    for (QMenu* menu : {m_arquivo.get(), m_ajuda.get()})
        if (auto* acao = menu->findChild<QAction*>(nome))
            return acao;
    return nullptr;
}

void frmMenu::Habilita(const QString& nome, bool habilitado)
{
    if (QAction* acao = Item(nome))
        acao->setEnabled(habilitado);
}

void frmMenu::Abre(QMenu* menu, QPoint posicaoGlobal)
{
    if (menu)
        menu->exec(posicaoGlobal);
}

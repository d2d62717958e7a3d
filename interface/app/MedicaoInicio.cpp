#include "MedicaoInicio.h"

#include "frmMain.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <map>
#include <vector>

namespace {

qint64 CampoKb(const QString& arquivo, const QByteArray& campo)
{
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& linha : f.readAll().split('\n'))
        if (linha.startsWith(campo))
            return linha.mid(campo.size()).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

qint64 PaiDe(const QString& pid)
{
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    // The name may hold blanks; the fields after its closing parenthesis do not.
    const QByteArray stat = f.readAll();
    const QList<QByteArray> campos = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    return campos.value(1).toLongLong();
}

} // namespace

bool MedicaoInicio::Ativa() { return qEnvironmentVariableIsSet(Variavel); }

qint64 MedicaoInicio::RssKb(qint64 pid) { return CampoKb(QStringLiteral("/proc/%1/status").arg(pid), "VmRSS:"); }

qint64 MedicaoInicio::PssArvoreKb(qint64 pid)
{
    std::multimap<qint64, qint64> filhos;
    for (const QString& nome : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool numero = false;
        const qint64 p = nome.toLongLong(&numero);
        if (numero)
            filhos.emplace(PaiDe(nome), p);
    }
    qint64 total = 0;
    std::vector<qint64> pendentes{pid};
    while (!pendentes.empty()) {
        const qint64 p = pendentes.back();
        pendentes.pop_back();
        total += CampoKb(QStringLiteral("/proc/%1/smaps_rollup").arg(p), "Pss:");
        const auto [ini, fim] = filhos.equal_range(p);
        for (auto it = ini; it != fim; ++it)
            pendentes.push_back(it->second);
    }
    return total;
}

MedicaoInicio::MedicaoInicio(frmMain& janela, const QElapsedTimer& relogio)
    : QObject(&janela), m_janela(janela), m_relogio(relogio)
{
    connect(&janela, &frmMain::PrimeiraPintura, this, [this] {
        std::printf("pintura_ms %lld\n", static_cast<long long>(m_relogio.elapsed()));
        std::fflush(stdout);
    });
    connect(&janela, &frmMain::LetraCarregada, this, [this] {
        if (!m_letra)
            std::printf("letra_ms %lld\n", static_cast<long long>(m_relogio.elapsed()));
        m_letra = true;
        Verifica();
    });
    if (janela.TemVisor()) {
        connect(&janela, &frmMain::PaginaCarregada, this, [this] {
            if (!m_pagina)
                std::printf("pagina_ms %lld\n", static_cast<long long>(m_relogio.elapsed()));
            m_pagina = true;
            Verifica();
        });
    } else {
        m_pagina = true;
    }
}

void MedicaoInicio::Verifica()
{
    if (!m_letra || !m_pagina)
        return;
    // A moment for the page to be drawn before memory is read.
    QTimer::singleShot(300, this, [] {
        const qint64 pid = QCoreApplication::applicationPid();
        std::printf("rss_kb %lld\npss_arvore_kb %lld\n", static_cast<long long>(RssKb(pid)),
                    static_cast<long long>(PssArvoreKb(pid)));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
}

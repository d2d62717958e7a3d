#include "SinaisTermino.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_par[2] = {-1, -1};
volatile sig_atomic_t g_recebidos = 0;
constexpr int kSinais[] = {SIGTERM, SIGINT};

void AoSinal(int sinal)
{
    const bool repetido = g_recebidos != 0;
    g_recebidos = 1;
    if (repetido) {
        // Asked again while closing: stop waiting.
        std::signal(sinal, SIG_DFL);
        std::raise(sinal);
        return;
    }
    const char byte = static_cast<char>(sinal);
    if (::write(g_par[1], &byte, 1) < 0) {
        // Nothing can be done inside a handler.
    }
}

} // namespace

SinaisTermino::SinaisTermino(QObject* pai) : QObject(pai)
{
    if (g_par[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_par) != 0)
        return;
    g_recebidos = 0;
    m_notificador = new QSocketNotifier(g_par[0], QSocketNotifier::Read, this);
    connect(m_notificador, &QSocketNotifier::activated, this, &SinaisTermino::Le);
    struct sigaction acao { };
    acao.sa_handler = AoSinal;
    sigemptyset(&acao.sa_mask);
    acao.sa_flags = SA_RESTART;
    for (int sinal : kSinais)
        sigaction(sinal, &acao, nullptr);
}

SinaisTermino::~SinaisTermino()
{
    if (!m_notificador)
        return;
    for (int sinal : kSinais)
        std::signal(sinal, SIG_DFL);
    delete m_notificador;
    ::close(g_par[0]);
    ::close(g_par[1]);
    g_par[0] = g_par[1] = -1;
}

void SinaisTermino::Le()
{
    char byte = 0;
    while (::read(g_par[0], &byte, 1) == 1)
        emit Pedido(static_cast<unsigned char>(byte));
}

#else

SinaisTermino::SinaisTermino(QObject* pai) : QObject(pai) { }
SinaisTermino::~SinaisTermino() = default;
void SinaisTermino::Le() { }

#endif

// The two folders of a run: where the installation files are read from
// (the program folder, which also holds the database) and where the program
// writes what is not a setting (notes and the like). A folder run as it is
// writes beside its files; an installed program never writes under its
// prefix, only in the user's data folder.
#pragma once

#include <QString>

class PastasPrograma {
public:
    // For an executable in pastaExecutavel; dadosUsuario is the user's data
    // folder (empty: the platform's).
    static PastasPrograma Localiza(const QString& pastaExecutavel, const QString& dadosUsuario = {});
    // For the running executable.
    static PastasPrograma Atual();

    const QString& Programa() const { return m_programa; }
    const QString& Dados() const { return m_dados; }
    QString Banco() const;
    bool Instalado() const { return m_instalado; }

private:
    QString m_programa;
    QString m_dados;
    bool m_instalado = false;
};

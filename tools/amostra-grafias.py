#!/usr/bin/env python3
"""A reproducible random sample of headwords that have a modern spelling.

Reads the built database: the headwords and their spellings of today are two
packed text arrays in the "tabela" table ("palavras" and "modernas", by id).
Prints "headword → modern form(s)", one a line, in id order.

    tools/amostra-grafias.py BANCO.db [--semente N] [--quantos N]
"""
import argparse
import random
import sqlite3
import struct
import sys


def desempacota(blob):
    """Count, count + 1 offsets (32-bit little-endian), then the bytes."""
    (n,) = struct.unpack_from("<I", blob, 0)
    offsets = struct.unpack_from("<%dI" % (n + 1), blob, 4)
    base = 4 + 4 * (n + 1)
    return [blob[base + offsets[i]:base + offsets[i + 1]].decode("utf-8") for i in range(n)]


def tabela(conexao, nome):
    linha = conexao.execute("SELECT dados FROM tabela WHERE nome = ?", (nome,)).fetchone()
    if linha is None:
        sys.exit("tabela '%s' ausente: banco de outro formato?" % nome)
    return desempacota(linha[0])


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("banco")
    p.add_argument("--semente", type=int, default=1913)
    p.add_argument("--quantos", type=int, default=100)
    a = p.parse_args()

    conexao = sqlite3.connect("file:%s?mode=ro" % a.banco, uri=True)
    palavras = tabela(conexao, "palavras")
    modernas = tabela(conexao, "modernas")
    if len(palavras) != len(modernas):
        sys.exit("tabelas 'palavras' e 'modernas' de tamanhos diferentes")

    com = [i for i, m in enumerate(modernas) if m]
    escolhidos = sorted(random.Random(a.semente).sample(com, min(a.quantos, len(com))))
    for i in escolhidos:
        print("%s → %s" % (palavras[i], ", ".join(modernas[i].split("|"))))


if __name__ == "__main__":
    main()

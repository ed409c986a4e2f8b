// Tabela interna dos rótulos das origens de registro, indexada pelo tipo de origem.
#pragma once

inline constexpr int QZ_ORIGEM_MAXIMA = 117;

struct TRotuloOrigem {
  const char* szCompleto;  // nullptr: sem entrada
  const char* szCurto;
  const char* szArtigo;
};

// A entrada do tipo; fora de 1..117 ou sem entrada, os três textos são nullptr.
const TRotuloOrigem& RotuloDaOrigem(int nOrigem);

// A tabela dos trinta módulos da suíte: título, código numérico, ano, ordem e código
// de duas letras. As mensagens e exceções da base acham por ela o arquivo de
// mensagens (pelo código de duas letras) e o título das caixas de mensagem.
#pragma once

#include "vrmwnd/base/exporta.h"

struct TQZModulo {
  int nModulo;           // 1 a 30
  const char* szTitulo;  // "Tarvo Compras"
  long lCodigo;          // código numérico do módulo no catálogo da suíte
  int nAno;              // ano da primeira versão
  int nOrdem;            // ordem de apresentação
  const char* szSigla;   // "CM"
};

inline constexpr int QZ_MODULO_EMPRESARIAL = 1;
inline constexpr int QZ_MODULO_COMPRAS = 7;
inline constexpr int QZ_QUANTIDADE_MODULOS = 30;

// O módulo de número nModulo (1 a 30), ou nullptr fora disso.
VRMWND_BASE_API const TQZModulo* QZModulo(int nModulo);
// O módulo de sigla szSigla (sem diferença de caixa), ou nullptr.
VRMWND_BASE_API const TQZModulo* QZModuloPorSigla(const char* szSigla);
// Título e sigla do módulo; texto vazio para um número fora da tabela.
VRMWND_BASE_API const char* QZTituloModulo(int nModulo);
VRMWND_BASE_API const char* QZSiglaModulo(int nModulo);

// O registro do profiler e o seu arquivo: os campos de um registro, o leiaute
// exato da linha (campos separados por tabulação), as duas linhas de cabeçalho, os
// nomes dos arquivos (rastreamento e erros mensais por empresa) e a gravação ao fim
// do arquivo com os outros impedidos de gravar, em até 19 tentativas.
#pragma once

#include <initializer_list>

#include "vrmwnd/base/exporta.h"
#include "vrmwnd/platform/CString.h"
#include "vrmwnd/platform/clock.h"

class IQZDF_Profiler;

enum eQZTipoRegistro {
  eQZEntrou = 0,
  eQZSaiu = 1,
  eQZCoCreate = 2,
  eQZErro = 3,
};

struct TQZParametro {
  CString strNome;
  CString strValor;
};

inline constexpr int QZ_PROFILER_PARAMETROS = 9;

struct TQZRegistroProfiler {
  SYSTEMTIME stDataHora{};
  CString strClasseFuncao;
  CString strGuid{" "};  // " " quando nenhum foi gerado
  CString strProcesso;
  CString strUsuarioLocal;
  TQZParametro aParametros[QZ_PROFILER_PARAMETROS];
  const IQZDF_Profiler* pContexto = nullptr;
  ULONGLONG nTickInicial = 0;
  ULONGLONG nTickFinal = 0;
  ULONGLONG nMemoriaInicial = 0;
  ULONGLONG nMemoriaFinal = 0;
  bool bEntrou = false;
};

// O que a linha leva além do registro.
struct TQZAmbienteLinha {
  ULONGLONG nMemoriaDisponivel;
  ULONGLONG nMemoriaTotal;
  DWORD dwThread;
};

VRMWND_BASE_API extern const char* const QZ_CABECALHO_RASTRO;  // ENTROU, SAIU, COCREATE
VRMWND_BASE_API extern const char* const QZ_CABECALHO_ERROS;   // ERRO

VRMWND_BASE_API const char* QZNomeTipoRegistro(eQZTipoRegistro eTipo);  // "ENTROU", ...
// A linha do registro, terminada por "\n".
VRMWND_BASE_API CString QZFormataLinha(const TQZRegistroProfiler& registro, eQZTipoRegistro eTipo,
                                       const TQZAmbienteLinha& ambiente);
// Memória disponível e total, e a thread atual.
VRMWND_BASE_API TQZAmbienteLinha QZAmbienteAtual();

// Nome do arquivo (sem pasta) de um registro do tipo no mês dado: "QZProfiler.dat",
// "QZProfilerErros_Base_AAAAMM.dat" (com empresa) ou "QZProfilerErros_Pgms_AAAAMM.dat".
VRMWND_BASE_API CString QZNomeArquivoProfiler(eQZTipoRegistro eTipo, bool bComEmpresa, int nAno, int nMes);

// Anexa szTexto (que termina em "\n") ao arquivo, criando-o com o cabeçalho quando
// está vazio; os outros ficam impedidos de gravar enquanto isso. Uma abertura que
// falha é repetida na hora, até 19 tentativas; para antes quando o arquivo ou a
// pasta não existem, o caminho é inválido ou há erro de entrada e saída. Devolve
// false quando a linha se perdeu; nunca lança.
VRMWND_BASE_API bool QZAnexaLinha(const char* szArquivo, const char* szCabecalho, const char* szTexto);
inline constexpr int QZ_TENTATIVAS_GRAVACAO = 19;

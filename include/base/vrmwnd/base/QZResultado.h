// Decodificação de HRESULT para o log de erros: nome simbólico, severidade,
// facilidade (as do Windows e as da suíte, 236 a 269), código e a descrição em
// português dos códigos da suíte e dos códigos do Windows que a suíte devolve.
#pragma once

#include "vrmwnd/base/exporta.h"
#include "vrmwnd/platform/CString.h"
#include "vrmwnd/platform/hresult.h"

// Códigos de interface (FACILITY_ITF) dos servidores da suíte, na faixa 0xA200 a
// 0xA2FF, onde o Windows não tem nomes. A descrição de cada
// um começa pelo nome curto do servidor ("DFSREG: ...").
inline constexpr HRESULT QZ_E_REGISTRO_NAO_ENCONTRADO = MAKE_HRESULT(1, FACILITY_ITF, 0xA201);
inline constexpr HRESULT QZ_E_REGISTRO_JA_EXISTE = MAKE_HRESULT(1, FACILITY_ITF, 0xA202);
inline constexpr HRESULT QZ_E_EMPRESA_NAO_ENCONTRADA = MAKE_HRESULT(1, FACILITY_ITF, 0xA203);
inline constexpr HRESULT QZ_E_SEM_CONEXAO = MAKE_HRESULT(1, FACILITY_ITF, 0xA204);
inline constexpr HRESULT QZ_E_BANCO_DE_DADOS = MAKE_HRESULT(1, FACILITY_ITF, 0xA205);
inline constexpr HRESULT QZ_E_REGISTRO_CORROMPIDO = MAKE_HRESULT(1, FACILITY_ITF, 0xA206);
inline constexpr HRESULT QZ_E_MODELO_RELATORIO = MAKE_HRESULT(1, FACILITY_ITF, 0xA210);
inline constexpr HRESULT QZ_E_FALTA_CLASSIFICACAO = MAKE_HRESULT(1, FACILITY_ITF, 0xA220);
inline constexpr HRESULT QZ_E_FALHA_PROVOCADA = MAKE_HRESULT(1, FACILITY_ITF, 0xA2FF);

// Facilidades da suíte (236 a 269; a 236 é o módulo de arquivos da nota eletrônica).
inline constexpr UINT QZ_FACILITY_NE_NFEARQUIVO = 236;
inline constexpr UINT QZ_FACILITY_CM_COMPRAS = 247;
inline constexpr UINT QZ_FACILITY_DF_EMPRESARIAL = 255;

inline constexpr const char* QZ_TEXTO_DESCONHECIDO_HRESULT = "Desconhecido ou novo código de HRESULT";
inline constexpr const char* QZ_TEXTO_DESCONHECIDO_FACILITY = "Desconhecido ou novo código de FACILITY";
inline constexpr const char* QZ_TEXTO_DESCONHECIDO_CODE = "Desconhecido ou novo código de CODE";
inline constexpr const char* QZ_TEXTO_SEM_DESCRICAO = "Desconhecido ou novo código de Descrição";

struct TQZResultadoDecodificado {
  const char* szNome;        // "E_FAIL" ou o texto de desconhecido
  UINT nSeveridade;          // bit 31
  const char* szSeveridade;  // "SEVERITY_SUCCESS" / "SEVERITY_ERROR"
  UINT nFacilidade;          // bits 16 a 28
  const char* szFacilidade;
  UINT nCodigo;             // 16 bits baixos
  const char* szCodigo;     // nome ERROR_* do código
  const char* szDescricao;  // português; texto de desconhecido quando não há
};

VRMWND_BASE_API TQZResultadoDecodificado QZDecodificaResultado(HRESULT hr);
// Nome da facilidade: as da suíte, as do Windows, ou o texto de desconhecido.
VRMWND_BASE_API const char* QZNomeFacilidade(UINT nFacilidade);
// A mensagem do log de uma falha: "hr = <expressão>\thr = 0X80004005 E_FAIL\t
// SEVERITY = 1 SEVERITY_ERROR\tFACILITY = 0 FACILITY_NULL\tCODE = 16389 ...\t
// Descrição = ...".
VRMWND_BASE_API CString QZTextoFalha(const char* szExpressao, HRESULT hr);

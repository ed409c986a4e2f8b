// Um tratador de documentos (CTrataDados<código>Wnd) ligado à empresa numa chamada e
// desligado ao sair do escopo, também quando uma exceção passa (CQZExceptionEx das
// leituras, CQZErroLayout de uma nota malformada):
//
//   CTrataDadosREWnd tratador(nullptr);
//   TLigacaoTratador ligacao(tratador, "AMOSTRA");
//   if (ligacao.Resultado() != S_OK) return;   // o motivo: GetUsaServidor()->GetUltimoErro()
//   TCMRERegistroEntrada registro = tratador.ImportaNotaComercial(aPosicoes);
//
// A empresa vai duas vezes ao tratador, como as regras pedem: ao profiler (com o
// usuário e a sessão, que os erros gravados levam) e aos servidores (OnInicializa).
#pragma once

#include "vrmwnd/platform/CString.h"
#include "vrmwnd/platform/wintypes.h"

template <class TTratador>
class TLigacaoTratador {
 public:
  TLigacaoTratador(TTratador& tratador, const char* szEmpresa, unsigned short nUsuario = 0, LONG lSessao = 0)
      : m_tratador(tratador) {
    m_tratador.SetProfiler(CString(szEmpresa), nUsuario, lSessao);
    m_hResultado = m_tratador.OnInicializa(szEmpresa);
  }
  ~TLigacaoTratador() {
    if (m_tratador.EstaInicializado()) m_tratador.OnFinaliza();
  }
  TLigacaoTratador(const TLigacaoTratador&) = delete;
  TLigacaoTratador& operator=(const TLigacaoTratador&) = delete;

  // O que OnInicializa devolveu: S_OK, ou a falha já registrada no log de erros.
  HRESULT Resultado() const { return m_hResultado; }

 private:
  TTratador& m_tratador;
  HRESULT m_hResultado;
};

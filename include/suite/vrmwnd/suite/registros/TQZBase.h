// A raiz das rotinas da suíte (TQZBase), o último erro de uma rotina (CQZDadosDF_Erro,
// CQZUltimoErro), a inicialização do processo (CQZInicializador), a base das rotinas
// (CQZBaseParaRotinas, de que derivam os servidores compartilhados e os edits) e o
// cronômetro que as telas passam às regras (CTimer2).
#pragma once

#include <string>

#include "vrmwnd/platform/CString.h"
#include "vrmwnd/platform/wintypes.h"
#include "vrmwnd/suite/exporta.h"

class IQZDF_Profiler;

// Raiz polimórfica das rotinas: a destruição virtual e os dois avisos que a suíte dá
// a toda rotina. Por padrão nenhum deles faz nada.
class VRMWND_SUITE_API TQZBase {
 public:
  TQZBase() = default;
  TQZBase(const TQZBase&) = default;
  TQZBase& operator=(const TQZBase&) = default;
  virtual ~TQZBase() = default;
  // A licença de mostrar mensagens do processo mudou (CQZInicializador).
  virtual void OnSetMostrarMensagens() {}
  // Esquece o que a rotina guardou de leituras anteriores.
  virtual void OnResetBuffer() {}
};

// O último erro de uma rotina: o resultado e o motivo.
class VRMWND_SUITE_API CQZDadosDF_Erro {
 public:
  HRESULT GetUltimoErroHR() const { return m_hrUltimoErro; }
  const std::string& GetUltimoErroTexto() const { return m_strUltimoErro; }

 protected:
  HRESULT m_hrUltimoErro = 0;
  std::string m_strUltimoErro;
};

// Guarda o último erro; LimpaUltimoErro volta a "nenhum" (0, texto vazio).
class VRMWND_SUITE_API CQZUltimoErro : public CQZDadosDF_Erro {
 public:
  virtual ~CQZUltimoErro() = default;
  void SetUltimoErro(HRESULT hr, std::string strMotivo) {
    m_hrUltimoErro = hr;
    m_strUltimoErro = std::move(strMotivo);
  }
  void LimpaUltimoErro() { SetUltimoErro(0, {}); }
};

// Inicialização das bibliotecas de servidor no processo: a empresa, o usuário e a
// sessão correntes, e se as bibliotecas podem mostrar mensagens. O estado é do
// processo; Finaliza o esquece.
class VRMWND_SUITE_API CQZInicializador : public TQZBase {
 public:
  // Falha com QZ_E_EMPRESA_NAO_ENCONTRADA quando a empresa não tem banco.
  HRESULT Inicializa(const char* szEmpresa, long lUsuario, long lSessao);
  HRESULT Inicializa(const IQZDF_Profiler& profiler);
  HRESULT Finaliza();
  static const std::string& GetEmpresa();
  static long GetUsuario();
  static long GetSessao();
  static bool GetPodeMostrarMensagens();
  static void SetMostrarMensagens(bool bMostrar);
};

// Base das rotinas da suíte: a inicialização do processo, o último erro e o nome da
// rotina (para rastreio e ajuda; os edits da suíte o levam também).
class VRMWND_SUITE_API CQZBaseParaRotinas : public CQZInicializador, public CQZUltimoErro {
 public:
  void SetNomeRotina(const CString& strNome) { m_strNomeRotina = strNome; }
  const CString& GetNomeRotina() const { return m_strNomeRotina; }

 protected:
  CString m_strNomeRotina;
};

// O cronômetro da suíte: os relógios que as regras usam para medir as suas etapas.
// A tela o cria e o passa às regras na construção; nada aqui o libera.
class VRMWND_SUITE_API CQZTimer {
 public:
  virtual ~CQZTimer() = default;
};

class VRMWND_SUITE_API CTimer2 : public CQZTimer {
 public:
  // Começa a contar agora (relógio da plataforma).
  CTimer2();
  void Reinicia();
  // Milissegundos desde a construção ou o último Reinicia.
  ULONGLONG GetDecorrido() const;

 private:
  ULONGLONG m_nInicio;
};

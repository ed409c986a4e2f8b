// As exceções da base: CQZExceptionEx leva um resultado de servidor já registrado no
// log de erros, com o lugar, o módulo, a empresa e a fonte, até a tela que começou a
// operação; CQZException é a exceção MFC de falhas do sistema operacional, cujo
// texto vem dos arquivos de mensagens ("QZ%sMens.txt" da pasta "Mensagens").
#pragma once

#include <string>
#include <string_view>

#include "vrmwnd/base/exporta.h"
#include "vrmwnd/platform/CException.h"
#include "vrmwnd/platform/CString.h"

// Data e hora de compilação da fonte ("Dec  5 2026 03:48:15") para CQZExceptionEx.
#define QZ_COMPILACAO __DATE__ " " __TIME__

// Lançada por valor (throw CQZExceptionEx(...)) e apanhada por referência
// (catch (const CQZExceptionEx& e)); nunca por ponteiro, nunca apagada por quem apanha,
// ao contrário das exceções MFC como CQZException.
class VRMWND_BASE_API CQZExceptionEx {
 public:
  CQZExceptionEx(HRESULT hr, LONG lLocal, LONG lModulo, const CString& strEmpresa, const CString& strArquivo,
                 int nLinha, const CString& strCompilacao);
  CQZExceptionEx(HRESULT hr, LONG lLocal, LONG lModulo, const CString& strEmpresa, const CString& strDetalhe,
                 const CString& strArquivo, int nLinha, const CString& strCompilacao);
  CQZExceptionEx(const CQZExceptionEx&) = default;
  CQZExceptionEx& operator=(const CQZExceptionEx&) = default;
  virtual ~CQZExceptionEx() = default;

  HRESULT GetResultado() const { return m_hResultado; }
  LONG GetLocal() const { return m_lLocal; }
  LONG GetModulo() const { return m_lModulo; }
  const CString& GetEmpresa() const { return m_strEmpresa; }
  const CString& GetDetalhe() const { return m_strDetalhe; }
  const CString& GetArquivo() const { return m_strArquivo; }
  int GetLinha() const { return m_nLinha; }
  const CString& GetCompilacao() const { return m_strCompilacao; }

 private:
  HRESULT m_hResultado;
  LONG m_lLocal;
  LONG m_lModulo;
  CString m_strEmpresa;
  CString m_strDetalhe;
  CString m_strArquivo;
  int m_nLinha;
  CString m_strCompilacao;
};

class VRMWND_BASE_API CQZException : public CException {
 public:
  // Código de mensagem com texto vazio, ou texto com código 0. lModulo é um número
  // da tabela de módulos (1 a 30); dwErroSO, o de GetLastError.
  CQZException(LONG lCodigo, LONG lModulo, DWORD dwErroSO);
  CQZException(const CString& strTexto, LONG lModulo, DWORD dwErroSO);

  DWORD GetErroSO() const { return m_dwErroSO; }
  LONG GetCodigo() const { return m_lCodigo; }
  LONG GetModulo() const { return m_lModulo; }
  // O texto próprio, ou o do arquivo de mensagens (guardado na exceção).
  const CString& GetTexto() const;

  // Copia o texto, cortado em nMaxError - 1 bytes sem partir um caractere, e diz se
  // ele não é vazio.
  BOOL GetErrorMessage(char* lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const override;
  // Caixa sem dono com o título do módulo, o texto (ou "Erro desconhecido
  // encontrado. Código (%d)") e, com erro do SO, "\nErro do SO: %d - %s"; devolve o
  // botão.
  int ReportError(UINT nType = 0, UINT nMessageID = 0) override;

 private:
  LONG m_lCodigo;
  LONG m_lModulo;
  DWORD m_dwErroSO;
  mutable CString m_strTexto;
};

inline constexpr int QZ_TAMANHO_LINHA_MENSAGEM = 1024;  // 1.023 caracteres e o nulo

// O texto da mensagem nCodigo no arquivo do módulo de sigla szSigla ("CM"): a
// primeira linha cujo número inicial é nCodigo, a partir do nono caractere, com
// "\n" (barra e n) virando quebra de linha, em UTF-8 (QZWindows1252ParaUtf8). Vazio
// quando nenhuma linha casa. Um arquivo que não abre (ou uma pasta no lugar dele)
// mostra a caixa "Erro" e dá o texto vazio.
VRMWND_BASE_API CString QZTextoMensagem(LONG nCodigo, const char* szSigla);
// O mesmo pelo número do módulo (1 a 30).
VRMWND_BASE_API CString QZTextoMensagem(LONG nCodigo, int nModulo);
// Uma linha de um arquivo de mensagens em UTF-8: o que já é UTF-8 válido fica como
// está; o resto é lido como Windows-1252, o código dos arquivos da suíte, byte a byte
// (os cinco bytes que ele não define viram U+FFFD).
VRMWND_BASE_API std::string QZWindows1252ParaUtf8(std::string_view texto);

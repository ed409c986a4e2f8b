// CQZExceptionEx, CQZException e a leitura dos arquivos de mensagens.
#include "vrmwnd/base/QZException.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "vrmwnd/base/QZInstalacao.h"
#include "vrmwnd/base/QZModulos.h"
#include "vrmwnd/platform/fileshare.h"
#include "vrmwnd/platform/hresult.h"
#include "vrmwnd/platform/msgbox.h"

CQZExceptionEx::CQZExceptionEx(HRESULT hr, LONG lLocal, LONG lModulo, const CString& strEmpresa,
                               const CString& strArquivo, int nLinha,
                               const CString& strCompilacao)
    : CQZExceptionEx(hr, lLocal, lModulo, strEmpresa, CString(), strArquivo, nLinha,
                     strCompilacao) {}

CQZExceptionEx::CQZExceptionEx(HRESULT hr, LONG lLocal, LONG lModulo, const CString& strEmpresa,
                               const CString& strDetalhe, const CString& strArquivo, int nLinha,
                               const CString& strCompilacao)
    : m_hResultado(hr),
      m_lLocal(lLocal),
      m_lModulo(lModulo),
      m_strEmpresa(strEmpresa),
      m_strDetalhe(strDetalhe),
      m_strArquivo(strArquivo),
      m_nLinha(nLinha),
      m_strCompilacao(strCompilacao) {}

namespace {

// O texto de uma linha do arquivo: do nono caractere em diante, sem o fim de
// linha, com "\n" literal virando quebra de linha.
CString TextoDaLinha(const char* szLinha) {
  CString strTexto(std::strlen(szLinha) > 8 ? szLinha + 8 : "");
  const int nTamanho = strTexto.GetLength();
  if (nTamanho > 0 && strTexto[nTamanho - 1] == '\n') {
    strTexto = strTexto.Left(nTamanho - 1);
    if (!strTexto.IsEmpty() && strTexto[strTexto.GetLength() - 1] == '\r')
      strTexto = strTexto.Left(strTexto.GetLength() - 1);
  }
  strTexto.Replace("\\n", "\n");
  return strTexto;
}

}  // namespace

CString QZTextoMensagem(LONG nCodigo, const char* szSigla) {
  CString strArquivo = QZDiretorioMensagens();
  strArquivo.AppendFormat("QZ%sMens.txt", szSigla ? szSigla : "");
  std::FILE* pArquivo = _fsopen(strArquivo, "rt", _SH_DENYNO);
  if (pArquivo == nullptr) {
    CString strAviso;
    strAviso.Format(
        "Não foi possível abrir o arquivo texto de Mensagens %s. Caso o caminho esteja correto, "
        "atualize o arquivo.",
        strArquivo);
    MessageBox(nullptr, strAviso, "Erro", MB_ICONEXCLAMATION);
    return CString();
  }
  char szLinha[QZ_TAMANHO_LINHA_MENSAGEM];
  CString strTexto;
  while (std::fgets(szLinha, sizeof szLinha, pArquivo) != nullptr) {
    if (std::atol(szLinha) == nCodigo) {
      strTexto = TextoDaLinha(szLinha);
      break;
    }
  }
  std::fclose(pArquivo);
  return strTexto;
}

CString QZTextoMensagem(LONG nCodigo, int nModulo) {
  return QZTextoMensagem(nCodigo, QZSiglaModulo(nModulo));
}

CQZException::CQZException(LONG lCodigo, LONG lModulo, DWORD dwErroSO)
    : m_lCodigo(lCodigo), m_lModulo(lModulo), m_dwErroSO(dwErroSO) {}

CQZException::CQZException(const CString& strTexto, LONG lModulo, DWORD dwErroSO)
    : m_lCodigo(0), m_lModulo(lModulo), m_dwErroSO(dwErroSO), m_strTexto(strTexto) {}

const CString& CQZException::GetTexto() const {
  if (m_strTexto.IsEmpty()) m_strTexto = QZTextoMensagem(m_lCodigo, static_cast<int>(m_lModulo));
  return m_strTexto;
}

BOOL CQZException::GetErrorMessage(char* lpszError, UINT nMaxError, UINT* pnHelpContext) const {
  if (pnHelpContext) *pnHelpContext = 0;
  const CString& strTexto = GetTexto();
  if (lpszError != nullptr && nMaxError > 0) {
    const CString strCortado = Utf8CutToBytes(strTexto, static_cast<int>(nMaxError - 1));
    std::memcpy(lpszError, strCortado.GetString(), static_cast<std::size_t>(strCortado.GetLength()) + 1);
  }
  return strTexto.IsEmpty() ? FALSE : TRUE;
}

int CQZException::ReportError(UINT nType, UINT) {
  CString strTexto = GetTexto();
  if (strTexto.IsEmpty()) strTexto.Format("Erro desconhecido encontrado. Código (%d)", m_lCodigo);
  if (m_dwErroSO != 0) {
    char szSistema[256] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, m_dwErroSO,
                   0, szSistema, sizeof szSistema, nullptr);
    strTexto.AppendFormat("\nErro do SO: %d - %s", m_dwErroSO, szSistema);
  }
  return MessageBox(nullptr, strTexto, QZTituloModulo(static_cast<int>(m_lModulo)), nType);
}

// CQZExceptionEx, CQZException e a leitura dos arquivos de mensagens.
#include "vrmwnd/base/QZException.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "vrmwnd/base/QZInstalacao.h"
#include "vrmwnd/base/QZModulos.h"
#include "vrmwnd/platform/fileshare.h"
#include "vrmwnd/platform/hresult.h"
#include "vrmwnd/platform/msgbox.h"

CQZExceptionEx::CQZExceptionEx(HRESULT hr, LONG lLocal, LONG lModulo, const CString& strEmpresa,
                               const CString& strArquivo, int nLinha, const CString& strCompilacao)
    : CQZExceptionEx(hr, lLocal, lModulo, strEmpresa, CString(), strArquivo, nLinha, strCompilacao) {}

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

// Os caracteres de 0x80 a 0x9F do Windows-1252 (de 0xA0 em diante ele coincide com o
// Latin-1, isto é, com os primeiros pontos do Unicode); 0 onde o código não define.
constexpr char16_t kWindows1252Altos[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

bool Utf8Valido(std::string_view texto) {
  for (std::size_t i = 0; i < texto.size();) {
    const auto c = static_cast<unsigned char>(texto[i]);
    const std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (n == 0 || i + n > texto.size()) return false;
    char32_t ponto = n == 1 ? c : c & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
      const auto d = static_cast<unsigned char>(texto[i + k]);
      if ((d & 0xC0) != 0x80) return false;
      ponto = (ponto << 6) | (d & 0x3F);
    }
    constexpr char32_t kMenor[] = {0, 0, 0x80, 0x800, 0x10000};
    if (ponto < kMenor[n] || ponto > 0x10FFFF || (ponto >= 0xD800 && ponto <= 0xDFFF)) return false;
    i += n;
  }
  return true;
}

void AcrescentaUtf8(std::string& destino, char32_t ponto) {
  if (ponto < 0x80) {
    destino += static_cast<char>(ponto);
  } else if (ponto < 0x800) {
    destino += static_cast<char>(0xC0 | (ponto >> 6));
    destino += static_cast<char>(0x80 | (ponto & 0x3F));
  } else {
    destino += static_cast<char>(0xE0 | (ponto >> 12));
    destino += static_cast<char>(0x80 | ((ponto >> 6) & 0x3F));
    destino += static_cast<char>(0x80 | (ponto & 0x3F));
  }
}

}  // namespace

std::string QZWindows1252ParaUtf8(std::string_view texto) {
  if (Utf8Valido(texto)) return std::string(texto);
  std::string utf8;
  utf8.reserve(texto.size() * 2);
  for (const char c : texto) {
    const auto b = static_cast<unsigned char>(c);
    const char32_t ponto = b < 0x80 || b >= 0xA0 ? b : kWindows1252Altos[b - 0x80];
    AcrescentaUtf8(utf8, ponto != 0 || b == 0 ? ponto : 0xFFFD);
  }
  return utf8;
}

namespace {

// O texto de uma linha do arquivo: do nono caractere em diante, sem o fim de
// linha, com "\n" literal virando quebra de linha, em UTF-8.
CString TextoDaLinha(const char* szLinha) {
  CString strTexto(std::strlen(szLinha) > 8 ? QZWindows1252ParaUtf8(szLinha + 8).c_str() : "");
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

CString QZTextoMensagem(LONG nCodigo, int nModulo) { return QZTextoMensagem(nCodigo, QZSiglaModulo(nModulo)); }

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
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, m_dwErroSO, 0, szSistema,
                   sizeof szSistema, nullptr);
    strTexto.AppendFormat("\nErro do SO: %d - %s", m_dwErroSO, szSistema);
  }
  return MessageBox(nullptr, strTexto, QZTituloModulo(static_cast<int>(m_lModulo)), nType);
}

// Leitura dos lugares da instalação no registro.
#include "vrmwnd/base/QZInstalacao.h"

#include <cstring>

#include "vrmwnd/platform/home.h"
#include "vrmwnd/platform/registry.h"

CString QZChaveEmpresarial() {
  CString strChave(QZ_CHAVE_FABRICANTE);
  strChave += QZ_TITULO_EMPRESARIAL;
  return strChave;
}

CString QZLeRegistroTexto(HKEY hRaiz, const char* szChave, const char* szValor) {
  HKEY hChave = nullptr;
  if (RegOpenKeyExA(hRaiz, szChave, 0, KEY_READ, &hChave) != ERROR_SUCCESS) return CString();
  DWORD dwTipo = REG_NONE;
  DWORD dwTamanho = 0;
  CString strTexto;
  if (RegQueryValueExA(hChave, szValor, nullptr, &dwTipo, nullptr, &dwTamanho) == ERROR_SUCCESS && dwTipo == REG_SZ &&
      dwTamanho > 0) {
    char* pBuffer = strTexto.GetBuffer(static_cast<int>(dwTamanho));
    if (RegQueryValueExA(hChave, szValor, nullptr, &dwTipo, reinterpret_cast<BYTE*>(pBuffer), &dwTamanho) !=
        ERROR_SUCCESS)
      pBuffer[0] = '\0';
    strTexto.ReleaseBuffer();
  }
  RegCloseKey(hChave);
  return strTexto;
}

bool QZGravaRegistroTexto(HKEY hRaiz, const char* szChave, const char* szValor, const char* szTexto) {
  HKEY hChave = nullptr;
  if (RegCreateKeyExA(hRaiz, szChave, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &hChave, nullptr) !=
      ERROR_SUCCESS)
    return false;
  const LSTATUS lStatus = RegSetValueExA(hChave, szValor, 0, REG_SZ, reinterpret_cast<const BYTE*>(szTexto),
                                         static_cast<DWORD>(std::strlen(szTexto) + 1));
  RegCloseKey(hChave);
  return lStatus == ERROR_SUCCESS;
}

CString QZComBarraFinal(const CString& strPasta) {
  CString strCom(strPasta);
  if (!strCom.IsEmpty() && strCom[strCom.GetLength() - 1] != '\\') strCom += '\\';
  return strCom;
}

bool QZPastaAbsoluta(const CString& strPasta) {
  return !strPasta.IsEmpty() && (strPasta[0] == '/' || strPasta[0] == '\\');
}

namespace {

CString ChaveDaEmpresa(const char* szEmpresa) {
  CString strChave = QZChaveEmpresarial();
  strChave += '\\';
  strChave += QZ_SUBCHAVE_EMPRESAS;
  strChave += '\\';
  strChave += szEmpresa;
  return strChave;
}

// Uma pasta do registro: a absoluta, ou vazio (ausente ou relativa).
CString PastaRegistrada(const char* szChave, const char* szValor) {
  const CString strPasta = QZLeRegistroTexto(HKEY_LOCAL_MACHINE, szChave, szValor);
  return QZPastaAbsoluta(strPasta) ? strPasta : CString();
}

}  // namespace

CString QZDiretorioInstalacao() {
  CString strPasta = PastaRegistrada(QZChaveEmpresarial(), "Path");
  if (strPasta.IsEmpty()) strPasta = GetPlatformHomeDirectory().c_str();
  return QZComBarraFinal(strPasta);
}

CString QZDiretorioMensagens() { return QZComBarraFinal(PastaRegistrada(QZChaveEmpresarial(), "Mensagens")); }

CString QZDiretorioEmpresa(const char* szEmpresa) {
  if (szEmpresa == nullptr || *szEmpresa == '\0') return CString();
  return QZComBarraFinal(PastaRegistrada(ChaveDaEmpresa(szEmpresa), "Path"));
}

CString QZEntradaDePastaInvalida(const char* szEmpresa) {
  const CString strEmpresarial = QZChaveEmpresarial();
  const struct {
    CString strChave;
    const char* szValor;
  } kEntradas[] = {
      {strEmpresarial, "Path"},
      {strEmpresarial, "Mensagens"},
      {szEmpresa && *szEmpresa ? ChaveDaEmpresa(szEmpresa) : CString(), "Path"},
  };
  for (const auto& e : kEntradas) {
    if (e.strChave.IsEmpty()) continue;
    const CString strPasta = QZLeRegistroTexto(HKEY_LOCAL_MACHINE, e.strChave, e.szValor);
    if (strPasta.IsEmpty() || QZPastaAbsoluta(strPasta)) continue;
    CString strErro;
    strErro.Format("o valor \"%s\" de HKEY_LOCAL_MACHINE\\%s não é um caminho absoluto: \"%s\"", e.szValor,
                   e.strChave.GetString(), strPasta.GetString());
    return strErro;
  }
  return CString();
}

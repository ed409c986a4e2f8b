// A ajuda de cada módulo, lida do arquivo dele na pasta de instalação.
#include "vrmwnd/base/QZAjuda.h"

#include <cstdio>
#include <string>

#include "vrmwnd/base/QZInstalacao.h"
#include "vrmwnd/base/QZModulos.h"
#include "vrmwnd/platform/fileshare.h"
#include "vrmwnd/platform/msgbox.h"

CString QZArquivoAjuda(int nModulo) {
  const TQZModulo* pModulo = QZModulo(nModulo);
  if (pModulo == nullptr) return CString();
  CString strArquivo = QZDiretorioInstalacao();
  strArquivo.AppendFormat("QZ%sAjuda.txt", pModulo->szSigla);
  return strArquivo;
}

bool QZAbreAjuda(int nModulo, HWND hPai) {
  const TQZModulo* pModulo = QZModulo(nModulo);
  if (pModulo == nullptr) {
    CString strAviso;
    strAviso.Format("O módulo %d não existe; não há ajuda para ele.", nModulo);
    MessageBox(hPai, strAviso, "Ajuda", MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  CString strTitulo;
  strTitulo.Format("Ajuda - %s", pModulo->szTitulo);
  const CString strArquivo = QZArquivoAjuda(nModulo);
  std::string texto;
  if (std::FILE* pArquivo = _fsopen(strArquivo, "rb", _SH_DENYNO)) {
    char sz[4096];
    for (std::size_t n; (n = std::fread(sz, 1, sizeof sz, pArquivo)) > 0;) texto.append(sz, n);
    std::fclose(pArquivo);
  }
  CString strTexto(texto.c_str());
  strTexto.Remove('\r');
  strTexto.TrimRight();
  if (strTexto.IsEmpty()) {
    CString strAviso;
    strAviso.Format("A ajuda de %s não está instalada: o arquivo %s não foi encontrado ou está vazio.",
                    pModulo->szTitulo, strArquivo.GetString());
    MessageBox(hPai, strAviso, strTitulo, MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  MessageBox(hPai, strTexto, strTitulo, MB_OK | MB_ICONINFORMATION);
  return true;
}

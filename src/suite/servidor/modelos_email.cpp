// A leitura dos modelos de e-mail de uma extensão.
#include "vrmwnd/suite/servidor/modelos_email.h"

#include <sqlite3.h>

#include "banco_impl.h"

namespace vrmsuite {

std::vector<TModeloEmail> LeModelosEmail(CQZBancoEmpresa& banco, unsigned short iExtensao) {
  std::vector<TModeloEmail> modelos;
  CComando cmd(banco, "SELECT szNome, szArquivo FROM cm_modelo_email WHERE iExtensao = ? ORDER BY szNome");
  cmd.Liga(1, static_cast<long long>(iExtensao));
  auto Texto = [&](int nColuna) {
    const unsigned char* sz = sqlite3_column_text(cmd.Bruto(), nColuna);
    return CString(sz ? reinterpret_cast<const char*>(sz) : "");
  };
  while (cmd.Proxima()) modelos.push_back({Texto(0), Texto(1)});
  return modelos;
}

}  // namespace vrmsuite
